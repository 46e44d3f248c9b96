// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of the game.
#include <cstdint>
#include <iosfwd>
#include <string>

struct RunOptions {
    int frames = 0;              // quit after this many frames; 0 = run until the player quits
    std::string screenshot;      // write the last frame here (PNG)
    std::string script;          // timed input events
    std::string dataDir;         // working directory; empty = found as described in the usage
    std::string userDir;         // all player files here; empty = the user's XDG folders
    double fixedStep = 0.0;      // seconds per frame for the timer; 0 = the real clock
    bool requireContent = false; // a frame-limited run still stops on missing pictures
    bool testScene = false;      // start on the built-in test scene instead of the menu
    std::string game;            // "CATEGORY/GAME": open that game directly
    bool hasSeed = false;        // deal with `seed` instead of the clock
    uint32_t seed = 0;
    double runFor = 0.0;         // quit after this many wall-clock seconds; 0 = no limit
    bool frameReport = false;    // at exit, print how many frames ran and which were drawn

    // A run with a frame limit or a script is a test run: missing pictures are reported,
    // not fatal, and the intro is not played.
    bool IsTestRun() const { return frames > 0 || !script.empty(); }
};

enum class ParseOutcome { Run, Exit, UsageError };

struct ParseResult {
    ParseOutcome outcome = ParseOutcome::Run;
    RunOptions options;
};

// Parses argv[1 …]. --help and --version print to `out` and give Exit; a bad option
// prints the reason and the usage to `err` and gives UsageError (exit code 2).
ParseResult ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                             std::ostream& err);

void PrintUsage(std::ostream& out);
