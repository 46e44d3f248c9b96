// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of the rule hint: what the card or the empty place under the pointer
// accepts, built from the same rule numbers the piles play by and worded by the
// numbered UI texts of the language file (slots 0 to 28):
//   0..3 suit names KARO, PIK, HERZ, KREUZ   4..16 rank names ASS..KÖNIG
//   17/18 the card can / cannot be taken     19 face-down cards (one int)
//   20/21 red / black                        22 word before 23 for an ascending run
//   23 a complete run                        24 capacity of an empty place (one int)
//   25 room left on a pile (one int)         26 everything   27 nothing
//   28 heading before a description
// A missing text reads as empty; the numbers are filled in by the safe formatter. Every text is at
// most kMaxHintText characters.
#include <optional>
#include <string>

#include "data/LanguageTexts.h"

class Card;
class KartenStapel;

constexpr size_t kMaxHintText = 999;

// "KREUZ ASS": the suit name, a blank, the rank name.
std::string CardName(const TextList& texts, int suit, int rank);
// What may be laid on a card of this suit and rank under the suit rule (table A)
// and the rank rule (table A) of its pile.
std::string DescribeCardRules(const TextList& texts, int suitRule, int rankRule, int suit, int rank,
                              bool wrap);
// What an empty place accepts under its suit rule (table B) and rank rule (table B).
std::string DescribeEmptyRules(const TextList& texts, int suitRule, int rankRule);

// The opacity (0 … 255) of the bubble: nothing until the pointer has rested for
// hintDelay seconds, then fading in over half a second.
int RuleHintAlpha(double idleTime, double hintDelay);

// The text of the hint bubble for the pointer at (x, y): about hoveredCard (the
// visible card under the pointer, or null), else about the first pile, in pile
// order, whose face-down stack or place lies under the pointer. Nothing when
// there is nothing under the pointer. Lines are separated by "\n".
std::optional<std::string> RuleHintText(const TextList& texts,
                                        const PtrList<KartenStapel, true>& piles,
                                        const Card* hoveredCard, int x, int y);
