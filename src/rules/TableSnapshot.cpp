// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/TableSnapshot.h"

#include "rules/KartenStapel.h"

#include <algorithm>

TableSnapshot::TableSnapshot(const PtrList<KartenStapel, true>& piles) {
    size_t total = 0;
    for (const KartenStapel* pile : piles)
        total += static_cast<size_t>(pile->TotalCount());
    entries.reserve(static_cast<size_t>(piles.Count()));
    cards.reserve(total);
    for (const KartenStapel* pile : piles) {
        Entry entry;
        entry.first = static_cast<uint32_t>(cards.size());
        entry.visibleCount = static_cast<uint32_t>(pile->VisibleCount());
        entry.faceDownCount = static_cast<uint32_t>(pile->FaceDownCount());
        entry.holenCount = pile->holenCount;
        cards.insert(cards.end(), pile->visibleCards.begin(), pile->visibleCards.end());
        cards.insert(cards.end(), pile->faceDownCards.begin(), pile->faceDownCards.end());
        entries.push_back(entry);
    }
}

std::span<Card* const> TableSnapshot::Visible(int pile) const {
    const Entry& entry = entries.at(static_cast<size_t>(pile));
    return {cards.data() + entry.first, entry.visibleCount};
}

std::span<Card* const> TableSnapshot::FaceDown(int pile) const {
    const Entry& entry = entries.at(static_cast<size_t>(pile));
    return {cards.data() + entry.first + entry.visibleCount, entry.faceDownCount};
}

void TableSnapshot::Restore(const PtrList<KartenStapel, true>& piles) const {
    // Piles and snapshot come from the same table; should they ever differ in
    // number, the piles beyond the snapshot are left alone.
    const int count = std::min(piles.Count(), PileCount());
    for (int i = 0; i < count; ++i) {
        KartenStapel* pile = piles[i];
        pile->visibleCards.Clear();
        pile->faceDownCards.Clear();
        pile->holenCount = entries[static_cast<size_t>(i)].holenCount;
        for (Card* card : Visible(i))
            pile->visibleCards.Append(card);
        for (Card* card : FaceDown(i))
            pile->faceDownCards.Append(card);
        if (pile->hoveredCard && !pile->visibleCards.Contains(pile->hoveredCard))
            pile->hoveredCard = nullptr;
    }
    // Layout after all lists are back, so every card's owner is its final pile.
    for (int i = 0; i < count; ++i) {
        piles[i]->LayoutVisible();
        piles[i]->LayoutFaceDown();
    }
}

size_t TableSnapshot::MemoryBytes() const {
    return sizeof(*this) + entries.capacity() * sizeof(Entry) + cards.capacity() * sizeof(Card*);
}
