// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole runs of the game program for the tests of what it keeps: a working folder of its
// own with the build's pictures, sounds, card sets and texts, a catalog of test games (from
// an add-on archive), settings for quick headless runs, and a script of input events. The
// files the program wrote are then read back.
#include "data/GameArchiveWriter.h"
#include "data/TextEncoding.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace programrun {

namespace fs = std::filesystem;

inline const fs::path buildData = fs::path(KH_BINARY_DIR) / "data";
inline const std::string program = std::string(KH_BINARY_DIR) + "/kartenhaus";
inline const std::string settingsName = "solit\xC3\xA4r.cfg";

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void WriteFile(const fs::path& path, const std::string& text) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string Fixture(const std::string& relative) {
    const std::string text = ReadFile(fs::path(KH_SOURCE_DIR) / "tests/fixtures" / relative);
    return TextEncoding::Utf8ToLatin1(text).value_or(text);
}

// Points of the 1024 × 768 layout that the scripts click.
namespace at {
inline constexpr const char* card = "104 624";     // the card of "test/onecard"
inline constexpr const char* table = "900 700";    // empty table (ends the bounce)
inline constexpr const char* loadSave = "544 68";  // toolbar: load the quick save
inline constexpr const char* writeSave = "577 68"; // toolbar: quick save
inline constexpr const char* newGame = "615 68";   // toolbar: new game
inline constexpr const char* mainMenu = "512 499"; // game menu: back to the main menu
inline constexpr const char* confirm = "512 554";  // result page: confirm
inline constexpr const char* english = "539 645";  // main page: English
} // namespace at

class ProgramRun : public ::testing::Test {
protected:
    // A working folder with the games "test/fourgoals" (won when dealt) and "test/onecard"
    // (won by one double click on its card) from an add-on archive.
    void SetUp() override {
        if (!fs::exists(buildData / "base.gob")) GTEST_SKIP() << "the build's data is not made";
        dir = fs::temp_directory_path() /
              ("kh_run_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (const char* name :
             {"base.gob", "games.gob", "cards.gob", "Cards.typ", "background.gob", "Background.typ",
              "deutsch.lng", "english.lng", "musik"})
            fs::create_symlink(buildData / name, dir / name);
        WriteFile(dir / "Games.kat", "KATEGORIE_START NAME: Probe PATH: test\n"
                                     "  GAME_START NAME: Vier_Ziele PATH: fourgoals GAME_ENDE\n"
                                     "  GAME_START NAME: Eine_Karte PATH: onecard GAME_ENDE\n"
                                     "KATEGORIE_ENDE\n");
        GameArchiveWriter::Write(
            dir / "games_1.gob",
            {{"test\\fourgoals\\fourgoals.game", Fixture("game/fourgoals.game")},
             {"test\\onecard\\onecard.game", Fixture("game/onecard.game")}});
        WriteFile(dir / settingsName, Settings(""));
    }

    void TearDown() override {
        if (!dir.empty() && !HasFailure()) fs::remove_all(dir);
    }

    // Settings for a quick headless run, followed by `more`.
    static std::string Settings(const std::string& more) {
        return "FULLSCREEN:\t0\nINTRO:\t0\nSTAPELSPEED:\t10000\nMOUSESTAPELSPEED:\t10000\n"
               "SPRUECHE:\t0\n" +
               more;
    }

    // Runs the program in the folder with this script (one event a line) and these options;
    // `environment` goes before the command. The exit code; the output lands in `output`.
    int Run(const std::string& script, const std::string& options = "",
            const std::string& environment = "SDL_AUDIODRIVER=dummy") {
        WriteFile(dir / "script.txt", script);
        const std::string command = "cd '" + dir.string() + "' && SDL_VIDEODRIVER=dummy " +
                                    environment + " timeout 120 '" + program +
                                    "' --data . --user-dir . --step 0.02 --seed 5 --script script.txt " +
                                    options + " >output.txt 2>&1";
        const int status = std::system(command.c_str());
        output = ReadFile(dir / "output.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The same run with no room for the files it writes: every write fails with "File too
    // large", as on a full disk (the output goes through a pipe, which has room).
    int RunOnFullDisk(const std::string& script, const std::string& options) {
        WriteFile(dir / "script.txt", script);
        const std::string command =
            "cd '" + dir.string() + "' && ( ( trap '' XFSZ; ulimit -f 0; exec env " +
            "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 120 '" + program +
            "' --data . --user-dir . --step 0.02 --seed 5 --script script.txt " + options +
            " ); echo $? >status.txt ) 2>&1 | cat >output.txt";
        std::system(command.c_str());
        output = ReadFile(dir / "output.txt");
        const std::string status = ReadFile(dir / "status.txt");
        return status.empty() ? -1 : std::atoi(status.c_str());
    }

    std::string File(const fs::path& relative) const { return ReadFile(dir / relative); }
    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    fs::path dir;
    std::string output;
};

} // namespace programrun
