// SPDX-License-Identifier: GPL-3.0-or-later
// The player's files: counters that stop at their largest value, writes skipped when nothing
// changed and reported when they fail, the lock of the folder, leftovers of interrupted
// writes, settings switched off for one run, and one statistics record per game folder.
#include "TempDir.h"

#include "data/Counter.h"
#include "data/GameCatalog.h"
#include "data/GlobalStatistics.h"
#include "data/PlayerFile.h"
#include "data/RunOnlySettings.h"
#include "data/StatisticsSharing.h"
#include "data/UserFiles.h"
#include "data/UserFolderLock.h"

#include <gtest/gtest.h>

#include <sstream>
#include <sys/stat.h>

namespace {

int64_t Parsed(const std::string& word, int64_t start = -1) {
    int64_t value = start;
    Counter::Parse(word, value);
    return value;
}

TEST(Counter, AddsUpToTheLargestValueAndReadsWhatLiesBeyondItAsThat) {
    int64_t clicks = Counter::kMax - 2;
    Counter::Add(clicks, 1);
    EXPECT_EQ(clicks, Counter::kMax - 1);
    Counter::Add(clicks, 5);
    EXPECT_EQ(clicks, Counter::kMax);
    Counter::Add(clicks, Counter::kMax);
    EXPECT_EQ(clicks, Counter::kMax);
    int64_t moves = 3;
    Counter::Add(moves, -10);
    EXPECT_EQ(moves, 0) << "never below 0";

    EXPECT_EQ(Parsed("12"), 12);
    EXPECT_EQ(Parsed("+12x"), 12);
    EXPECT_EQ(Parsed("9223372036854775807"), Counter::kMax);
    EXPECT_EQ(Parsed("9223372036854775808"), Counter::kMax);
    EXPECT_EQ(Parsed("99999999999999999999999999999"), Counter::kMax);
    // What an old 32-bit counter left after it wrapped.
    EXPECT_EQ(Parsed("-5"), 4294967291);
    EXPECT_EQ(Parsed("-2147483648"), 2147483648);
    EXPECT_EQ(Parsed("-2147483649"), Counter::kMax);
    EXPECT_EQ(Parsed("-0"), 0);
    EXPECT_EQ(Parsed("x1", 7), 7) << "no number: unchanged";
    EXPECT_EQ(Parsed("-", 7), 7);
    EXPECT_EQ(Parsed("", 7), 7);
}

TEST(PlayerFile, WritesOnlyChangedContentsAndReportsFailuresUntilAWriteSucceeds) {
    TempDir dir;
    PlayerFile::ClearFailures();
    GlobalStatistics stats;
    stats.clicks = 3;
    ASSERT_TRUE(stats.Write(dir / "stats.hs"));
    struct stat before {};
    ASSERT_EQ(stat((dir / "stats.hs").c_str(), &before), 0);
    ASSERT_TRUE(stats.Write(dir / "stats.hs"));
    struct stat after {};
    ASSERT_EQ(stat((dir / "stats.hs").c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino) << "unchanged contents are not written again";

    // A file read at start counts as known; another path is always written.
    GlobalStatistics read;
    read.Read(dir / "stats.hs");
    EXPECT_TRUE(read.Write(dir / "stats.hs"));
    EXPECT_TRUE(PlayerFile::Failures().empty());

    std::filesystem::create_directories(dir / "blocked.hs" / "inside");
    EXPECT_FALSE(read.Write(dir / "blocked.hs"));
    ASSERT_EQ(PlayerFile::Failures().size(), 1u);
    EXPECT_NE(PlayerFile::Failures()[0].find("blocked.hs: Is a directory"), std::string::npos)
        << PlayerFile::Failures()[0];
    EXPECT_FALSE(read.Write(dir / "blocked.hs"));
    EXPECT_EQ(PlayerFile::Failures().size(), 1u) << "one line per file";
    std::filesystem::remove_all(dir / "blocked.hs");
    EXPECT_TRUE(read.Write(dir / "blocked.hs"));
    EXPECT_TRUE(PlayerFile::Failures().empty()) << "saved after all";
    for (const auto& entry : std::filesystem::directory_iterator(dir.path))
        EXPECT_TRUE(entry.path().filename() == "stats.hs" ||
                    entry.path().filename() == "blocked.hs")
            << "no temporary file stays: " << entry.path();
}

TEST(UserFolderLock, OneHolderAtATimeAndFreeAgainWhenReleased) {
    TempDir dir;
    UserFolderLock first, second;
    EXPECT_EQ(first.Acquire(dir / UserFiles::kLockFileName), UserFolderLock::Outcome::Held);
    EXPECT_EQ(second.Acquire(dir / UserFiles::kLockFileName),
              UserFolderLock::Outcome::HeldElsewhere);
    first.Release();
    EXPECT_EQ(second.Acquire(dir / UserFiles::kLockFileName), UserFolderLock::Outcome::Held);
    EXPECT_EQ(first.Acquire(dir / "no such folder" / UserFiles::kLockFileName),
              UserFolderLock::Outcome::Unavailable);
}

TEST(UserFiles, LeftoverTemporariesAreTheWritersNamesOnly) {
    EXPECT_TRUE(UserFiles::IsLeftoverTemporary("stats.hs.a1b2c3", "stats.hs"));
    EXPECT_TRUE(UserFiles::IsLeftoverTemporary("quick.sav.ABCDEF", "quick.sav"));
    EXPECT_FALSE(UserFiles::IsLeftoverTemporary("stats.hs.backup", "stats.hs"))
        << "a name a person would give";
    EXPECT_FALSE(UserFiles::IsLeftoverTemporary("stats.hs.a1b2c", "stats.hs"));
    EXPECT_FALSE(UserFiles::IsLeftoverTemporary("stats.hs.a1b2c34", "stats.hs"));
    EXPECT_FALSE(UserFiles::IsLeftoverTemporary("stats.hs.a1-2c3", "stats.hs"));
    EXPECT_FALSE(UserFiles::IsLeftoverTemporary("stats.hsXa1b2c3", "stats.hs"));
    EXPECT_FALSE(UserFiles::IsLeftoverTemporary("stats.hs", "stats.hs"));

    TempDir dir;
    dir.Write("stats.hs.Q1w2E3", "half");
    dir.Write("cat/game/stats.hs.Q1w2E3", "half");
    dir.Write("cat/game/deep/quick.sav.Q1w2E3", "too deep to be a game's");
    dir.Write("cat/quick.sav.Q1w2E3", "not a game folder");
    std::filesystem::create_directories(dir / "quick.sav.Z9Z9Z9"); // a folder stays
    UserFiles::SetFolder(dir.path);
    EXPECT_EQ(UserFiles::RemoveLeftoverTemporaries(), 2);
    UserFiles::SetFolder({});
    EXPECT_FALSE(std::filesystem::exists(dir / "stats.hs.Q1w2E3"));
    EXPECT_FALSE(std::filesystem::exists(dir / "cat/game/stats.hs.Q1w2E3"));
    EXPECT_TRUE(std::filesystem::exists(dir / "cat/game/deep/quick.sav.Q1w2E3"));
    EXPECT_TRUE(std::filesystem::exists(dir / "cat/quick.sav.Q1w2E3"));
    EXPECT_TRUE(std::filesystem::exists(dir / "quick.sav.Z9Z9Z9"));
}

TEST(RunOnlySettings, TheFileKeepsThePlayersChoiceUntilThePlayerChangesIt) {
    Configuration running;
    running.soundVolume = 100;
    running.cardSet = 5;
    RunOnlySettings runOnly;
    runOnly.SwitchedOff(RunOnlySettings::Sound, running.soundVolume);
    runOnly.SwitchedOff(RunOnlySettings::CardSet, running.cardSet);
    running.soundVolume = 0;
    running.cardSet = 0;
    runOnly.SwitchedOff(RunOnlySettings::CardSet, 0); // a later fall-back changes nothing
    EXPECT_EQ(runOnly.ForFile(running).soundVolume, 100);
    EXPECT_EQ(runOnly.ForFile(running).cardSet, 5);
    EXPECT_EQ(runOnly.ForFile(running).musicVolume, running.musicVolume);
    runOnly.PlayerSet(RunOnlySettings::CardSet);
    running.cardSet = 2;
    EXPECT_EQ(runOnly.ForFile(running).cardSet, 2);
    EXPECT_EQ(runOnly.ForFile(running).soundVolume, 100);
}

TEST(StatisticsSharing, EntriesOfOneGameFolderShareOneRecord) {
    GameCategoryList categories;
    std::istringstream base("KATEGORIE_START NAME: A PATH: cat GAME_START NAME: G PATH: game "
                            "GAME_ENDE GAME_START NAME: H PATH: other GAME_ENDE KATEGORIE_ENDE");
    std::istringstream addOn("KATEGORIE_START NAME: B PATH: cat GAME_START NAME: G2 PATH: game "
                             "GAME_ENDE KATEGORIE_ENDE");
    GameCatalog::ReadCatalog(base, 0, categories);
    GameCatalog::ReadCatalog(addOn, 1, categories);
    ASSERT_EQ(categories.Count(), 2);
    StatisticsSharing::ShareByFolder(categories);
    GameInfo* first = categories[0]->Game(0);
    GameInfo* again = categories[1]->Game(0);
    EXPECT_EQ(first->statistics, again->statistics);
    EXPECT_NE(first->statistics, categories[0]->Game(1)->statistics);
    int records = 0;
    StatisticsSharing::ForEachRecord(categories, [&](GameStatistics& s) {
        ++records;
        s.wins += 1;
    });
    EXPECT_EQ(records, 2);
    EXPECT_EQ(again->statistics->wins, 1);
}

} // namespace
