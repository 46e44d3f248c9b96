// SPDX-License-Identifier: GPL-3.0-or-later
// Every result counted right, played through the whole program with scripts of input events
// and checked in the files it wrote: a win below the highscores, a win followed by a new game
// or the quick save during the bounce, deals left untouched, a double click on the menu after
// a game, two catalog entries of one game folder, settings the program had to switch off for
// one run, and files that cannot be written.
#include "ProgramRun.h"

namespace {

using namespace programrun;

class ResultsRun : public ProgramRun {};

// Ten entries no game of the test reaches.
std::string FullHighscores() {
    std::string text = "ANZ_WIN:\t0\nANZ_LOSE:\t0\nZEIT:\t0\nANZ_MOVES:\t0\n";
    for (int i = 0; i < 10; ++i)
        text += "P_EINTRAG_START\tDATUM:\t1\t1\t2026\tPUNKTE:\t1000000\tWIN:\t1\tNAME:\tBest\t"
                "ZEIT:\t1\tP_EINTRAG_ENDE\t\n";
    return text;
}

TEST_F(ResultsRun, AWinBelowTheHighscoresStillCountsAsAWin) {
    WriteFile(dir / "test/fourgoals/stats.hs", FullHighscores());
    ASSERT_EQ(Run(std::string("0 move 512 384\n5 click ") + at::table + "\n10 click " +
                      at::confirm + "\n14 key Escape\n",
                  "--game test/fourgoals"),
              0)
        << output;
    const std::string game = File("test/fourgoals/stats.hs");
    EXPECT_TRUE(Has(game, "ANZ_WIN:\t1\n")) << game;
    EXPECT_TRUE(Has(game, "PUNKTE:\t1000000")) << "the list stays as it was\n" << game;
    EXPECT_TRUE(Has(File("stats.hs"), "ANZ_WIN:\t1\n")) << File("stats.hs");
}

TEST_F(ResultsRun, ANewGameDuringTheBounceKeepsTheWinAndDealsAfterTheResult) {
    ASSERT_EQ(Run(std::string("0 move 512 384\n5 click ") + at::newGame +
                      "\n10 keydown Shift\n10 key A\n10 keyup Shift\n11 key Return\n"
                      "20 screenshot dealt.png\n22 quit\n",
                  "--game test/fourgoals"),
              0)
        << output;
    const std::string game = File("test/fourgoals/stats.hs");
    EXPECT_TRUE(Has(game, "ANZ_WIN:\t1\n")) << game;
    EXPECT_TRUE(Has(game, "ANZ_LOSE:\t0\n")) << game;
    EXPECT_TRUE(Has(game, "WIN:\t1\tNAME:\tA\t")) << game;
    const std::string global = File("stats.hs");
    EXPECT_TRUE(Has(global, "ANZ_WIN:\t1\n")) << global;
    EXPECT_TRUE(Has(global, "ANZ_LOSE:\t0\n")) << global;
}

TEST_F(ResultsRun, LoadingTheQuickSaveDuringTheBounceDoesNotTakeTheWinBack) {
    WriteFile(dir / "test/onecard/quick.sav",
              "UNDO_POINTS:\t0\nPUNKTE:\t0\nPUNKTEBONUS:\t1000\nDBLFAILED:\t0\nZEIT:\t0\n"
              "STAPEL_START\nID:\t1\nSICHTBAR_START\nKARTE:\t0\t0\nSICHTBAR_ENDE\n"
              "VERDECKT_START\nVERDECKT_ENDE\nSTAPEL_ENDE\n"
              "STAPEL_START\nID:\t2\nSICHTBAR_START\nSICHTBAR_ENDE\n"
              "VERDECKT_START\nVERDECKT_ENDE\nSTAPEL_ENDE\n");
    ASSERT_EQ(Run(std::string("0 move 300 300\n5 dblclick ") + at::card + "\n8 click " +
                      at::loadSave + "\n30 click " + at::table +
                      "\n34 key A\n35 key Return\n40 quit\n",
                  "--game test/onecard"),
              0)
        << output;
    const std::string game = File("test/onecard/stats.hs");
    EXPECT_TRUE(Has(game, "ANZ_WIN:\t1\n")) << game;
    EXPECT_TRUE(Has(game, "WIN:\t1\tNAME:\ta\t")) << game;
    EXPECT_TRUE(Has(File("stats.hs"), "ANZ_WIN:\t1\n")) << File("stats.hs");
}

TEST_F(ResultsRun, NewDealsAskedForBeforeAnyMoveCountNoLoss) {
    ASSERT_EQ(Run(std::string("0 move 300 300\n5 click ") + at::newGame + "\n10 click " +
                      at::newGame + "\n15 click " + at::newGame + "\n20 quit\n",
                  "--game test/onecard"),
              0)
        << output;
    const std::string global = File("stats.hs");
    EXPECT_TRUE(Has(global, "ANZ_LOSE:\t0\n")) << global;
    EXPECT_FALSE(Has(File("test/onecard/stats.hs"), "ANZ_LOSE:\t3"))
        << File("test/onecard/stats.hs");
}

TEST_F(ResultsRun, ADoubleClickOnTheMenuNeverReachesTheFinishedGame) {
    ASSERT_EQ(Run(std::string("0 move 300 300\n3 key Escape\n6 click ") + at::mainMenu +
                      "\n10 dblclick " + at::card + "\n15 key Escape\n",
                  "--game test/onecard"),
              0)
        << output;
    // The deal is the game's one recorded table; the double click moved nothing.
    const std::string game = File("test/onecard/stats.hs");
    EXPECT_TRUE(Has(game, "ANZ_MOVES:\t1\n")) << game;
    EXPECT_TRUE(Has(File("stats.hs"), "ANZ_MOVES:\t1\n")) << File("stats.hs");
    EXPECT_TRUE(Has(File("stats.hs"), "ANZ_DBL_KL:\t1\n")) << "the double click itself counts";
}

TEST_F(ResultsRun, TwoCatalogEntriesOfOneGameFolderShareTheirResults) {
    WriteFile(dir / "Games_1.kat", "KATEGORIE_START NAME: Zusatz PATH: test\n"
                                   "  GAME_START NAME: Noch_einmal PATH: onecard GAME_ENDE\n"
                                   "KATEGORIE_ENDE\n");
    ASSERT_EQ(Run(std::string("0 move 300 300\n5 dblclick ") + at::card + "\n30 click " +
                      at::table + "\n34 key A\n35 key Return\n40 key Escape\n",
                  "--game test/onecard"),
              0)
        << output;
    const std::string game = File("test/onecard/stats.hs");
    EXPECT_TRUE(Has(game, "ANZ_WIN:\t1\n")) << game;
    EXPECT_TRUE(Has(game, "NAME:\ta\t")) << game;
}

TEST_F(ResultsRun, SettingsSwitchedOffForOneRunKeepThePlayersChoice) {
    WriteFile(dir / settingsName,
              Settings("SOUND:\t100\nMUSIK:\t100\nKARTENTYP:\t40\nHINTERGRUND:\t40\n"));
    // No audio device this time, and no card set or background number 40 in the catalogs.
    ASSERT_EQ(Run("0 move 300 300\n5 key Down\n10 quit\n", "--game test/onecard",
                  "SDL_AUDIODRIVER=no_such_driver"),
              0)
        << output;
    ASSERT_TRUE(Has(output, "DirectSound kann nicht initialisiert werden")) << output;
    const std::string settings = File(settingsName);
    EXPECT_TRUE(Has(settings, "BACKGROUND:\t239\n")) << "the change of this run\n" << settings;
    EXPECT_TRUE(Has(settings, "SOUND:\t100\n")) << settings;
    EXPECT_TRUE(Has(settings, "MUSIK:\t100\n")) << settings;
    EXPECT_TRUE(Has(settings, "KARTENTYP:\t40\n")) << settings;
    EXPECT_TRUE(Has(settings, "HINTERGRUND:\t40\n")) << settings;
}

TEST_F(ResultsRun, FilesThatCannotBeWrittenAreReportedAndKeptAsTheyWere) {
    const std::string settings = Settings("BACKGROUND:\t255\n");
    WriteFile(dir / settingsName, settings);
    WriteFile(dir / "stats.hs", "ANZ_WIN:\t5\n");
    WriteFile(dir / "test/onecard/quick.sav", "old");
    // A quick save, a changed setting and a game played: every file has something to keep.
    ASSERT_EQ(RunOnFullDisk(std::string("0 move 300 300\n5 click ") + at::writeSave +
                                "\n6 key Down\n10 quit\n",
                            "--game test/onecard"),
              0)
        << output;
    for (const char* file :
         {"solit\xC3\xA4r.cfg': File too large", "stats.hs': File too large",
          "onecard/stats.hs': File too large", "onecard/quick.sav': File too large"})
        EXPECT_TRUE(Has(output, file)) << file << "\n" << output;
    EXPECT_TRUE(Has(output, "Diese Dateien konnten nicht gespeichert werden")) << output;
    EXPECT_EQ(File(settingsName), settings);
    EXPECT_EQ(File("stats.hs"), "ANZ_WIN:\t5\n");
    EXPECT_EQ(File("test/onecard/quick.sav"), "old");
    EXPECT_FALSE(fs::exists(dir / "test/onecard/stats.hs"));
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name.find(".hs.") == std::string::npos &&
                    name.find(".sav.") == std::string::npos &&
                    name.find(".cfg.") == std::string::npos)
            << "no temporary file stays: " << entry.path();
    }
}

} // namespace
