// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Command line of kartenhaus-cli: the command word and its options.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class CliCommand { None, Deal, Replay, Lint, Soak, Solve, Survey };

class CliOptions {
public:
    // Parses argv. Returns false with a message in error for a usage error.
    bool Parse(int argc, char** argv, std::string& error);

    CliCommand command = CliCommand::None;
    bool help = false;
    std::string dataDir;  // --data
    std::string game;     // --game CAT/GAME
    std::string gameFile; // --game-file
    std::optional<uint32_t> seed;
    std::string layout;             // --layout
    std::string moves;              // --moves
    bool print = false;             // --print
    std::vector<std::string> files; // lint and soak
    int games = 10;                 // soak: games per definition
    int steps = 300;                // soak: random steps per game
    bool microsoft = false;         // --microsoft: the seed is a numbered FreeCell deal
    long long maxNodes = 300000;    // solve, survey: tables the search may keep
    double maxSeconds = 30.0;       // solve, survey: time per deal
    std::string movesOut;           // solve: --moves-out
    uint32_t firstSeed = 0;         // survey: --seeds A-B
    uint32_t lastSeed = 0;
    bool seedRange = false;
    int jobs = 1; // survey: deals solved at once

    // Category and game folder of --game, split at the first '/' or '\'.
    std::string CategoryFolder() const;
    std::string GameFolder() const;

    static const char* Usage();
    static const char* CommandHelp(CliCommand command);
};
