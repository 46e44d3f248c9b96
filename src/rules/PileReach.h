// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far the cards of a pile can spread in play: the smallest rectangle that holds
// its place and every card of it, at every count of face-down and visible cards the
// pile can come to, squeezed as its layout squeezes it, also while the pointer rests
// on its lowest card and spreads the cards above. Used to keep piles clear of what
// is drawn over the table.
#include "rules/Vec2.h"

class KartenStapel;
struct TableSettings;

struct ReachRect {
    float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f; // edges included
    void Include(Vec2 corner, Vec2 size);
};

struct PileCapacity {
    int faceDown = 0; // most face-down cards the pile can hold
    int visible = 0;  // most visible cards
};

// What the pile can come to: its deal, more visible cards when another pile can give
// to it (up to its MAX_GRÖSSE_SICHTBAR or the deck), and up to the whole deck face down
// when a click rule gathers cards into it or turns its cards over.
PileCapacity LargestCapacity(const KartenStapel& pile, int deckSize);

ReachRect LargestReach(const KartenStapel& pile, PileCapacity capacity,
                       const TableSettings& settings);
