// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small vector helpers shared by the drawings of the animated backgrounds: outlined
// shapes in the flat cartoon look, leaves, and a loop over the frames of a sheet.
#include "Canvas.h"

#include <functional>

namespace art {

inline const Rgba kOutline = Hex(0x2B2118);

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// Fills the current path, then strokes it with the outline colour.
void FillOutline(cairo_t* cr, Rgba fill, double lineWidth = 2.0, Rgba line = kOutline);
void OutlinedEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgba fill,
                     double lineWidth = 2.0);
// A stroked line with round caps.
void Line(cairo_t* cr, double x0, double y0, double x1, double y1, double width, Rgba color);
// A smooth stroked curve through four control points, round caps.
void Curve(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2, double x3,
           double y3, double width, Rgba color);
// A pointed leaf from its base along `angle` (radians), length `len`, width `wid`.
void Leaf(cairo_t* cr, double x, double y, double angle, double len, double wid, Rgba fill);
// A pair of eyes looking in direction (dx, dy); `open` 0 closed … 1 open.
void Eye(cairo_t* cr, double cx, double cy, double r, double open, double lookX = 0,
         double lookY = 0);
// A soft dark ellipse on the ground under a figure.
void GroundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.25);

// Runs `paint(cr, frame)` for every frame of a sheet, each translated to its cell and
// clipped to it.
void ForEachFrame(cairo_t* cr, int frameWidth, int frameHeight, int perRow, int count,
                  const std::function<void(cairo_t*, int)>& paint);

} // namespace art
