#pragma once
// Command line of kartenhaus-cli: the command word and its options.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class CliCommand { None, Deal, Replay, Lint, Soak };

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

    // Category and game folder of --game, split at the first '/' or '\'.
    std::string CategoryFolder() const;
    std::string GameFolder() const;

    static const char* Usage();
    static const char* CommandHelp(CliCommand command);
};
