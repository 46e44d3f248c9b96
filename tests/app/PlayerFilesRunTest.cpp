// SPDX-License-Identifier: GPL-3.0-or-later
// What the program does for the player's files, run as a whole: a second copy on the same
// files is turned away, only changed files are written, a game's result is on disk as soon
// as the game ends (a kill afterwards loses nothing), leftovers of interrupted writes go at
// start, and the counters never wrap.
#include "ProgramRun.h"

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

namespace {

using namespace programrun;

class PlayerFilesRun : public ProgramRun {
protected:
    // Starts the program in the folder without waiting for it; the script is in `name`.
    pid_t Start(const std::string& name, const std::string& options) {
        const pid_t child = fork();
        if (child == 0) {
            setenv("SDL_VIDEODRIVER", "dummy", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            if (chdir(dir.c_str()) != 0) _exit(127);
            if (!freopen((name + ".out").c_str(), "w", stdout) ||
                !freopen((name + ".out").c_str(), "a", stderr))
                _exit(127);
            const std::string command = "exec '" + program +
                                        "' --data . --user-dir . --step 0.02 --seed 5 --script " + name + " " +
                                        options;
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        return child;
    }
    // Waits up to `seconds` for `ready`; false when it never held.
    template <typename Condition> static bool WaitFor(Condition ready, int seconds = 60) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (std::chrono::steady_clock::now() < end) {
            if (ready()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return ready();
    }
    static int Finish(pid_t child, int signal) {
        if (signal != 0) kill(child, signal);
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(PlayerFilesRun, ASecondCopyOnTheSameFilesSaysSoAndLeavesThemAlone) {
    WriteFile(dir / "first.txt", "2 screenshot first.png\n"); // then runs until told to end
    const pid_t first = Start("first.txt", "");
    ASSERT_TRUE(WaitFor([&] { return fs::exists(dir / "first.png"); })) << File("first.txt.out");

    // The second copy changes the language and quits at once, if it gets to run at all.
    EXPECT_EQ(Run(std::string("1 click ") + at::english + "\n3 key Escape\n"), 0) << output;
    EXPECT_TRUE(Has(output, "Kartenhaus l\xC3\xA4uft bereits")) << output;
    EXPECT_FALSE(Has(File(settingsName), "SPRACHE:\t1")) << File(settingsName);
    EXPECT_FALSE(fs::exists(dir / "stats.hs")) << "the second copy wrote nothing";

    // The first copy ends as on a window manager's request and writes its files.
    EXPECT_EQ(Finish(first, SIGTERM), 0) << File("first.txt.out");
    EXPECT_TRUE(Has(File("stats.hs"), "ZEIT_SPIEL:")) << File("first.txt.out");
    // Now the folder is free again.
    EXPECT_EQ(Run(std::string("1 click ") + at::english + "\n3 key Escape\n"), 0) << output;
    EXPECT_TRUE(Has(File(settingsName), "SPRACHE:\t1")) << output;
}

TEST_F(PlayerFilesRun, OnlyFilesWhoseContentsChangedAreWritten) {
    const std::string handWritten = Settings("");
    ASSERT_EQ(Run("3 key Escape\n"), 0) << output;
    EXPECT_EQ(File(settingsName), handWritten) << "no setting changed";
    EXPECT_FALSE(fs::exists(dir / "test")) << "no game was played, so no game folder is made";
    EXPECT_TRUE(fs::exists(dir / "stats.hs")) << "the program's time did change";

    ASSERT_EQ(Run(std::string("1 click ") + at::english + "\n3 key Escape\n"), 0) << output;
    EXPECT_TRUE(Has(File(settingsName), "SPRACHE:\t1\n")) << File(settingsName);
}

TEST_F(PlayerFilesRun, AGamesResultIsOnDiskWhenItEndsSoAKillLaterLosesNothing) {
    WriteFile(dir / "win.txt", std::string("0 move 300 300\n5 dblclick ") + at::card +
                                   "\n30 click " + at::table + "\n");
    const pid_t child = Start("win.txt", "--game test/onecard");
    const bool written = WaitFor([&] {
        return Has(File("test/onecard/stats.hs"), "ANZ_WIN:\t1\n") &&
               Has(File("stats.hs"), "ANZ_WIN:\t1\n");
    });
    Finish(child, SIGKILL);
    EXPECT_TRUE(written) << File("win.txt.out");
    EXPECT_TRUE(Has(File("test/onecard/stats.hs"), "ANZ_MOVES:\t2\n"))
        << File("test/onecard/stats.hs");
}

TEST_F(PlayerFilesRun, LeftoversOfInterruptedWritesAreRemovedAtStart) {
    const char* leftovers[] = {"stats.hs.Qx7Zp2", "solit\xC3\xA4r.cfg.aB3dE9",
                               "test/onecard/quick.sav.Zz9Yy8", "test/onecard/stats.hs.k2LmN0"};
    const char* kept[] = {"stats.hs.backup", "notes.txt.AB12CD", "test/onecard/quick.sav"};
    for (const char* name : leftovers)
        WriteFile(dir / name, "half");
    for (const char* name : kept)
        WriteFile(dir / name, "mine");
    ASSERT_EQ(Run("3 key Escape\n"), 0) << output;
    for (const char* name : leftovers)
        EXPECT_FALSE(fs::exists(dir / name)) << name;
    for (const char* name : kept)
        EXPECT_EQ(File(name), "mine") << name;
}

TEST_F(PlayerFilesRun, CountersStopAtTheirLargestValueInsteadOfWrapping) {
    WriteFile(dir / "stats.hs", "ANZ_KLICK:\t99999999999999999999999\n"
                                "MOUSEMETER:\t9223372036854775800\n"
                                "ANZ_DBL_KL:\t-5\n");
    ASSERT_EQ(Run("0 move 0 0\n1 move 1000 700\n2 click 10 10\n3 click 10 10\n4 move 0 0\n"
                  "6 key Escape\n"),
              0)
        << output;
    const std::string global = File("stats.hs");
    EXPECT_TRUE(Has(global, "ANZ_KLICK:\t9223372036854775807\n")) << global;
    EXPECT_TRUE(Has(global, "MOUSEMETER:\t9223372036854775807\n")) << global;
    EXPECT_TRUE(Has(global, "ANZ_DBL_KL:\t4294967291\n"))
        << "a count that wrapped to a negative number is read as what it counted\n"
        << global;
}

} // namespace
