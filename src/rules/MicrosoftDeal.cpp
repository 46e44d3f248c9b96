// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/MicrosoftDeal.h"

#include "rules/KartenTisch.h"
#include "rules/RandomGenerator.h"

namespace {

constexpr int kColumns = 8;
constexpr int kColumnCards[kColumns] = {7, 7, 7, 7, 6, 6, 6, 6};

// The numbering counts its cards rank-major in the suit order clubs, diamonds,
// hearts, spades.
CardId FromDealIndex(int index) {
    static constexpr int kSuits[4] = {Suit::KREUZ, Suit::KARO, Suit::HERZ, Suit::PIK};
    return CardId{kSuits[index % 4], index / 4};
}

// Indices of the piles that hold cards, when there are exactly the eight columns.
std::vector<int> Columns(const KartenTisch& table) {
    std::vector<int> columns;
    for (int i = 0; i < table.piles.Count(); ++i) {
        const KartenStapel* pile = table.piles[i];
        if (pile->IsCompletelyEmpty()) continue;
        if (pile->FaceDownCount() > 0) return {};
        columns.push_back(i);
    }
    if (columns.size() != kColumns) return {};
    for (int k = 0; k < kColumns; ++k)
        if (table.piles[columns[size_t(k)]]->VisibleCount() != kColumnCards[k]) return {};
    return columns;
}

} // namespace

std::vector<CardId> MicrosoftDealOrder(uint32_t number) {
    RandomGenerator random(number);
    int cards[52];
    for (int i = 0; i < 52; ++i)
        cards[i] = 51 - i;
    // Each place takes a random card of those not yet placed; the card it held
    // goes where that one was.
    for (int i = 0; i < 51; ++i) {
        int j = 51 - random.Next() % (52 - i);
        std::swap(cards[i], cards[j]);
    }
    std::vector<CardId> order;
    for (int card : cards)
        order.push_back(FromDealIndex(card));
    return order;
}

bool FitsMicrosoftDeal(const KartenTisch& table) {
    return table.deckSize == 52 && table.deck.Count() == 52 && !Columns(table).empty();
}

std::optional<QuickSaveFile> MicrosoftLayout(const KartenTisch& dealt, uint32_t number) {
    if (number < 1 || number > kMicrosoftDealMax || !FitsMicrosoftDeal(dealt)) return std::nullopt;
    const std::vector<int> columns = Columns(dealt);
    QuickSaveFile save = dealt.ToQuickSave();
    for (int index : columns)
        save.piles[size_t(index)].cards.clear();
    const std::vector<CardId> order = MicrosoftDealOrder(number);
    for (size_t k = 0; k < order.size(); ++k)
        save.piles[size_t(columns[k % kColumns])].cards.push_back(
            {order[k].suit, order[k].rank, false});
    return save;
}

bool DealMicrosoft(KartenTisch& table, std::string_view definitionBytes, uint32_t number) {
    std::optional<QuickSaveFile> layout = MicrosoftLayout(table, number);
    if (!layout) return false;
    table.ReadQuickSave(*layout, definitionBytes, number);
    table.undoCount = 0;
    return true;
}
