// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>

#include "CliRun.h"
#include "data/GameArchiveWriter.h"
#include "rules/QuickSaveFile.h"

namespace {

const std::string kLadder = Fixture("ladder.game");

QuickSaveFile ParseSave(const std::string& text) {
    std::istringstream in(text);
    QuickSaveFile save;
    save.Read(in);
    return save;
}

std::string Latin1Ladder() {
    std::string text = TempDir::Read(kLadder);
    for (size_t at; (at = text.find("\xC3\x96")) != std::string::npos;)
        text.replace(at, 2, "\xD6");
    return text;
}

} // namespace

TEST(Cli, HelpForEveryCommandAndUsageErrors) {
    for (const char* command : {"deal", "replay", "lint"}) {
        CliResult help = RunCli({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_NE(help.out.find(std::string("usage: kartenhaus-cli ") + command),
                  std::string::npos);
    }
    CliResult top = RunCli({"--help"});
    EXPECT_EQ(top.status, 0);
    EXPECT_NE(top.out.find("replay"), std::string::npos);

    EXPECT_EQ(RunCli({}).status, 2);
    EXPECT_EQ(RunCli({"shuffle"}).status, 2);
    EXPECT_EQ(RunCli({"deal"}).status, 2);
    EXPECT_EQ(RunCli({"deal", "--game-file", kLadder, "--seed", "x"}).status, 2);
    EXPECT_EQ(RunCli({"deal", "--game-file", kLadder, "--data", "/tmp", "--game", "a/b"}).status,
              2);
    EXPECT_EQ(RunCli({"deal", "--data", "/tmp", "--game", "nofolder"}).status, 2);
    EXPECT_EQ(RunCli({"replay", "--game-file", kLadder}).status, 2); // no --moves
    EXPECT_EQ(RunCli({"lint"}).status, 2);
    CliResult missing = RunCli({"deal", "--game-file", "/nonexistent/x.game"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
}

TEST(Cli, DealPrintsAQuickSaveThatTheSameSeedRepeats) {
    CliResult first = RunCli({"deal", "--game-file", kLadder, "--seed", "42"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out.rfind("UNDO_POINTS:\t0\nPUNKTE:\t100\nPUNKTEBONUS:\t1000\n", 0), 0u);
    QuickSaveFile save = ParseSave(first.out);
    ASSERT_EQ(save.piles.size(), 6u);
    EXPECT_EQ(save.CardCount(), 8);
    EXPECT_EQ(save.piles[0].id, 1);
    EXPECT_EQ(save.piles[0].cards.size(), 2u);
    EXPECT_TRUE(save.piles[0].cards[0].faceDown);
    EXPECT_EQ(RunCli({"deal", "--game-file", kLadder, "--seed", "42"}).out, first.out);
    // Some other seed deals the equal-ranked cards in another order.
    bool differs = false;
    for (int seed = 1; seed <= 8 && !differs; ++seed)
        differs = RunCli({"deal", "--game-file", kLadder, "--seed", std::to_string(seed)}).out !=
                  first.out;
    EXPECT_TRUE(differs);
}

TEST(Cli, DealFindsTheGameInTheGamesArchivesLikeTheGame) {
    TempDir data;
    const std::string ladder = Latin1Ladder();
    // The add-on holds the game; the main archive only something else.
    ASSERT_TRUE(
        GameArchiveWriter::Write(data / "games.gob", {{"einfach\\other\\other.game", "x"}}));
    ASSERT_TRUE(
        GameArchiveWriter::Write(data / "games_1.gob", {{"Einfach\\Leiter\\Leiter.game", ladder}}));
    CliResult dealt =
        RunCli({"deal", "--data", data.path.string(), "--game", "einfach/leiter", "--seed", "3"});
    ASSERT_EQ(dealt.status, 0) << dealt.err;
    EXPECT_EQ(dealt.out, RunCli({"deal", "--game-file", kLadder, "--seed", "3"}).out);

    CliResult missing = RunCli({"deal", "--data", data.path.string(), "--game", "einfach/nope"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("einfach\\nope\\nope.game"), std::string::npos);
}

TEST(Cli, ReplayWinsTheGameFromAMovesFile) {
    for (const char* seed : {"1", "2", "77"}) {
        CliResult won = RunCli({"replay", "--game-file", kLadder, "--seed", seed, "--moves",
                                Fixture("ladder-won.moves")});
        EXPECT_EQ(won.status, 0) << won.err;
        EXPECT_EQ(won.out, "won\n");
    }
    // The same from a saved layout, by drags and clicks, shown move by move.
    CliResult printed =
        RunCli({"replay", "--game-file", kLadder, "--layout", Fixture("ladder-layout.sav"),
                "--moves", Fixture("ladder-layout-won.moves"), "--print"});
    ASSERT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(printed.out.rfind("start\n  1: (2)\n", 0), 0u) << printed.out;
    EXPECT_NE(printed.out.find("line 2: drag 4 1 5\n"), std::string::npos);
    EXPECT_NE(printed.out.find("  5: AD 2D 3D 4D\n  6: AH 2H 3H 4H\nscore 1400\nwon\n"),
              std::string::npos);
}

TEST(Cli, HistoryMovesInAReplay) {
    TempDir dir;
    std::string moves = TempDir::Read(Fixture("ladder-layout-won.moves"));
    auto run = [&](const std::string& tail) {
        return RunCli({"replay", "--game-file", kLadder, "--layout", Fixture("ladder-layout.sav"),
                       "--moves", dir.Write("m.moves", moves + tail).string()});
    };
    EXPECT_EQ(run("undo\n").out, "not won\n");
    EXPECT_EQ(run("undo\nredo\n").out, "won\n");
    EXPECT_EQ(run("undo-all\n").out, "not won\n");
    EXPECT_EQ(run("undo-all\nredo-all\n").out, "won\n");
    // At the end of the history redo does nothing and is no error.
    CliResult redo = run("redo\nredo-all\n");
    EXPECT_EQ(redo.status, 0);
    EXPECT_EQ(redo.out, "won\n");
}

TEST(Cli, ARefusedMoveStopsWithItsLineAndTheTable) {
    TempDir dir;
    auto run = [&](const std::string& moves) {
        return RunCli({"replay", "--game-file", kLadder, "--layout", Fixture("ladder-layout.sav"),
                       "--moves", dir.Write("m.moves", moves).string()});
    };
    // ZWEI KARO fits on the KARO foundation, ZWEI HERZ does not.
    CliResult refused = run("drag 4 1 5\n# comment\ndrag 4 1 5\nclick 1\n");
    EXPECT_EQ(refused.status, 3);
    EXPECT_EQ(refused.out.rfind("line 3: refused: drag 4 1 5\n", 0), 0u) << refused.out;
    EXPECT_NE(refused.out.find("  4: 2H\n  5: AD 2D\n"), std::string::npos) << refused.out;
    EXPECT_NE(refused.err.find("line 3: pile 5 does not accept"), std::string::npos);

    struct Case {
        const char* moves;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {"drag 9 1 5\n", "line 1: refused: drag 9 1 5\n", "no pile has ID 9"},
        {"drag 4 1 9\n", "line 1: refused: drag 4 1 9\n", "no pile has ID 9"},
        {"drag 4 3 5\n", "line 1: refused: drag 4 3 5\n", "shows 2 visible cards, not 3"},
        {"auto 2 1\n", "line 1: refused: auto 2 1\n", "shows 0 visible cards"},
        {"drag 4 1 4\n", "line 1: refused: drag 4 1 4\n", "its own pile"},
        {"click 4\n", "line 1: refused: click 4\n", "shows visible cards"},
        {"click 2\n", "line 1: refused: click 2\n", "does nothing"},
        {"auto 5 1\n", "line 1: refused: auto 5 1\n", "no pile takes"},
    };
    for (const Case& c : cases) {
        CliResult result = run(c.moves);
        EXPECT_EQ(result.status, 3) << c.moves;
        EXPECT_EQ(result.out.rfind(c.out, 0), 0u) << result.out;
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    }
}

TEST(Cli, MalformedMovesFilesAreUsageErrorsNamingTheLine) {
    TempDir dir;
    auto run = [&](const std::string& moves) {
        return RunCli({"replay", "--game-file", kLadder, "--seed", "1", "--moves",
                       dir.Write("m.moves", moves).string()});
    };
    const std::pair<const char*, const char*> cases[] = {
        {"undo\njump 1 2\n", "line 2: unknown move \"jump\""},
        {"drag 4 1\n", "line 1: missing number"},
        {"auto four 1\n", "line 1: \"four\" is not a number"},
        {"\n\nclick 1 2\n", "line 3: too many words"},
        {"drag 4 0 5\n", "line 1: N must be 1 or more"},
    };
    for (const auto& [moves, message] : cases) {
        CliResult result = run(moves);
        EXPECT_EQ(result.status, 2) << moves;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(result.out, ""); // nothing was played
    }
    EXPECT_EQ(run(RandomBytes(5000, 9)).status, 2);
    CliResult noFile = RunCli({"replay", "--game-file", kLadder, "--moves", "/nonexistent.moves"});
    EXPECT_EQ(noFile.status, 2);
    CliResult badLayout = RunCli({"replay", "--game-file", kLadder, "--layout", "/nonexistent.sav",
                                  "--moves", dir.Write("ok.moves", "").string()});
    EXPECT_EQ(badLayout.status, 2);
    // A layout of random bytes is read without a crash; it holds none of the
    // deck's cards, so it is refused.
    CliResult noise = RunCli({"replay", "--game-file", kLadder, "--layout",
                              dir.Write("noise.sav", RandomBytes(100000, 4)).string(), "--moves",
                              dir.Write("ok.moves", "").string()});
    EXPECT_EQ(noise.status, 2);
    EXPECT_EQ(noise.out, "");
}

TEST(Cli, ReplayRefusesALayoutThatIsNotTheDeckAndMovesThatNeverEnd) {
    TempDir dir;
    const std::string moves = dir.Write("ok.moves", "").string();
    // The ladder's own layout plays; with extra aces of hearts it is refused.
    const std::string layout = TempDir::Read(Fixture("ladder-layout.sav"));
    EXPECT_EQ(RunCli({"replay", "--game-file", kLadder, "--layout", Fixture("ladder-layout.sav"),
                      "--moves", moves})
                  .status,
              0);
    std::string conjured = layout.substr(0, layout.find("SICHTBAR_ENDE"));
    for (int i = 0; i < 9950; ++i)
        conjured += "KARTE:\t3\t0\n";
    conjured += layout.substr(layout.find("SICHTBAR_ENDE"));
    CliResult extra = RunCli({"replay", "--game-file", kLadder, "--layout",
                              dir.Write("extra.sav", conjured).string(), "--moves", moves});
    EXPECT_EQ(extra.status, 2);
    EXPECT_NE(extra.err.find("not the deck"), std::string::npos) << extra.err;
    EXPECT_EQ(extra.out, "");

    // Endless or blocking inputs are refused at once.
    const std::string fifo = (dir / "fifo.moves").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& endless : {std::string("/dev/zero"), std::string("/dev/urandom"), fifo}) {
        CliResult result = RunCli({"replay", "--game-file", kLadder, "--moves", endless});
        EXPECT_EQ(result.status, 2) << endless;
        EXPECT_NE(result.err.find("not a regular file"), std::string::npos) << result.err;
    }
    CliResult huge = RunCli({"replay", "--game-file", kLadder, "--moves",
                             dir.Write("huge.moves", std::string(5 << 20, '\n')).string()});
    EXPECT_EQ(huge.status, 2);
    EXPECT_NE(huge.err.find("larger than"), std::string::npos) << huge.err;
}

TEST(Cli, LintReportsProblemsWithTheirPositionsAndPassesACleanGame) {
    CliResult clean = RunCli({"lint", kLadder});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, kLadder + ": ok\n");

    const std::string bad = Fixture("lint-problems.game");
    CliResult problems = RunCli({"lint", kLadder, bad});
    EXPECT_EQ(problems.status, 1);
    for (const char* expected :
         {":8:5: rule word \"GRÜN\" after \"AF:\" is in no table of that key; it counts as "
          "NICHTS\n",
          ":9:1: unknown key \"AFF:\" in a pile block\n",
          ":10:1: unknown key \"MOVE_STAPEL\" (did you mean \"MOVE_STAPEL:\"?)\n",
          ":11:1: key and value run together in \"AWLS:ASS\"",
          ":12:20: target pile id 9 names no pile\n",
          ":20:10: \"ja\" after \"WRAPING:\" is not 0 or 1\n",
          ":23:1: pile 3: no other pile can give cards to it or take cards from it\n",
          ":29:20: goal pile id 7 names no pile\n",
          ": the deal asks for 10 cards but the deck holds 8\n"})
        EXPECT_NE(problems.out.find(bad + expected), std::string::npos) << expected;
    EXPECT_EQ(RunCli({"lint", "/nonexistent.game"}).status, 2);
}
