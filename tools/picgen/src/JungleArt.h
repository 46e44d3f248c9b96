// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The jungle's pictures: the stage (a frame of foliage around the table) and the sheets
// of its figures, drawn at the frame grids the background cuts.
#include "Canvas.h"

#include <string>

// Draws the jungle sheet named `name` ("frosch", "affe", …); false for a name it does not
// know.
bool DrawJungleSheet(Canvas& canvas, const std::string& name);

void DrawJungleStage(cairo_t* cr);
void DrawFrogSheet(cairo_t* cr);
void DrawMonkeySheet(cairo_t* cr);
void DrawDragonflySheet(cairo_t* cr);
void DrawPlantSheet(cairo_t* cr);
void DrawSnakeSheet(cairo_t* cr);
void DrawSpiderSheet(cairo_t* cr);
// Kinds 0 and 1 (318 × 380, leaning in from the left edge) or kind 2 (200 × 392, rising
// from below).
void DrawCavemanSheet(cairo_t* cr, bool fromBelow);
