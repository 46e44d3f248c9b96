// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "LinkTestTable.h"

using Cards_ = std::vector<Card*>;

namespace {

struct StockAndWaste : LinkTestTable {
    KartenStapel* stock = Add(1);
    KartenStapel* waste = Add(2);
    StockAndWaste() {
        stock->KOVA = Kova::AUFDECKEN_VERKN_1;
        stock->KOLA = Kola::HOLEN_VERKN_SICHTBAR;
        Link(stock, {waste});
    }
};

} // namespace

TEST(LinkedPiles, OneCardStockTurnsInOrderAndFetchesTheWasteBackInTheSameOrder) {
    StockAndWaste t;
    Card* third = t.Down(t.stock, 0, 0);
    Card* second = t.Down(t.stock, 1, 0);
    Card* top = t.Down(t.stock, 2, 0);

    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(t.stock->UncoverByRule());
    EXPECT_EQ(Cards(t.waste->visibleCards), (Cards_{top, second, third}));
    EXPECT_EQ(t.stock->TotalCount(), 0);
    EXPECT_EQ(third->owner, t.waste);

    // The empty stock fetches the waste back face down; the card turned first
    // is on top again.
    EXPECT_TRUE(t.stock->FetchFromLinked());
    EXPECT_EQ(Cards(t.stock->faceDownCards), (Cards_{third, second, top}));
    EXPECT_EQ(t.waste->TotalCount(), 0);
    EXPECT_EQ(top->owner, t.stock);
    EXPECT_TRUE(t.stock->UncoverByRule());
    EXPECT_EQ(Cards(t.waste->visibleCards), (Cards_{top}));
}

TEST(LinkedPiles, MultTurnsUpToItsCountPerLinkedPileAndStopsWhenTheStockRunsOut) {
    LinkTestTable t;
    KartenStapel* stock = t.Add(1);
    KartenStapel* a = t.Add(2);
    KartenStapel* b = t.Add(3);
    stock->KOVA = Kova::AUFDECKEN_VERKN_MULT;
    stock->ANZ_AUFDECKEN = 3;
    LinkTestTable::Link(stock, {a, b});
    Card* lower = t.Down(stock, 4, 1);
    Card* upper = t.Down(stock, 5, 1);

    EXPECT_TRUE(stock->UncoverByRule());
    EXPECT_EQ(Cards(a->visibleCards), (Cards_{upper, lower}));
    EXPECT_EQ(b->TotalCount(), 0);
    EXPECT_EQ(stock->TotalCount(), 0);

    // Three per pile with more cards: the first pile gets three, the second the rest.
    for (int i = 0; i < 4; ++i)
        t.Down(stock, i, 2);
    a->visibleCards.Clear();
    EXPECT_TRUE(stock->UncoverByRule());
    EXPECT_EQ(a->VisibleCount(), 3);
    EXPECT_EQ(b->VisibleCount(), 1);
}

TEST(LinkedPiles, TurningVariantsFirstTurnTheLinkedPilesFaceDown) {
    LinkTestTable t;
    KartenStapel* stock = t.Add(1);
    KartenStapel* a = t.Add(2);
    KartenStapel* b = t.Add(3);
    stock->KOVA = Kova::AUFDECKEN_VERKN_1_U;
    LinkTestTable::Link(stock, {a, b});
    Card* aLow = t.Up(a, 0, 0);
    Card* aTop = t.Up(a, 1, 0);
    Card* bOld = t.Up(b, 2, 0);
    Card* first = t.Down(stock, 7, 3);
    Card* next = t.Down(stock, 8, 3);

    EXPECT_TRUE(stock->UncoverByRule());
    // The former top visible card is the top face-down card now.
    EXPECT_EQ(Cards(a->faceDownCards), (Cards_{aLow, aTop}));
    EXPECT_EQ(Cards(a->visibleCards), (Cards_{next}));
    EXPECT_EQ(Cards(b->faceDownCards), (Cards_{bOld}));
    EXPECT_EQ(Cards(b->visibleCards), (Cards_{first}));

    // MULT_U: turn down, then up to ANZ_AUFDECKEN each.
    stock->KOVA = Kova::AUFDECKEN_VERKN_MULT_U;
    stock->ANZ_AUFDECKEN = 2;
    for (int i = 0; i < 3; ++i)
        t.Down(stock, i, 1);
    EXPECT_TRUE(stock->UncoverByRule());
    EXPECT_EQ(a->FaceDownCount(), 3);
    EXPECT_EQ(a->VisibleCount(), 2);
    EXPECT_EQ(b->FaceDownCount(), 2);
    EXPECT_EQ(b->VisibleCount(), 1);
    EXPECT_EQ(t.TotalCards(), 8);
}

TEST(LinkedPiles, AufdeckenTurnsOnlyTheTopCardAndAsksForNoUndoState) {
    LinkTestTable t;
    KartenStapel* column = t.Add(1);
    column->KOVA = Kova::AUFDECKEN;
    Card* low = t.Down(column, 3, 0);
    Card* top = t.Down(column, 4, 0);
    EXPECT_FALSE(column->UncoverByRule());
    EXPECT_EQ(Cards(column->visibleCards), (Cards_{top}));
    EXPECT_EQ(Cards(column->faceDownCards), (Cards_{low}));
    EXPECT_EQ(top->owner, column);

    column->KOVA = Kova::NICHTS;
    column->visibleCards.Clear();
    column->Layout();
    EXPECT_FALSE(column->UncoverByRule());
    EXPECT_EQ(column->VisibleCount(), 0);
}

TEST(LinkedPiles, FetchVariantsTakeTheirListsAndReverseThem) {
    LinkTestTable t;
    KartenStapel* stock = t.Add(1);
    KartenStapel* a = t.Add(2);
    KartenStapel* b = t.Add(3);
    LinkTestTable::Link(stock, {a, b});
    Card* aDown = t.Down(a, 0, 0);
    Card* aUp1 = t.Up(a, 1, 0);
    Card* aUp2 = t.Up(a, 2, 0);
    Card* bDown1 = t.Down(b, 3, 0);
    Card* bDown2 = t.Down(b, 4, 0);

    stock->KOLA = Kola::HOLEN_VERKN_VERDECKT;
    EXPECT_TRUE(stock->FetchFromLinked());
    // Each card goes under everything: b's cards end lowest, reversed.
    EXPECT_EQ(Cards(stock->faceDownCards), (Cards_{bDown2, bDown1, aDown}));
    EXPECT_EQ(Cards(a->visibleCards), (Cards_{aUp1, aUp2}));

    stock->KOLA = Kola::HOLEN_VERKN_ALLE;
    Card* bDown3 = t.Down(b, 5, 0);
    Card* bUp = t.Up(b, 6, 0);
    EXPECT_TRUE(stock->FetchFromLinked());
    EXPECT_EQ(Cards(stock->faceDownCards),
              (Cards_{bUp, bDown3, aUp2, aUp1, bDown2, bDown1, aDown}));
    EXPECT_TRUE(a->IsCompletelyEmpty());
    EXPECT_TRUE(b->IsCompletelyEmpty());

    // Nothing to fetch still reports a change; NICHTS does not.
    EXPECT_TRUE(stock->FetchFromLinked());
    stock->KOLA = Kola::NICHTS;
    EXPECT_FALSE(stock->FetchFromLinked());
}

TEST(LinkedPiles, APileAmongItsOwnLinksNeitherMovesCardsOntoItselfNorLosesThem) {
    LinkTestTable t;
    KartenStapel* stock = t.Add(1);
    KartenStapel* waste = t.Add(2);
    LinkTestTable::Link(stock, {stock, waste});
    for (int i = 0; i < 4; ++i)
        t.Down(stock, i, 3);
    for (int kova : {Kova::AUFDECKEN_VERKN_MULT, Kova::AUFDECKEN_VERKN_1,
                     Kova::AUFDECKEN_VERKN_MULT_U, Kova::AUFDECKEN_VERKN_1_U}) {
        stock->KOVA = kova;
        stock->ANZ_AUFDECKEN = 1;
        EXPECT_TRUE(stock->UncoverByRule());
        EXPECT_EQ(stock->VisibleCount(), 0);
        EXPECT_EQ(t.TotalCards(), 4);
    }
    for (int kola :
         {Kola::HOLEN_VERKN_VERDECKT, Kola::HOLEN_VERKN_SICHTBAR, Kola::HOLEN_VERKN_ALLE}) {
        stock->KOLA = kola;
        EXPECT_TRUE(stock->FetchFromLinked());
        EXPECT_EQ(t.TotalCards(), 4);
    }
    EXPECT_EQ(stock->FaceDownCount(), 4);

    // A reserve linked only to itself fills nothing.
    LinkTestTable::Link(stock, {stock});
    stock->AUTO_FILL_VERKN = true;
    t.Up(stock, 9, 0);
    stock->UpdatePile(0.0);
    EXPECT_EQ(stock->VisibleCount(), 1);
}

TEST(LinkedPiles, FreeCellsLimitTheRunThatMayBeLaidFromAnotherColumn) {
    LinkTestTable t;
    KartenStapel* source = t.Add(1, {}, {2});
    KartenStapel* column = t.Add(2, {1});
    std::vector<KartenStapel*> cells;
    for (int id = 10; id < 14; ++id) {
        KartenStapel* cell = t.Add(id);
        cell->MAX_GRÖSSE_SICHTBAR = 1;
        cells.push_back(cell);
    }
    LinkTestTable::Link(column, {cells[0], cells[1], cells[2], cells[3]});
    column->ANZ_VERKN_LEER = true;
    column->AF = SuitA::ALLES;
    column->AW = RankA::ALLES;
    column->AFLS = SuitB::ALLES;
    column->AWLS = RankB::ALLES;
    t.Up(cells[0], 0, 0);
    t.Up(cells[1], 1, 0);
    std::vector<Card*> run;
    for (int i = 0; i < 4; ++i)
        run.push_back(t.Up(source, 10 - i, i % 4));

    EXPECT_TRUE(column->AcceptsCards(run[1], 3));
    EXPECT_FALSE(column->AcceptsCards(run[0], 4));

    // From one of its own linked piles the room does not matter.
    column->linkIds.push_back(source->pileId);
    EXPECT_TRUE(column->AcceptsCards(run[0], 4));
    column->linkIds.pop_back();

    // A linked pile without a limit makes room for any run.
    cells[3]->MAX_GRÖSSE_SICHTBAR = -1;
    EXPECT_TRUE(column->AcceptsCards(run[0], 4));
    // A linked pile holding face-down cards that accepts none offers no room.
    cells[3]->MAX_GRÖSSE_SICHTBAR = 1;
    t.Down(cells[2], 5, 2);
    cells[2]->VERDECKT_ACCEPTS_KARTEN = false;
    EXPECT_FALSE(column->AcceptsCards(run[1], 3));
    EXPECT_TRUE(column->AcceptsCards(run[2], 2));
}

TEST(LinkedPiles, ReserveRefillsEachEmptiedColumnTopCardFirst) {
    LinkTestTable t;
    KartenStapel* reserve = t.Add(1);
    std::vector<KartenStapel*> columns;
    for (int id = 2; id <= 5; ++id)
        columns.push_back(t.Add(id));
    reserve->AUTO_FILL_VERKN = true;
    LinkTestTable::Link(reserve, {columns[0], columns[1], columns[2], columns[3]});
    std::vector<Card*> reserveCards;
    for (int i = 0; i < 3; ++i)
        reserveCards.push_back(t.Up(reserve, i, 0));
    for (KartenStapel* column : columns)
        t.Up(column, 12, 1);

    reserve->UpdatePile(0.0);
    EXPECT_EQ(reserve->VisibleCount(), 3); // nothing is empty yet

    columns[1]->visibleCards.Clear();
    columns[3]->visibleCards.Clear();
    reserve->UpdatePile(0.0);
    EXPECT_EQ(Cards(columns[1]->visibleCards), (Cards_{reserveCards[2]}));
    EXPECT_EQ(Cards(columns[3]->visibleCards), (Cards_{reserveCards[1]}));
    EXPECT_EQ(Cards(reserve->visibleCards), (Cards_{reserveCards[0]}));

    // A column with only face-down cards is not empty; of two empty columns the
    // first in order takes the last card, and the reserve stops.
    columns[0]->visibleCards.Clear();
    t.Down(columns[0], 6, 2);
    columns[1]->visibleCards.Clear();
    columns[2]->visibleCards.Clear();
    reserve->UpdatePile(0.0);
    EXPECT_EQ(columns[0]->VisibleCount(), 0);
    EXPECT_EQ(Cards(columns[1]->visibleCards), (Cards_{reserveCards[0]}));
    EXPECT_EQ(columns[2]->VisibleCount(), 0);
    EXPECT_EQ(reserve->VisibleCount(), 0);

    // Without the flag nothing is filled.
    reserve->AUTO_FILL_VERKN = false;
    t.Up(reserve, 9, 3);
    reserve->UpdatePile(0.0);
    EXPECT_EQ(reserve->VisibleCount(), 1);
}

TEST(LinkedPiles, ActiveOnlyWhenTheLinkedPilesAreEmpty) {
    LinkTestTable t;
    KartenStapel* source = t.Add(1, {}, {2});
    KartenStapel* pile = t.Add(2, {1}, {1});
    KartenStapel* a = t.Add(3);
    KartenStapel* b = t.Add(4);
    source->sourceIds = {2};
    pile->AKTIV_IF_VERKN_LEER = true;
    LinkTestTable::Link(pile, {pile, a, b});
    for (KartenStapel* p : {source, pile}) {
        p->AF = SuitA::ALLES;
        p->AW = RankA::ALLES;
        p->AFLS = SuitB::ALLES;
        p->AWLS = RankB::ALLES;
    }
    Card* onPile = t.Up(pile, 3, 3);
    Card* incoming = t.Up(source, 4, 3);
    t.Down(b, 0, 0);

    EXPECT_FALSE(pile->CanGiveCard(onPile));
    EXPECT_FALSE(pile->AcceptsCards(incoming, 1));
    b->faceDownCards.Clear();
    EXPECT_TRUE(pile->CanGiveCard(onPile));
    EXPECT_TRUE(pile->AcceptsCards(incoming, 1));
    t.Up(a, 5, 0);
    EXPECT_FALSE(pile->CanGiveCard(onPile));
    EXPECT_FALSE(pile->AcceptsCards(incoming, 1));
}

TEST(LinkedPiles, EmptyPileAcceptsOnlyFromItsLinkedPilesWhenAsked) {
    LinkTestTable t;
    KartenStapel* linked = t.Add(1, {}, {3});
    KartenStapel* other = t.Add(2, {}, {3});
    KartenStapel* cell = t.Add(3, {1, 2});
    cell->AFLS = SuitB::ALLES;
    cell->AWLS = RankB::ALLES;
    cell->AF = SuitA::ALLES;
    cell->AW = RankA::ALLES;
    cell->LEER_ACCEPTS_ONLY_VERKN = true;
    LinkTestTable::Link(cell, {linked});
    Card* fromLinked = t.Up(linked, 0, 0);
    Card* fromOther = t.Up(other, 1, 0);
    EXPECT_TRUE(cell->AcceptsCards(fromLinked, 1));
    EXPECT_FALSE(cell->AcceptsCards(fromOther, 1));
    // Once it holds a card the condition no longer applies.
    t.Up(cell, 2, 0);
    EXPECT_TRUE(cell->AcceptsCards(fromOther, 1));
}
