// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CardStyle.h"

// The whole card-set image: faces, backs, empty-place frame, marker and symbols.
void DrawCardSheet(Canvas& canvas, const CardStyle& style);
constexpr int kCardSheetColumns = 6;
// Rows 0 … 14 as every card set has them; rows 15 … 17 repeat KÖNIG, DAME and BUBE (faces
// and empty-place rank symbols) with the English indices, which the game shows in English.
constexpr int kCardSheetRows = 18;
constexpr int kEnglishCourtRow = 15;
