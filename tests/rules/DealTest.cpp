// SPDX-License-Identifier: GPL-3.0-or-later
// Dealing the shuffled deck over the piles.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "RulesTestSupport.h"

namespace {

std::string Fixture(const std::string& name) {
    std::ifstream in(std::string(KH_SOURCE_DIR "/tests/fixtures/games/") + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(Deal, FourFoundationsGetTheirAssWhateverTheSeed) {
    const std::string game = Fixture("aces.game");
    for (uint32_t seed = 0; seed < 200; ++seed) {
        auto table = LoadTable(game, seed * 7919u + 13u);
        for (int suit = 0; suit < 4; ++suit) {
            KartenStapel& foundation = *table->piles[suit];
            ASSERT_EQ(foundation.VisibleCount(), 1) << "seed " << seed;
            EXPECT_EQ(foundation.TopVisible()->Id(), (CardId{suit, Rank::ASS})) << "seed " << seed;
        }
        EXPECT_EQ(table->piles[4]->VisibleCount(), 48);
    }
}

TEST(Deal, FaceDownFirstThenFaceUpOnTop) {
    auto table = LoadTable(Fixture("klondike.game"), 42);
    KartenStapel& stock = *table->piles[0];
    EXPECT_EQ(stock.FaceDownCount(), 24);
    EXPECT_EQ(stock.VisibleCount(), 0);
    for (int i = 0; i < 7; ++i) {
        KartenStapel& column = *table->piles[6 + i];
        EXPECT_EQ(column.FaceDownCount(), i);
        EXPECT_EQ(column.VisibleCount(), 1);
        // The face-up card lies after the face-down ones.
        EXPECT_EQ(column.TopVisible()->target, (column.position + Vec2{0.0f, 8.0f * i}));
    }
    for (Card* c : stock.faceDownCards)
        EXPECT_EQ(c->position, stock.position); // jumped there
}

TEST(Deal, FiltersShortagesAndLeftovers) {
    for (uint32_t seed : {1u, 2u, 3u, 77u, 4096u}) {
        auto table = LoadTable(Fixture("filters.game"), seed);
        KartenStapel& numbers = *table->piles[0];
        KartenStapel& faces = *table->piles[1];
        KartenStapel& red = *table->piles[2];
        KartenStapel& blackNumbers = *table->piles[3];
        // ZAHLEN in the deal: ZWEI to ZEHN only, 36 of them, so 40 asked gives 36.
        EXPECT_EQ(numbers.VisibleCount(), 36);
        for (Card* c : numbers.visibleCards) {
            EXPECT_GE(c->rank, Rank::ZWEI);
            EXPECT_LE(c->rank, Rank::ZEHN);
        }
        // FIGUREN in the deal include the ASS: 16 cards, 3 face down and 13 face up.
        EXPECT_EQ(faces.FaceDownCount(), 3);
        EXPECT_EQ(faces.VisibleCount(), 13);
        int aces = 0;
        for (const PtrList<Card>* l : {&faces.visibleCards, &faces.faceDownCards})
            for (Card* c : *l) {
                EXPECT_TRUE(c->rank == Rank::ASS || c->rank >= Rank::BUBE);
                aces += c->rank == Rank::ASS;
            }
        EXPECT_EQ(aces, 4);
        // Nothing red is left for the third pile, nothing for the fourth.
        EXPECT_EQ(red.TotalCount(), 0);
        EXPECT_EQ(blackNumbers.TotalCount(), 0);
        int dealt = 0;
        for (Card* c : table->deck)
            dealt += c->owner != nullptr;
        EXPECT_EQ(dealt, 52);
    }
}

TEST(Deal, LaterPilesDrawFromWhatIsLeftAndLeftoversLieInNoPile) {
    auto table = LoadTable("SPIEL_ANZ_KARTEN: 52 "
                           "STAPEL_START ID: 1 INIT_AF: ROT INIT_ANZ_SICHTBAR: 20 STAPEL_ENDE "
                           "STAPEL_START ID: 2 INIT_AF: ROT INIT_ANZ_SICHTBAR: 20 STAPEL_ENDE "
                           "STAPEL_START ID: 3 INIT_AF: SCHWARZ INIT_AW: K\xD6NIG "
                           "INIT_ANZ_VERDECKT: 1 STAPEL_ENDE",
                           9);
    EXPECT_EQ(table->piles[0]->VisibleCount(), 20);
    EXPECT_EQ(table->piles[1]->VisibleCount(), 6);
    EXPECT_EQ(table->piles[2]->FaceDownCount(), 1);
    Card* king = table->piles[2]->faceDownCards[0];
    EXPECT_EQ(king->rank, Rank::KÖNIG);
    EXPECT_FALSE(king->IsRed());
    int inNoPile = 0;
    for (Card* c : table->deck) {
        if (c->owner == nullptr) {
            ++inNoPile;
            EXPECT_FALSE(c->IsRed());
        }
    }
    EXPECT_EQ(inNoPile, 25);
    EXPECT_FALSE(table->IsGameWon());
}

TEST(Deal, PickOrderFollowsTheGenerator) {
    // Each pile draws "random below the candidate count" from the shuffled deck;
    // a single candidate is taken without a draw.
    const std::string game = "SPIEL_ANZ_KARTEN: 6 SPIEL_AW: ASS "
                             "STAPEL_START ID: 1 INIT_ANZ_SICHTBAR: 6 STAPEL_ENDE";
    auto table = LoadTable(game, 1234);
    KartenTisch mirror;
    mirror.deckSize = 6;
    mirror.deckRankFilter = Rank::ASS;
    mirror.random.Seed(1234);
    mirror.BuildDeck(88.0f, 128.0f);
    mirror.ShuffleDeck();
    std::vector<Card*> remaining(mirror.deck.begin(), mirror.deck.end());
    std::vector<CardId> expected;
    while (!remaining.empty()) {
        size_t i =
            remaining.size() == 1
                ? 0
                : static_cast<size_t>(mirror.random.Below(static_cast<int>(remaining.size())));
        expected.push_back(remaining[i]->Id());
        remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(i));
    }
    ASSERT_EQ(table->piles[0]->VisibleCount(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(table->piles[0]->visibleCards[i]->Id(), expected[static_cast<size_t>(i)]);
}
