// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SoakAudit.h"

#include "rules/KartenTisch.h"

namespace {

std::string PileName(const KartenTisch& table, int index) {
    return "pile " + std::to_string(index + 1) + " (ID " +
           std::to_string(table.piles[index]->pileId) + ")";
}

// Checks one list of a pile and adds its cards to seen.
std::string CheckList(const KartenTisch& table, int pileIndex, const PtrList<Card>& list,
                      const char* listName, const std::unordered_set<const Card*>& deck,
                      std::unordered_set<const Card*>& seen) {
    const KartenStapel* pile = table.piles[pileIndex];
    const int count = list.Count();
    // The message is made only for a fault: the checks run after every step.
    auto where = [&](int i) {
        return PileName(table, pileIndex) + ", " + listName + " card " + std::to_string(i + 1) +
               " of " + std::to_string(count);
    };
    for (int i = 0; i < count; ++i) {
        const Card* card = list[i];
        if (!card) return where(i) + ": a null card";
        if (!deck.count(card)) return where(i) + ": a card that is not in the deck";
        if (!seen.insert(card).second) return where(i) + ": a card that lies on the table twice";
        if (card->owner != pile) return where(i) + ": the card names another pile as its owner";
        if (card->cardBelow != (i > 0 ? list[i - 1] : nullptr))
            return where(i) + ": the card names the wrong card below it";
        if (card->cardAbove != (i + 1 < count ? list[i + 1] : nullptr))
            return where(i) + ": the card names the wrong card above it";
    }
    return {};
}

std::string CheckPiles(const KartenTisch& table, std::unordered_set<const Card*>& seen) {
    std::unordered_set<const Card*> deck(table.deck.begin(), table.deck.end());
    if (deck.size() != static_cast<size_t>(table.deck.Count()))
        return "the deck holds a card twice";
    for (int p = 0; p < table.piles.Count(); ++p) {
        const KartenStapel* pile = table.piles[p];
        std::string problem = CheckList(table, p, pile->visibleCards, "face-up", deck, seen);
        if (problem.empty())
            problem = CheckList(table, p, pile->faceDownCards, "face-down", deck, seen);
        if (!problem.empty()) return problem;
    }
    return {};
}

} // namespace

void SoakAudit::TakeCensus(const KartenTisch& table) {
    census.clear();
    for (const KartenStapel* pile : table.piles) {
        census.insert(pile->visibleCards.begin(), pile->visibleCards.end());
        census.insert(pile->faceDownCards.begin(), pile->faceDownCards.end());
    }
}

std::string SoakAudit::CheckPlacement(const KartenTisch& table) {
    std::unordered_set<const Card*> seen;
    return CheckPiles(table, seen);
}

std::string SoakAudit::Check(const KartenTisch& table) const {
    std::unordered_set<const Card*> seen;
    std::string problem = CheckPiles(table, seen);
    if (!problem.empty()) return problem;
    if (seen.size() != census.size())
        return "the piles hold " + std::to_string(seen.size()) + " cards instead of " +
               std::to_string(census.size());
    for (const Card* card : seen)
        if (!census.count(card)) return "a card came onto the table that was not there before";
    return {};
}

std::string SoakAudit::CompareCards(const KartenTisch& before, const KartenTisch& after) {
    if (before.piles.Count() != after.piles.Count())
        return "the table has " + std::to_string(after.piles.Count()) + " piles instead of " +
               std::to_string(before.piles.Count());
    auto same = [](const PtrList<Card>& a, const PtrList<Card>& b) {
        if (a.Count() != b.Count()) return false;
        for (int i = 0; i < a.Count(); ++i)
            if (a[i]->suit != b[i]->suit || a[i]->rank != b[i]->rank) return false;
        return true;
    };
    for (int p = 0; p < before.piles.Count(); ++p) {
        const KartenStapel* a = before.piles[p];
        const KartenStapel* b = after.piles[p];
        if (!same(a->visibleCards, b->visibleCards))
            return PileName(before, p) + ": other face-up cards";
        if (!same(a->faceDownCards, b->faceDownCards))
            return PileName(before, p) + ": other face-down cards";
    }
    return {};
}
