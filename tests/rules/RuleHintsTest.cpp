// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/RuleHints.h"

#include <gtest/gtest.h>

#include "LinkTestTable.h"

namespace {

// Slot texts in the roles of the rule hint: suit and rank names, then markers
// that show which slot a line came from.
TextList HintTexts() {
    const char* words[] = {"diamonds", "spades",   "hearts",    "clubs",        "ace",
                           "two",      "three",    "four",      "five",         "six",
                           "seven",    "eight",    "nine",      "ten",          "jack",
                           "queen",    "king",     "movable",   "fixed",        "%d face down",
                           "red",      "black",    "ascending", "complete run", "room for %d",
                           "%d more",  "anything", "nothing",   "takes:"};
    TextList texts;
    for (const char* word : words)
        texts.Append(new std::string(word));
    return texts;
}

} // namespace

TEST(RuleHints, CardNamesUseTheSlotOrderOfTheSuits) {
    TextList texts = HintTexts();
    EXPECT_EQ(CardName(texts, Suit::KREUZ, Rank::ASS), "clubs ace");
    EXPECT_EQ(CardName(texts, Suit::KARO, Rank::KÖNIG), "diamonds king");
    EXPECT_EQ(CardName(texts, Suit::PIK, Rank::ZEHN), "spades ten");
    EXPECT_EQ(CardName(texts, Suit::HERZ, Rank::FÜNF), "hearts five");
    TextList empty;
    EXPECT_EQ(CardName(empty, Suit::HERZ, Rank::FÜNF), " ");
}

TEST(RuleHints, CardRulesInWords) {
    TextList t = HintTexts();
    auto describe = [&](int af, int aw, int suit, int rank, bool wrap = false) {
        return DescribeCardRules(t, af, aw, suit, rank, wrap);
    };
    EXPECT_EQ(describe(SuitA::ALLES, RankA::ALLES, 0, 5), "anything");
    EXPECT_EQ(describe(SuitA::NICHTS, RankA::ALLES, 0, 5), "nothing");
    EXPECT_EQ(describe(SuitA::ALLES, RankA::NICHTS, 0, 5), "nothing");
    // Alternate colours downwards on a black NEUN: a red ACHT.
    EXPECT_EQ(describe(SuitA::ROT_SCHWARZ, RankA::VORHERIGE_MINUS, Suit::PIK, Rank::NEUN),
              "red eight");
    EXPECT_EQ(describe(SuitA::ROT_SCHWARZ, RankA::VORHERIGE_MINUS, Suit::HERZ, Rank::NEUN),
              "black eight");
    EXPECT_EQ(describe(SuitA::VORHERIGE, RankA::VORHERIGE_PLUS, Suit::HERZ, Rank::ZWEI),
              "hearts three");
    EXPECT_EQ(describe(SuitA::VORHERIGE_FARBE, Rank::DAME, Suit::KARO, Rank::ASS), "red queen");
    EXPECT_EQ(describe(SuitA::ROT, RankA::ALLES, 0, 0), "red");
    EXPECT_EQ(describe(SuitA::KREUZ, RankA::ZAHLEN, 0, 0), "clubs");
    EXPECT_EQ(describe(SuitA::ALLES, RankA::PLUS_MINUS, 0, Rank::SIEBEN), "six, eight");
    // The ends of the ranks, with and without wrapping.
    EXPECT_EQ(describe(SuitA::ALLES, RankA::VORHERIGE_MINUS, 0, Rank::ASS), "nothing");
    EXPECT_EQ(describe(SuitA::ALLES, RankA::VORHERIGE_MINUS, 0, Rank::ASS, true), "king");
    EXPECT_EQ(describe(SuitA::ROT, RankA::VORHERIGE_PLUS, 0, Rank::KÖNIG), "nothing");
    EXPECT_EQ(describe(SuitA::ROT, RankA::VORHERIGE_PLUS, 0, Rank::KÖNIG, true), "red ace");
    EXPECT_EQ(describe(SuitA::ALLES, RankA::PLUS_MINUS, 0, Rank::ASS), "two");
    EXPECT_EQ(describe(SuitA::ALLES, RankA::PLUS_MINUS, 0, Rank::ASS, true), "king, two");
    EXPECT_EQ(describe(SuitA::ALLES, RankA::PLUS_MINUS, 0, Rank::KÖNIG), "queen");
    EXPECT_EQ(describe(SuitA::ALLES, RankA::PLUS_MINUS, 0, Rank::KÖNIG, true), "queen, ace");
    EXPECT_EQ(describe(SuitA::ALLES, RankA::STAPEL_PLUS, 0, Rank::SECHS),
              "ascending complete run five");
    EXPECT_EQ(describe(SuitA::ALLES, RankA::STAPEL_MINUS, 0, Rank::SECHS), "complete run five");
}

TEST(RuleHints, EmptyPlaceRulesInWords) {
    TextList t = HintTexts();
    EXPECT_EQ(DescribeEmptyRules(t, SuitB::ALLES, RankB::ALLES), "anything");
    EXPECT_EQ(DescribeEmptyRules(t, SuitB::NICHTS, RankB::ALLES), "nothing");
    EXPECT_EQ(DescribeEmptyRules(t, SuitB::ALLES, RankB::NICHTS), "nothing");
    EXPECT_EQ(DescribeEmptyRules(t, SuitB::HERZ, Rank::KÖNIG), "hearts king");
    EXPECT_EQ(DescribeEmptyRules(t, SuitB::SCHWARZ, RankB::ALLES), "black");
    EXPECT_EQ(DescribeEmptyRules(t, SuitB::ALLES, Rank::ASS), "ace");
    EXPECT_EQ(DescribeEmptyRules(t, SuitB::ALLES, RankB::STAPEL_PLUS), "ascending complete run");
    EXPECT_EQ(DescribeEmptyRules(t, SuitB::ROT, RankB::STAPEL_MINUS), "red complete run");
}

TEST(RuleHints, BubbleTextForACardAFaceDownStackAndAnEmptyPlace) {
    TextList t = HintTexts();
    LinkTestTable table;
    KartenStapel* column = table.Add(1, {2}, {2});
    KartenStapel* stock = table.Add(2, {}, {1});
    KartenStapel* cell = table.Add(3, {1});
    column->position = {100, 100};
    column->visibleOffset = {0, 25};
    column->AF = SuitA::ROT_SCHWARZ;
    column->AW = RankA::VORHERIGE_MINUS;
    column->VERSCH_GRÖSSE = 1;
    stock->position = {300, 100};
    cell->position = {500, 100};
    cell->AFLS = SuitB::ALLES;
    cell->AWLS = RankB::ALLES;
    cell->MAX_GRÖSSE_SICHTBAR = 1;
    Card* lower = table.Up(column, Rank::ASS, Suit::KREUZ);
    Card* top = table.Up(column, Rank::NEUN, Suit::PIK);
    for (int i = 0; i < 3; ++i)
        table.Down(stock, i, 1);
    for (KartenStapel* pile : table.piles)
        for (Card* card : pile->visibleCards)
            card->position = card->target;
    for (KartenStapel* pile : table.piles)
        for (Card* card : pile->faceDownCards)
            card->position = card->target;

    EXPECT_EQ(RuleHintText(t, table.piles, top, 0, 0), "spades nine\nmovable\ntakes: red eight");
    // A card under another: no rule line; it cannot be taken with VERSCH_GRÖSSE 1.
    EXPECT_EQ(RuleHintText(t, table.piles, lower, 0, 0), "clubs ace\nfixed");
    EXPECT_EQ(RuleHintText(t, table.piles, nullptr, 310, 110), "3 face down");
    EXPECT_EQ(RuleHintText(t, table.piles, nullptr, 510, 110), "takes: anything\nroom for 1");
    EXPECT_EQ(RuleHintText(t, table.piles, nullptr, 900, 700), std::nullopt);

    // A pile that takes from nowhere reads as accepting nothing; a limited pile
    // tells the room left.
    column->sourceIds.clear();
    column->MAX_GRÖSSE_SICHTBAR = 5;
    EXPECT_EQ(RuleHintText(t, table.piles, top, 0, 0),
              "spades nine\nmovable\ntakes: nothing\n3 more");
    // An ASS under VORHERIGE_MINUS without wrapping reads "nothing"; with it, KÖNIG.
    column->sourceIds = {2};
    column->MAX_GRÖSSE_SICHTBAR = -1;
    column->AF = SuitA::ALLES;
    column->visibleCards.RemoveAt(1, false);
    column->Layout();
    EXPECT_EQ(RuleHintText(t, table.piles, lower, 0, 0), "clubs ace\nmovable\ntakes: nothing");
    column->WRAPING = true;
    EXPECT_EQ(RuleHintText(t, table.piles, lower, 0, 0), "clubs ace\nmovable\ntakes: king");
}

TEST(RuleHints, AStrayConversionInALanguageFileReadsNothing) {
    TextList t = HintTexts();
    *t[19] = "%s %d %x %n cards";
    LinkTestTable table;
    KartenStapel* stock = table.Add(1);
    table.Down(stock, 0, 0);
    stock->faceDownCards[0]->position = stock->position;
    EXPECT_EQ(RuleHintText(t, table.piles, nullptr, 5, 5), "1 %d %x %n cards");
}

TEST(RuleHints, TheBubbleFadesInHalfASecondAfterThePointerStops) {
    EXPECT_EQ(RuleHintAlpha(0.0, 0.5), 0);
    EXPECT_EQ(RuleHintAlpha(0.5, 0.5), 0);
    EXPECT_EQ(RuleHintAlpha(0.75, 0.5), 127);
    EXPECT_EQ(RuleHintAlpha(1.0, 0.5), 255);
    EXPECT_EQ(RuleHintAlpha(60.0, 0.5), 255);
}
