// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program-wide statistics: counters over all games and all use of the program, kept in
// "stats.hs" in the folder of the player's files. Read when the application state is built;
// written when a game ends and at exit (only when the contents changed).
#include "data/PlayerFile.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <ostream>

inline constexpr const char* kGlobalStatisticsFileName = "stats.hs";

class GlobalStatistics {
public:
    int wins = 0, losses = 0;
    double gameTime = 0.0;    // seconds of unpaused card play
    double programTime = 0.0; // seconds the program ran, menu and game alike
    // Counters that only grow; they stop at their largest value (Counter::Add).
    int64_t clicks = 0, doubleClicks = 0, mouseDistance = 0, moves = 0, undoSteps = 0;

    // A missing file leaves the counters as they are.
    void Read(const std::filesystem::path& path);
    // Replaces the file in one step unless it holds these values already; false when a
    // write failed (reported, see PlayerFile).
    bool Write(const std::filesystem::path& path);
    // Every counter back to 0 (the file is written at the next Write).
    void Reset();

    void ReadFrom(std::istream& input);
    void WriteTo(std::ostream& output) const;

private:
    PlayerFile file;
};
