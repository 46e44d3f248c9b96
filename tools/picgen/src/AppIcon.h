// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Canvas.h"

#include <string>

// Draws the program's icon on a square of `size` pixels.
void DrawAppIcon(cairo_t* cr, double size);
// Writes the icon at the desktop's usual sizes as OUT/hicolor/NxN/apps/NAME.png, and the
// 64-pixel one as OUT/NAME.png for the window; false when one could not be written.
bool DrawAppIcons(const std::string& outDir, const std::string& iconName);
