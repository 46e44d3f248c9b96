// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ProgressTestSupport.h"

TEST(UndoHistory, TheDealIsTheFirstStateAndUndoToStartThereCostsNothing) {
    auto table = LoadTable(LadderGame());
    EXPECT_EQ(table->undoIndex, 0);
    EXPECT_EQ(table->undoHistory.size(), 1u);
    EXPECT_EQ(table->movesCounted, 1);
    EXPECT_FALSE(table->UndoToStart());
    EXPECT_FALSE(table->UndoStep());
    EXPECT_FALSE(table->RedoStep());
    EXPECT_FALSE(table->RedoToEnd());
    EXPECT_EQ(table->undoCount, 0);
    EXPECT_EQ(table->undosCounted, 0);
}

TEST(UndoHistory, UndoRestoresEachStateAndAMoveDiscardsTheRedoBranch) {
    auto table = LoadTable(LadderGame());
    std::string dealt = TableText(*table);
    Play(*table, "auto 4 1");
    std::string one = TableText(*table);
    Play(*table, "auto 4 1\nauto 3 1");
    std::string three = TableText(*table);
    EXPECT_EQ(table->undoIndex, 3);
    EXPECT_EQ(table->movesCounted, 4);

    EXPECT_TRUE(table->UndoStep());
    EXPECT_TRUE(table->UndoStep());
    EXPECT_EQ(table->undoIndex, 1);
    EXPECT_EQ(table->undoCount, 2);
    EXPECT_EQ(TableText(*table).substr(TableText(*table).find("STAPEL_START")),
              one.substr(one.find("STAPEL_START")));
    // Cards know their piles again after a restore.
    for (KartenStapel* pile : table->piles)
        for (Card* card : pile->visibleCards)
            EXPECT_EQ(card->owner, pile);

    EXPECT_TRUE(table->RedoToEnd());
    EXPECT_EQ(table->undoIndex, 3);
    EXPECT_EQ(TableText(*table).substr(TableText(*table).find("STAPEL_START")),
              three.substr(three.find("STAPEL_START")));
    EXPECT_TRUE(table->UndoToStart());
    EXPECT_EQ(TableText(*table).substr(TableText(*table).find("STAPEL_START")),
              dealt.substr(dealt.find("STAPEL_START")));
    EXPECT_TRUE(table->RedoStep());
    EXPECT_EQ(table->undoCount, 5);
    EXPECT_EQ(table->undosCounted, 5);

    // Two steps back, then a move: the undone states are gone.
    EXPECT_TRUE(table->RedoToEnd());
    table->UndoStep();
    table->UndoStep();
    Play(*table, "auto 3 1");
    EXPECT_EQ(table->undoHistory.size(), 3u);
    EXPECT_EQ(table->undoIndex, 2);
    EXPECT_FALSE(table->RedoStep());
    EXPECT_FALSE(table->RedoToEnd());
}

TEST(Score, GoalBonusAndTimeAllowance) {
    auto table = LoadTable(kHalfDoneGame);
    EXPECT_EQ(table->ComputeScore(), 1000);
    for (int second = 0; second < 30; ++second)
        table->UpdateTimeScore(1.0);
    EXPECT_EQ(table->goalBonus, 500);
    EXPECT_EQ(table->timeScore, 970);
    EXPECT_EQ(table->ComputeScore(), 1470);
    // The allowance never falls below minus the goal bonus.
    for (int second = 30; second < 1500; ++second)
        table->UpdateTimeScore(1.0);
    EXPECT_EQ(table->timeScore, -500);
    EXPECT_EQ(table->ComputeScore(), 0);
    // A paused frame advances nothing.
    table->UpdateTimeScore(0.0);
    EXPECT_EQ(table->timeScore, -500);
}

TEST(Score, AFreshGameLosesOnePointPerSecondUntilACardIsHome) {
    auto table = LoadTable(R"(
SPIEL_ANZ_KARTEN: 4 SPIEL_AF: ALLES SPIEL_AW: ALLES
STAPEL_START ID: 1 INIT_ANZ_SICHTBAR: 4 STAPEL_ENDE
STAPEL_START ID: 2 STAPEL_ENDE
SPIEL_ZIEL_START ZIELSTAPEL_START 2 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE)");
    table->UpdateTimeScore(2.5);
    EXPECT_EQ(table->ComputeScore(), 997); // 997.5, truncated
    for (int i = 0; i < 2000; ++i)
        table->UpdateTimeScore(1.0);
    EXPECT_EQ(table->timeScore, 0); // held at minus a goal bonus of 0
    // Three undo steps and a failed double click cost 100 points; the score may
    // go below zero.
    table->undoCount = 3;
    table->failedDoubleClicks = 1;
    EXPECT_EQ(table->ComputeScore(), -100);
}

TEST(Score, TheWinFreezesTheAllowanceAndTheJokersScoreZero) {
    auto table = LoadTable(LadderGame());
    Play(*table, "auto 4 1\nauto 4 1\nauto 3 1\nclick 3\nauto 3 1\nclick 1\nauto 2 1\nclick 1");
    table->UpdateTimeScore(10.0);
    EXPECT_FALSE(table->IsGameWon());
    EXPECT_EQ(table->timeScore, 990);
    Play(*table, "auto 2 1");
    EXPECT_TRUE(table->IsGameWon());
    table->UpdateTimeScore(10.0);
    EXPECT_EQ(table->timeScore, 990);
    EXPECT_EQ(table->goalBonus, 400);
    EXPECT_EQ(table->ComputeScore(), 1390);

    table->forceWin = true;
    EXPECT_EQ(table->ComputeScore(), 0);

    auto relaxed = LoadTable(kHalfDoneGame);
    relaxed->UpdateTimeScore(1.0);
    relaxed->RelaxAllRules();
    EXPECT_EQ(relaxed->ComputeScore(), 0);
    for (KartenStapel* pile : relaxed->piles) {
        EXPECT_EQ(pile->AF, SuitA::ALLES);
        EXPECT_EQ(pile->AWLS, RankB::ALLES);
        EXPECT_EQ(pile->VERSCH_GRÖSSE, -1);
    }
    // Loading the game again clears both jokers.
    relaxed->LoadGameDefinition(std::string_view(kHalfDoneGame), 2);
    EXPECT_FALSE(relaxed->rulesRelaxed);
    EXPECT_EQ(relaxed->ComputeScore(), 1000);
}

TEST(Score, AbsurdValuesFromAFileStayAValidScore) {
    auto table = LoadTable(kHalfDoneGame);
    table->timeScore = 1e300;
    EXPECT_EQ(table->ComputeScore(), INT_MAX);
    table->timeScore = -1e300;
    EXPECT_EQ(table->ComputeScore(), INT_MIN);
}
