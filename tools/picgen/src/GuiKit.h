// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shared look of the interface: paper panels, buttons, round icon buttons.
#include "Canvas.h"

#include <functional>

namespace gui {

inline const Rgba kPaperTop = Hex(0xFCF8EE);
inline const Rgba kPaperBottom = Hex(0xF0E6CF);
inline const Rgba kPaperEdge = Hex(0xB59B68);
inline const Rgba kGold = Hex(0xD9A62E);
inline const Rgba kGoldDark = Hex(0x9C7318);
inline const Rgba kInk = Hex(0x2A2320);
inline const Rgba kFelt = Hex(0x1F6B43);
inline const Rgba kFeltDark = Hex(0x0F3F27);
inline const Rgba kRed = Hex(0xB8322F);

// Runs `paint` translated to (x, y) and clipped to w × h.
void InRect(cairo_t* cr, double x, double y, double w, double h,
            const std::function<void(cairo_t*)>& paint);

// A paper panel filling w × h with room for its shadow; `band` adds a title band at bandY.
void Panel(cairo_t* cr, double w, double h, double bandY = -1, double bandH = 0);
// An inset well on a panel (lists, previews).
void Well(cairo_t* cr, double x, double y, double w, double h, double r = 10);
// A rounded button filling w × h; hover is the warm highlighted look.
void Button(cairo_t* cr, double w, double h, bool hover, double radius = -1);
// A round button of diameter d centred in w × h.
void RoundButton(cairo_t* cr, double w, double h, bool hover);
// Icons, drawn centred on (cx, cy) with the given size, in `color`.
void IconArrow(cairo_t* cr, double cx, double cy, double size, bool up, Rgba color);
void IconReturn(cairo_t* cr, double cx, double cy, double size, Rgba color);
void IconCheck(cairo_t* cr, double cx, double cy, double size, Rgba color);
// A small ornament line with a diamond in the middle, centred on (cx, cy).
void Ornament(cairo_t* cr, double cx, double cy, double width, Rgba color);

} // namespace gui
