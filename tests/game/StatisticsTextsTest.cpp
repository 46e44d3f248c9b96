// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the top bar and the statistics page: times cut to whole seconds, the win
// percentage in whole numbers, the rows of the highscore list, and damaged values.
#include "game/StatisticsTexts.h"
#include "data/GameStatistics.h"
#include "data/LanguageTexts.h"
#include "media/BitmapText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

// The English texts of the slots these pages use; every other slot is empty.
LanguageTexts EnglishTexts() {
    LanguageTexts texts;
    for (int i = 0; i < 114; ++i)
        texts.uiTexts.Append(new std::string());
    auto set = [&](int slot, const char* text) { *texts.uiTexts.Get(slot) = text; };
    set(59, "Time: %d:%02d");
    set(60, "Score: %d");
    set(93, "Total time: %d:%02d:%02d");
    set(94, "Time: %d:%02d");
    set(95, "Moves: %d");
    set(96, "Won: %d");
    set(97, "Lost: %d");
    set(98, "Win rate: %d%%");
    set(99, "Name: %s");
    set(100, "%02d/%02d/%d");
    set(101, "Score: %d");
    return texts;
}

using namespace StatisticsTexts;

TEST(StatisticsTexts, TopBarShowsWholeSecondsAndTheScore) {
    const LanguageTexts texts = EnglishTexts();
    EXPECT_EQ(TopBar(texts, 754.99, 1470), "Time: 12:34     Score: 1470");
    EXPECT_EQ(TopBar(texts, 0.5, -80), "Time: 0:00     Score: -80");
    EXPECT_EQ(TopBar(texts, 3600 * 2 + 5, 0), "Time: 120:05     Score: 0");
}

TEST(StatisticsTexts, PercentageIsComputedBeforeDividing) {
    EXPECT_EQ(WinPercentage(1, 2), 33);
    EXPECT_EQ(WinPercentage(2, 1), 66);
    EXPECT_EQ(WinPercentage(0, 0), 0);
    EXPECT_EQ(WinPercentage(5, 0), 100);
    EXPECT_EQ(WinPercentage(INT_MAX, INT_MAX), 50) << "no overflow";
    EXPECT_EQ(WinPercentage(-5, 10), 0) << "a damaged file shows no negative rate";
}

TEST(StatisticsTexts, WholeSecondsSurviveDamagedTimes) {
    EXPECT_EQ(WholeSeconds(59.999), 59);
    EXPECT_EQ(WholeSeconds(-3), 0);
    EXPECT_EQ(WholeSeconds(std::nan("")), 0);
    EXPECT_EQ(WholeSeconds(1e300), INT_MAX);
}

TEST(StatisticsTexts, SummaryAndHighscoreRows) {
    const LanguageTexts texts = EnglishTexts();
    GameStatistics stats;
    stats.time = 3725.9;
    stats.moves = 88;
    stats.wins = 1;
    stats.losses = 2;
    EXPECT_EQ(Summary(texts, stats),
              "Total time: 1:02:05\nMoves: 88\nWon: 1\nLost: 2\nWin rate: 33%");
    stats.Reset();
    EXPECT_EQ(Summary(texts, stats),
              "Total time: 0:00:00\nMoves: 0\nWon: 0\nLost: 0\nWin rate: 0%");

    HighscoreEntry entry;
    entry.SetName("Lucky Player");
    entry.time = 123.5;
    entry.day = 7;
    entry.month = 12;
    entry.year = 2026;
    entry.score = 1470;
    EXPECT_EQ(HighscoreRow(texts, 0, entry),
              "1. Name: Lucky Player Time: 2:03\n07/12/2026 Score: 1470 ");
    // The measure is the text layer's own.
    BitmapText measured;
    measured.SetText("Gr\xFC\xDF"
                     "e, Zoe!");
    measured.SetSize(0.5);
    EXPECT_DOUBLE_EQ(LineWidth("Gr\xFC\xDF"
                               "e, Zoe!",
                               0.5),
                     measured.Width());
    // A name too long for the page is cut to fit, with "..." at its end.
    entry.SetName(std::string(99, 'W').c_str());
    const std::string row = HighscoreRow(texts, 0, entry, 500.0, 0.5);
    const std::string first = row.substr(0, row.find('\n'));
    EXPECT_LE(LineWidth(first, 0.5), 500.0);
    EXPECT_GT(LineWidth(first, 0.5), 450.0) << "no more is cut than needed";
    EXPECT_NE(first.find("WWW... Time: 2:03"), std::string::npos);
    EXPECT_EQ(row.substr(row.find('\n')), "\n07/12/2026 Score: 1470 ");
    // A stray conversion in a name is copied, never read as a format.
    entry.SetName("%s%n");
    EXPECT_EQ(HighscoreRow(texts, 9, entry).substr(0, 14), "10. Name: %s%n");
}

} // namespace
