// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cards and empty places drawn from the card-set image (texture slot 4), whose cells are
// the width × height of the current card set: faces in rows 0 … 12 (KÖNIG down to ASS) and
// the columns PIK, HERZ, KREUZ, KARO; the backs in row 13; frame, marker and symbols in
// rows 14 and up of the columns 1, 2, 4 and 5.
#include "platform/IntRect.h"
#include "platform/Transform2D.h"

class AppState;
class Card;
class KartenStapel;

// The scale that brings a cell of cellWidth × cellHeight to a card of width × height: an
// 11 : 16 cell is stretched to exactly that size; any other cell keeps its proportions
// (fitted to the height when it is wider than high, else to the width).
PointF CardCellScale(float cellWidth, float cellHeight, float width, float height);

// A sheet of at least 18 rows carries KÖNIG, DAME and BUBE once more in rows 15 … 17 with the
// English indices K, Q, J (faces in the suit columns, empty-place symbols in column 4); rows
// 0 … 2 hold them with the German ones (K, D, B). Older add-on sheets of 15 rows show their
// own indices in both languages.
constexpr int EnglishCourtRow = 15;
// Are the English court rows to be used: English chosen (language 1) and a sheet of at least
// 18 rows of cellHeight? The second form asks the current card set of the application.
bool UsesEnglishCourts(int language, int sheetHeight, int cellHeight);
bool UsesEnglishCourts(const AppState& app, int cellHeight);

// The cell of a card face (from the English court rows when `englishCourts` is set), and of
// card back style `back` (0 … 3).
IntRect CardFaceCell(int suit, int rank, int cellWidth, int cellHeight,
                     bool englishCourts = false);
IntRect CardBackCell(int back, int cellWidth, int cellHeight);
// Any cell of the grid by column and row.
IntRect CardSetCell(int column, int row, int cellWidth, int cellHeight);

// A face-down card shows its back at its position; a face-up card its face displaced by
// its jitter × the deviation setting, with a shadow and its marker. `cover`, when given, is
// the card drawn right after this one: what it hides is not drawn.
void DrawCard(AppState& app, const Card& card, const Card* cover = nullptr);

// The empty place of a pile: the frame, then the suit and rank symbols of what the place
// accepts, then the drop highlight (what KartenStapel::EmptyMarkerCells says).
// `cover`, when given, is a card drawn later in the frame: what it hides is not drawn.
void DrawEmptyMarker(AppState& app, const KartenStapel& pile, const Card* cover = nullptr);
