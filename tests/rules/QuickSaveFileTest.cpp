// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/QuickSaveFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace {

QuickSaveFile FromText(const std::string& text) {
    std::istringstream in(text);
    QuickSaveFile file;
    file.Read(in);
    return file;
}

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("kh_quicksave_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

} // namespace

TEST(QuickSaveFile, WritesTheExactLayout) {
    QuickSaveFile file;
    file.undoCount = 2;
    file.goalBonus = 100;
    file.timeScore = 917.5;
    file.gameTime = 82.5;
    file.piles.push_back({1, {{3, 0, false}, {3, 1, false}}, true});
    file.piles.push_back({7, {{0, 12, true}}, true});
    EXPECT_EQ(file.ToText(), "UNDO_POINTS:\t2\n"
                             "PUNKTE:\t100\n"
                             "PUNKTEBONUS:\t917.5\n"
                             "DBLFAILED:\t0\n"
                             "ZEIT:\t82.5\n"
                             "STAPEL_START\nID:\t1\n"
                             "SICHTBAR_START\nKARTE:\t3\t0\nKARTE:\t3\t1\nSICHTBAR_ENDE\n"
                             "VERDECKT_START\nVERDECKT_ENDE\n"
                             "STAPEL_ENDE\n"
                             "STAPEL_START\nID:\t7\n"
                             "SICHTBAR_START\nSICHTBAR_ENDE\n"
                             "VERDECKT_START\nKARTE:\t0\t12\nVERDECKT_ENDE\n"
                             "STAPEL_ENDE\n");
}

TEST(QuickSaveFile, ClocksKeepSixSignificantDigits) {
    QuickSaveFile file;
    file.gameTime = 95.4321;
    EXPECT_EQ(FromText(file.ToText()).gameTime, 95.4321);
    file.gameTime = 1234567.8;
    EXPECT_NE(file.ToText().find("ZEIT:\t1.23457e+06\n"), std::string::npos);
    EXPECT_EQ(FromText(file.ToText()).gameTime, 1.23457e+06);
}

TEST(QuickSaveFile, ReadsBackWhatItWrote) {
    QuickSaveFile file;
    file.undoCount = 5;
    file.goalBonus = 250;
    file.timeScore = -12.25;
    file.failedDoubleClicks = 3;
    file.gameTime = 1.5;
    file.piles.push_back({4, {{1, 5, true}, {2, 6, true}, {3, 7, false}}, true});
    file.piles.push_back({-2, {}, true});
    QuickSaveFile read = FromText(file.ToText());
    EXPECT_EQ(read.undoCount, 5);
    EXPECT_EQ(read.goalBonus, 250);
    EXPECT_EQ(read.timeScore, -12.25);
    EXPECT_EQ(read.failedDoubleClicks, 3);
    EXPECT_EQ(read.gameTime, 1.5);
    ASSERT_EQ(read.piles.size(), 2u);
    EXPECT_EQ(read.piles[0].id, 4);
    ASSERT_EQ(read.piles[0].cards.size(), 3u);
    // Visible cards are written first; within each list the order is kept.
    EXPECT_FALSE(read.piles[0].cards[0].faceDown);
    EXPECT_EQ(read.piles[0].cards[0].rank, 7);
    EXPECT_TRUE(read.piles[0].cards[1].faceDown);
    EXPECT_EQ(read.piles[0].cards[1].rank, 5);
    EXPECT_EQ(read.piles[0].cards[2].rank, 6);
    EXPECT_EQ(read.piles[1].id, -2);
    EXPECT_TRUE(read.piles[1].closed);
}

TEST(QuickSaveFile, ForeignContentIsSkippedAndMissingValuesKeepTheirDefaults) {
    QuickSaveFile read = FromText("hello UNDO_POINTS: PUNKTEBONUS: abc ZEIT: 12 "
                                  "STAPEL_START junk SICHTBAR_START KARTE: x y KARTE: 4 1 "
                                  "KARTE: 1 13 KARTE: -1 2 KARTE: 2 12 SICHTBAR_ENDE STAPEL_ENDE "
                                  "PUNKTE: nan DBLFAILED: 7");
    EXPECT_EQ(read.undoCount, 0);    // the next word was a key, not a value
    EXPECT_EQ(read.timeScore, 1000); // "abc" is no number
    EXPECT_EQ(read.gameTime, 12);
    EXPECT_EQ(read.goalBonus, 0); // not-a-number is refused
    EXPECT_EQ(read.failedDoubleClicks, 7);
    ASSERT_EQ(read.piles.size(), 1u);
    EXPECT_EQ(read.piles[0].id, 0); // a block without ID: gets 0
    // "x y" reads as KREUZ ASS; suit 4, rank 13 and suit -1 are dropped.
    ASSERT_EQ(read.piles[0].cards.size(), 2u);
    EXPECT_EQ(read.piles[0].cards[0].suit, 0);
    EXPECT_EQ(read.piles[0].cards[0].rank, 0);
    EXPECT_EQ(read.piles[0].cards[1].suit, 2);
    EXPECT_EQ(read.piles[0].cards[1].rank, 12);
}

TEST(QuickSaveFile, AbsurdInputStaysBounded) {
    std::string many = "STAPEL_START ID: 1 SICHTBAR_START\n";
    many.reserve(12 * 1000000 + 100);
    for (int i = 0; i < 1000000; ++i)
        many += "KARTE:\t1\t2\n";
    many += "SICHTBAR_ENDE STAPEL_ENDE";
    QuickSaveFile read = FromText(many);
    EXPECT_EQ(read.CardCount(), QuickSaveFile::kMaxCards);

    std::string blocks;
    for (int i = 0; i < QuickSaveFile::kMaxPiles + 50; ++i)
        blocks += "STAPEL_START STAPEL_ENDE ";
    EXPECT_EQ(FromText(blocks).piles.size(), static_cast<size_t>(QuickSaveFile::kMaxPiles));

    // Random bytes, and one endless word: read without a crash, nothing useful kept.
    std::string noise;
    uint32_t state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 214013 + 2531011;
        noise.push_back(static_cast<char>(state >> 16));
    }
    FromText(noise);
    QuickSaveFile endless = FromText(std::string(3000000, 'K') + " ZEIT: 4");
    EXPECT_EQ(endless.gameTime, 4);
}

TEST(QuickSaveFile, UnclosedBlockIsKeptButMarked) {
    QuickSaveFile read = FromText("STAPEL_START ID: 3 VERDECKT_START KARTE: 1 1 VERDECKT_ENDE");
    ASSERT_EQ(read.piles.size(), 1u);
    EXPECT_FALSE(read.piles[0].closed);
    EXPECT_EQ(read.piles[0].cards.size(), 1u);
}

TEST(QuickSaveFile, WriteFileReplacesTheWholeFileAndLeavesNoTemporary) {
    const std::filesystem::path folder = TempPath("twice");
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "quick.sav").string();
    QuickSaveFile first;
    first.piles.push_back({1, {{0, 0, false}, {1, 1, false}, {2, 2, false}}, true});
    ASSERT_TRUE(first.WriteFile(path));
    QuickSaveFile second;
    second.undoCount = 9;
    ASSERT_TRUE(second.WriteFile(path));
    QuickSaveFile read;
    ASSERT_TRUE(read.ReadFile(path));
    EXPECT_EQ(read.undoCount, 9);
    EXPECT_TRUE(read.piles.empty());
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++files;
    EXPECT_EQ(files, 1);
    std::filesystem::remove_all(folder);

    EXPECT_FALSE(second.WriteFile("/nonexistent-folder/quick.sav"));
    QuickSaveFile untouched;
    EXPECT_FALSE(untouched.ReadFile("/nonexistent-folder/quick.sav"));
}

TEST(QuickSaveFile, PathOfAGameOnDisk) {
    EXPECT_EQ(QuickSaveFile::PathFor("einfach", "erstes"), "einfach/erstes/quick.sav");
    EXPECT_EQ(QuickSaveFile::PathFor("K\xF6nige", "Sp\xE4t"),
              "K\xC3\xB6nige/Sp\xC3\xA4t/quick.sav");
    // A catalog folder that leads out of the working folder gives no file at all.
    EXPECT_EQ(QuickSaveFile::PathFor("..", "erstes"), "");
    EXPECT_EQ(QuickSaveFile::PathFor("einfach", "..\\..\\etc"), "");
    EXPECT_EQ(QuickSaveFile::PathFor("\\root", "x"), "");
}
