// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loaded contents of a .game file: the piles of the table with their rule
// values, the deck settings, the goal piles, and the deck built from them.
// KartenTisch (the table model) is a GameDefinition with its operations.
#include <vector>

#include "data/PtrList.h"
#include "rules/Card.h"
#include "rules/KartenStapel.h"
#include "rules/KeywordTables.h"
#include "rules/Vec2.h"

struct GameDefinition {
    // No deck is ever built larger than this (20 full packs). Larger or
    // negative SPIEL_ANZ_KARTEN values are clamped to 0 .. MaxDeckSize.
    static constexpr int MaxDeckSize = 1040;
    // No table holds more piles; further blocks of a file are read and dropped.
    static constexpr int MaxPiles = 256;
    // Largest goal list kept; further ids are read and dropped.
    static constexpr int MaxGoalIds = 1024;

    PtrList<KartenStapel, true> piles;  // one per "STAPEL_START" block, in file order
    int deckSize = 0;                   // "SPIEL_ANZ_KARTEN:"; unset: no cards
    int deckSuitFilter = SuitA::NICHTS; // "SPIEL_AF:"; unset: every suit
    int deckRankFilter = RankA::NICHTS; // "SPIEL_AW:"; unset: every rank
    // "SPIEL_FARBEN_START" suit words "SPIEL_FARBEN_ENDE": one bit per suit (1 << suit)
    // the deck is made of; 0 (no group, or no suit word in it) leaves it to SPIEL_AF.
    unsigned deckSuitSet = 0;
    Vec2 cardSize{88.0f, 128.0f};       // "SPIEL_KARTEN_GRÖSSE:"
    TableMargins tableMargins;          // "SPIEL_TISCHRAND:"; unset: 50 50 50 150
    std::vector<int> goalPileIds;       // ids of the "ZIELSTAPEL" groups of "SPIEL_ZIEL_START"
    PtrList<Card, true> deck;           // every card of the game, in deck order
    bool forceWin = false;              // set by the chatter joker: the game counts as won
};
