// SPDX-License-Identifier: GPL-3.0-or-later
// A game's own table margins, and how far a pile's cards can reach in play.
#include <gtest/gtest.h>

#include "RulesTestSupport.h"
#include "rules/PileReach.h"

namespace {

// A stock that turns one card onto a waste and gathers it back, a column that takes
// from the waste, and a row of three that only gives.
const char* kTable = R"(
SPIEL_ANZ_KARTEN: 52 SPIEL_AF: ALLES SPIEL_AW: ALLES
)"
                     "SPIEL_KARTEN_GR\xD6SSE: 66 96"
                     R"(
STAPEL_START ID: 1 POSITION: 100 100 VERDECKTEKARTEN_VERSCH: 0.5 0.5 KOVA: AUFDECKEN_VERKN_1
  KOLA: HOLEN_VERKN_ALLE VERK_STAPEL_START 2 VERK_STAPEL_ENDE INIT_ANZ_VERDECKT: 40 STAPEL_ENDE
STAPEL_START ID: 2 POSITION: 200 100 SICHTBAREKARTEN_VERSCH: 0 0
  ZIELSTAPEL_START 3 ZIELSTAPEL_ENDE STAPEL_ENDE
STAPEL_START ID: 3 POSITION: 300 250 SICHTBAREKARTEN_VERSCH: 0 25 VERDECKTEKARTEN_VERSCH: 0 8
  QUELLSTAPEL_START 2 QUELLSTAPEL_ENDE INIT_ANZ_VERDECKT: 3 INIT_ANZ_SICHTBAR: 1 STAPEL_ENDE
STAPEL_START ID: 4 POSITION: 500 250 SICHTBAREKARTEN_VERSCH: 20 0
  ZIELSTAPEL_START 3 ZIELSTAPEL_ENDE INIT_ANZ_SICHTBAR: 3 STAPEL_ENDE
SPIEL_ZIEL_START ZIELSTAPEL_START 3 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE
)";

std::string WithMargins(const std::string& margins) {
    std::string text = kTable;
    return text.insert(text.find("STAPEL_START"), "SPIEL_TISCHRAND: " + margins + "\n");
}

} // namespace

TEST(TableMarginsKey, ReadWithDefaultsClampedAndPassedToEveryPile) {
    auto plain = LoadTable(kTable);
    EXPECT_EQ(plain->tableMargins, (TableMargins{50.0f, 50.0f, 50.0f, 150.0f}));
    auto own = LoadTable(WithMargins("120 60 200 170"));
    EXPECT_EQ(own->tableMargins, (TableMargins{120.0f, 60.0f, 200.0f, 170.0f}));
    for (const KartenStapel* pile : own->piles)
        EXPECT_EQ(pile->tableMargins, own->tableMargins);
    // Out of range values are held within half the layout; an incomplete key changes nothing.
    EXPECT_EQ(LoadTable(WithMargins("-5 900 0 384"))->tableMargins,
              (TableMargins{0.0f, 384.0f, 0.0f, 384.0f}));
    EXPECT_EQ(LoadTable(WithMargins("120 60 x 170"))->tableMargins, TableMargins{});
}

TEST(TableMarginsKey, FansAreSqueezedInsideTheGamesMargins) {
    auto table = LoadTable(WithMargins("50 50 200 250"));
    KartenStapel& row = *table->piles[3];
    CardBox box;
    for (int i = 0; i < 20; ++i)
        row.AddVisible(box.Make(i % 13, Suit::HERZ));
    // The row of 23 cards ends at the right margin: 1024 - 200.
    EXPECT_FLOAT_EQ(row.TopVisible()->target.x + 66.0f, 824.0f);
    KartenStapel& column = *table->piles[2];
    for (int i = 0; i < 30; ++i)
        column.AddVisible(box.Make(i % 13, Suit::KREUZ));
    EXPECT_FLOAT_EQ(column.TopVisible()->target.y + 96.0f, 768.0f - 250.0f);
}

TEST(PileReach, CapacitiesFollowWhatCanReachThePile) {
    auto table = LoadTable(kTable);
    const int deck = table->deck.Count();
    PileCapacity stock = LargestCapacity(*table->piles[0], deck);
    EXPECT_EQ(stock.faceDown, 52); // it gathers the waste back
    PileCapacity waste = LargestCapacity(*table->piles[1], deck);
    EXPECT_EQ(waste.faceDown, 0);
    EXPECT_EQ(waste.visible, 52); // the stock turns cards onto it
    PileCapacity column = LargestCapacity(*table->piles[2], deck);
    EXPECT_EQ(column.faceDown, 3);
    EXPECT_EQ(column.visible, 52);
    PileCapacity row = LargestCapacity(*table->piles[3], deck);
    EXPECT_EQ(row.faceDown, 0);
    EXPECT_EQ(row.visible, 3); // nothing gives to it
    // A limit on visible cards caps a pile that receives.
    table->piles[2]->MAX_GRÖSSE_SICHTBAR = 13;
    EXPECT_EQ(LargestCapacity(*table->piles[2], deck).visible, 13);
}

TEST(PileReach, EveryLaidOutCardLiesInsideTheReachAlsoWhenSpreadUnderThePointer) {
    for (const char* margins : {"50 50 50 150", "168 50 204 200"}) {
        auto table = LoadTable(WithMargins(margins));
        for (int index : {2, 3}) {
            KartenStapel& pile = *table->piles[index];
            pile.visibleOffset = index == 3 ? Vec2{-20.0f, 0.0f} : pile.visibleOffset;
            const ReachRect reach = LargestReach(pile, {3, 52}, table->settings);
            CardBox box;
            pile.visibleCards.Clear();
            pile.faceDownCards.Clear();
            for (int d = 0; d <= 3; ++d) {
                for (int n = 1; n <= 52; n += 3) {
                    pile.visibleCards.Clear();
                    pile.faceDownCards.Clear();
                    for (int i = 0; i < d; ++i)
                        pile.AddFaceDown(box.Make(0, Suit::PIK));
                    for (int i = 0; i < n; ++i)
                        pile.AddVisible(box.Make(1, Suit::HERZ));
                    for (Card* hovered : {static_cast<Card*>(nullptr), pile.visibleCards[0],
                                          pile.visibleCards[n / 2]}) {
                        pile.SetHoveredCard(hovered);
                        for (const PtrList<Card>* list : {&pile.faceDownCards, &pile.visibleCards})
                            for (const Card* card : *list) {
                                EXPECT_GE(card->target.x, reach.left - 0.01f) << margins << n;
                                EXPECT_GE(card->target.y, reach.top - 0.01f) << margins << n;
                                EXPECT_LE(card->target.x + 66.0f, reach.right + 0.01f) << margins;
                                EXPECT_LE(card->target.y + 96.0f, reach.bottom + 0.01f) << margins;
                            }
                    }
                }
            }
        }
    }
}

TEST(PileReach, AColumnReachesTheBottomMarginAndOneDoubleOffsetMoreUnderThePointer) {
    auto table = LoadTable(kTable);
    const ReachRect reach = LargestReach(*table->piles[2], {3, 52}, table->settings);
    EXPECT_FLOAT_EQ(reach.left, 300.0f);
    EXPECT_FLOAT_EQ(reach.right, 366.0f);
    EXPECT_FLOAT_EQ(reach.top, 250.0f);
    // Squeezed to 618; the spread adds up to two offsets less the squeezed one.
    EXPECT_GT(reach.bottom, 618.0f);
    EXPECT_LE(reach.bottom, 618.0f + 50.0f);
}
