// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One undo step: the contents of every pile's two card lists, in pile order.
// A snapshot holds pointers to the game's cards and owns only its lists; all of
// them share one array, so taking a snapshot of a table costs two allocations
// whatever the number of piles.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "data/PtrList.h"

class Card;
class KartenStapel;

class TableSnapshot {
public:
    explicit TableSnapshot(const PtrList<KartenStapel, true>& piles);

    // RestoreSnapshot: every pile gets back the saved cards of its entry, in their
    // saved order, and lays out both lists, so the cards glide back to their places.
    void Restore(const PtrList<KartenStapel, true>& piles) const;

    int PileCount() const { return static_cast<int>(entries.size()); }
    std::span<Card* const> Visible(int pile) const;
    std::span<Card* const> FaceDown(int pile) const;
    bool operator==(const TableSnapshot& other) const = default;

    // Bytes held by the snapshot, the object included.
    size_t MemoryBytes() const;

private:
    struct Entry {
        uint32_t first = 0; // index of the pile's first card in cards
        uint32_t visibleCount = 0;
        uint32_t faceDownCount = 0;
        int32_t holenCount = 0; // the pile's KOLA actions so far (limited redeals)
        bool operator==(const Entry&) const = default;
    };
    std::vector<Entry> entries;
    std::vector<Card*> cards; // per pile: its visible cards, then its face-down cards
};
