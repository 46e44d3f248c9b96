// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The deal numbering by which FreeCell programs have numbered their deals
// since the first one shipped with Windows ("deal 11982"): the number seeds the
// generator state × 214013 + 2531011, the 52 cards are shuffled by it, and
// they are dealt row by row onto eight columns, the first four of seven cards,
// the others of six.
//
// Any game of that shape can use the numbering: 52 cards, all dealt face up
// onto eight piles of 7, 7, 7, 7, 6, 6, 6, 6 cards in pile order.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "rules/CardId.h"
#include "rules/QuickSaveFile.h"

class KartenTisch;

// The numbering's deals run from 1 to this.
constexpr uint32_t kMicrosoftDealMax = 0x7FFFFFFFu;

// The 52 cards of a deal number in dealing order: card k lies in column k mod 8,
// row k / 8 (row 0 is the lowest card).
std::vector<CardId> MicrosoftDealOrder(uint32_t number);

// Does the dealt table have the shape the numbering deals?
bool FitsMicrosoftDeal(const KartenTisch& table);

// The dealt table with its eight columns laid out as the numbered deal, as a
// quick save (a layout file); nothing when the game does not fit or the number
// is outside 1 … kMicrosoftDealMax.
std::optional<QuickSaveFile> MicrosoftLayout(const KartenTisch& dealt, uint32_t number);

// Replaces the table's game by the numbered deal of the same definition; false
// (and no change) when it does not fit.
bool DealMicrosoft(KartenTisch& table, std::string_view definitionBytes, uint32_t number);
