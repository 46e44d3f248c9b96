// SPDX-License-Identifier: GPL-3.0-or-later
// kartenhaus-cli solve and survey, run as the real binary.
#include <gtest/gtest.h>

#include "CliRun.h"

namespace {

const std::string kFreeCell = std::string(KH_SOURCE_DIR) + "/content/games/freecell/freecell/freecell.game";
const std::string kKlondike = std::string(KH_SOURCE_DIR) + "/content/games/klondike/klondike/klondike.game";

} // namespace

TEST(SolveCli, ANumberedFreeCellDealIsWonAndItsMovesFileReplays) {
    TempDir dir;
    const std::string moves = (dir / "line.moves").string();
    CliResult solved = RunCli({"solve", "--game-file", kFreeCell, "--seed", "1", "--microsoft",
                               "--moves-out", moves});
    ASSERT_EQ(solved.status, 0) << solved.err;
    EXPECT_EQ(solved.out.rfind("won ", 0), 0u) << solved.out;
    EXPECT_NE(solved.out.find("face-down ones too"), std::string::npos);
    CliResult replayed = RunCli({"replay", "--game-file", kFreeCell, "--seed", "1",
                                 "--microsoft", "--moves", moves});
    ASSERT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.out, "won\n");

    // The numbered deal as a layout file gives the same table to solve.
    CliResult dealt = RunCli({"deal", "--game-file", kFreeCell, "--seed", "1", "--microsoft"});
    ASSERT_EQ(dealt.status, 0);
    EXPECT_NE(dealt.out.find("KARTE:\t1\t10"), std::string::npos); // the jack of diamonds
}

TEST(SolveCli, LimitsGiveUnknownAndUsageErrorsAreReported) {
    CliResult limited = RunCli({"solve", "--game-file", kKlondike, "--seed", "3", "--max-nodes", "5"});
    ASSERT_EQ(limited.status, 0) << limited.err;
    EXPECT_EQ(limited.out.rfind("unknown (nodes)", 0), 0u) << limited.out;
    EXPECT_EQ(RunCli({"solve", "--game-file", kKlondike, "--seed", "3", "--microsoft"}).status, 2);
    EXPECT_EQ(RunCli({"survey", "--game-file", kKlondike}).status, 2);
    EXPECT_EQ(RunCli({"survey", "--game-file", kKlondike, "--seeds", "5-2"}).status, 2);
    EXPECT_EQ(RunCli({"solve", "--game-file", kKlondike, "--max-seconds", "0"}).status, 2);
}

TEST(SolveCli, SurveyCountsVerdictsWithTheIntervalOnSeveralThreads) {
    CliResult survey = RunCli({"survey", "--game-file", kFreeCell, "--seeds", "1-4",
                               "--microsoft", "--jobs", "2"});
    ASSERT_EQ(survey.status, 0) << survey.err;
    EXPECT_NE(survey.out.find("won 4, impossible 0, unknown 0"), std::string::npos) << survey.out;
    EXPECT_NE(survey.out.find("win rate 100.0 % (95 % interval 51.0-100.0 %"), std::string::npos)
        << survey.out;
    EXPECT_NE(survey.out.find("median"), std::string::npos);
}
