// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/MicrosoftDeal.h"

#include <gtest/gtest.h>

#include <set>

#include "SolverTestSupport.h"

namespace {

std::string Code(CardId id) {
    static const char kRanks[] = "A23456789TJQK";
    static const char kSuits[] = "CDSH";
    return std::string{kRanks[id.rank], kSuits[id.suit]};
}

} // namespace

// The first deal as every FreeCell program shows it, row by row.
TEST(MicrosoftDeal, DealOneIsTheWellKnownFirstDeal) {
    const std::vector<CardId> order = MicrosoftDealOrder(1);
    ASSERT_EQ(order.size(), 52u);
    std::string rows;
    for (size_t k = 0; k < order.size(); ++k)
        rows += Code(order[k]) + (k % 8 == 7 || k == 51 ? "\n" : " ");
    EXPECT_EQ(rows, "JD 2D 9H JC 5D 7H 7C 5H\n"
                    "KD KC 9S 5S AD QC KH 3H\n"
                    "2S KS 9D QD JS AS AH 3C\n"
                    "4C 5C TS QH 4H AC 4D 7S\n"
                    "3S TD 4S TH 8H 2C JH 7D\n"
                    "6D 8S 8D QS 6C 3D 8C TC\n"
                    "6S 9C 2H 6H\n");
    std::set<std::pair<int, int>> distinct;
    for (CardId id : MicrosoftDealOrder(11982))
        distinct.insert({id.suit, id.rank});
    EXPECT_EQ(distinct.size(), 52u);
}

TEST(MicrosoftDeal, FreeCellTypeGamesTakeTheNumberingOthersDoNot) {
    const std::string freecell = CollectionGame("freecell/freecell");
    KartenTisch table;
    table.LoadGameDefinition(freecell, 3);
    ASSERT_TRUE(FitsMicrosoftDeal(table));
    ASSERT_TRUE(DealMicrosoft(table, freecell, 1));
    // Column 1 holds the first card of every row, lowest first.
    KartenStapel* first = table.PilesWithId(1).front();
    ASSERT_EQ(first->VisibleCount(), 7);
    EXPECT_EQ(Code(first->visibleCards[0]->Id()), "JD");
    EXPECT_EQ(Code(first->TopVisible()->Id()), "6S");
    EXPECT_EQ(table.undoHistory.size(), 1u);
    EXPECT_FALSE(DealMicrosoft(table, freecell, 0));

    const std::string klondike = CollectionGame("klondike/klondike");
    KartenTisch other;
    other.LoadGameDefinition(klondike, 3);
    EXPECT_FALSE(FitsMicrosoftDeal(other));
    EXPECT_FALSE(DealMicrosoft(other, klondike, 1));
}
