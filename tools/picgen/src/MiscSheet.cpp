// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiSheets.h"

#include "GuiKit.h"
#include "Suits.h"

#include <cmath>

using namespace gui;

namespace {

// The pointer's tip is the frame point (8, 14): the scene draws the frame at (x − 8, y − 14).
void ArrowPath(cairo_t* cr) {
    cairo_move_to(cr, 8, 14);
    cairo_line_to(cr, 8, 41);
    cairo_line_to(cr, 14.5, 35);
    cairo_line_to(cr, 19.5, 46);
    cairo_line_to(cr, 24.5, 43.8);
    cairo_line_to(cr, 19.5, 33);
    cairo_line_to(cr, 28.5, 33);
    cairo_close_path(cr);
}

void HandPath(cairo_t* cr) {
    // A pointing hand: the index finger ends at the tip.
    draw::RoundedRect(cr, 5, 13, 7, 22, 3.5);
    draw::RoundedRect(cr, 5, 27, 25, 19, 7);
    draw::RoundedRect(cr, 12, 24, 6, 10, 3);
    draw::RoundedRect(cr, 18, 25, 6, 10, 3);
    draw::RoundedRect(cr, 24, 27, 6, 9, 3);
}

// Style 0 and 2 press from frame 9 towards 0, style 1 from frame 0 towards 9.
void Pointer(cairo_t* cr, int style, double press) {
    double s = 1 - 0.12 * press;
    cairo_save(cr);
    cairo_translate(cr, 8, 14);
    cairo_scale(cr, s, s);
    cairo_translate(cr, -8, -14);
    auto path = style == 1 ? HandPath : ArrowPath;
    draw::SoftShadow(cr, 3, Rgba{0, 0, 0, 0.45}, 1.5, 2, [&](cairo_t* c) { path(c); });
    Rgba fill = style == 2 ? Mix(Hex(0xF7D774), Hex(0xE0A020), press)
                           : Mix(Hex(0xFFFFFF), Hex(0xFFE08A), press);
    Rgba line = style == 2 ? Hex(0x5A3E0A) : Hex(0x1E1A16);
    path(cr);
    draw::SetColor(cr, fill);
    cairo_fill(cr);
    path(cr);
    draw::SetColor(cr, line);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    if (style == 1) {
        // Fill again over the inner outlines so the hand reads as one shape.
        cairo_new_path(cr);
        draw::SetColor(cr, fill);
        draw::RoundedRect(cr, 6, 28.5, 23, 16, 6);
        cairo_fill(cr);
        draw::SetColor(cr, line);
        cairo_set_line_width(cr, 1.2);
        for (double x : {18.0, 24.0}) {
            cairo_move_to(cr, x, 28.5);
            cairo_line_to(cr, x, 33);
        }
        cairo_move_to(cr, 12, 30);
        cairo_line_to(cr, 12, 36);
        cairo_stroke(cr);
    }
    if (style == 2) {
        PaintSuit(cr, SuitShape::Pik, 13, 30, 9, Hex(0x3A2A08));
    }
    cairo_restore(cr);
}

void HoverRing(cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 25, 25, 22, 0, 2 * M_PI);
    draw::SetColor(cr, Rgba{1.0, 0.85, 0.35, 0.35});
    cairo_fill_preserve(cr);
    draw::SetColor(cr, kGold);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

} // namespace

void DrawMiscSheet(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const int bands[3] = {0, 400, 450};
    for (int style = 0; style < 3; ++style) {
        for (int k = 0; k < 10; ++k) {
            double press = style == 1 ? k / 9.0 : (9 - k) / 9.0;
            InRect(cr, 50 * k, bands[style], 50, 50, [&](cairo_t* c) { Pointer(c, style, press); });
        }
    }
    // The options page's pictures of pointer styles 0 and 2 get a hover look below them.
    InRect(cr, 450, 50, 50, 50, [](cairo_t* c) {
        HoverRing(c);
        Pointer(c, 0, 0);
    });
    InRect(cr, 450, 500, 50, 50, [](cairo_t* c) {
        HoverRing(c);
        Pointer(c, 2, 0);
    });

    // Rule-hint bubble, drawn stretched around its text.
    InRect(cr, 0, 50, 150, 80, [](cairo_t* c) {
        draw::RoundedRect(c, 2, 2, 146, 76, 14);
        draw::SetColor(c, Hex(0xFFF8D6, 0.96));
        cairo_fill_preserve(c);
        draw::SetColor(c, Hex(0xC79A2A));
        cairo_set_line_width(c, 2.5);
        cairo_stroke(c);
    });
    // Preview frame: a gold rim around the table part (200 × 150) of the preview.
    InRect(cr, 150, 50, 200, 150, [](cairo_t* c) {
        draw::RoundedRect(c, 2, 2, 196, 146, 10);
        draw::SetColor(c, Hex(0x9C7318));
        cairo_set_line_width(c, 4);
        cairo_stroke(c);
        draw::RoundedRect(c, 5, 5, 190, 140, 8);
        draw::SetColor(c, Rgba{1, 1, 1, 0.35});
        cairo_set_line_width(c, 1.2);
        cairo_stroke(c);
    });
    // Speech bubble with its tail towards the lower left (mirrored for the right side).
    InRect(cr, 0, 200, 300, 200, [](cairo_t* c) {
        auto shape = [](cairo_t* s) {
            const double l = 8, t = 6, r = 292, b = 178, rad = 40;
            cairo_new_sub_path(s);
            cairo_arc(s, r - rad, t + rad, rad, -M_PI / 2, 0);
            cairo_arc(s, r - rad, b - rad, rad, 0, M_PI / 2);
            cairo_line_to(s, 84, b);
            cairo_curve_to(s, 64, 188, 40, 194, 14, 197);
            cairo_curve_to(s, 32, 188, 42, 180, 46, b - 1);
            cairo_arc(s, l + rad, b - rad, rad, M_PI / 2, M_PI);
            cairo_arc(s, l + rad, t + rad, rad, M_PI, 1.5 * M_PI);
            cairo_close_path(s);
        };
        draw::SoftShadow(c, 4, Rgba{0, 0, 0, 0.35}, 1, 2, shape);
        shape(c);
        draw::SetColor(c, Hex(0xFFFFFF));
        cairo_fill_preserve(c);
        draw::SetColor(c, Hex(0x2A2320));
        cairo_set_line_width(c, 3);
        cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(c);
    });
    // Chatter input box: a paper strip with a white field for the typed text.
    InRect(cr, 300, 200, 500, 150, [](cairo_t* c) {
        Panel(c, 500, 150);
        draw::RoundedRect(c, 92, 24, 316, 102, 12);
        draw::SetColor(c, Hex(0xFFFFFF));
        cairo_fill_preserve(c);
        draw::SetColor(c, Hex(0xB59B68));
        cairo_set_line_width(c, 1.8);
        cairo_stroke(c);
        // A pen on the left, the Enter sign on the right.
        cairo_save(c);
        cairo_translate(c, 56, 75);
        cairo_rotate(c, -0.8);
        draw::RoundedRect(c, -5, -22, 10, 36, 2);
        draw::SetColor(c, kGold);
        cairo_fill(c);
        cairo_move_to(c, -5, 14);
        cairo_line_to(c, 5, 14);
        cairo_line_to(c, 0, 24);
        cairo_close_path(c);
        draw::SetColor(c, kInk);
        cairo_fill(c);
        cairo_restore(c);
        IconReturn(c, 446, 75, 34, Mix(kInk, kPaperBottom, 0.2));
    });
}
