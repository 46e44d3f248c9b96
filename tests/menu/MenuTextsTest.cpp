// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers and texts of the statistics and result pages, and the catalog colours.
#include "menu/MenuTexts.h"

#include "data/GlobalStatistics.h"
#include "data/LanguageTexts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// UI texts where each slot the pages use holds a short format.
LanguageTexts Texts() {
    LanguageTexts texts;
    for (int slot = 0; slot < 114; ++slot)
        texts.uiTexts.Append(new std::string("t" + std::to_string(slot)));
    auto set = [&](int slot, const char* text) { *texts.uiTexts[slot] = text; };
    set(93, "Zeit %d:%02d:%02d");
    set(95, "Zuege %d");
    set(96, "Siege %d");
    set(97, "Verluste %d");
    set(98, "Quote %d%%");
    set(56, "Undo %d");
    set(52, "Doppel %d");
    set(53, "Klicks %d");
    set(54, "Weg %d");
    set(55, "Programm %d:%02d:%02d");
    set(94, "Zeit %d:%02d");
    set(107, "Punkte");
    set(108, "Fehlklicks %d");
    set(101, "Summe %d");
    return texts;
}

TEST(MenuTexts, WinPercentageIsWholeAndSafe) {
    EXPECT_EQ(MenuTexts::WinPercentage(1, 2), 33);
    EXPECT_EQ(MenuTexts::WinPercentage(0, 0), 0);
    EXPECT_EQ(MenuTexts::WinPercentage(3, 0), 100);
    EXPECT_EQ(MenuTexts::WinPercentage(2, 1), 66) << "truncated, not rounded";
    const int big = std::numeric_limits<int>::max();
    EXPECT_EQ(MenuTexts::WinPercentage(big, big), 50) << "no overflow in wins × 100";
}

TEST(MenuTexts, TimesSplitIntoWholeHoursMinutesAndSeconds) {
    const MenuTexts::Clock c = MenuTexts::SplitTime(3725.9);
    EXPECT_EQ(c.hours, 1);
    EXPECT_EQ(c.minutes, 2);
    EXPECT_EQ(c.seconds, 5);
    const MenuTexts::Clock day = MenuTexts::SplitTime(90061.0);
    EXPECT_EQ(day.hours, 25) << "hours do not wrap at a day";
    EXPECT_EQ(day.minutes, 1);
    // Values a damaged file may hold show as zero or the largest time, never as garbage.
    EXPECT_EQ(MenuTexts::SplitTime(-5.0).seconds, 0);
    EXPECT_EQ(MenuTexts::SplitTime(std::nan("")).hours, 0);
    EXPECT_GT(MenuTexts::SplitTime(1e30).hours, 0);
}

TEST(MenuTexts, TheStatisticsPageHasTenLinesInItsOrder) {
    GlobalStatistics s;
    s.gameTime = 3725.9;
    s.moves = 40;
    s.wins = 1;
    s.losses = 2;
    s.undoSteps = 7;
    s.doubleClicks = 5;
    s.clicks = 99;
    s.mouseDistance = 12345;
    s.programTime = 61.0;
    EXPECT_EQ(MenuTexts::StatisticsPage(s, Texts()),
              "Zeit 1:02:05\nZuege 40\nSiege 1\nVerluste 2\nQuote 33%\nUndo 7\nDoppel 5\n"
              "Klicks 99\nWeg 12345\nProgramm 0:01:01");
}

TEST(MenuTexts, AStrayConversionInALanguageFilePrintsAsItStands) {
    LanguageTexts texts = Texts();
    *texts.uiTexts[96] = "Siege %s %d %n";
    GlobalStatistics s;
    s.wins = 4;
    const std::string page = MenuTexts::StatisticsPage(s, texts);
    EXPECT_NE(page.find("Siege 4 %d %n\n"), std::string::npos) << page;

    LanguageTexts empty;
    EXPECT_EQ(MenuTexts::StatisticsPage(s, empty), "\n\n\n\n\n\n\n\n\n")
        << "missing texts print as nothing";
}

TEST(MenuTexts, TheResultSheetListsEachPenalty) {
    EXPECT_EQ(MenuTexts::ResultSheet(125.7, 874.4, 3, 2, 1234, Texts()),
              "Zeit 2:05\n-125 Punkte\n\nUndo 3\n-60 Punkte\n\nFehlklicks 2\n-80 Punkte\n\n"
              "Summe 1234");
}

TEST(MenuTexts, CatalogColoursRepeatEveryEightCatalogs) {
    EXPECT_EQ(MenuTexts::CatalogColour(0), 0xFF000000u);
    EXPECT_EQ(MenuTexts::CatalogColour(9), 0xFFFF0000u) << "9 mod 8 = 1: red";
    EXPECT_EQ(MenuTexts::CatalogColour(8), 0xFF000000u);
    EXPECT_EQ(MenuTexts::CatalogColour(3), 0xFF0000FFu);
    EXPECT_EQ(MenuTexts::CatalogColour(15), 0xFFFFFFFFu);
}

} // namespace
