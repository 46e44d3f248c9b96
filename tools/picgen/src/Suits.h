// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four suit shapes as filled vector figures.
#include "Canvas.h"

// Face-column order of the card-set grid.
enum class SuitShape { Pik = 0, Herz = 1, Kreuz = 2, Karo = 3 };

inline bool IsRed(SuitShape s) {
    return s == SuitShape::Herz || s == SuitShape::Karo;
}

// Fills the suit centred on (cx, cy), `height` pixels tall, rotated by `angle` radians,
// in the current source of `cr`.
void FillSuit(cairo_t* cr, SuitShape suit, double cx, double cy, double height, double angle = 0);
// The same in a given colour.
void PaintSuit(cairo_t* cr, SuitShape suit, double cx, double cy, double height, Rgba color,
               double angle = 0);
