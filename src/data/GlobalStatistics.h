#pragma once
// The program-wide statistics: counters over all games and all use of the
// program, kept in "stats.hs" in the working directory. Read when the
// application state is built, written when it is destroyed.
#include <filesystem>
#include <istream>
#include <ostream>

inline constexpr const char* kGlobalStatisticsFileName = "stats.hs";

class GlobalStatistics {
public:
    int wins = 0, losses = 0;
    double gameTime = 0.0;    // seconds of unpaused card play
    double programTime = 0.0; // seconds the program ran, menu and game alike
    int clicks = 0, doubleClicks = 0, mouseDistance = 0, moves = 0, undoSteps = 0;

    // A missing file leaves the counters as they are.
    void Read(const std::filesystem::path& path);
    // Replaces the file in one step; false when nothing was written.
    bool Write(const std::filesystem::path& path) const;

    void ReadFrom(std::istream& input);
    void WriteTo(std::ostream& output) const;
};
