// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing order of the cards: each pile's face-down list, then its visible list, cut
// into runs of consecutive cards with the same motion mode. Resting runs are drawn first,
// in pile order; then the moving runs, the one farthest from its target first, so cards
// arriving at a pile slide under those still on their way; dragged runs come last of all.
#include "data/PtrList.h"

#include <vector>

class Card;
class KartenStapel;

struct CardRun {
    Card* first = nullptr; // drawn first; the further cards of the run lie on it
    int count = 0;
};

// Resting runs in encounter order, followed by the moving runs in drawing order.
std::vector<CardRun> OrderCardRuns(const PtrList<KartenStapel, true>& piles);
// The same into a vector the caller keeps (the scene reuses it every frame).
void OrderCardRuns(const PtrList<KartenStapel, true>& piles, std::vector<CardRun>& out);
