// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The invariants of a card table that no move, undo, redo or quick save may
// break: the piles hold exactly the cards they held after the deal, each in one
// list of one pile, each knowing its pile and its neighbours, and all of them
// cards of the deck. The soak player and the fuzz targets check them.
#include <string>
#include <unordered_set>

class Card;
class KartenTisch;
class QuickSaveFile;

class SoakAudit {
public:
    // Remembers the cards that lie on the piles now (after a deal or a load).
    void TakeCensus(const KartenTisch& table);
    int CensusSize() const { return static_cast<int>(census.size()); }

    // Empty when the table keeps every invariant, else what is broken.
    std::string Check(const KartenTisch& table) const;

    // The same without a census: only that no card lies twice, every card on a
    // pile belongs to the deck and knows its place.
    static std::string CheckPlacement(const KartenTisch& table);

    // Empty when both tables show the same cards (suit and rank) in the same
    // lists of the same piles, else the first difference.
    static std::string CompareCards(const KartenTisch& before, const KartenTisch& after);

private:
    std::unordered_set<const Card*> census;
};
