// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiKit.h"

#include <algorithm>
#include <cmath>

namespace gui {

void InRect(cairo_t* cr, double x, double y, double w, double h,
            const std::function<void(cairo_t*)>& paint) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    cairo_new_path(cr);
    paint(cr);
    cairo_restore(cr);
}

void Panel(cairo_t* cr, double w, double h, double bandY, double bandH) {
    const double m = 12, r = 22;
    draw::SoftShadowRect(cr, m, m, w - 2 * m, h - 2 * m, r, 10, Rgba{0, 0, 0, 0.45}, 0, 4);
    draw::RoundedRect(cr, m, m, w - 2 * m, h - 2 * m, r);
    draw::VerticalGradient(cr, m, h - m, kPaperTop, kPaperBottom);
    cairo_fill_preserve(cr);
    draw::SetColor(cr, kPaperEdge);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    draw::RoundedRect(cr, m + 7, m + 7, w - 2 * m - 14, h - 2 * m - 14, r - 6);
    draw::SetColor(cr, Mix(kGold, kPaperTop, 0.35));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    if (bandH > 0) {
        double bw = std::min(w - 90, 460.0);
        draw::RoundedRect(cr, (w - bw) / 2, bandY, bw, bandH, bandH / 2);
        draw::VerticalGradient(cr, bandY, bandY + bandH, Hex(0xF3E3B8), Hex(0xE7D19A));
        cairo_fill_preserve(cr);
        draw::SetColor(cr, Mix(kGold, kPaperTop, 0.2));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void Well(cairo_t* cr, double x, double y, double w, double h, double r) {
    draw::RoundedRect(cr, x, y, w, h, r);
    draw::SetColor(cr, Rgba{0.55, 0.45, 0.25, 0.10});
    cairo_fill_preserve(cr);
    draw::SetColor(cr, Rgba{0.55, 0.45, 0.25, 0.35});
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void Button(cairo_t* cr, double w, double h, bool hover, double radius) {
    const double m = 3;
    double r = radius < 0 ? (h - 2 * m) / 2 : radius;
    draw::SoftShadowRect(cr, m, m, w - 2 * m, h - 2 * m - 1, r, 3, Rgba{0, 0, 0, 0.35}, 0, 1.5);
    draw::RoundedRect(cr, m, m, w - 2 * m, h - 2 * m - 1, r);
    if (hover) {
        draw::VerticalGradient(cr, m, h - m, Hex(0xFFF6D2), Hex(0xF5CF62));
    } else {
        draw::VerticalGradient(cr, m, h - m, Hex(0xFFFFFF), Hex(0xE9E0CC));
    }
    cairo_fill_preserve(cr);
    draw::SetColor(cr, hover ? Hex(0xB88412) : Hex(0xA89268));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // Gloss on the upper half.
    draw::RoundedRect(cr, m + 3, m + 2, w - 2 * m - 6, (h - 2 * m) * 0.42, std::max(1.0, r - 3));
    draw::SetColor(cr, Rgba{1, 1, 1, hover ? 0.45 : 0.6});
    cairo_fill(cr);
}

void RoundButton(cairo_t* cr, double w, double h, bool hover) {
    double d = std::min(w, h) - 6;
    double cx = w / 2, cy = h / 2 - 0.5;
    draw::SoftShadow(cr, 3, Rgba{0, 0, 0, 0.35}, 0, 1.5, [&](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, cx, cy, d / 2, 0, 2 * M_PI);
    });
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, d / 2, 0, 2 * M_PI);
    if (hover) {
        draw::VerticalGradient(cr, cy - d / 2, cy + d / 2, Hex(0xFFF6D2), Hex(0xF5CF62));
    } else {
        draw::VerticalGradient(cr, cy - d / 2, cy + d / 2, Hex(0xFFFFFF), Hex(0xE6DCC6));
    }
    cairo_fill_preserve(cr);
    draw::SetColor(cr, hover ? Hex(0xB88412) : Hex(0xA89268));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void IconArrow(cairo_t* cr, double cx, double cy, double size, bool up, Rgba color) {
    double s = size / 2;
    double dir = up ? -1 : 1;
    cairo_move_to(cr, cx, cy + dir * s * 0.75);
    cairo_line_to(cr, cx + s, cy - dir * s * 0.55);
    cairo_line_to(cr, cx - s, cy - dir * s * 0.55);
    cairo_close_path(cr);
    draw::SetColor(cr, color);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, size * 0.12);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
}

void IconReturn(cairo_t* cr, double cx, double cy, double size, Rgba color) {
    // A bold arrow pointing back (left).
    double s = size / 2;
    draw::SetColor(cr, color);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, cx - s * 0.85, cy);
    cairo_line_to(cr, cx - s * 0.05, cy - s * 0.75);
    cairo_line_to(cr, cx - s * 0.05, cy - s * 0.3);
    cairo_line_to(cr, cx + s * 0.8, cy - s * 0.3);
    cairo_line_to(cr, cx + s * 0.8, cy + s * 0.3);
    cairo_line_to(cr, cx - s * 0.05, cy + s * 0.3);
    cairo_line_to(cr, cx - s * 0.05, cy + s * 0.75);
    cairo_close_path(cr);
    cairo_set_line_width(cr, size * 0.08);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
}

void IconCheck(cairo_t* cr, double cx, double cy, double size, Rgba color) {
    double s = size / 2;
    draw::SetColor(cr, color);
    cairo_set_line_width(cr, size * 0.17);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, cx - s * 0.7, cy);
    cairo_line_to(cr, cx - s * 0.2, cy + s * 0.55);
    cairo_line_to(cr, cx + s * 0.75, cy - s * 0.6);
    cairo_stroke(cr);
}

void Ornament(cairo_t* cr, double cx, double cy, double width, Rgba color) {
    draw::SetColor(cr, color);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, cx - width / 2, cy);
    cairo_line_to(cr, cx - 10, cy);
    cairo_move_to(cr, cx + 10, cy);
    cairo_line_to(cr, cx + width / 2, cy);
    cairo_stroke(cr);
    cairo_move_to(cr, cx, cy - 6);
    cairo_line_to(cr, cx + 6, cy);
    cairo_line_to(cr, cx, cy + 6);
    cairo_line_to(cr, cx - 6, cy);
    cairo_close_path(cr);
    cairo_fill(cr);
}

} // namespace gui
