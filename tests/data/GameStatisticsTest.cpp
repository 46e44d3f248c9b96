// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/GameStatistics.h"
#include "data/GameCategory.h"
#include "data/GameInfo.h"
#include "data/GlobalStatistics.h"
#include "data/TextEncoding.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace {

HighscoreEntry* Entry(int score, const char* name = "", bool won = true) {
    auto* entry = new HighscoreEntry;
    entry->score = score;
    entry->won = won;
    entry->SetName(name);
    return entry;
}

std::vector<int> Scores(const GameStatistics& stats) {
    std::vector<int> scores;
    for (const HighscoreEntry* entry : stats.highscores)
        scores.push_back(entry->score);
    return scores;
}

std::string Names(const GameStatistics& stats) {
    std::string names;
    for (const HighscoreEntry* entry : stats.highscores)
        names += std::string(entry->name) + "|";
    return names;
}

GameStatistics RoundTrip(const GameStatistics& stats) {
    std::stringstream file;
    stats.WriteTo(file);
    GameStatistics back;
    back.ReadFrom(file);
    return back;
}

TEST(GameStatistics, ZeroNeverQualifiesAndNegativeScoresNeedRoomOrALowerEntry) {
    GameStatistics stats;
    EXPECT_FALSE(stats.Qualifies(0));
    EXPECT_TRUE(stats.Qualifies(-5)); // the list has room
    for (int i = 0; i < 10; ++i)
        stats.InsertEntry(Entry(-10));
    EXPECT_FALSE(stats.Qualifies(-10));
    EXPECT_FALSE(stats.Qualifies(-20));
    EXPECT_TRUE(stats.Qualifies(-5));
    EXPECT_FALSE(stats.Qualifies(0));
}

TEST(GameStatistics, AFullListTakesOnlyBetterScoresAndKeepsElevenUntilWritten) {
    GameStatistics stats;
    for (int i = 0; i < 10; ++i)
        stats.InsertEntry(Entry(500 + 10 * i));
    EXPECT_EQ(Scores(stats).front(), 590);
    EXPECT_EQ(Scores(stats).back(), 500);
    EXPECT_FALSE(stats.Qualifies(400));
    EXPECT_FALSE(stats.Qualifies(500));
    EXPECT_TRUE(stats.Qualifies(600));

    stats.InsertEntry(Entry(600));
    EXPECT_EQ(stats.highscores.Count(), 11);
    EXPECT_EQ(Scores(stats).front(), 600);
    EXPECT_EQ(Scores(stats).back(), 500);

    GameStatistics next = RoundTrip(stats);
    ASSERT_EQ(next.highscores.Count(), 10);
    EXPECT_EQ(Scores(next).front(), 600);
    EXPECT_EQ(Scores(next).back(), 510);
}

TEST(GameStatistics, InsertLooksOnlyAtTheFirstTenEntries) {
    GameStatistics stats;
    for (int i = 0; i < 10; ++i)
        stats.InsertEntry(Entry(1000));
    stats.highscores.Append(Entry(100)); // an eleventh, below the visible ten
    stats.InsertEntry(Entry(200));
    // 200 beats none of the first ten, so it goes to the end, after 100.
    EXPECT_EQ(Scores(stats).back(), 200);
}

TEST(GameStatistics, EqualScoresKeepTheirOrderThroughWriteAndRead) {
    GameStatistics stats;
    stats.InsertEntry(Entry(700, "first"));
    stats.InsertEntry(Entry(900, "top"));
    stats.InsertEntry(Entry(700, "second"));
    stats.InsertEntry(Entry(700, "third"));
    EXPECT_EQ(Names(stats), "top|first|second|third|");
    EXPECT_EQ(Names(RoundTrip(stats)), "top|first|second|third|");
}

TEST(GameStatistics, WritesTheDocumentedLineAndReadsItBack) {
    GameStatistics stats;
    stats.wins = 3;
    stats.losses = 2;
    stats.time = 754.25;
    stats.moves = 88;
    HighscoreEntry* entry = Entry(1470, "Lucky Player");
    entry->day = 7;
    entry->month = 12;
    entry->year = 2026;
    entry->time = 123.5;
    stats.InsertEntry(entry);
    std::ostringstream out;
    stats.WriteTo(out);
    EXPECT_EQ(out.str(), "ANZ_WIN:\t3\nANZ_LOSE:\t2\nZEIT:\t754.25\nANZ_MOVES:\t88\n"
                         "P_EINTRAG_START\tDATUM:\t7\t12\t2026\tPUNKTE:\t1470\tWIN:\t1\t"
                         "NAME:\tLucky_Player\tZEIT:\t123.5\tP_EINTRAG_ENDE\t\n");

    GameStatistics back = RoundTrip(stats);
    EXPECT_EQ(back.wins, 3);
    EXPECT_EQ(back.losses, 2);
    EXPECT_DOUBLE_EQ(back.time, 754.25);
    EXPECT_EQ(back.moves, 88);
    ASSERT_EQ(back.highscores.Count(), 1);
    const HighscoreEntry& read = *back.highscores.Get(0);
    EXPECT_STREQ(read.name, "Lucky Player");
    EXPECT_EQ(read.day, 7);
    EXPECT_EQ(read.month, 12);
    EXPECT_EQ(read.year, 2026);
    EXPECT_EQ(read.score, 1470);
    EXPECT_DOUBLE_EQ(read.time, 123.5);
    EXPECT_TRUE(read.won);
}

TEST(GameStatistics, NamesAreOneWordInTheFile) {
    GameStatistics stats;
    stats.InsertEntry(Entry(30, "a_b"));
    stats.InsertEntry(Entry(20, "tab\tand\nline"));
    stats.InsertEntry(Entry(10, "")); // an empty name must not swallow the next key
    stats.highscores.Get(2)->time = 42;
    GameStatistics back = RoundTrip(stats);
    ASSERT_EQ(back.highscores.Count(), 3);
    EXPECT_STREQ(back.highscores.Get(0)->name, "a b");
    EXPECT_STREQ(back.highscores.Get(1)->name, "tab and line");
    EXPECT_STREQ(back.highscores.Get(2)->name, " ");
    EXPECT_DOUBLE_EQ(back.highscores.Get(2)->time, 42);
    EXPECT_TRUE(back.highscores.Get(0)->won);
}

TEST(GameStatistics, ReadingSortsEveryEntryAndSkipsUnknownWords) {
    GameStatistics stats;
    std::istringstream file("JUNK 12 ANZ_WIN: 4 P_EINTRAG_START PUNKTE: 5 FOO NAME: low "
                            "P_EINTRAG_ENDE P_EINTRAG_START PUNKTE: 9 NAME: high WIN: 0 "
                            "P_EINTRAG_ENDE ZEIT: nan ANZ_MOVES: x ANZ_LOSE: 2");
    stats.ReadFrom(file);
    EXPECT_EQ(stats.wins, 4);
    EXPECT_EQ(stats.losses, 2);
    EXPECT_EQ(stats.moves, 0);
    EXPECT_EQ(stats.time, 0.0);
    EXPECT_EQ(Names(stats), "high|low|");
    EXPECT_FALSE(stats.highscores.Get(0)->won);
}

TEST(GameStatistics, AFileOfCountlessEntriesKeepsTheBestWithinBounds) {
    std::string text;
    for (int i = 0; i < GameStatistics::kMaxReadEntries + 500; ++i)
        text += "P_EINTRAG_START PUNKTE: " + std::to_string(i) + " P_EINTRAG_ENDE\n";
    std::istringstream file(text);
    GameStatistics stats;
    stats.ReadFrom(file);
    ASSERT_EQ(stats.highscores.Count(), GameStatistics::kMaxReadEntries);
    EXPECT_EQ(Scores(stats).front(), GameStatistics::kMaxReadEntries + 499);
    EXPECT_EQ(Scores(stats).back(), 500);
}

TEST(GameStatistics, ResetClearsCountersAndList) {
    GameStatistics stats;
    stats.wins = stats.losses = stats.moves = 5;
    stats.time = 9;
    stats.InsertEntry(Entry(10));
    stats.Reset();
    EXPECT_EQ(stats.wins + stats.losses + stats.moves, 0);
    EXPECT_EQ(stats.time, 0.0);
    EXPECT_TRUE(stats.highscores.Empty());
}

TEST(GameStatistics, FileLivesInTheGameFolderAndAMissingFileChangesNothing) {
    TempDir dir;
    GameCategory category;
    category.path = "Patiencen";
    auto* game = new GameInfo;
    game->path = "Kl\xF6ndike"; // Latin-1 in the catalog, UTF-8 on disk
    category.AddGame(game);
    GameStatistics& stats = *game->statistics;
    EXPECT_EQ(stats.gameInfo, game);
    EXPECT_EQ(stats.category, &category);

    stats.wins = 2;
    stats.Read(dir.path); // no file yet
    EXPECT_EQ(stats.wins, 2);

    stats.InsertEntry(Entry(321, "Ann"));
    stats.Write(dir.path);
    std::filesystem::path file = dir.path / "Patiencen" / "Kl\xC3\xB6ndike" / "stats.hs";
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(stats.FilePath(dir.path), file);

    GameInfo other;
    other.path = game->path;
    other.category = &category;
    other.statistics->Read(dir.path);
    EXPECT_EQ(other.statistics->wins, 2);
    EXPECT_EQ(Names(*other.statistics), "Ann|");
}

TEST(GameStatistics, FolderNamesThatLeadOutOfTheWorkingFolderWriteNothing) {
    TempDir dir;
    std::filesystem::create_directories(dir.path / "inside");
    for (const char* folder : {"..", ".", "", "/tmp", "a\\..\\..", "a\\\\b"}) {
        GameCategory category;
        category.path = "inside";
        auto* game = new GameInfo;
        game->path = folder;
        category.AddGame(game);
        EXPECT_TRUE(game->statistics->FilePath(dir.path / "inside").empty()) << folder;
        game->statistics->wins = 7;
        game->statistics->Write(dir.path / "inside");
        game->statistics->Read(dir.path / "inside");
        EXPECT_EQ(game->statistics->wins, 7) << folder;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path / "stats.hs"));
    // Ordinary names, umlauts and sub-folders stay as they are.
    EXPECT_EQ(TextEncoding::WorkingFolderPath("spider\\spider2\\quick.sav"),
              "spider/spider2/quick.sav");
    EXPECT_EQ(TextEncoding::WorkingFolderPath("a..b\\x"), "a..b/x");
    EXPECT_EQ(TextEncoding::WorkingFolderPath("\\etc\\x"), "");
}

TEST(GameStatistics, RandomBytesNeverCrashTheReaders) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::string bytes = RandomBytes(3000, seed);
        // Sprinkle in the keys so the value paths are reached too.
        bytes += " P_EINTRAG_START NAME: " + RandomBytes(2000, seed + 99) + " DATUM: 1";
        std::istringstream a(bytes), b(bytes);
        GameStatistics stats;
        stats.ReadFrom(a);
        GlobalStatistics global;
        global.ReadFrom(b);
        for (const HighscoreEntry* entry : stats.highscores)
            EXPECT_LT(std::strlen(entry->name), sizeof(entry->name));
    }
}

TEST(GlobalStatistics, RoundTripInTheDocumentedOrder) {
    GlobalStatistics stats;
    stats.wins = 1;
    stats.losses = 2;
    stats.gameTime = 3.5;
    stats.moves = 4;
    stats.undoSteps = 5;
    stats.programTime = 1234567.891;
    stats.clicks = 6;
    stats.doubleClicks = 7;
    stats.mouseDistance = 8;
    std::stringstream file;
    stats.WriteTo(file);
    EXPECT_EQ(file.str(), "ANZ_WIN:\t1\nANZ_LOSE:\t2\nZEIT:\t3.5\nANZ_MOVES:\t4\nANZ_UNDO:\t5\n"
                          "ZEIT_SPIEL:\t1.23457e+06\nANZ_KLICK:\t6\nANZ_DBL_KL:\t7\n"
                          "MOUSEMETER:\t8\n");
    GlobalStatistics back;
    back.ReadFrom(file);
    EXPECT_EQ(back.wins, 1);
    EXPECT_EQ(back.losses, 2);
    EXPECT_DOUBLE_EQ(back.gameTime, 3.5);
    EXPECT_EQ(back.moves, 4);
    EXPECT_EQ(back.undoSteps, 5);
    EXPECT_DOUBLE_EQ(back.programTime, 1234570);
    EXPECT_EQ(back.clicks, 6);
    EXPECT_EQ(back.doubleClicks, 7);
    EXPECT_EQ(back.mouseDistance, 8);
}

TEST(GlobalStatistics, MissingFileLeavesZeroAndWriteReplacesTheFile) {
    TempDir dir;
    GlobalStatistics stats;
    stats.Read(dir / "stats.hs");
    EXPECT_EQ(stats.wins + stats.clicks, 0);
    stats.clicks = 12;
    ASSERT_TRUE(stats.Write(dir / "stats.hs"));
    GlobalStatistics back;
    back.Read(dir / "stats.hs");
    EXPECT_EQ(back.clicks, 12);
    EXPECT_FALSE(stats.Write(dir / "no such folder" / "stats.hs"));
}

} // namespace
