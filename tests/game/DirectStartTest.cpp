// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a game straight from the command line.
#include "TableTestSupport.h"

#include "app/RunOptions.h"

#include <sstream>

namespace {

using namespace tabletest;

ParseResult Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "kartenhaus");
    std::ostringstream out, err;
    return ParseCommandLine(static_cast<int>(args.size()), args.data(), out, err);
}

TEST(DirectStartOptionsTest, GameAndSeedAreReadAndChecked) {
    const ParseResult ok = Parse({"--game", "klondike/klondike", "--seed", "4294967295"});
    ASSERT_EQ(ok.outcome, ParseOutcome::Run);
    EXPECT_EQ(ok.options.game, "klondike/klondike");
    EXPECT_TRUE(ok.options.hasSeed);
    EXPECT_EQ(ok.options.seed, 4294967295u);
    for (const char* bad : {"klondike", "/klondike", "klondike/", "a/b/c"})
        EXPECT_EQ(Parse({"--game", bad}).outcome, ParseOutcome::UsageError) << bad;
    for (const char* bad : {"-1", "4294967296", "12x", ""})
        EXPECT_EQ(Parse({"--seed", bad}).outcome, ParseOutcome::UsageError) << bad;
    EXPECT_FALSE(Parse({}).options.hasSeed);
}

class DirectStartTest : public TableTest {};

TEST_F(DirectStartTest, TheSameSeedDealsTheSameTable) {
    auto deal = [&](uint32_t seed) {
        Open("test", "klondike", seed);
        std::vector<int> cards;
        for (const Card* card : Game().deck)
            cards.push_back(card->suit * 13 + card->rank);
        std::vector<int> tops;
        for (const KartenStapel* pile : Game().piles)
            tops.push_back(pile->TopVisible() ? pile->TopVisible()->rank : -1);
        return std::make_pair(cards, tops);
    };
    EXPECT_EQ(deal(42), deal(42));
    EXPECT_NE(deal(42).second, deal(43).second);
    EXPECT_EQ(app.runState, 1) << "a game is running";
}

TEST_F(DirectStartTest, OnlyGamesTheArchivesHoldCanBeOpened) {
    EXPECT_TRUE(DirectGameScene::GameExists("test", "ladder"));
    EXPECT_FALSE(DirectGameScene::GameExists("test", "nosuchgame"));
    // Without a catalog the folder names stand in for the display names.
    Open("test", "ladder", 1);
    EXPECT_EQ(Game().StatusCaption(), "test - ladder");
}

} // namespace
