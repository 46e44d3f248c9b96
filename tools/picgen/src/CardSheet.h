#pragma once
#include "CardStyle.h"

// The whole card-set image: faces, backs, empty-place frame, marker and symbols.
void DrawCardSheet(Canvas& canvas, const CardStyle& style);
constexpr int kCardSheetColumns = 6;
constexpr int kCardSheetRows = 15;
