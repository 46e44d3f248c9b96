// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeArt.h"

#include "GuiKit.h"

#include <cmath>

namespace art {

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void FillOutline(cairo_t* cr, Rgba fill, double lineWidth, Rgba line) {
    draw::SetColor(cr, fill);
    cairo_fill_preserve(cr);
    if (lineWidth > 0) {
        draw::SetColor(cr, line);
        cairo_set_line_width(cr, lineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    } else {
        cairo_new_path(cr);
    }
}

void OutlinedEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgba fill,
                     double lineWidth) {
    Ellipse(cr, cx, cy, rx, ry);
    FillOutline(cr, fill, lineWidth);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, double width, Rgba color) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, width);
    draw::SetColor(cr, color);
    cairo_stroke(cr);
}

void Curve(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2, double x3,
           double y3, double width, Rgba color) {
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x1, y1, x2, y2, x3, y3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, width);
    draw::SetColor(cr, color);
    cairo_stroke(cr);
}

void Leaf(cairo_t* cr, double x, double y, double angle, double len, double wid, Rgba fill) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, len * 0.3, -wid, len * 0.7, -wid * 0.8, len, 0);
    cairo_curve_to(cr, len * 0.7, wid * 0.8, len * 0.3, wid, 0, 0);
    cairo_close_path(cr);
    draw::SetColor(cr, fill);
    cairo_fill_preserve(cr);
    draw::SetColor(cr, Darker(fill, 0.35));
    cairo_set_line_width(cr, std::max(1.0, wid * 0.12));
    cairo_stroke(cr);
    // The midrib.
    cairo_move_to(cr, len * 0.05, 0);
    cairo_line_to(cr, len * 0.85, 0);
    draw::SetColor(cr, Lighter(fill, 0.25));
    cairo_set_line_width(cr, std::max(0.8, wid * 0.08));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Eye(cairo_t* cr, double cx, double cy, double r, double open, double lookX, double lookY) {
    if (open < 0.15) {
        Line(cr, cx - r, cy, cx + r, cy, std::max(1.0, r * 0.35), kOutline);
        return;
    }
    OutlinedEllipse(cr, cx, cy, r, r * open, Hex(0xFFFFFF), std::max(1.0, r * 0.25));
    Ellipse(cr, cx + lookX * r * 0.35, cy + lookY * r * 0.35 * open, r * 0.5, r * 0.5 * open);
    draw::SetColor(cr, Hex(0x1E1A16));
    cairo_fill(cr);
    Ellipse(cr, cx + lookX * r * 0.35 - r * 0.18, cy - r * 0.2 * open, r * 0.16, r * 0.16);
    draw::SetColor(cr, Hex(0xFFFFFF, 0.9));
    cairo_fill(cr);
}

void GroundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void ForEachFrame(cairo_t* cr, int frameWidth, int frameHeight, int perRow, int count,
                  const std::function<void(cairo_t*, int)>& paint) {
    for (int f = 0; f < count; ++f) {
        gui::InRect(cr, f % perRow * frameWidth, f / perRow * frameHeight, frameWidth, frameHeight,
                    [&](cairo_t* c) { paint(c, f); });
    }
}

} // namespace art
