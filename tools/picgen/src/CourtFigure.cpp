// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardStyle.h"

#include <cmath>

namespace {

const Rgba kGold = Hex(0xD9A62E);
const Rgba kGoldDark = Hex(0x9C7318);
const Rgba kSkin = Hex(0xF3CFA8);
const Rgba kSkinEdge = Hex(0xC9936A);
const Rgba kInk = Hex(0x2A2320);

struct CourtColors {
    Rgba robe, second, hair;
};

CourtColors ColorsFor(const CardStyle& style, SuitShape suit, int rank) {
    Rgba suitColor = style.suitColors[static_cast<int>(suit)];
    bool red = IsRed(suit);
    CourtColors c;
    // Robes in the suit's colour, set off by a contrasting second colour.
    c.robe = red ? suitColor : Mix(suitColor, Hex(0x2B3F73), 0.35);
    c.second = red ? Hex(0x2D4E8A) : Hex(0xB8322F);
    if (style.suitColors[2].g > style.suitColors[2].r + 0.2) {
        // The four-colour deck: every suit has its own hue, the second colour is gold-brown.
        c.robe = suitColor;
        c.second = Hex(0x6B4A1E);
    }
    c.hair = rank == 12 ? Hex(0xD9D2C3) : rank == 11 ? Hex(0xC68A2E) : Hex(0x6B4423);
    return c;
}

void Dot(cairo_t* cr, double x, double y, double r, Rgba color) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    draw::SetColor(cr, color);
    cairo_fill(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

// One half of the double-headed figure: the half box is w × hh, the figure stands on y = hh.
void HalfFigure(cairo_t* cr, const CardStyle& style, SuitShape suit, int rank, double w,
                double hh) {
    CourtColors col = ColorsFor(style, suit, rank);
    Rgba suitColor = style.suitColors[static_cast<int>(suit)];
    double cx = w / 2;
    double headY = hh - 44;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);

    // What the figure holds stands behind the shoulders.
    if (rank == 12) {
        cairo_set_line_width(cr, 4);
        draw::SetColor(cr, kGoldDark);
        cairo_move_to(cr, cx + 30, hh);
        cairo_line_to(cr, cx + 38, hh - 52);
        cairo_stroke(cr);
        Dot(cr, cx + 38.5, hh - 55, 5, kGold);
        PaintSuit(cr, suit, cx + 39, hh - 66, 13, suitColor);
    } else if (rank == 11) {
        cairo_set_line_width(cr, 2.5);
        draw::SetColor(cr, Hex(0x3E7A3A));
        cairo_move_to(cr, cx - 28, hh - 14);
        cairo_curve_to(cr, cx - 34, hh - 26, cx - 30, hh - 36, cx - 34, hh - 44);
        cairo_stroke(cr);
        for (int i = 0; i < 5; ++i) {
            double a = i * 2 * M_PI / 5 - M_PI / 2;
            Dot(cr, cx - 34 + 5 * std::cos(a), hh - 47 + 5 * std::sin(a), 4,
                Lighter(suitColor, 0.15));
        }
        Dot(cr, cx - 34, hh - 47, 2.6, kGold);
    } else {
        cairo_set_line_width(cr, 3.5);
        draw::SetColor(cr, Hex(0x7A5230));
        cairo_move_to(cr, cx - 36, hh);
        cairo_line_to(cr, cx - 36, hh - 62);
        cairo_stroke(cr);
        cairo_move_to(cr, cx - 36, hh - 70);
        cairo_line_to(cr, cx - 32, hh - 58);
        cairo_line_to(cr, cx - 40, hh - 58);
        cairo_close_path(cr);
        draw::SetColor(cr, Hex(0xB9C3CC));
        cairo_fill(cr);
        cairo_move_to(cr, cx - 36, hh - 56);
        cairo_curve_to(cr, cx - 50, hh - 60, cx - 50, hh - 46, cx - 36, hh - 48);
        cairo_close_path(cr);
        cairo_fill(cr);
    }

    // Robe with a band of the second colour over the shoulders and a gold front.
    cairo_move_to(cr, cx - 50, hh);
    cairo_curve_to(cr, cx - 49, hh - 20, cx - 34, hh - 29, cx - 14, hh - 30);
    cairo_line_to(cr, cx + 14, hh - 30);
    cairo_curve_to(cr, cx + 34, hh - 29, cx + 49, hh - 20, cx + 50, hh);
    cairo_close_path(cr);
    draw::SetColor(cr, col.robe);
    cairo_fill(cr);
    cairo_set_line_width(cr, 6);
    draw::SetColor(cr, col.second);
    cairo_move_to(cr, cx - 44, hh - 2);
    cairo_curve_to(cr, cx - 42, hh - 16, cx - 30, hh - 22, cx - 14, hh - 23);
    cairo_move_to(cr, cx + 44, hh - 2);
    cairo_curve_to(cr, cx + 42, hh - 16, cx + 30, hh - 22, cx + 14, hh - 23);
    cairo_stroke(cr);
    cairo_rectangle(cr, cx - 7, hh - 30, 14, 30);
    draw::SetColor(cr, kGold);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
        Dot(cr, cx, hh - 22 + i * 9, 2, kGoldDark);
    }
    // Collar.
    cairo_move_to(cr, cx - 15, hh - 31);
    cairo_line_to(cr, cx, hh - 19);
    cairo_line_to(cr, cx + 15, hh - 31);
    cairo_close_path(cr);
    draw::SetColor(cr, Hex(0xFAF6EC));
    cairo_fill(cr);

    // Hair behind the head (the queen's falls to the shoulders).
    if (rank == 11) {
        Ellipse(cr, cx, headY + 4, 17, 20);
        draw::SetColor(cr, col.hair);
        cairo_fill(cr);
    }
    // Neck and head.
    cairo_rectangle(cr, cx - 5, hh - 34, 10, 6);
    draw::SetColor(cr, kSkin);
    cairo_fill(cr);
    Ellipse(cr, cx, headY, 12, 14);
    draw::SetColor(cr, kSkin);
    cairo_fill_preserve(cr);
    draw::SetColor(cr, kSkinEdge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    // Hair on top.
    draw::SetColor(cr, col.hair);
    if (rank == 12) {
        // Beard and moustache.
        cairo_move_to(cr, cx - 12, headY - 1);
        cairo_curve_to(cr, cx - 13, headY + 16, cx - 6, headY + 22, cx, headY + 23);
        cairo_curve_to(cr, cx + 6, headY + 22, cx + 13, headY + 16, cx + 12, headY - 1);
        cairo_curve_to(cr, cx + 8, headY + 8, cx - 8, headY + 8, cx - 12, headY - 1);
        cairo_fill(cr);
        cairo_move_to(cr, cx - 7, headY + 6);
        cairo_curve_to(cr, cx - 3, headY + 3, cx + 3, headY + 3, cx + 7, headY + 6);
        cairo_set_line_width(cr, 2.4);
        cairo_stroke(cr);
    } else if (rank == 11) {
        cairo_move_to(cr, cx - 12, headY - 2);
        cairo_curve_to(cr, cx - 10, headY - 14, cx + 10, headY - 14, cx + 12, headY - 2);
        cairo_curve_to(cr, cx + 4, headY - 8, cx - 4, headY - 8, cx - 12, headY - 2);
        cairo_fill(cr);
    } else {
        cairo_move_to(cr, cx - 12.5, headY - 1);
        cairo_curve_to(cr, cx - 12, headY - 16, cx + 12, headY - 16, cx + 12.5, headY - 1);
        cairo_line_to(cr, cx + 6, headY - 6);
        cairo_line_to(cr, cx, headY - 3);
        cairo_line_to(cr, cx - 6, headY - 6);
        cairo_close_path(cr);
        cairo_fill(cr);
    }

    // Face.
    Dot(cr, cx - 4.5, headY - 1, 1.7, kInk);
    Dot(cr, cx + 4.5, headY - 1, 1.7, kInk);
    Dot(cr, cx - 7, headY + 4, 2.4, Hex(0xEFA28A, 0.6));
    Dot(cr, cx + 7, headY + 4, 2.4, Hex(0xEFA28A, 0.6));
    if (rank != 12) {
        cairo_set_line_width(cr, 1.4);
        draw::SetColor(cr, Hex(0xB5524A));
        cairo_arc(cr, cx, headY + 5, 3.5, 0.2 * M_PI, 0.8 * M_PI);
        cairo_stroke(cr);
    }

    // Headwear.
    if (rank == 12) {
        double base = headY - 11;
        cairo_move_to(cr, cx - 14, base);
        cairo_line_to(cr, cx - 15, base - 15);
        cairo_line_to(cr, cx - 7.5, base - 7);
        cairo_line_to(cr, cx, base - 17);
        cairo_line_to(cr, cx + 7.5, base - 7);
        cairo_line_to(cr, cx + 15, base - 15);
        cairo_line_to(cr, cx + 14, base);
        cairo_close_path(cr);
        draw::SetColor(cr, kGold);
        cairo_fill_preserve(cr);
        draw::SetColor(cr, kGoldDark);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        Dot(cr, cx, base - 4, 2.4, Hex(0xC81E2C));
        Dot(cr, cx - 9, base - 3.5, 1.8, Hex(0x2D4E8A));
        Dot(cr, cx + 9, base - 3.5, 1.8, Hex(0x2D4E8A));
    } else if (rank == 11) {
        double base = headY - 10;
        cairo_move_to(cr, cx - 11, base);
        cairo_curve_to(cr, cx - 9, base - 9, cx + 9, base - 9, cx + 11, base);
        cairo_close_path(cr);
        draw::SetColor(cr, kGold);
        cairo_fill(cr);
        for (int i = -2; i <= 2; ++i) {
            Dot(cr, cx + i * 5, base - 7 + std::abs(i) * 1.5, 2, kGold);
        }
        Dot(cr, cx, base - 3, 1.8, Hex(0xC81E2C));
    } else {
        cairo_save(cr);
        cairo_translate(cr, cx + 2, headY - 13);
        cairo_rotate(cr, -0.18);
        Ellipse(cr, 0, 0, 17, 6.5);
        draw::SetColor(cr, col.second);
        cairo_fill(cr);
        cairo_move_to(cr, 8, -3);
        cairo_curve_to(cr, 16, -14, 24, -14, 30, -10);
        cairo_curve_to(cr, 22, -9, 16, -6, 10, -1);
        cairo_close_path(cr);
        draw::SetColor(cr, Hex(0xF4EFE2));
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

} // namespace

void DrawCourtFigure(cairo_t* cr, const CardStyle& style, SuitShape suit, int rank, double x,
                     double y, double w, double h) {
    Rgba suitColor = style.suitColors[static_cast<int>(suit)];
    cairo_save(cr);
    draw::RoundedRect(cr, x, y, w, h, 6);
    draw::VerticalGradient(cr, y, y + h, Hex(0xFBF3DF), Hex(0xF3E6C6));
    cairo_fill(cr);

    for (int half = 0; half < 2; ++half) {
        cairo_save(cr);
        draw::RoundedRect(cr, x, y, w, h, 6);
        cairo_clip(cr);
        if (half == 0) {
            cairo_translate(cr, x, y);
        } else {
            cairo_translate(cr, x + w, y + h);
            cairo_rotate(cr, M_PI);
        }
        cairo_rectangle(cr, 0, 0, w, h / 2);
        cairo_clip(cr);
        HalfFigure(cr, style, suit, rank, w, h / 2);
        PaintSuit(cr, suit, 10, 11, 14, suitColor);
        cairo_restore(cr);
    }
    // Dividing line and frame.
    draw::SetColor(cr, kGoldDark);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, x + 4, y + h / 2);
    cairo_line_to(cr, x + w - 4, y + h / 2);
    cairo_stroke(cr);
    draw::RoundedRect(cr, x, y, w, h, 6);
    draw::SetColor(cr, suitColor);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    draw::RoundedRect(cr, x + 3.5, y + 3.5, w - 7, h - 7, 4);
    draw::SetColor(cr, kGold);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}
