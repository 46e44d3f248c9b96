// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeSheets.h"

#include "CharacterArt.h"
#include "GuiKit.h"
#include "JungleArt.h"
#include "WesternArt.h"

#include <cmath>

namespace {

bool IsWestern(const std::string& member) {
    return member.find("western") != std::string::npos;
}

std::string ShortName(const std::string& member) {
    std::string name = member.substr(member.rfind('\\') + 1);
    return name.substr(0, name.rfind('.'));
}

void Label(cairo_t* cr, const std::string& text, double cx, double cy, double maxW, double size) {
    double w = draw::TextWidth(cr, text, size);
    if (w > maxW && w > 0) {
        size *= maxW / w;
    }
    draw::TextCentered(cr, text, size, cx, cy, Hex(0xFFFFFF, 0.9));
}

void Stage(cairo_t* cr, const FrameSheet& s, bool western) {
    // Transparent over the table, with a soft frame of colour at the screen edges.
    Rgba edge = western ? Hex(0x8A5A2B, 0.55) : Hex(0x1E5A2A, 0.55);
    for (int i = 0; i < 24; ++i) {
        double a = edge.a * (1 - i / 24.0) * (1 - i / 24.0);
        cairo_rectangle(cr, i, i, s.width - 2 * i, s.height - 2 * i);
        draw::SetColor(cr, Rgba{edge.r, edge.g, edge.b, a});
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    draw::Text(cr, "Platzhalter / placeholder: " + ShortName(s.member), 14, s.width - 30,
               s.height - 24, Hex(0xFFFFFF, 0.35), Align::Right, false);
}

void Frame(cairo_t* cr, const FrameSheet& s, int f, bool western) {
    double w = s.frameWidth, h = s.frameHeight;
    Rgba base = western ? Hex(0xB07A3C) : Hex(0x3E8A4A);
    // A gently swinging box, so that an animation shows it is running.
    double swing = std::sin(f * 2 * M_PI / std::max(1, s.count)) * std::min(w, h) * 0.04;
    double m = std::max(2.0, std::min(w, h) * 0.06);
    draw::RoundedRect(cr, m + swing, m, w - 2 * m, h - 2 * m, std::min(w, h) * 0.18);
    draw::SetColor(cr, Rgba{base.r, base.g, base.b, 0.55});
    cairo_fill_preserve(cr);
    draw::SetColor(cr, Rgba{1, 1, 1, 0.7});
    cairo_set_line_width(cr, std::max(1.0, std::min(w, h) * 0.03));
    double dash[] = {6, 4};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    double size = std::min(w, h) * 0.18;
    if (s.count > 1) {
        Label(cr, ShortName(s.member), w / 2 + swing, h / 2 - size * 0.7, w - 2 * m - 4, size);
        Label(cr, std::to_string(f), w / 2 + swing, h / 2 + size * 0.7, w - 2 * m - 4, size * 1.2);
    } else {
        Label(cr, ShortName(s.member), w / 2, h / 2, w - 2 * m - 4, size);
    }
}

void Werbung(cairo_t* cr) {
    struct Box {
        int l, t, r, b;
        const char* name;
    };
    const Box boxes[] = {
        {0, 173, 50, 264, "1"},        {50, 173, 118, 278, "2"},      {168, 173, 250, 297, "3"},
        {118, 173, 168, 243, "4"},     {420, 0, 593, 140, "Blatt 1"}, {0, 0, 140, 173, "Blatt 2"},
        {280, 0, 420, 173, "Blatt 3"}, {140, 0, 280, 173, "Blatt 4"},
    };
    for (const Box& b : boxes) {
        gui::InRect(cr, b.l, b.t, b.r - b.l, b.b - b.t, [&](cairo_t* c) {
            double w = b.r - b.l, h = b.b - b.t;
            draw::RoundedRect(c, 3, 3, w - 6, h - 6, 6);
            draw::SetColor(c, Hex(0xE8D6A8, 0.75));
            cairo_fill_preserve(c);
            draw::SetColor(c, Hex(0x7A5A2B, 0.8));
            cairo_set_line_width(c, 2);
            cairo_stroke(c);
            draw::TextCentered(c, b.name, std::min(w, h) * 0.2, w / 2, h / 2, Hex(0x5A3E1A));
        });
    }
}

} // namespace

std::vector<FrameSheet> ThemeSheetList() {
    const std::string u = "hintergrund\\urwald\\", w = "hintergrund\\western\\",
                      c = "hintergrund\\";
    return {
        {u + "affe.PNG", 121, 161, 10, 20, 1210, 322},
        {u + "frosch.PNG", 64, 64, 4, 21, 256, 384},
        {u + "schlange.PNG", 150, 211, 5, 10, 750, 422},
        {u + "libelle.PNG", 50, 50, 5, 20, 250, 200},
        {u + "pflanze.PNG", 150, 111, 5, 10, 750, 222},
        {u + "spinne.PNG", 111, 366, 10, 10, 1110, 366},
        {u + "Urmensch_1.PNG", 318, 380, 10, 20, 3180, 760},
        {u + "Urmensch_2.PNG", 200, 392, 10, 20, 2000, 784},
        {u + "stage.PNG", 1024, 768, 1, 1, 1024, 768},
        {w + "Bull.PNG", 135, 154, 5, 10, 675, 308},
        {w + "flasche.PNG", 267, 283, 5, 22, 1335, 1415},
        {w + "Indianer.PNG", 224, 384, 5, 20, 1120, 1536},
        {w + "Kaktus.PNG", 149, 161, 10, 20, 1490, 322},
        {w + "Kakutus1.PNG", 40, 100, 6, 12, 240, 200},
        {w + "Kakutus2.PNG", 40, 100, 6, 12, 240, 200},
        {w + "Kakutus3.PNG", 40, 100, 6, 12, 240, 200},
        {w + "knäul.PNG", 50, 50, 1, 1, 50, 50},
        {w + "Mexikaner.PNG", 272, 354, 5, 20, 1360, 1416},
        {w + "Saloon.PNG", 147, 88, 5, 18, 735, 352},
        {w + "Tür.PNG", 145, 127, 5, 10, 725, 254},
        {w + "Wanted.PNG", 209, 174, 5, 25, 1045, 870},
        {w + "Werbung.PNG", 0, 0, 0, 0, 593, 297},
        {w + "Zielscheibe.PNG", 42, 37, 6, 6, 252, 37},
        {w + "Stage_western.PNG", 1024, 768, 1, 1, 1024, 768},
        {c + "mädel1.PNG", 150, 412, 1, 1, 150, 412},
        {c + "mädel1_s.PNG", 150, 412, 1, 1, 150, 412},
        {c + "mädel1_n.PNG", 150, 412, 1, 1, 150, 412},
        {c + "mädel2.PNG", 164, 412, 1, 1, 164, 412},
        {c + "mädel2_s.PNG", 164, 412, 1, 1, 164, 412},
        {c + "mädel2_n.PNG", 164, 412, 1, 1, 164, 412},
        {c + "mundl.PNG", 0, 0, 0, 0, 200, 32},
        {c + "mundr.PNG", 0, 0, 0, 0, 250, 30},
        {c + "Tarzan.PNG", 164, 460, 1, 1, 164, 460},
    };
}

void DrawThemeSheet(Canvas& canvas, const FrameSheet& s) {
    cairo_t* cr = canvas.cr();
    bool western = IsWestern(s.member);
    if (s.member.find("urwald") != std::string::npos &&
        DrawJungleSheet(canvas, ShortName(s.member)))
        return;
    if (western && DrawWesternSheet(canvas, ShortName(s.member))) return;
    if (!western && s.member.find("urwald") == std::string::npos &&
        DrawCharacterSheet(canvas, ShortName(s.member)))
        return;
    if (s.member.find("stage") != std::string::npos ||
        s.member.find("Stage") != std::string::npos) {
        Stage(cr, s, western);
    } else if (s.member.find("Werbung") != std::string::npos) {
        Werbung(cr);
    } else if (s.member.find("Zielscheibe") != std::string::npos) {
        // The target pointer: a cross-hair that kicks with the recoil frame.
        for (int f = 0; f < s.count; ++f) {
            gui::InRect(cr, f * 42, 0, 42, 37, [&](cairo_t* c) {
                double r = 13 + f * 0.8;
                cairo_new_sub_path(c);
                cairo_arc(c, 21, 18.5, r, 0, 2 * M_PI);
                draw::SetColor(c, Hex(0xC62828, 0.9));
                cairo_set_line_width(c, 2.5);
                cairo_stroke(c);
                cairo_move_to(c, 21, 2);
                cairo_line_to(c, 21, 35);
                cairo_move_to(c, 4, 18.5);
                cairo_line_to(c, 38, 18.5);
                cairo_set_line_width(c, 1.6);
                cairo_stroke(c);
            });
        }
    } else {
        for (int f = 0; f < s.count; ++f) {
            int col = f % s.perRow, row = f / s.perRow;
            gui::InRect(cr, col * s.frameWidth, row * s.frameHeight, s.frameWidth, s.frameHeight,
                        [&](cairo_t* c) { Frame(c, s, f, western); });
        }
    }
}
