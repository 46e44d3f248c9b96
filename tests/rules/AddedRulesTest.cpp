// SPDX-License-Identifier: GPL-3.0-or-later
// The rule words that came after the first game files: supermoves over empty columns,
// one-suit foundations, chosen deck suits, kings dealt to the bottom, reshuffling and
// limited redeals, no deal onto an empty column, a fanned three-card waste and
// foundations started by the deal.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "LinkTestTable.h"
#include "rules/GameLint.h"

using Cards_ = std::vector<Card*>;

namespace {

// Eight columns (ids 1 … 8) with FreeCell's rules, four free cells (9 … 12).
struct FreeCellTable : LinkTestTable {
    std::vector<KartenStapel*> columns, cells;
    FreeCellTable() {
        for (int id = 1; id <= 8; ++id) {
            KartenStapel* column = Add(id, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8});
            column->AF = SuitA::ALLES;
            column->AW = RankA::VORHERIGE_MINUS;
            column->AFLS = SuitB::ALLES;
            column->AWLS = RankB::ALLES;
            column->CHECK_MOVE_STAPEL = true;
            column->ANZ_VERKN_LEER = true;
            column->doublingIds = {1, 2, 3, 4, 5, 6, 7, 8};
            columns.push_back(column);
        }
        for (int id = 9; id <= 12; ++id) {
            KartenStapel* cell = Add(id);
            cell->MAX_GRÖSSE_SICHTBAR = 1;
            cells.push_back(cell);
        }
        for (KartenStapel* column : columns)
            Link(column, {cells[0], cells[1], cells[2], cells[3]});
    }
    // A run from king downwards on column 1; returns its cards, lowest first.
    std::vector<Card*> Run(int length) {
        std::vector<Card*> run;
        for (int i = 0; i < length; ++i)
            run.push_back(Up(columns[0], Rank::KÖNIG - i, i % 4));
        return run;
    }
};

std::string Pile(const std::string& body) {
    return "STAPEL_START " + body + " STAPEL_ENDE\n";
}

} // namespace

TEST(AddedRules, EmptyColumnsDoubleTheRunThatFreeCellsAllow) {
    FreeCellTable t;
    std::vector<Card*> run = t.Run(7);
    // Columns 3 … 8 hold a card each; column 2 is the target, one cell is taken.
    for (int i = 2; i < 8; ++i)
        t.Up(t.columns[i], Rank::ASS, i % 4);
    t.Up(t.cells[0], Rank::ZWEI, 0);
    t.Up(t.cells[1], Rank::ZWEI, 1);
    // Two free cells, no other empty column: three cards onto the empty column 2.
    EXPECT_TRUE(t.columns[1]->AcceptsCards(run[4], 3));
    EXPECT_FALSE(t.columns[1]->AcceptsCards(run[3], 4));

    // One more empty column (8) doubles it: six onto column 2, and the target itself
    // never counts.
    t.columns[7]->visibleCards.Clear();
    EXPECT_TRUE(t.columns[1]->AcceptsCards(run[1], 6));
    EXPECT_FALSE(t.columns[1]->AcceptsCards(run[0], 7));

    // Onto a card: with two free cells and one empty column (8) a run of five moves, the
    // FreeCell move that single free cells could not carry.
    t.Up(t.columns[1], Rank::KÖNIG, Suit::KARO);
    std::vector<Card*> five;
    for (int i = 0; i < 5; ++i)
        five.push_back(t.Up(t.columns[6], Rank::DAME - i, i % 4));
    EXPECT_TRUE(t.columns[1]->AcceptsCards(five[0], 5));
    // Fill column 8: three cards at most.
    t.Up(t.columns[7], Rank::ASS, Suit::PIK);
    EXPECT_FALSE(t.columns[1]->AcceptsCards(five[0], 5));
    // Empty it again, but without the doubling list: the free cells alone decide, as in
    // files written before the list.
    t.columns[7]->visibleCards.Clear();
    t.columns[1]->doublingIds.clear();
    EXPECT_FALSE(t.columns[1]->AcceptsCards(five[0], 5));
}

TEST(AddedRules, OneSuitFoundationRefusesARunOfOneColourButTwoSuits) {
    LinkTestTable t;
    KartenStapel* column = t.Add(1, {}, {2});
    KartenStapel* foundation = t.Add(2, {1});
    foundation->AF = SuitA::NICHTS;
    foundation->AW = RankA::NICHTS;
    foundation->AFLS = SuitB::ALLE_VORHERIGE;
    foundation->AWLS = RankB::STAPEL_MINUS;
    std::vector<Card*> run;
    for (int rank = Rank::KÖNIG; rank >= Rank::ASS; --rank)
        run.push_back(t.Up(column, rank, Suit::HERZ));
    EXPECT_TRUE(foundation->AcceptsCards(run[0], 13));
    // The seven of diamonds is red as well, but of another suit.
    run[6]->suit = Suit::KARO;
    EXPECT_FALSE(foundation->AcceptsCards(run[0], 13));
    foundation->AFLS = SuitB::ALLE_SELBE; // the colour rule lets it pass
    EXPECT_TRUE(foundation->AcceptsCards(run[0], 13));
    EXPECT_EQ(LookupSuitA("ALLE_VORHERIGE"), SuitA::ALLE_VORHERIGE);
    EXPECT_EQ(LookupSuitB("ALLE_VORHERIGE"), SuitB::ALLE_VORHERIGE);
}

TEST(AddedRules, DeckOfChosenSuitsAndKingsDealtUnderTheirColumn) {
    const std::string game =
        "SPIEL_ANZ_KARTEN: 104 SPIEL_AF: ROT SPIEL_FARBEN_START PIK HERZ SPIEL_FARBEN_ENDE\n" +
        Pile("ID: 1 INIT_ANZ_SICHTBAR: 52 INIT_K\xD6NIGE_UNTEN: 1") +
        Pile("ID: 2 INIT_ANZ_SICHTBAR: 52");
    for (uint32_t seed : {1u, 7u, 99u}) {
        auto table = LoadTable(game, seed);
        ASSERT_EQ(table->deck.Count(), 104);
        int spades = 0, hearts = 0;
        for (const Card* card : table->deck) {
            spades += card->suit == Suit::PIK;
            hearts += card->suit == Suit::HERZ;
        }
        EXPECT_EQ(spades, 52);
        EXPECT_EQ(hearts, 52);
        // Pile 1 holds its kings at the bottom, pile 2 wherever they fell.
        const KartenStapel* first = table->piles[0];
        int kings = 0;
        while (kings < first->VisibleCount() && first->visibleCards[kings]->rank == Rank::KÖNIG)
            ++kings;
        int kingsInPile = 0;
        for (const Card* card : first->visibleCards)
            kingsInPile += card->rank == Rank::KÖNIG;
        EXPECT_GT(kingsInPile, 0);
        EXPECT_EQ(kings, kingsInPile) << "seed " << seed;
    }
    // The same draws with and without the key: only the order of the kings differs.
    auto plain = LoadTable(
        "SPIEL_ANZ_KARTEN: 52 SPIEL_AF: ALLES " + Pile("ID: 1 INIT_ANZ_SICHTBAR: 4") +
            Pile("ID: 2 INIT_ANZ_SICHTBAR: 48"),
        3);
    auto moved = LoadTable("SPIEL_ANZ_KARTEN: 52 SPIEL_AF: ALLES " +
                               Pile("ID: 1 INIT_ANZ_SICHTBAR: 4 INIT_K\xD6NIGE_UNTEN: 1") +
                               Pile("ID: 2 INIT_ANZ_SICHTBAR: 48"),
                           3);
    auto ids = [](const KartenStapel* pile) {
        std::vector<int> out;
        for (const Card* c : pile->visibleCards)
            out.push_back(c->suit * 13 + c->rank);
        std::sort(out.begin(), out.end());
        return out;
    };
    EXPECT_EQ(ids(plain->piles[0]), ids(moved->piles[0]));
    EXPECT_EQ(ids(plain->piles[1]), ids(moved->piles[1]));
}

TEST(AddedRules, ReshuffleDealsTheFansAnewInThreesTwiceAndUndoKeepsTheCount) {
    std::string game = "SPIEL_ANZ_KARTEN: 52 SPIEL_AF: ALLES\n";
    std::string links;
    for (int id = 1; id <= 18; ++id) {
        game += Pile("ID: " + std::to_string(id) + " INIT_ANZ_SICHTBAR: " + (id == 18 ? "1" : "3"));
        links += std::to_string(id) + " ";
    }
    game += Pile("ID: 30 VERK_STAPEL_START " + links +
                 "VERK_STAPEL_ENDE KOLA: MISCHEN_VERKN ANZ_AUFDECKEN: 3 MAX_HOLEN: 2");
    auto table = LoadTable(game, 5);
    KartenStapel* redeal = table->piles[18];
    // Play twelve cards away into a pile outside the links, as if to a foundation.
    table->piles[0]->visibleCards.Clear();
    table->piles[1]->visibleCards.Clear();
    table->piles[2]->visibleCards.Clear();
    table->piles[3]->visibleCards.Clear();
    int onFans = 0;
    for (int i = 0; i < 18; ++i)
        onFans += table->piles[i]->TotalCount();
    ASSERT_EQ(onFans, 40);
    table->PushUndoSnapshot();

    ASSERT_TRUE(redeal->FetchFromLinked());
    table->PushUndoSnapshot();
    // 40 cards: thirteen fans of three and one of one, the rest empty.
    for (int i = 0; i < 18; ++i) {
        const int expected = i < 13 ? 3 : (i == 13 ? 1 : 0);
        EXPECT_EQ(table->piles[i]->VisibleCount(), expected) << "fan " << i;
        EXPECT_EQ(table->piles[i]->FaceDownCount(), 0);
    }
    for (const Card* card : table->piles[13]->visibleCards)
        EXPECT_EQ(card->owner, table->piles[13]);
    EXPECT_EQ(redeal->holenCount, 1);

    EXPECT_TRUE(redeal->FetchFromLinked());
    table->PushUndoSnapshot();
    EXPECT_EQ(redeal->holenCount, 2);
    EXPECT_FALSE(redeal->FetchFromLinked()); // the third redeal is refused
    EXPECT_EQ(redeal->holenCount, 2);

    // Undo brings the count back with the cards; the quick save keeps it.
    ASSERT_TRUE(table->UndoStep());
    EXPECT_EQ(redeal->holenCount, 1);
    std::stringstream saved;
    table->ToQuickSave().Write(saved);
    EXPECT_NE(saved.str().find("HOLEN:\t1"), std::string::npos);
    QuickSaveFile file;
    file.Read(saved);
    auto restored = std::make_unique<KartenTisch>();
    restored->LoadPosition(file, game, 9); // twelve cards were taken off above
    EXPECT_EQ(restored->piles[18]->holenCount, 1);
    EXPECT_TRUE(restored->piles[18]->FetchFromLinked());
    EXPECT_FALSE(restored->piles[18]->FetchFromLinked());
}

TEST(AddedRules, LimitedPassesThroughTheStockAndNoDealOntoAnEmptyColumn) {
    LinkTestTable t;
    KartenStapel* stock = t.Add(1);
    KartenStapel* waste = t.Add(2);
    stock->KOVA = Kova::AUFDECKEN_VERKN_1;
    stock->KOLA = Kola::HOLEN_VERKN_SICHTBAR;
    stock->MAX_HOLEN = 1;
    LinkTestTable::Link(stock, {waste});
    t.Down(stock, 3, 0);
    EXPECT_TRUE(stock->UncoverByRule());
    EXPECT_TRUE(stock->FetchFromLinked());
    EXPECT_TRUE(stock->UncoverByRule());
    EXPECT_FALSE(stock->FetchFromLinked());
    EXPECT_EQ(waste->VisibleCount(), 1);

    LinkTestTable s;
    KartenStapel* spiderStock = s.Add(1);
    KartenStapel* a = s.Add(2);
    KartenStapel* b = s.Add(3);
    spiderStock->KOVA = Kova::AUFDECKEN_VERKN_1;
    spiderStock->KOVA_NICHT_WENN_LEER = true;
    LinkTestTable::Link(spiderStock, {a, b});
    for (int i = 0; i < 4; ++i)
        s.Down(spiderStock, i, 2);
    s.Up(a, 5, 2);
    EXPECT_FALSE(spiderStock->UncoverByRule()); // column b is empty
    EXPECT_EQ(spiderStock->TotalCount(), 4);
    s.Down(b, 7, 3);
    EXPECT_TRUE(spiderStock->UncoverByRule()); // face-down cards count as a filled column
    EXPECT_EQ(spiderStock->TotalCount(), 2);
}

TEST(AddedRules, OnlyTheTopThreeCardsOfTheWasteFanOut) {
    LinkTestTable t;
    KartenStapel* waste = t.Add(1);
    waste->position = {200, 100};
    waste->visibleOffset = {20, 0};
    waste->VERSCH_NUR_OBERSTE = 3;
    std::vector<Card*> cards;
    for (int i = 0; i < 5; ++i)
        cards.push_back(t.Up(waste, i, 0));
    const float xs[5] = {200, 200, 200, 220, 240};
    for (int i = 0; i < 5; ++i)
        EXPECT_FLOAT_EQ(cards[static_cast<size_t>(i)]->target.x, xs[i]) << i;
    // Two cards fan as two.
    waste->visibleCards.Clear();
    t.Up(waste, 9, 1);
    Card* top = t.Up(waste, 10, 1);
    EXPECT_FLOAT_EQ(top->target.x, 220);
}

TEST(AddedRules, FoundationsStartWithTheRankTheDealLaidOnTheFirst) {
    std::string found = "AF: VORHERIGE AW: VORHERIGE_PLUS WRAPING: 1 AFLS: ALLES AWLS: BASIS "
                        "CHECK_MOVE_STAPEL: 1 QUELLSTAPEL_START 9 QUELLSTAPEL_ENDE ";
    auto table = LoadTable("SPIEL_ANZ_KARTEN: 52 SPIEL_AF: ALLES\n" +
                               Pile("ID: 1 INIT_ANZ_SICHTBAR: 1 " + found) +
                               Pile("ID: 2 " + found) +
                               Pile("ID: 9 ZIELSTAPEL_START 1 2 ZIELSTAPEL_ENDE "
                                    "INIT_ANZ_SICHTBAR: 51"),
                           4);
    const int base = table->piles[0]->visibleCards[0]->rank;
    KartenStapel* second = table->piles[1];
    KartenStapel* column = table->piles[2];
    EXPECT_EQ(second->BaseRank(), base);
    for (Card* card : column->visibleCards) {
        // Lay each card alone to ask the empty foundation about it.
        if (card->cardAbove != nullptr) continue;
        EXPECT_EQ(second->AcceptsCards(card, 1), card->rank == base);
    }
    EXPECT_EQ(second->EmptyMarkerCells().rank.row, 12 - base);
}

TEST(AddedRules, LintKnowsTheAddedWordsAndChecksTheSuitGroup) {
    const std::string clean = "SPIEL_ANZ_KARTEN: 2 SPIEL_FARBEN_START PIK SPIEL_FARBEN_ENDE "
                              "SPIEL_ZIEL_START ZIELSTAPEL_START 1 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE\n" +
                              Pile("ID: 1 AFLS: ALLE_VORHERIGE AWLS: BASIS INIT_ANZ_SICHTBAR: 1 "
                                   "QUELLSTAPEL_START 2 QUELLSTAPEL_ENDE "
                                   "LEER_VERDOPPELN_START 2 LEER_VERDOPPELN_ENDE") +
                              Pile("ID: 2 KOLA: MISCHEN_VERKN MAX_HOLEN: 2 VERSCH_NUR_OBERSTE: 3 "
                                   "KOVA_NICHT_WENN_LEER: 1 INIT_K\xD6NIGE_UNTEN: 1 "
                                   "ZIELSTAPEL_START 1 ZIELSTAPEL_ENDE INIT_ANZ_SICHTBAR: 1");
    std::string found;
    for (const LintProblem& p : GameLint().Check(clean))
        found += p.message + "\n";
    EXPECT_EQ(found, "");

    const std::string bad = "SPIEL_ANZ_KARTEN: 1 SPIEL_FARBEN_START PIK LILA SPIEL_FARBEN_ENDE "
                            "SPIEL_ZIEL_START ZIELSTAPEL_START 1 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE\n" +
                            Pile("ID: 1 INIT_ANZ_SICHTBAR: 1 LEER_VERDOPPELN_START 7 "
                                 "LEER_VERDOPPELN_ENDE MAX_HOLEN: zwei");
    found.clear();
    for (const LintProblem& p : GameLint().Check(bad))
        found += p.message + "\n";
    EXPECT_NE(found.find("\"LILA\" in the SPIEL_FARBEN group is no suit"), std::string::npos)
        << found;
    EXPECT_NE(found.find("doubling pile id 7 names no pile"), std::string::npos) << found;
    EXPECT_NE(found.find("\"zwei\" after \"MAX_HOLEN:\" is not a number"), std::string::npos)
        << found;
}
