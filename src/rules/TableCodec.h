// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Compact forms of the card lists of one table, for a search over it: a state
// that puts the very same cards back (card numbers of the deck), and a key that
// tells equal tables apart from different ones. The key sees cards by suit and
// rank only (two cards of one kind are interchangeable), counts face-down cards
// as what they are (the search sees every card), and sorts the contents of
// piles that play the same role.
#include <cstdint>
#include <string>
#include <vector>

#include "rules/PileRoles.h"

class Card;
class KartenTisch;

struct StateKey {
    uint64_t high = 0;
    uint64_t low = 0;
    bool operator==(const StateKey&) const = default;
};

// Per pile: face-down count, visible count, then the deck numbers of the
// face-down cards and of the visible cards, each lowest first.
using TableState = std::vector<uint16_t>;

class TableCodec {
public:
    // The table must keep its piles and deck while the codec is used.
    explicit TableCodec(const KartenTisch& table);

    void Encode(TableState& out) const;
    // Gives every pile the cards of the state and lays them out anew.
    void Restore(const TableState& state) const;
    StateKey Key() const;

    const PileRoles& Roles() const { return roles; }

private:
    const KartenTisch& table;
    PileRoles roles;
    std::vector<Card*> cards; // by deck number
    // Deck numbers are found through the card's place in this sorted copy.
    std::vector<std::pair<const Card*, uint16_t>> numberOf;
    uint16_t NumberOf(const Card* card) const;
    // Buffers of Key, kept to spare allocations.
    mutable std::vector<std::string> pileBytes;
    mutable std::vector<std::string> sorted;
    mutable std::string all;
};
