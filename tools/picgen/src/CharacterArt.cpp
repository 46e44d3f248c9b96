// SPDX-License-Identifier: GPL-3.0-or-later
// The two women beside the card table and the jungle man who stands in for the right one.
// Each woman is drawn standing, head near the top of her picture, the face exactly where
// the eye and mouth frames are laid over it at run time.
#include "CharacterArt.h"
#include "ThemeArt.h"

#include <cmath>

using namespace art;

namespace character {

namespace {

struct Outfit {
    Rgba top, skirt, shoes, accent;
    bool longDress; // to the ground
    bool sunHat;
};

// Where a woman's features sit in her picture.
struct Figure {
    double cx;      // centre of the face
    double eyeTop;  // top of the eye strip
    double eyeLeft; // left of the eye strip
    double width;   // picture width
    const Look* look;
};

void Strip(cairo_t* cr, double x, double y, const std::function<void(cairo_t*)>& paint) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    paint(cr);
    cairo_restore(cr);
}

void HairBack(cairo_t* cr, const Figure& f, bool curly) {
    const double cx = f.cx, cy = f.eyeTop + 12;
    if (curly) {
        for (int i = 0; i < 11; ++i) {
            const double a = M_PI * (0.95 + i * 0.11);
            Ellipse(cr, cx + std::cos(a) * 34, cy + 6 + std::sin(a) * 40, 13, 14);
        }
        Ellipse(cr, cx, cy - 4, 36, 36);
        FillOutline(cr, f.look->hair, 2.0);
        return;
    }
    // A bob to the chin.
    cairo_move_to(cr, cx - 36, cy + 36);
    cairo_curve_to(cr, cx - 44, cy - 20, cx - 24, cy - 48, cx, cy - 48);
    cairo_curve_to(cr, cx + 24, cy - 48, cx + 44, cy - 20, cx + 36, cy + 36);
    cairo_curve_to(cr, cx + 20, cy + 42, cx - 20, cy + 42, cx - 36, cy + 36);
    cairo_close_path(cr);
    FillOutline(cr, f.look->hair, 2.0);
}

void Face(cairo_t* cr, const Figure& f, bool curly) {
    const double cx = f.cx, cy = f.eyeTop + 14;
    OutlinedEllipse(cr, cx - 28, cy + 4, 5, 8, f.look->skin, 1.5); // ears
    OutlinedEllipse(cr, cx + 28, cy + 4, 5, 8, f.look->skin, 1.5);
    OutlinedEllipse(cr, cx, cy + 2, 28, 36, f.look->skin, 2.0);
    // Fringe above the eye strip.
    if (curly) {
        for (int i = 0; i < 6; ++i)
            Ellipse(cr, cx - 22 + i * 9, cy - 30 + std::abs(i - 2.5) * 2, 8, 7);
    } else {
        cairo_move_to(cr, cx - 29, cy - 8);
        cairo_curve_to(cr, cx - 28, cy - 40, cx + 28, cy - 40, cx + 29, cy - 8);
        cairo_curve_to(cr, cx + 14, cy - 20, cx - 2, cy - 22, cx - 29, cy - 8);
        cairo_close_path(cr);
    }
    FillOutline(cr, f.look->hair, 1.5);
    // Brows just above the strip.
    Curve(cr, f.eyeLeft + 4, f.eyeTop - 3, f.eyeLeft + 8, f.eyeTop - 5.5, f.eyeLeft + 12,
          f.eyeTop - 5.5, f.eyeLeft + 15, f.eyeTop - 4, 1.8, Darker(f.look->hair, 0.2));
    Curve(cr, f.eyeLeft + 25, f.eyeTop - 4, f.eyeLeft + 28, f.eyeTop - 5.5, f.eyeLeft + 32,
          f.eyeTop - 5.5, f.eyeLeft + 36, f.eyeTop - 3, 1.8, Darker(f.look->hair, 0.2));
    Strip(cr, f.eyeLeft, f.eyeTop, [&](cairo_t* c) { EyeStrip(c, *f.look, 0); });
    Strip(cr, f.eyeLeft, f.eyeTop + f.look->eyeStripH,
          [&](cairo_t* c) { MouthStrip(c, *f.look, 0); });
}

void SunHat(cairo_t* cr, const Figure& f, Rgba band) {
    const double cx = f.cx, y = f.eyeTop - 16;
    Ellipse(cr, cx, y, 50, 11);
    FillOutline(cr, Hex(0xE9C77B), 2.0);
    cairo_move_to(cr, cx - 26, y);
    cairo_curve_to(cr, cx - 26, y - 34, cx + 26, y - 34, cx + 26, y);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xF0D491), 2.0);
    cairo_rectangle(cr, cx - 25, y - 9, 50, 7);
    draw::SetColor(cr, band);
    cairo_fill(cr);
    OutlinedEllipse(cr, cx + 18, y - 6, 6, 6, Hex(0xFFFFFF), 1.2);
    OutlinedEllipse(cr, cx + 18, y - 6, 2.2, 2.2, Hex(0xF2C230), 0.8);
}

// Body from the neck down; the face is drawn afterwards.
void Body(cairo_t* cr, const Figure& f, const Outfit& o) {
    const double cx = f.cx + 4, neck = f.eyeTop + 48, h = 412;
    const Rgba skin = f.look->skin;
    // Legs and shoes (hidden by a long dress).
    if (!o.longDress) {
        for (int side : {-1, 1}) {
            const double x = cx + side * 12;
            cairo_rectangle(cr, x - 7, 300, 14, h - 26 - 300);
            FillOutline(cr, skin, 2.0);
            Ellipse(cr, x + side * 3, h - 16, 14, 8);
            FillOutline(cr, o.shoes, 2.0);
        }
    }
    // Arms behind the torso edges.
    for (int side : {-1, 1}) {
        cairo_move_to(cr, cx + side * 36, neck + 22);
        cairo_curve_to(cr, cx + side * 52, neck + 80, cx + side * 50, neck + 130, cx + side * 44,
                       neck + 168);
        cairo_set_line_width(cr, 17);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        draw::SetColor(cr, kOutline);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 13);
        draw::SetColor(cr, skin);
        cairo_stroke(cr);
        OutlinedEllipse(cr, cx + side * 44, neck + 172, 8, 9, skin, 1.8);
    }
    // Neck.
    cairo_rectangle(cr, cx - 10, neck - 12, 16, 22);
    FillOutline(cr, skin, 1.8);
    // Skirt or dress.
    const double waist = neck + 92;
    const double hem = o.longDress ? h - 2 : 318;
    const double flare = o.longDress ? 46 : 40;
    cairo_move_to(cr, cx - 24, waist);
    cairo_curve_to(cr, cx - 30, waist + 60, cx - flare, hem - 30, cx - flare, hem);
    cairo_curve_to(cr, cx - 15, hem + 6, cx + 15, hem + 6, cx + flare, hem);
    cairo_curve_to(cr, cx + flare, hem - 30, cx + 30, waist + 60, cx + 24, waist);
    cairo_close_path(cr);
    FillOutline(cr, o.skirt, 2.0);
    if (o.longDress) { // a soft sheen down the gown
        Curve(cr, cx + 10, waist + 20, cx + 18, waist + 90, cx + 20, hem - 80, cx + 26, hem - 10, 4,
              Lighter(o.skirt, 0.3));
    }
    // Top: shoulders to waist.
    cairo_move_to(cr, cx - 12, neck + 2);
    cairo_curve_to(cr, cx - 30, neck + 4, cx - 40, neck + 12, cx - 38, neck + 36);
    cairo_curve_to(cr, cx - 34, neck + 60, cx - 28, waist - 10, cx - 25, waist + 2);
    cairo_line_to(cr, cx + 25, waist + 2);
    cairo_curve_to(cr, cx + 28, waist - 10, cx + 34, neck + 60, cx + 38, neck + 36);
    cairo_curve_to(cr, cx + 40, neck + 12, cx + 30, neck + 4, cx + 12, neck + 2);
    cairo_curve_to(cr, cx + 6, neck + 14, cx - 6, neck + 14, cx - 12, neck + 2);
    cairo_close_path(cr);
    FillOutline(cr, o.top, 2.0);
    // Belt.
    cairo_rectangle(cr, cx - 25, waist - 4, 50, 7);
    FillOutline(cr, o.accent, 1.5);
    // Short sleeves, except on the evening gown.
    if (!o.longDress) {
        for (int side : {-1, 1}) {
            cairo_move_to(cr, cx + side * 30, neck + 4);
            cairo_curve_to(cr, cx + side * 46, neck + 8, cx + side * 52, neck + 28,
                           cx + side * 52, neck + 42);
            cairo_line_to(cr, cx + side * 36, neck + 46);
            cairo_close_path(cr);
            FillOutline(cr, o.top, 2.0);
        }
    }
}

void Necklace(cairo_t* cr, const Figure& f, Rgba bead) {
    const double cx = f.cx + 4, neck = f.eyeTop + 48;
    for (int i = 0; i < 9; ++i) {
        const double a = M_PI * (0.15 + i * 0.0875);
        OutlinedEllipse(cr, cx + std::cos(a) * 14, neck + 4 + std::sin(a) * 12, 2.2, 2.2, bead,
                        0.8);
    }
}

void Flowers(cairo_t* cr, double x0, double y0, double x1, double y1, Rgba petal) {
    for (int i = 0; i < 7; ++i) {
        const double x = x0 + std::fmod(i * 37.0, x1 - x0), y = y0 + std::fmod(i * 53.0, y1 - y0);
        for (int p = 0; p < 5; ++p) {
            const double a = p * 2 * M_PI / 5;
            Ellipse(cr, x + std::cos(a) * 3, y + std::sin(a) * 3, 2.4, 2.4);
        }
        draw::SetColor(cr, petal);
        cairo_fill(cr);
        Ellipse(cr, x, y, 1.6, 1.6);
        draw::SetColor(cr, Hex(0xF7D44A));
        cairo_fill(cr);
    }
}

void Woman(cairo_t* cr, const Figure& f, const Outfit& o, bool curly, int outfit) {
    HairBack(cr, f, curly);
    Body(cr, f, o);
    const double cx = f.cx + 4, neck = f.eyeTop + 48;
    if (outfit == 1) Flowers(cr, cx - 36, neck + 100, cx + 36, 310, Hex(0xFFFFFF, 0.9));
    if (outfit == 2) Necklace(cr, f, Hex(0xF4F1E8));
    Face(cr, f, curly);
    if (o.sunHat) SunHat(cr, f, o.accent);
    if (outfit == 2) { // a flower in the hair
        for (int p = 0; p < 6; ++p) {
            const double a = p * M_PI / 3;
            Ellipse(cr, f.cx - 26 + std::cos(a) * 5, f.eyeTop - 14 + std::sin(a) * 5, 4, 4);
        }
        FillOutline(cr, o.accent, 1.0);
        OutlinedEllipse(cr, f.cx - 26, f.eyeTop - 14, 3, 3, Hex(0xF7D44A), 0.8);
    }
}

} // namespace

void DrawLotte(cairo_t* cr, int outfit) {
    const Figure f{56, 60, 36, 150, &kLotte};
    const Outfit outfits[3] = {
        {Hex(0x4FA36A), Hex(0x2F5E9E), Hex(0x7A4A2A), Hex(0x2A3E66), false, false},
        {Hex(0xF5C842), Hex(0xF5C842), Hex(0xE8B07A), Hex(0xE0604A), false, true},
        {Hex(0x7A2E6E), Hex(0x7A2E6E), Hex(0x2A1A2A), Hex(0xE2587E), true, false},
    };
    Woman(cr, f, outfits[outfit], false, outfit);
    if (outfit == 1) { // a little basket in her hand
        const double x = f.cx + 4 + 44, y = f.eyeTop + 48 + 176;
        cairo_arc(cr, x, y, 10, M_PI, 2 * M_PI);
        cairo_set_line_width(cr, 2.5);
        draw::SetColor(cr, Hex(0x8A5A2E));
        cairo_stroke(cr);
        draw::RoundedRect(cr, x - 13, y, 26, 16, 4);
        FillOutline(cr, Hex(0xC89454), 1.8);
    }
}

void DrawMia(cairo_t* cr, int outfit) {
    const Figure f{74, 68, 54, 164, &kMia};
    const Outfit outfits[3] = {
        {Hex(0xD9463E), Hex(0x3C5A8C), Hex(0xF2F2F2), Hex(0x2A2A36), false, false},
        {Hex(0x5BC0C8), Hex(0xFFFFFF), Hex(0xF0A0B0), Hex(0x2E8FA0), false, true},
        {Hex(0x2C4FA8), Hex(0x2C4FA8), Hex(0xC9C9D6), Hex(0xF2C94C), true, false},
    };
    Woman(cr, f, outfits[outfit], true, outfit);
    if (outfit == 1) { // an ice cream
        const double x = f.cx + 4 - 44, y = f.eyeTop + 48 + 160;
        cairo_move_to(cr, x - 7, y);
        cairo_line_to(cr, x + 7, y);
        cairo_line_to(cr, x, y + 20);
        cairo_close_path(cr);
        FillOutline(cr, Hex(0xE0A860), 1.5);
        OutlinedEllipse(cr, x, y - 4, 8, 7, Hex(0xF5B8C8), 1.5);
    }
}

void DrawTarzan(cairo_t* cr) {
    const Rgba skin = Hex(0xD9A273), hair = Hex(0x5A3A1E), leaf = Hex(0x4E9A3E);
    const double cx = 88, cy = 64;
    // Long hair behind the head and shoulders.
    cairo_move_to(cr, cx - 34, cy + 50);
    cairo_curve_to(cr, cx - 48, cy - 10, cx - 30, cy - 44, cx, cy - 44);
    cairo_curve_to(cr, cx + 30, cy - 44, cx + 48, cy - 10, cx + 34, cy + 50);
    cairo_curve_to(cr, cx + 16, cy + 58, cx - 16, cy + 58, cx - 34, cy + 50);
    cairo_close_path(cr);
    FillOutline(cr, hair, 2.0);
    // Legs and bare feet.
    for (int side : {-1, 1}) {
        const double x = cx + side * 20;
        cairo_rectangle(cr, x - 10, 280, 20, 150);
        FillOutline(cr, skin, 2.0);
        Ellipse(cr, x + side * 5, 442, 15, 8);
        FillOutline(cr, skin, 2.0);
    }
    // Arms, a little bent, hands on the hips.
    for (int side : {-1, 1}) {
        cairo_move_to(cr, cx + side * 48, 118);
        cairo_curve_to(cr, cx + side * 70, 160, cx + side * 70, 200, cx + side * 46, 236);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, 22);
        draw::SetColor(cr, kOutline);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 18);
        draw::SetColor(cr, skin);
        cairo_stroke(cr);
        OutlinedEllipse(cr, cx + side * 42, 238, 11, 10, skin, 2.0);
    }
    // Neck and torso.
    cairo_rectangle(cr, cx - 12, 88, 24, 24);
    FillOutline(cr, skin, 2.0);
    cairo_move_to(cr, cx - 50, 118);
    cairo_curve_to(cr, cx - 40, 104, cx + 40, 104, cx + 50, 118);
    cairo_curve_to(cr, cx + 44, 180, cx + 34, 230, cx + 30, 262);
    cairo_line_to(cr, cx - 30, 262);
    cairo_curve_to(cr, cx - 34, 230, cx - 44, 180, cx - 50, 118);
    cairo_close_path(cr);
    FillOutline(cr, skin, 2.0);
    // A one-shoulder tunic of leaves down to the thighs.
    cairo_move_to(cr, cx + 30, 112);
    cairo_line_to(cr, cx + 46, 124);
    cairo_curve_to(cr, cx + 40, 200, cx + 38, 250, cx + 40, 312);
    cairo_line_to(cr, cx - 40, 312);
    cairo_curve_to(cr, cx - 38, 260, cx - 36, 220, cx - 40, 170);
    cairo_close_path(cr);
    FillOutline(cr, leaf, 2.0);
    for (int i = 0; i < 9; ++i) // leaf tips along the hem
        Leaf(cr, cx - 36 + i * 9, 308, M_PI / 2 + (i % 2 ? 0.2 : -0.2), 16, 9, Darker(leaf, 0.1));
    for (int i = 0; i < 5; ++i)
        Leaf(cr, cx - 20 + i * 12, 160 + i * 22, 0.8, 18, 8, Lighter(leaf, 0.15));
    // A coiled vine over the shoulder.
    Curve(cr, cx - 46, 122, cx - 10, 170, cx + 20, 230, cx + 36, 262, 4, Hex(0x7A5A2A));
    // Face.
    OutlinedEllipse(cr, cx - 27, cy + 4, 6, 9, skin, 1.8);
    OutlinedEllipse(cr, cx + 27, cy + 4, 6, 9, skin, 1.8);
    OutlinedEllipse(cr, cx, cy + 2, 27, 32, skin, 2.0);
    cairo_move_to(cr, cx - 28, cy - 6);
    cairo_curve_to(cr, cx - 26, cy - 38, cx + 26, cy - 38, cx + 28, cy - 6);
    cairo_curve_to(cr, cx + 10, cy - 22, cx - 10, cy - 14, cx - 28, cy - 6);
    cairo_close_path(cr);
    FillOutline(cr, hair, 1.5);
    Line(cr, cx - 17, cy - 8, cx - 6, cy - 9, 3, hair);
    Line(cr, cx + 6, cy - 9, cx + 17, cy - 8, 3, hair);
    Eye(cr, cx - 11, cy + 2, 5.5, 1.0, -0.3, 0);
    Eye(cr, cx + 11, cy + 2, 5.5, 1.0, -0.3, 0);
    Curve(cr, cx, cy + 6, cx + 3, cy + 13, cx + 2, cy + 16, cx - 2, cy + 16, 1.6,
          Darker(skin, 0.3));
    // A broad grin.
    cairo_move_to(cr, cx - 12, cy + 21);
    cairo_curve_to(cr, cx - 6, cy + 30, cx + 6, cy + 30, cx + 12, cy + 21);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xFFFFFF), 1.8);
}

} // namespace character

bool DrawCharacterSheet(Canvas& canvas, const std::string& name) {
    using namespace character;
    cairo_t* cr = canvas.cr();
    auto frames = [cr](int count, double width, double top, double height,
                       const std::function<void(cairo_t*, int)>& paint) {
        for (int f = 0; f < count; ++f) {
            cairo_save(cr);
            cairo_rectangle(cr, width * f, top, width, height);
            cairo_clip(cr);
            cairo_translate(cr, width * f, top);
            paint(cr, f);
            cairo_restore(cr);
        }
    };
    auto endsWith = [&name](const std::string& end) {
        return name.size() >= end.size() &&
               name.compare(name.size() - end.size(), end.size(), end) == 0;
    };
    const int outfit = endsWith("_s") ? 1 : endsWith("_n") ? 2 : 0;
    if (name.rfind("mädel1", 0) == 0) {
        DrawLotte(cr, outfit);
    } else if (name.rfind("mädel2", 0) == 0) {
        DrawMia(cr, outfit);
    } else if (name == "Tarzan") {
        DrawTarzan(cr);
    } else if (name == "mundl" || name == "mundr") {
        const Look& look = name == "mundl" ? kLotte : kMia;
        frames(5, 40, 0, look.eyeStripH, [&](cairo_t* c, int f) { EyeStrip(c, look, f); });
        frames(5, look.mouthStripW, look.eyeStripH, 10,
               [&](cairo_t* c, int f) { MouthStrip(c, look, f); });
        if (name == "mundr") {
            cairo_save(cr);
            cairo_rectangle(cr, 200, 0, 50, 30);
            cairo_clip(cr);
            cairo_translate(cr, 200, 0);
            SlapMark(cr, look);
            cairo_restore(cr);
        }
    } else {
        return false;
    }
    return true;
}
