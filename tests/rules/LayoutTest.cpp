// SPDX-License-Identifier: GPL-3.0-or-later
// Where piles put their cards, the hit tests, and the empty-place marker.
#include <gtest/gtest.h>

#include "RulesTestSupport.h"

namespace {

class Layout : public ::testing::Test {
protected:
    // A column of n face-up cards (and d face-down ones under them).
    void Fill(int n, int d = 0) {
        for (int i = 0; i < d; ++i)
            pile->AddFaceDown(box.Make(i % 13, Suit::PIK));
        for (int i = 0; i < n; ++i)
            pile->AddVisible(box.Make(i % 13, Suit::HERZ));
    }
    // Puts every card on its target at once, as many frames would.
    void Settle() { pile->UpdatePile(1000.0); }

    CardBox box;
    std::unique_ptr<KartenStapel> pile = MakePile(1);
};

} // namespace

TEST_F(Layout, TallColumnIsSqueezedToTheBottomMargin) {
    pile->position = {100.0f, 100.0f};
    pile->visibleOffset = {0.0f, 25.0f};
    Fill(25);
    EXPECT_FLOAT_EQ(pile->effectiveVisibleOffset.y, 16.25f);
    EXPECT_FLOAT_EQ(pile->effectiveVisibleOffset.x, 0.0f);
    EXPECT_FLOAT_EQ(pile->TopVisible()->target.y, 100.0f + 24 * 16.25f);
    EXPECT_FLOAT_EQ(pile->TopVisible()->target.y + 128.0f, 618.0f);
}

TEST_F(Layout, ShortColumnKeepsItsOffset) {
    pile->position = {100.0f, 100.0f};
    pile->visibleOffset = {0.0f, 25.0f};
    Fill(10);
    EXPECT_EQ(pile->effectiveVisibleOffset, (Vec2{0.0f, 25.0f}));
    for (int j = 0; j < 10; ++j)
        EXPECT_EQ(pile->visibleCards[j]->target, (Vec2{100.0f, 100.0f + 25.0f * j}));
}

TEST_F(Layout, LeftwardFanStopsAtTheLeftMarginWithFaceDownCardsIncluded) {
    pile->position = {300.0f, 100.0f};
    pile->faceDownOffset = {-10.0f, 0.0f};
    pile->visibleOffset = {-30.0f, 0.0f};
    Fill(12, 3); // base.x = 270, unsqueezed end.x = 270 - 330 = -60
    EXPECT_FLOAT_EQ(pile->effectiveVisibleOffset.x, (50.0f - 270.0f) / 11.0f);
    EXPECT_FLOAT_EQ(pile->TopVisible()->target.x, 50.0f);
    EXPECT_FLOAT_EQ(pile->visibleCards[0]->target.x, 270.0f);
    EXPECT_EQ(pile->faceDownCards[2]->target, (Vec2{280.0f, 100.0f}));
}

TEST_F(Layout, RightAndTopMarginsAndScreenSize) {
    TableSettings wide;
    wide.screenWidth = 800;
    pile->app = &wide;
    pile->position = {500.0f, 300.0f};
    pile->visibleOffset = {30.0f, -40.0f};
    Fill(9); // end = (740, -20): past the right margin and above the top one
    EXPECT_FLOAT_EQ(pile->effectiveVisibleOffset.x, (800.0f - 50.0f - 88.0f - 500.0f) / 8.0f);
    EXPECT_FLOAT_EQ(pile->effectiveVisibleOffset.y, (50.0f - 300.0f) / 8.0f);
    EXPECT_FLOAT_EQ(pile->TopVisible()->target.y, 50.0f);
}

TEST_F(Layout, OneCardIsNeverSqueezed) {
    pile->position = {1000.0f, 700.0f};
    pile->visibleOffset = {0.0f, 25.0f};
    Fill(1);
    EXPECT_EQ(pile->effectiveVisibleOffset, (Vec2{0.0f, 25.0f}));
    EXPECT_EQ(pile->TopVisible()->target, (Vec2{1000.0f, 700.0f}));
}

TEST_F(Layout, SquareStackNearTheEdgesStaysSquare) {
    // A foundation in the bottom-right corner: no offset on either axis, so
    // the margins have nothing to squeeze and the cards stay on one place.
    pile->position = {1000.0f, 700.0f};
    pile->visibleOffset = {0.0f, 0.0f};
    Fill(13);
    EXPECT_EQ(pile->effectiveVisibleOffset, (Vec2{0.0f, 0.0f}));
    for (int j = 0; j < 13; ++j)
        EXPECT_EQ(pile->visibleCards[j]->target, (Vec2{1000.0f, 700.0f}));
    pile->position = {10.0f, 10.0f};
    pile->visibleOffset = {0.0f, 0.0f};
    pile->LayoutVisible();
    EXPECT_EQ(pile->TopVisible()->target, (Vec2{10.0f, 10.0f}));
}

TEST_F(Layout, HoverSpreadsTheCardsAboveAndReturnsThem) {
    pile->position = {100.0f, 100.0f};
    pile->visibleOffset = {0.0f, 20.0f};
    Fill(5);
    Card* third = pile->visibleCards[2];
    pile->SetHoveredCard(third);
    EXPECT_EQ(pile->visibleCards[1]->target.y, 120.0f);
    EXPECT_EQ(third->target.y, 140.0f);
    EXPECT_EQ(third->moveMode, 1);
    EXPECT_EQ(pile->visibleCards[3]->target.y, 180.0f); // one offset further away
    EXPECT_EQ(pile->visibleCards[4]->target.y, 200.0f);
    EXPECT_EQ(pile->visibleCards[3]->moveMode, 2);
    pile->SetHoveredCard(nullptr);
    EXPECT_EQ(pile->visibleCards[3]->target.y, 160.0f);
    EXPECT_EQ(pile->visibleCards[4]->target.y, 180.0f);
    EXPECT_EQ(pile->visibleCards[4]->moveMode, 1);
}

TEST_F(Layout, HoverOnASqueezedFanShowsADoubleConfiguredOffset) {
    pile->position = {100.0f, 100.0f};
    pile->visibleOffset = {0.0f, 25.0f};
    Fill(25);
    pile->SetHoveredCard(pile->visibleCards[10]);
    EXPECT_FLOAT_EQ(pile->visibleCards[11]->target.y, 100.0f + 10 * 16.25f + 50.0f);
    EXPECT_FLOAT_EQ(pile->visibleCards[12]->target.y, 100.0f + 11 * 16.25f + 50.0f);
}

TEST_F(Layout, LayoutLinksCardsAndCopiesTheDragTogetherFlag) {
    pile->MOVE_STAPEL = true;
    pile->cardSize = {70.0f, 100.0f};
    Fill(3, 2);
    EXPECT_EQ(pile->faceDownCards[1]->cardAbove, nullptr); // the lists are not linked
    EXPECT_EQ(pile->visibleCards[0]->cardBelow, nullptr);
    for (Card* c : pile->visibleCards) {
        EXPECT_TRUE(c->dragTogether);
        EXPECT_EQ(c->size, (Vec2{70.0f, 100.0f}));
        EXPECT_EQ(c->speed, 10.0);
    }
    EXPECT_EQ(pile->effectiveFaceDownOffset, pile->faceDownOffset);
}

TEST_F(Layout, HitTests) {
    pile->position = {100.0f, 100.0f};
    pile->visibleOffset = {0.0f, 20.0f};
    pile->faceDownOffset = {0.0f, 10.0f};
    Fill(3, 2);
    Settle(); // visible cards at y 120, 140, 160; face-down at 100, 110
    EXPECT_TRUE(pile->HitVisibleCard(100, 120));
    EXPECT_TRUE(pile->HitVisibleCard(188, 288)); // edges belong to the card
    EXPECT_FALSE(pile->HitVisibleCard(189, 200));
    EXPECT_EQ(pile->VisibleCardAt(150, 150), 1);
    EXPECT_EQ(pile->VisibleCardAt(150, 200), 2);
    EXPECT_EQ(pile->VisibleCardAt(150, 115), -1);
    EXPECT_EQ(pile->FaceDownCardAt(150, 115), 1);
    EXPECT_FALSE(pile->HitFaceDownCard(150, 105)); // visible cards hide the face-down test
    EXPECT_TRUE(pile->HitPlace(100, 100));
    EXPECT_TRUE(pile->HitPlace(188, 228));
    EXPECT_FALSE(pile->HitPlace(150, 229));
    while (pile->VisibleCount() > 0)
        pile->RemoveVisible(pile->TopVisible());
    EXPECT_TRUE(pile->HitFaceDownCard(150, 105));
    EXPECT_FALSE(pile->HitFaceDownCard(150, 300));
    // Hit tests use where cards are drawn now, not where they are going.
    pile->faceDownCards[0]->target = {600.0f, 600.0f};
    EXPECT_TRUE(pile->HitFaceDownCard(101, 101));
}

TEST_F(Layout, EmptyMarkerCells) {
    pile->AFLS = SuitB::HERZ;
    pile->AWLS = Rank::KÖNIG;
    pile->dropHighlight = true;
    EmptyMarker m = pile->EmptyMarkerCells();
    EXPECT_EQ(m.frame.column, 1);
    EXPECT_EQ(m.frame.row, 14);
    ASSERT_TRUE(m.hasSuit);
    EXPECT_EQ(m.suit.column, 5);
    EXPECT_EQ(m.suit.row, 2);
    ASSERT_TRUE(m.hasRank);
    EXPECT_EQ(m.rank.column, 4);
    EXPECT_EQ(m.rank.row, 0);
    EXPECT_TRUE(m.hasHighlight);

    pile->AFLS = SuitB::ALLES;
    pile->AWLS = RankB::ALLES;
    m = pile->EmptyMarkerCells();
    EXPECT_EQ(m.suit.row, 5);
    EXPECT_EQ(m.rank.column, 5);
    EXPECT_EQ(m.rank.row, 4);
    pile->AWLS = Rank::ASS;
    EXPECT_EQ(pile->EmptyMarkerCells().rank.row, 12);

    for (int afls : {SuitB::ROT, SuitB::NICHTS}) { // frame only, and no highlight either
        pile->AFLS = afls;
        m = pile->EmptyMarkerCells();
        EXPECT_FALSE(m.hasSuit || m.hasRank || m.hasHighlight);
    }
    pile->AFLS = SuitB::KREUZ;
    pile->AWLS = RankB::STAPEL_MINUS; // suit symbol, no rank symbol, no highlight
    m = pile->EmptyMarkerCells();
    EXPECT_TRUE(m.hasSuit);
    EXPECT_EQ(m.suit.row, 1);
    EXPECT_FALSE(m.hasRank || m.hasHighlight);
}

TEST_F(Layout, MarkerScale) {
    pile->cardSize = {88.0f, 128.0f};
    EXPECT_EQ(pile->MarkerScale(88.0f, 128.0f), (Vec2{1.0f, 1.0f})); // 0.6875 exactly
    EXPECT_EQ(pile->MarkerScale(44.0f, 64.0f), (Vec2{2.0f, 2.0f}));
    EXPECT_EQ(pile->MarkerScale(100.0f, 128.0f), (Vec2{0.88f, 0.88f})); // higher than wide: w / cw
    EXPECT_EQ(pile->MarkerScale(128.0f, 64.0f), (Vec2{2.0f, 2.0f}));    // wider than high: h / ch
}
