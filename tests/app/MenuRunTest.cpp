// SPDX-License-Identifier: GPL-3.0-or-later
// The game program from a fresh working directory, played through its menu by a script:
// switching the language, opening a category and a game, winning it and typing the name for
// the highscore list with Shift, leaving another game before its first move, and quitting
// with Escape; then the files the program wrote at exit.
#include "data/GameArchiveWriter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path buildData = fs::path(KH_BINARY_DIR) / "data";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The build's pictures, sounds, card sets and games, with a catalog of the test's own: the
// Klondike of the build and, from an add-on archive, a game that is won when it is dealt.
fs::path FreshWorkingDirectory() {
    const fs::path dir = fs::temp_directory_path() / ("kh_menurun_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* name : {"base.gob", "games.gob", "cards.gob", "Cards.typ", "background.gob",
                             "Background.typ", "deutsch.lng", "english.lng", "musik"})
        fs::create_symlink(buildData / name, dir / name);
    std::ofstream(dir / "Games.kat")
        << "KATEGORIE_START NAME: Klondike PATH: klondike\n"
           "  GAME_START NAME: Klondike PATH: klondike GAME_ENDE\nKATEGORIE_ENDE\n"
           "KATEGORIE_START NAME: Probe PATH: test\n"
           "  GAME_START NAME: Vier_Ziele PATH: fourgoals GAME_ENDE\nKATEGORIE_ENDE\n";
    GameArchiveWriter::Write(
        dir / "games_1.gob",
        {{"test\\fourgoals\\fourgoals.game",
          ReadFile(fs::path(KH_SOURCE_DIR) / "tests/fixtures/game/fourgoals.game")}});
    return dir;
}

int RunGame(const fs::path& dir, const std::string& arguments) {
    const std::string command =
        "cd '" + dir.string() + "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 120 '" +
        std::string(KH_BINARY_DIR) + "/kartenhaus' --data . --user-dir . " + arguments + " >output.txt 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(MenuRun, AWholeSessionThroughTheMenuEndsWithItsFilesWritten) {
    if (!fs::exists(buildData / "base.gob")) GTEST_SKIP() << "the build's data is not made";
    const fs::path dir = FreshWorkingDirectory();
    // Points of the 1024 × 768 layout: main buttons at x 512, y 329 (play) …; the language
    // markers at (390, 645) and (539, 645); list rows at y 247 + 52 × row.
    std::ofstream(dir / "session.txt") << "0 move 512 384\n"
                                          "3 click 539 645\n"  // English
                                          "5 click 390 645\n"  // German
                                          "7 click 539 645\n"  // English again
                                          "9 click 512 329\n"  // play: the categories
                                          "11 click 512 299\n" // Probe
                                          "13 click 512 247\n" // its game, won when dealt
                                          "16 click 900 700\n" // the bounce is skipped
                                          "18 keydown Shift\n"
                                          "18 key L\n"
                                          "18 keyup Shift\n"
                                          "19 key U\n"
                                          "19 key C\n"
                                          "19 key K\n"
                                          "19 key Y\n"
                                          "19 key Space\n"
                                          "19 key 7\n"
                                          "20 screenshot result.png\n"
                                          "21 key Return\n"
                                          "25 click 512 329\n"
                                          "27 click 512 247\n" // Klondike
                                          "29 click 512 247\n" // its game
                                          "32 key Escape\n"    // the game menu
                                          "34 click 512 499\n" // back to the main menu
                                          "36 screenshot back.png\n"
                                          "40 key Escape\n"; // quit
    ASSERT_EQ(RunGame(dir, "--script session.txt --step 0.02 --seed 3"), 0)
        << ReadFile(dir / "output.txt");
    EXPECT_TRUE(fs::exists(dir / "result.png"));
    EXPECT_TRUE(fs::exists(dir / "back.png"));

    const std::string settings = ReadFile(dir / "solit\xC3\xA4r.cfg");
    EXPECT_NE(settings.find("SPRACHE:\t1"), std::string::npos) << settings;

    const std::string global = ReadFile(dir / "stats.hs");
    EXPECT_NE(global.find("ANZ_WIN:\t1\n"), std::string::npos) << global;
    EXPECT_NE(global.find("ANZ_LOSE:\t0\n"), std::string::npos)
        << "leaving before the first move counts nothing\n"
        << global;
    EXPECT_NE(global.find("ANZ_KLICK:\t11\n"), std::string::npos) << global;
    EXPECT_EQ(global.find("MOUSEMETER:\t0\n"), std::string::npos) << global;

    const std::string won = ReadFile(dir / "test" / "fourgoals" / "stats.hs");
    EXPECT_NE(won.find("ANZ_WIN:\t1\n"), std::string::npos) << won;
    EXPECT_NE(won.find("WIN:\t1\tNAME:\tLucky_7\t"), std::string::npos) << won;

    const std::string left = ReadFile(dir / "klondike" / "klondike" / "stats.hs");
    EXPECT_NE(left.find("ANZ_LOSE:\t0\n"), std::string::npos) << left;
    fs::remove_all(dir);
}

TEST(MenuRun, AGameNamedOnTheCommandLineStartsAtOnce) {
    if (!fs::exists(buildData / "base.gob")) GTEST_SKIP() << "the build's data is not made";
    const fs::path dir = FreshWorkingDirectory();
    // Leaving the game shows the main page, where Escape quits.
    std::ofstream(dir / "leave.txt") << "3 key Escape\n"
                                        "5 click 512 499\n"
                                        "8 key Escape\n";
    EXPECT_EQ(RunGame(dir, "--game klondike/klondike --seed 5 --script leave.txt --step 0.02"), 0)
        << ReadFile(dir / "output.txt");
    EXPECT_TRUE(fs::exists(dir / "klondike" / "klondike" / "stats.hs"));
    EXPECT_EQ(RunGame(dir, "--game nowhere/none --frames 2"), 2);
    fs::remove_all(dir);
}

} // namespace
