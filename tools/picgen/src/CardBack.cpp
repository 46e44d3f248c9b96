// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardStyle.h"

#include <cmath>

namespace {

constexpr double W = kCardCellWidth;
constexpr double H = kCardCellHeight;

struct BackLook {
    Rgba base, light, accent;
};

const BackLook kLooks[4] = {
    {Hex(0x1F4E9A), Hex(0x5C8BD6), Hex(0xF2F5FB)},
    {Hex(0xA3232B), Hex(0xD9575E), Hex(0xFBEFE6)},
    {Hex(0x1E6B45), Hex(0x4FA377), Hex(0xEFF7EF)},
    {Hex(0x262A3A), Hex(0x4A5070), Hex(0xE2B74E)},
};

void Lattice(cairo_t* cr, Rgba line, double step, double width) {
    draw::SetColor(cr, line);
    cairo_set_line_width(cr, width);
    for (double d = -H; d < W + H; d += step) {
        cairo_move_to(cr, d, 0);
        cairo_line_to(cr, d + H, H);
        cairo_move_to(cr, d, H);
        cairo_line_to(cr, d + H, 0);
    }
    cairo_stroke(cr);
}

void Diamonds(cairo_t* cr, Rgba fill, double step) {
    draw::SetColor(cr, fill);
    for (double y = 0; y < H + step; y += step) {
        for (double x = 0; x < W + step; x += step) {
            double ox = (static_cast<int>(y / step) % 2) ? step / 2 : 0;
            double cx = x + ox, cy = y;
            cairo_move_to(cr, cx, cy - step * 0.32);
            cairo_line_to(cr, cx + step * 0.22, cy);
            cairo_line_to(cr, cx, cy + step * 0.32);
            cairo_line_to(cr, cx - step * 0.22, cy);
            cairo_close_path(cr);
        }
    }
    cairo_fill(cr);
}

// The house of cards: three leaning cards and a flat one on top.
void Emblem(cairo_t* cr, double cx, double cy, double size, Rgba fill, Rgba line) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    double s = size / 100;
    cairo_scale(cr, s, s);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 48, 0, 2 * M_PI);
    draw::SetColor(cr, fill);
    cairo_fill_preserve(cr);
    draw::SetColor(cr, line);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 42, 0, 2 * M_PI);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Bottom storey: two tents; top storey: one tent on a floor card.
    cairo_move_to(cr, -30, 26);
    cairo_line_to(cr, -15, -2);
    cairo_line_to(cr, 0, 26);
    cairo_line_to(cr, 15, -2);
    cairo_line_to(cr, 30, 26);
    cairo_move_to(cr, -19, -6);
    cairo_line_to(cr, 19, -6);
    cairo_move_to(cr, -13, -8);
    cairo_line_to(cr, 0, -33);
    cairo_line_to(cr, 13, -8);
    cairo_stroke(cr);
    cairo_restore(cr);
}

} // namespace

void DrawCardBack(cairo_t* cr, const CardStyle& style, int backStyle) {
    const BackLook& look = kLooks[backStyle & 3];
    CardOutline(cr);
    draw::SetColor(cr, style.face);
    cairo_fill_preserve(cr);
    draw::SetColor(cr, style.edge);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);

    const double m = 9;
    cairo_save(cr);
    draw::RoundedRect(cr, m, m, W - 2 * m, H - 2 * m, 9);
    cairo_clip(cr);
    draw::VerticalGradient(cr, m, H - m, Lighter(look.base, 0.12), Darker(look.base, 0.12));
    cairo_paint(cr);
    switch (backStyle & 3) {
    case 0:
        Lattice(cr, Mix(look.base, look.light, 0.7), 16, 2);
        Emblem(cr, W / 2, H / 2, 78, look.base, look.accent);
        break;
    case 1:
        Diamonds(cr, Mix(look.base, look.light, 0.55), 22);
        Emblem(cr, W / 2, H / 2, 78, look.base, look.accent);
        break;
    case 2: {
        draw::SetColor(cr, Mix(look.base, look.light, 0.6));
        cairo_set_line_width(cr, 2);
        for (double i = 6; i < 80; i += 9) {
            draw::RoundedRect(cr, m + i, m + i, W - 2 * (m + i), H - 2 * (m + i), 12);
            cairo_stroke(cr);
        }
        Emblem(cr, W / 2, H / 2, 70, look.base, look.accent);
        break;
    }
    default: {
        cairo_save(cr);
        cairo_translate(cr, W / 2, H / 2);
        draw::SetColor(cr, Mix(look.base, look.light, 0.7));
        for (int i = 0; i < 36; ++i) {
            cairo_move_to(cr, 0, 0);
            cairo_arc(cr, 0, 0, 200, i * M_PI / 18, i * M_PI / 18 + M_PI / 36);
            cairo_close_path(cr);
        }
        cairo_fill(cr);
        cairo_restore(cr);
        Emblem(cr, W / 2, H / 2, 84, look.base, look.accent);
        for (int corner = 0; corner < 4; ++corner) {
            double cx = corner % 2 ? W - m - 16 : m + 16;
            double cy = corner / 2 ? H - m - 16 : m + 16;
            PaintSuit(cr, static_cast<SuitShape>(corner), cx, cy, 16, look.accent);
        }
        break;
    }
    }
    cairo_restore(cr);
    // A fine inner rim.
    draw::RoundedRect(cr, m + 3, m + 3, W - 2 * m - 6, H - 2 * m - 6, 7);
    draw::SetColor(cr, Mix(look.accent, look.base, 0.3));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}
