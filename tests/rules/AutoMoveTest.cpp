// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "LinkTestTable.h"

namespace {

void AcceptEverything(KartenStapel* pile) {
    pile->AF = SuitA::ALLES;
    pile->AW = RankA::ALLES;
    pile->AFLS = SuitB::ALLES;
    pile->AWLS = RankB::ALLES;
}

// Foundations take an ASS on the empty place, then the next rank of the suit.
void Foundation(KartenStapel* pile) {
    pile->isGoalPile = true;
    pile->AF = SuitA::VORHERIGE;
    pile->AW = RankA::VORHERIGE_PLUS;
    pile->AFLS = SuitB::ALLES;
    pile->AWLS = Rank::ASS;
}

} // namespace

TEST(AutoMove, GoalPilesComeFirstEvenWhenAnEarlierPileWouldTakeTheCard) {
    LinkTestTable t;
    KartenStapel* free = t.Add(1, {4});
    KartenStapel* spades = t.Add(2, {4});
    KartenStapel* hearts = t.Add(3, {4});
    KartenStapel* column = t.Add(4, {}, {1, 2, 3});
    AcceptEverything(free);
    Foundation(spades);
    Foundation(hearts);
    t.Up(spades, Rank::ASS, Suit::PIK);
    Card* ace = t.Up(column, Rank::ASS, Suit::HERZ);

    EXPECT_TRUE(column->AutoMoveCard(ace));
    EXPECT_EQ(ace->owner, hearts);

    // A card no goal pile takes goes to the first other pile that does.
    Card* king = t.Up(column, Rank::KÖNIG, Suit::KARO);
    EXPECT_TRUE(column->AutoMoveCard(king));
    EXPECT_EQ(king->owner, free);
}

TEST(AutoMove, NeverTheCardsOwnPileAndFailsWhenNobodyTakesIt) {
    LinkTestTable t;
    KartenStapel* column = t.Add(1, {1}, {1, 2});
    KartenStapel* other = t.Add(2, {3});
    AcceptEverything(column);
    AcceptEverything(other);
    Card* card = t.Up(column, 5, 0);
    EXPECT_FALSE(column->AutoMoveCard(card)); // pile 2 does not take from pile 1
    EXPECT_EQ(card->owner, column);
    // A card of another pile or a face-down card is never sent.
    Card* hidden = t.Down(other, 6, 0);
    EXPECT_FALSE(other->AutoMoveCard(hidden));
    EXPECT_FALSE(other->AutoMoveCard(card));
}

TEST(AutoMove, TheRunMovesAlongAndTheCountIsTheSourcesLimit) {
    LinkTestTable t;
    KartenStapel* column = t.Add(1, {}, {2});
    KartenStapel* target = t.Add(2, {1});
    AcceptEverything(target);
    Card* low = t.Up(column, 8, 0);
    Card* high = t.Up(column, 7, 1);

    // VERSCH_GRÖSSE 1: a card with a card on it cannot be given at all.
    column->VERSCH_GRÖSSE = 1;
    EXPECT_FALSE(column->AutoMoveCard(low));
    // The count passed is the limit, so a target holding at most one more card
    // refuses even a single card when the limit is 2.
    column->VERSCH_GRÖSSE = 2;
    target->MAX_GRÖSSE_SICHTBAR = 1;
    EXPECT_FALSE(column->AutoMoveCard(high));
    target->MAX_GRÖSSE_SICHTBAR = -1;
    column->VERSCH_GRÖSSE = -1;
    EXPECT_TRUE(column->AutoMoveCard(low));
    EXPECT_EQ(Cards(target->visibleCards), (std::vector<Card*>{low, high}));
}
