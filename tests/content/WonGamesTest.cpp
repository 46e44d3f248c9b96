// SPDX-License-Identifier: GPL-3.0-or-later
// Complete won games, replayed by kartenhaus-cli from a constructed table (quick-save format)
// and a moves file, one per family; and moves the rules of each family must refuse.
#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace content;

namespace {

std::string Fixture(const std::string& name) {
    return std::string(KH_SOURCE_DIR) + "/tests/fixtures/content/" + name;
}

std::string Game(const std::string& categoryAndGame) {
    const std::string game = categoryAndGame.substr(categoryAndGame.find('/') + 1);
    return StageGamesDir() + "/" + categoryAndGame + "/" + game + ".game";
}

ToolRun Replay(const std::string& game, const std::string& layout, const std::string& moves) {
    return RunTool(Cli() + " replay --game-file " + Game(game) + " --layout " + layout +
                   " --moves " + moves);
}

std::string LastLine(const std::string& text) {
    std::string t = text;
    while (!t.empty() && t.back() == '\n')
        t.pop_back();
    const size_t at = t.rfind('\n');
    return at == std::string::npos ? t : t.substr(at + 1);
}

// One refused move, tried on the first table of a won game.
void ExpectRefused(const std::string& game, const std::string& stem, const std::string& move) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kh_content_moves_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto moves = dir / (stem + ".moves");
    {
        std::ofstream out(moves);
        out << move << "\n";
    }
    const auto run = Replay(game, Fixture(stem + ".sav"), moves.string());
    EXPECT_EQ(run.exitCode, 3) << game << ": '" << move << "' should be refused\n" << run.output;
}

struct WonGame {
    const char* game;
    const char* stem;
};

const WonGame wonGames[] = {
    {"klondike/klondike", "klondike_won"},
    {"klondike/klondike3", "klondike3_won"},
    {"freecell/freecell", "freecell_won"},
    {"spider/spider4", "spider_won"},
    {"yukon/yukon", "yukon_won"},
    {"golf/golf", "golf_won"},
    {"castle/beleagueredcastle", "beleagueredcastle_won"},
    {"fan/eaglewing", "eaglewing_won"},
};

} // namespace

TEST(WonGames, EveryFamilyReplaysToWon) {
    for (const WonGame& won : wonGames) {
        const auto run = Replay(won.game, Fixture(std::string(won.stem) + ".sav"),
                                Fixture(std::string(won.stem) + ".moves"));
        EXPECT_EQ(run.exitCode, 0) << won.game << "\n" << run.output;
        EXPECT_EQ(LastLine(run.output), "won") << won.game;
    }
}

TEST(WonGames, TheSameTablesAreNotWonWithoutTheMoves) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kh_content_moves_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto empty = dir / "empty.moves";
    std::ofstream(empty) << "# nothing\n";
    for (const WonGame& won : wonGames) {
        const auto run = Replay(won.game, Fixture(std::string(won.stem) + ".sav"), empty.string());
        EXPECT_EQ(LastLine(run.output), "not won") << won.game;
    }
}

TEST(WonGames, FamilyRulesRefuseWhatTheGameForbids) {
    // A seven may not start an empty foundation.
    ExpectRefused("klondike/klondike", "klondike_won", "drag 7 1 3");
    // The turned card lies on the waste; a click on a column's face-up card does nothing.
    ExpectRefused("klondike/klondike", "klondike_won", "drag 13 1 7");
    // A free cell holds one card, and two kings are no run.
    ExpectRefused("freecell/freecell", "freecell_won", "drag 1 2 9");
    // Spider moves only runs of one suit: the aces of spades and diamonds do not go together.
    ExpectRefused("spider/spider4", "spider_won", "drag 18 2 10");
    // Yukon builds in alternating colours: the two of clubs does not go on the king of spades.
    ExpectRefused("yukon/yukon", "yukon_won", "drag 5 1 11");
    // Golf needs one rank up or down: a seven does not go on the ace.
    ExpectRefused("golf/golf", "golf_won", "drag 4 1 1");
    // Beleaguered Castle moves one card at a time.
    ExpectRefused("castle/beleagueredcastle", "beleagueredcastle_won", "drag 5 2 12");
}
