// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A hand-wired table for tests of the rules that look at other piles: piles in
// an owning list (as a loaded game holds them), links resolved by object, and
// cards owned by the test.
#include <initializer_list>
#include <memory>
#include <vector>

#include "RulesTestSupport.h"

class LinkTestTable {
public:
    PtrList<KartenStapel, true> piles;
    CardBox cards;

    KartenStapel* Add(int id, std::vector<int> sources = {}, std::vector<int> targets = {}) {
        auto pile = MakePile(id, std::move(sources), std::move(targets));
        pile->allPiles = &piles;
        piles.Append(pile.get());
        return pile.release();
    }
    // Links pile to the given piles (in that order), as the loader resolves a VERK group.
    static void Link(KartenStapel* pile, std::initializer_list<KartenStapel*> linked) {
        pile->linkIds.clear();
        pile->linkedPiles.Clear();
        for (KartenStapel* other : linked) {
            pile->linkIds.push_back(other->pileId);
            pile->linkedPiles.Append(other);
        }
    }
    Card* Up(KartenStapel* pile, int rank, int suit) {
        Card* card = cards.Make(rank, suit);
        pile->AddVisible(card, -1, true, -1);
        return card;
    }
    Card* Down(KartenStapel* pile, int rank, int suit) {
        Card* card = cards.Make(rank, suit);
        pile->AddFaceDown(card, -1);
        return card;
    }
    int TotalCards() const {
        int total = 0;
        for (const KartenStapel* pile : piles)
            total += pile->TotalCount();
        return total;
    }
};

// The cards of a list, lowest first.
inline std::vector<Card*> Cards(const PtrList<Card>& list) {
    return std::vector<Card*>(list.begin(), list.end());
}
