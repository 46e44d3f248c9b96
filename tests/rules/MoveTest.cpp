// SPDX-License-Identifier: GPL-3.0-or-later
// Moving cards between piles and the per-frame card motion.
#include <gtest/gtest.h>

#include "RulesTestSupport.h"

namespace {

class Moves : public ::testing::Test {
protected:
    void SetUp() override {
        a = MakePile(1);
        b = MakePile(2);
        b->position = {300.0f, 100.0f};
        for (int i = 0; i < 5; ++i) {
            cards[i] = box.Make(i, Suit::HERZ);
            a->AddVisible(cards[i]);
        }
    }
    std::vector<Card*> List(const PtrList<Card>& l) { return {l.begin(), l.end()}; }

    CardBox box;
    std::unique_ptr<KartenStapel> a, b;
    Card* cards[5] = {};
};

void ExpectConsistent(KartenStapel& pile) {
    for (const PtrList<Card>* list : {&pile.visibleCards, &pile.faceDownCards})
        for (int i = 0; i < list->Count(); ++i) {
            Card* c = (*list)[i];
            EXPECT_EQ(c->owner, &pile);
            EXPECT_EQ(c->cardAbove, list->Get(i + 1));
            EXPECT_EQ(c->cardBelow, list->Get(i - 1));
        }
}

} // namespace

TEST_F(Moves, DepthLimitsTheCardsThatCome) {
    b->AddVisible(cards[1], -1, true, 1); // the card and one above it
    EXPECT_EQ(List(b->visibleCards), (std::vector<Card*>{cards[1], cards[2]}));
    EXPECT_EQ(List(a->visibleCards), (std::vector<Card*>{cards[0], cards[3], cards[4]}));
    ExpectConsistent(*a);
    ExpectConsistent(*b);

    SetUp();
    b->AddVisible(cards[1], -1, true, 0); // depth 0: the card alone
    EXPECT_EQ(List(b->visibleCards), (std::vector<Card*>{cards[1]}));
    EXPECT_EQ(a->VisibleCount(), 4);

    SetUp();
    b->AddVisible(cards[1], -1, false, -1); // without cards above
    EXPECT_EQ(List(b->visibleCards), (std::vector<Card*>{cards[1]}));

    SetUp();
    b->AddVisible(cards[1]); // depth -1: the whole run, order kept
    EXPECT_EQ(List(b->visibleCards), (std::vector<Card*>{cards[1], cards[2], cards[3], cards[4]}));
    EXPECT_EQ(List(a->visibleCards), (std::vector<Card*>{cards[0]}));
    EXPECT_EQ(cards[0]->cardAbove, nullptr);
    ExpectConsistent(*a);
    ExpectConsistent(*b);
}

TEST_F(Moves, InsertPositionAndTheScenesDepth) {
    Card* x = box.Make(Rank::KÖNIG, Suit::PIK);
    Card* y = box.Make(Rank::DAME, Suit::PIK);
    b->AddVisible(x);
    b->AddVisible(y);
    a->VERSCH_GRÖSSE = 2;
    b->AddVisible(cards[2], 1, true, a->MoveDepth()); // depth 3: cards 2, 3, 4
    EXPECT_EQ(List(b->visibleCards), (std::vector<Card*>{x, cards[2], cards[3], cards[4], y}));
    b->AddVisible(cards[0], 99, true, -1); // past the top: on top, with card 1
    EXPECT_EQ(b->TopVisible(), cards[1]);
    EXPECT_EQ(b->TopVisible(5), cards[0]);
    EXPECT_EQ(b->TopVisible(7), nullptr);
    EXPECT_EQ(a->VisibleCount(), 0);
    ExpectConsistent(*b);
}

TEST_F(Moves, AddVisibleOntoTheOwnPileKeepsEveryCard) {
    a->AddVisible(cards[1], -1, true, -1); // run 1..4 on top of its own pile: unchanged
    EXPECT_EQ(List(a->visibleCards),
              (std::vector<Card*>{cards[0], cards[1], cards[2], cards[3], cards[4]}));
    a->AddVisible(cards[4], 0, true, -1); // the top card to the bottom
    EXPECT_EQ(List(a->visibleCards),
              (std::vector<Card*>{cards[4], cards[0], cards[1], cards[2], cards[3]}));
    a->AddVisible(cards[0], -1, false, 0);
    EXPECT_EQ(List(a->visibleCards),
              (std::vector<Card*>{cards[4], cards[1], cards[2], cards[3], cards[0]}));
    ExpectConsistent(*a);
    // A face-down card of the pile turned face up on the same pile.
    Card* down = box.Make(Rank::ASS, Suit::KREUZ);
    a->AddFaceDown(down);
    a->AddVisible(down);
    EXPECT_EQ(a->FaceDownCount(), 0);
    EXPECT_EQ(a->VisibleCount(), 6);
    EXPECT_EQ(a->TopVisible(), down);
    a->AddFaceDown(down);
    a->AddFaceDown(down, 0);
    EXPECT_EQ(a->FaceDownCount(), 1);
    EXPECT_EQ(a->VisibleCount(), 5);
    ExpectConsistent(*a);
}

TEST_F(Moves, AddFaceDownJumpsToThePlaceAndLeavesTheOldPile) {
    b->faceDownOffset = {0.0f, 8.0f};
    b->AddFaceDown(cards[4]);
    b->AddFaceDown(cards[3], 0);
    EXPECT_EQ(List(b->faceDownCards), (std::vector<Card*>{cards[3], cards[4]}));
    EXPECT_EQ(cards[3]->position, b->position); // put at once at the place
    EXPECT_EQ(cards[4]->target, (Vec2{300.0f, 108.0f}));
    EXPECT_EQ(cards[3]->target, b->position);
    EXPECT_EQ(a->VisibleCount(), 3);
    // From another pile's face-down list too: never in two lists.
    b->AddVisible(cards[4]);
    EXPECT_EQ(b->FaceDownCount(), 1);
    EXPECT_EQ(b->WhereIs(cards[4]), CardPlace::Visible);
    a->AddFaceDown(cards[3]);
    EXPECT_EQ(b->WhereIs(cards[3]), CardPlace::None);
    EXPECT_EQ(a->WhereIs(cards[3]), CardPlace::FaceDown);
    ExpectConsistent(*a);
    ExpectConsistent(*b);
}

TEST_F(Moves, TakingTheLastFaceUpCardLeavesTheFaceDownCards) {
    Card* hidden = box.Make(Rank::ZWEI, Suit::PIK);
    b->AddFaceDown(hidden);
    b->AddVisible(cards[4]);
    a->AddVisible(cards[4]);
    EXPECT_EQ(b->VisibleCount(), 0);
    EXPECT_EQ(b->FaceDownCount(), 1);
    EXPECT_EQ(a->TopVisible(), cards[4]);
}

TEST_F(Moves, RemovingACardThatIsNotThereChangesNothing) {
    Card* stranger = box.Make(Rank::ASS, Suit::PIK);
    cards[0]->target = {-1.0f, -1.0f};
    a->RemoveVisible(stranger);
    a->RemoveFaceDown(cards[0]);
    EXPECT_EQ(a->VisibleCount(), 5);
    EXPECT_EQ(cards[0]->target, (Vec2{-1.0f, -1.0f})); // not even laid out again
    a->RemoveVisible(cards[2]);
    EXPECT_EQ(List(a->visibleCards), (std::vector<Card*>{cards[0], cards[1], cards[3], cards[4]}));
    EXPECT_EQ(cards[1]->cardAbove, cards[3]);
}

TEST_F(Moves, CountsAndMarks) {
    b->AddFaceDown(cards[0]);
    int visible = -1, faceDown = -1;
    a->CountCards(visible, faceDown);
    EXPECT_EQ(visible, 4);
    EXPECT_EQ(faceDown, 0);
    b->CountCards(visible, faceDown);
    EXPECT_EQ(visible, 0);
    EXPECT_EQ(faceDown, 1);
    cards[0]->markState = 2;
    cards[3]->markState = 1;
    a->ClearMarks();
    b->ClearMarks();
    EXPECT_EQ(cards[0]->markState, 0);
    EXPECT_EQ(cards[3]->markState, 0);
}

TEST_F(Moves, CardsGlideToTheirTargetsAndComeToRest) {
    Card* c = cards[4];
    c->position = {0.0f, 0.0f};
    c->SetTarget({100.0f, 50.0f}, 10.0, 1);
    a->UpdatePile(0.05); // factor 0.5
    EXPECT_FLOAT_EQ(c->position.x, 50.0f);
    EXPECT_FLOAT_EQ(c->position.y, 25.0f);
    EXPECT_EQ(c->moveMode, 1);
    EXPECT_FALSE(c->faceDown);
    a->UpdatePile(1.0); // factor capped at 1
    EXPECT_EQ(c->position, (Vec2{100.0f, 50.0f}));
    EXPECT_EQ(c->moveMode, 0);
    // moveMode 2 never switches to rest by itself.
    c->SetTarget({100.5f, 50.0f}, 10.0, 2);
    a->UpdatePile(1.0);
    EXPECT_EQ(c->moveMode, 2);
    // faceDown follows the list the card lies in.
    b->AddFaceDown(c);
    b->UpdatePile(0.0);
    EXPECT_TRUE(c->faceDown);
    Card loose(Rank::ASS, Suit::KREUZ);
    loose.faceDown = true;
    loose.Step(0.1);
    EXPECT_FALSE(loose.faceDown);
}

TEST_F(Moves, DraggedRunFollowsItsLowestCard) {
    a->MOVE_STAPEL = true;
    a->position = {100.0f, 100.0f};
    a->visibleOffset = {0.0f, 20.0f};
    a->LayoutVisible();
    // While dragged (markState 2), the cards above follow at twice visibleOffset.
    cards[2]->markState = 2;
    cards[2]->SetTarget({500.0f, 500.0f}, 10000.0, 2);
    EXPECT_EQ(cards[3]->target, (Vec2{500.0f, 540.0f}));
    EXPECT_EQ(cards[4]->target, (Vec2{500.0f, 560.0f})); // card 3 is not dragged: effective offset
    EXPECT_EQ(cards[3]->moveMode, 2);
    EXPECT_EQ(cards[1]->target.y, 120.0f); // the cards below stay
    // Without MOVE_STAPEL only the card moves.
    a->MOVE_STAPEL = false;
    a->LayoutVisible();
    cards[2]->SetTarget({500.0f, 500.0f}, 10000.0, 2);
    EXPECT_EQ(cards[3]->target, (Vec2{100.0f, 160.0f}));
}
