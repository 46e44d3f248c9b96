// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/TableCodec.h"

#include <algorithm>
#include <string>

#include "rules/KartenTisch.h"

namespace {

uint64_t Mix(uint64_t x) {
    // splitmix64's finaliser: every input bit reaches every output bit.
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    x ^= x >> 31;
    return x;
}

// One pile's contents as bytes: face-down count, visible count, then suit and
// rank of every card, face-down cards first, each list lowest first.
void PileBytes(const KartenStapel& pile, std::string& out) {
    out.clear();
    auto count = [&](int n) {
        out.push_back(static_cast<char>(n & 0xFF));
        out.push_back(static_cast<char>((n >> 8) & 0xFF));
    };
    count(pile.FaceDownCount());
    count(pile.VisibleCount());
    for (const Card* card : pile.faceDownCards)
        out.push_back(static_cast<char>(card->suit * 13 + card->rank));
    for (const Card* card : pile.visibleCards)
        out.push_back(static_cast<char>(card->suit * 13 + card->rank));
}

StateKey HashBytes(const std::string& bytes) {
    StateKey key{0x9E3779B97F4A7C15ull, 0xC2B2AE3D27D4EB4Full};
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t word = 0;
        for (size_t k = 0; k < 8; ++k)
            word |= uint64_t(static_cast<unsigned char>(bytes[i + k])) << (8 * k);
        key.high = Mix(key.high ^ word);
        key.low = Mix(key.low + word * 0xFF51AFD7ED558CCDull);
    }
    uint64_t tail = bytes.size();
    for (size_t k = 0; i + k < bytes.size(); ++k)
        tail = (tail << 8) | static_cast<unsigned char>(bytes[i + k]);
    key.high = Mix(key.high ^ tail);
    key.low = Mix(key.low + tail * 0xFF51AFD7ED558CCDull + 1);
    return key;
}

} // namespace

TableCodec::TableCodec(const KartenTisch& table) : table(table), roles(table) {
    for (Card* card : table.deck)
        cards.push_back(card);
    for (size_t i = 0; i < cards.size(); ++i)
        numberOf.emplace_back(cards[i], static_cast<uint16_t>(i));
    std::sort(numberOf.begin(), numberOf.end());
}

uint16_t TableCodec::NumberOf(const Card* card) const {
    auto it = std::lower_bound(numberOf.begin(), numberOf.end(),
                               std::make_pair(card, uint16_t(0)));
    return it != numberOf.end() && it->first == card ? it->second : 0;
}

void TableCodec::Encode(TableState& out) const {
    out.clear();
    for (const KartenStapel* pile : table.piles) {
        out.push_back(static_cast<uint16_t>(pile->FaceDownCount()));
        out.push_back(static_cast<uint16_t>(pile->VisibleCount()));
        for (const Card* card : pile->faceDownCards)
            out.push_back(NumberOf(card));
        for (const Card* card : pile->visibleCards)
            out.push_back(NumberOf(card));
    }
}

void TableCodec::Restore(const TableState& state) const {
    size_t at = 0;
    for (KartenStapel* pile : table.piles) {
        const int faceDown = state[at++];
        const int visible = state[at++];
        pile->faceDownCards.Clear();
        pile->visibleCards.Clear();
        pile->hoveredCard = nullptr;
        for (int k = 0; k < faceDown; ++k)
            pile->faceDownCards.Append(cards[state[at++]]);
        for (int k = 0; k < visible; ++k)
            pile->visibleCards.Append(cards[state[at++]]);
    }
    for (KartenStapel* pile : table.piles)
        pile->Layout();
}

StateKey TableCodec::Key() const {
    const int n = table.piles.Count();
    std::vector<std::string>& bytes = pileBytes;
    bytes.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        PileBytes(*table.piles[i], bytes[size_t(i)]);
    // Piles of one role: their contents in sorted order, whichever pile holds them.
    for (const std::vector<int>& members : roles.SharedClasses()) {
        sorted.resize(members.size());
        for (size_t k = 0; k < members.size(); ++k)
            sorted[k].swap(bytes[size_t(members[k])]);
        std::sort(sorted.begin(), sorted.end());
        for (size_t k = 0; k < members.size(); ++k)
            bytes[size_t(members[k])].swap(sorted[k]);
    }
    all.clear();
    for (const std::string& pile : bytes)
        all += pile;
    return HashBytes(all);
}
