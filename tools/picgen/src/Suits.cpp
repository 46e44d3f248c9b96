// SPDX-License-Identifier: GPL-3.0-or-later
#include "Suits.h"

#include <cmath>

namespace {

// Every outline is drawn in a 100 × 100 box centred on (50, 50).
void HeartPath(cairo_t* cr) {
    cairo_move_to(cr, 50, 24);
    cairo_curve_to(cr, 44, 10, 30, 6, 20, 8);
    cairo_curve_to(cr, 6, 10, 0, 24, 2, 38);
    cairo_curve_to(cr, 4, 58, 30, 74, 50, 94);
    cairo_curve_to(cr, 70, 74, 96, 58, 98, 38);
    cairo_curve_to(cr, 100, 24, 94, 10, 80, 8);
    cairo_curve_to(cr, 70, 6, 56, 10, 50, 24);
    cairo_close_path(cr);
}

void SpadePath(cairo_t* cr) {
    cairo_move_to(cr, 50, 3);
    cairo_curve_to(cr, 38, 20, 2, 38, 2, 60);
    cairo_curve_to(cr, 2, 74, 12, 82, 25, 82);
    cairo_curve_to(cr, 35, 82, 42, 77, 46, 71);
    cairo_curve_to(cr, 45, 82, 41, 91, 32, 97);
    cairo_line_to(cr, 68, 97);
    cairo_curve_to(cr, 59, 91, 55, 82, 54, 71);
    cairo_curve_to(cr, 58, 77, 65, 82, 75, 82);
    cairo_curve_to(cr, 88, 82, 98, 74, 98, 60);
    cairo_curve_to(cr, 98, 38, 62, 20, 50, 3);
    cairo_close_path(cr);
}

void DiamondPath(cairo_t* cr) {
    cairo_move_to(cr, 50, 2);
    cairo_curve_to(cr, 60, 20, 72, 36, 88, 50);
    cairo_curve_to(cr, 72, 64, 60, 80, 50, 98);
    cairo_curve_to(cr, 40, 80, 28, 64, 12, 50);
    cairo_curve_to(cr, 28, 36, 40, 20, 50, 2);
    cairo_close_path(cr);
}

void ClubFill(cairo_t* cr) {
    // Three leaves and a stem, each filled on its own so that overlaps never cancel.
    const double leaves[3][2] = {{50, 27}, {25, 57}, {75, 57}};
    for (const auto& l : leaves) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, l[0], l[1], 22, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 40, 40);
    cairo_line_to(cr, 60, 40);
    cairo_line_to(cr, 62, 62);
    cairo_line_to(cr, 38, 62);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, 46, 55);
    cairo_curve_to(cr, 46, 78, 42, 90, 31, 97);
    cairo_line_to(cr, 69, 97);
    cairo_curve_to(cr, 58, 90, 54, 78, 54, 55);
    cairo_close_path(cr);
    cairo_fill(cr);
}

} // namespace

void FillSuit(cairo_t* cr, SuitShape suit, double cx, double cy, double height, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    double s = height / 96.0;
    cairo_scale(cr, s, s);
    cairo_translate(cr, -50, -50);
    cairo_new_path(cr);
    switch (suit) {
    case SuitShape::Herz:
        HeartPath(cr);
        cairo_fill(cr);
        break;
    case SuitShape::Pik:
        SpadePath(cr);
        cairo_fill(cr);
        break;
    case SuitShape::Karo:
        DiamondPath(cr);
        cairo_fill(cr);
        break;
    case SuitShape::Kreuz:
        ClubFill(cr);
        break;
    }
    cairo_restore(cr);
}

void PaintSuit(cairo_t* cr, SuitShape suit, double cx, double cy, double height, Rgba color,
               double angle) {
    cairo_save(cr);
    draw::SetColor(cr, color);
    FillSuit(cr, suit, cx, cy, height, angle);
    cairo_restore(cr);
}
