// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Canvas.h"

// "font.PNG": 16 × 8 cells of 50 × 50, white glyphs whose ink spans exactly the table widths.
void DrawFontSheet(Canvas& canvas);
