// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics of one game: wins, losses, playing time, moves and the
// highscore list (best first), kept in "CATEGORY/GAME/stats.hs" in the
// folder of the player's files. Read while the catalog is parsed, changed in
// memory while the program runs, written when a game of it ends and at exit,
// each time only when the contents changed. Catalog entries that name the
// same folders share one record.
#include "data/PlayerFile.h"
#include "data/PtrList.h"

#include <cstdint>

#include <filesystem>
#include <istream>
#include <ostream>

struct GameCategory;
struct GameInfo;

// One line of the highscore list. The name is NUL-terminated and starts empty.
struct HighscoreEntry {
    char name[1000] = {};
    int day = 0, month = 0, year = 0;
    int score = 0;
    double time = 0.0;
    bool won = false;

    // Copies the text into `name`, cut to fit.
    void SetName(const char* text);
};

class GameStatistics {
public:
    // Entries kept when reading a file (the lowest beyond this are dropped).
    static constexpr int kMaxReadEntries = 1000;

    int wins = 0, losses = 0;
    double time = 0.0;
    int64_t moves = 0; // stops at its largest value (Counter::Add)
    PtrList<HighscoreEntry, true> highscores;
    int maxEntries = 10;
    GameCategory* category = nullptr;
    GameInfo* gameInfo = nullptr;

    // A score of 0 never enters the list; any other score does when one of the
    // first ten entries is lower or the list still has room.
    bool Qualifies(int score) const;
    // Inserts before the first of the first ten entries with a lower score,
    // else appends; equal scores keep the older entry first. Takes ownership.
    void InsertEntry(HighscoreEntry* entry);
    // Counters to 0 and an empty list.
    void Reset();
    // All counters 0 and no entry: a game never played (or just reset).
    bool IsEmpty() const;

    // The file "CATEGORY/GAME/stats.hs" below `folder` (the folder of the
    // player's files). A missing file leaves the record as it is, and so does anything but
    // a regular file of at most TextFileLimits::kStatisticsBytes. Writing replaces the
    // file in one step, and only when the record differs from what the file holds as far
    // as this run knows, so a game never played makes no folder; false when a write
    // failed (reported, see PlayerFile).
    void Read(const std::filesystem::path& folder);
    bool Write(const std::filesystem::path& folder);
    // Empty when the folder names would lead out of the working folder.
    std::filesystem::path FilePath(const std::filesystem::path& workingDir) const;

    void ReadFrom(std::istream& input);
    void WriteTo(std::ostream& output) const;

private:
    // Inserts before the first entry with a lower score among the first
    // `limit` entries (all of them for a negative limit), else appends.
    void InsertSorted(HighscoreEntry* entry, int limit);
    std::string Text() const;

    PlayerFile file;
};
