// SPDX-License-Identifier: GPL-3.0-or-later
// The saloon sign with its chasing lights, the potted cactus that waves, and the leaflets
// with the torn scraps they leave on the walls.
#include "GuiKit.h"
#include "ThemeArt.h"
#include "WesternArt.h"

#include <cmath>

using namespace art;

namespace {

void Cactus(cairo_t* cr, double leftArm, double rightArm, double bloom, double blink) {
    const Rgba green = Hex(0x4FA04A), dark = Hex(0x2F7A34);
    // Arms first, bent up at the elbow; the angle lifts them.
    auto arm = [&](double side, double lift) {
        cairo_save(cr);
        cairo_translate(cr, 74 + side * 16, 86);
        cairo_rotate(cr, -side * lift);
        draw::RoundedRect(cr, side > 0 ? 0 : -30, -8, 30, 16, 8);
        FillOutline(cr, green, 2);
        draw::RoundedRect(cr, side > 0 ? 16 : -30, -40, 14, 44, 7);
        FillOutline(cr, green, 2);
        cairo_restore(cr);
    };
    arm(-1, leftArm);
    arm(1, rightArm);
    draw::RoundedRect(cr, 54, 26, 40, 120, 20);
    FillOutline(cr, green, 2.4);
    for (int i = 0; i < 3; ++i)
        Line(cr, 64 + i * 10, 40, 64 + i * 10, 136, 1.5, dark);
    for (int i = 0; i < 10; ++i)
        Line(cr, 58 + (i % 4) * 10, 50 + i * 9, 55 + (i % 4) * 10, 47 + i * 9, 1, Hex(0xF4EED8));
    // Face.
    Eye(cr, 66, 60, 5, blink, 0, 0.2);
    Eye(cr, 82, 60, 5, blink, 0, 0.2);
    cairo_move_to(cr, 66, 74);
    cairo_curve_to(cr, 70, 80, 78, 80, 82, 74);
    cairo_set_line_width(cr, 2);
    draw::SetColor(cr, kOutline);
    cairo_stroke(cr);
    OutlinedEllipse(cr, 61, 70, 3, 2, Hex(0xF08AB0, 0.7), 0);
    OutlinedEllipse(cr, 87, 70, 3, 2, Hex(0xF08AB0, 0.7), 0);
    // Flower on top.
    if (bloom > 0.05) {
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3;
            OutlinedEllipse(cr, 74 + std::cos(a) * 7 * bloom, 26 + std::sin(a) * 5 * bloom,
                            6 * bloom, 4 * bloom, Hex(0xF06292), 1.2);
        }
        OutlinedEllipse(cr, 74, 26, 3.5 * bloom, 3.5 * bloom, Hex(0xF6D24A), 1);
    } else {
        OutlinedEllipse(cr, 74, 26, 4, 3, Hex(0xF06292), 1.2);
    }
    // Clay pot.
    cairo_move_to(cr, 44, 134);
    cairo_line_to(cr, 104, 134);
    cairo_line_to(cr, 96, 160);
    cairo_line_to(cr, 52, 160);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xC8623A), 2.2);
    cairo_rectangle(cr, 40, 128, 68, 10);
    FillOutline(cr, Hex(0xD87448), 2);
}

struct Paper {
    int l, t, r, b;
};

void PaperSheet(cairo_t* cr, double w, double h, Rgba tint) {
    draw::RoundedRect(cr, 3, 3, w - 6, h - 6, 2);
    FillOutline(cr, tint, 2, Hex(0x8A6A3A));
    cairo_rectangle(cr, 8, 8, w - 16, h - 16);
    draw::SetColor(cr, Hex(0x8A6A3A, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// A scrap of paper left on a nail, torn off below.
void Scrap(cairo_t* cr, double w, double h) {
    cairo_move_to(cr, 4, 6);
    cairo_line_to(cr, w - 4, 4);
    const int teeth = 6;
    for (int i = 0; i <= teeth; ++i) {
        const double x = w - 4 - (w - 8) * i / teeth;
        const double y = h * (0.55 + 0.4 * ((i * 37) % 10) / 10.0);
        cairo_line_to(cr, x, std::min(h - 2, y));
    }
    cairo_close_path(cr);
    FillOutline(cr, Hex(0xEBD9A6), 1.8, Hex(0x8A6A3A));
    OutlinedEllipse(cr, w / 2, 10, 3, 3, Hex(0x8A8A8A), 1);
    Line(cr, 10, 24, w - 12, 24, 3, Hex(0x9A2A1A, 0.6));
    Line(cr, 10, 34, w - 18, 34, 2, Hex(0x4A2A14, 0.5));
}

} // namespace

void DrawSignSheet(cairo_t* cr) {
    // The sign swings on its chains; the bulbs round it chase.
    ForEachFrame(cr, 147, 88, 5, 18, [](cairo_t* c, int f) {
        const double swing = std::sin(2 * M_PI * f / 18.0) * 0.06;
        cairo_save(c);
        cairo_translate(c, 73, 2);
        cairo_rotate(c, swing);
        cairo_translate(c, -73, -2);
        Line(c, 22, 0, 22, 18, 2, Hex(0x3A3028));
        Line(c, 124, 0, 124, 18, 2, Hex(0x3A3028));
        draw::RoundedRect(c, 6, 16, 134, 66, 8);
        FillOutline(c, Hex(0x7A2E22), 3, Hex(0x3A1A10));
        draw::RoundedRect(c, 14, 24, 118, 50, 5);
        FillOutline(c, Hex(0x9C3A2A), 1.5, Hex(0xE0B84A));
        draw::TextCentered(c, "SALOON", 24, 73, 49, Hex(0xF8E3A0));
        const int bulbs = 14;
        for (int i = 0; i < bulbs; ++i) {
            const double t = i / static_cast<double>(bulbs);
            double x, y;
            if (t < 0.5) {
                x = 12 + t * 2 * 122;
                y = 20;
            } else {
                x = 134 - (t - 0.5) * 2 * 122;
                y = 78;
            }
            const bool lit = (i + f) % 3 == 0;
            OutlinedEllipse(c, x, y, 3, 3, lit ? Hex(0xFFF2A8) : Hex(0xA8884A), 1);
        }
        cairo_restore(c);
    });
}

void DrawCactusSheet(cairo_t* cr) {
    // It waves both arms, blinks, and its flower opens and closes again.
    ForEachFrame(cr, 149, 161, 10, 20, [](cairo_t* c, int f) {
        const double t = f / 20.0;
        const double wave = std::sin(2 * M_PI * t * 2);
        Cactus(c, 0.25 * std::max(0.0, wave), 0.25 * std::max(0.0, -wave), std::sin(M_PI * t),
               f == 10 || f == 11 ? 0.1 : 1.0);
    });
}

void DrawLeafletSheet(cairo_t* cr) {
    struct Flyer {
        Paper box;
        const char* title;
        const char* line;
        Rgba tint;
    };
    const Flyer flyers[] = {
        {{420, 0, 593, 140}, "STAGECOACH", "daily to the coast", Hex(0xF1E2B4)},
        {{0, 0, 140, 173}, "POKER", "every night", Hex(0xEEDDC0)},
        {{280, 0, 420, 173}, "FRESH", "beans & bread", Hex(0xE6EBC8)},
        {{140, 0, 280, 173}, "HOT BATH", "25 cents", Hex(0xD8E6EE)},
    };
    for (const Flyer& fl : flyers) {
        const double w = fl.box.r - fl.box.l, h = fl.box.b - fl.box.t;
        gui::InRect(cr, fl.box.l, fl.box.t, w, h, [&](cairo_t* c) {
            PaperSheet(c, w, h, fl.tint);
            draw::TextCentered(c, fl.title, std::min(22.0, w / 7.0), w / 2, 28, Hex(0x7A2E22));
            draw::TextCentered(c, fl.line, 11, w / 2, h - 24, Hex(0x4A2A14), false);
            // A small picture in the middle.
            const double cx = w / 2, cy = h / 2 + 4;
            OutlinedEllipse(c, cx, cy, 26, 22, Lighter(fl.tint, 0.4), 1.5);
            draw::TextCentered(c, fl.title == std::string("POKER") ? "♠♥" : "★", 24, cx, cy,
                               Hex(0x7A2E22));
        });
    }
    const Paper scraps[] = {
        {0, 173, 50, 264}, {50, 173, 118, 278}, {168, 173, 250, 297}, {118, 173, 168, 243}};
    for (const Paper& s : scraps) {
        gui::InRect(cr, s.l, s.t, s.r - s.l, s.b - s.t,
                    [&](cairo_t* c) { Scrap(c, s.r - s.l, s.b - s.t); });
    }
}
