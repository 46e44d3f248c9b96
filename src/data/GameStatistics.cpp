// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/GameStatistics.h"

#include "data/GameCategory.h"
#include "data/GameInfo.h"
#include "data/RegularFile.h"
#include "data/StatisticsValues.h"
#include "data/TextEncoding.h"
#include "data/TextFileLimits.h"
#include "data/WordReader.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <locale>
#include <memory>
#include <sstream>

void HighscoreEntry::SetName(const char* text) {
    std::strncpy(name, text ? text : "", sizeof(name) - 1);
    name[sizeof(name) - 1] = '\0';
}

bool GameStatistics::Qualifies(int score) const {
    if (score == 0) return false;
    int considered = std::min(highscores.Count(), maxEntries);
    for (int i = 0; i < considered; ++i)
        if (highscores.Get(i)->score < score) return true;
    return highscores.Count() < maxEntries;
}

void GameStatistics::InsertEntry(HighscoreEntry* entry) {
    InsertSorted(entry, maxEntries);
}

void GameStatistics::InsertSorted(HighscoreEntry* entry, int limit) {
    if (!entry) return;
    int count = highscores.Count();
    int end = limit < 0 ? count : std::min(count, limit);
    for (int i = 0; i < end; ++i) {
        if (highscores.Get(i)->score < entry->score) {
            highscores.Insert(entry, i);
            return;
        }
    }
    highscores.Append(entry);
}

bool GameStatistics::IsEmpty() const {
    return wins == 0 && losses == 0 && time == 0.0 && moves == 0 && highscores.Empty();
}

void GameStatistics::Reset() {
    wins = losses = 0;
    time = 0.0;
    moves = 0;
    highscores.Clear();
}

std::filesystem::path GameStatistics::FilePath(const std::filesystem::path& workingDir) const {
    // The game may have moved to another category record when catalogs were
    // merged; its own pointer is the one that stays current.
    const GameCategory* owner = gameInfo && gameInfo->category ? gameInfo->category : category;
    std::string categoryFolder = owner ? owner->path : std::string();
    std::string gameFolder = gameInfo ? gameInfo->path : std::string();
    const std::string relative =
        TextEncoding::WorkingFolderPath(categoryFolder + "\\" + gameFolder + "\\stats.hs");
    if (relative.empty()) return {};
    return workingDir / relative;
}

void GameStatistics::Read(const std::filesystem::path& folder) {
    const std::filesystem::path path = FilePath(folder);
    if (path.empty()) return; // a folder name that leads out of the working folder
    std::string bytes;
    if (RegularFile::Read(path, TextFileLimits::kStatisticsBytes, bytes) == RegularFile::Status::ok) {
        std::istringstream input(std::move(bytes), std::ios::binary);
        ReadFrom(input);
    }
    // Without a file the record as it stands counts as kept: an unplayed game writes nothing.
    file.Known(path, Text());
}

bool GameStatistics::Write(const std::filesystem::path& folder) {
    const std::filesystem::path path = FilePath(folder);
    if (path.empty()) return true;
    const std::string text = Text();
    if (file.Holds(path, text)) return true;
    // A game never played has nothing to keep: no folder and no file for it.
    if (IsEmpty() && !RegularFile::Exists(path)) return true;
    // The category and game folders are made when there is something to keep; a failure
    // shows as the failed write.
    std::error_code ignored;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ignored);
    return file.Write(path, text);
}

std::string GameStatistics::Text() const {
    std::ostringstream text;
    WriteTo(text);
    return text.str();
}

namespace {

// Reads the fields of one entry up to "P_EINTRAG_ENDE" (or the end of the input).
void ReadEntry(WordReader& words, HighscoreEntry& entry) {
    using namespace StatisticsValues;
    std::string word;
    while (words.Next(word)) {
        if (word == "P_EINTRAG_ENDE") return;
        if (word == "DATUM:") {
            ReadInt(words, entry.day);
            ReadInt(words, entry.month);
            ReadInt(words, entry.year);
        } else if (word == "PUNKTE:") {
            ReadInt(words, entry.score);
        } else if (word == "WIN:") {
            int won = entry.won ? 1 : 0;
            ReadInt(words, won);
            entry.won = won != 0;
        } else if (word == "ZEIT:") {
            ReadTime(words, entry.time);
        } else if (word == "NAME:") {
            std::string name;
            if (!words.Next(name)) return;
            std::replace(name.begin(), name.end(), '_', ' ');
            entry.SetName(name.c_str());
        }
    }
}

} // namespace

void GameStatistics::ReadFrom(std::istream& input) {
    using namespace StatisticsValues;
    WordReader words(input, 1000, TextFileLimits::kStatisticsWords);
    std::string word;
    while (words.Next(word)) {
        if (word == "ANZ_WIN:")
            ReadInt(words, wins);
        else if (word == "ANZ_LOSE:")
            ReadInt(words, losses);
        else if (word == "ZEIT:")
            ReadTime(words, time);
        else if (word == "ANZ_MOVES:")
            ReadCount(words, moves);
        else if (word == "P_EINTRAG_START") {
            auto entry = std::make_unique<HighscoreEntry>();
            ReadEntry(words, *entry);
            InsertSorted(entry.release(), -1);
            // Only ten are ever written; a damaged file of millions of entries must not
            // fill the memory, so the list keeps its best entries up to a generous bound.
            if (highscores.Count() > kMaxReadEntries) highscores.RemoveAt(highscores.Count() - 1);
        }
    }
}

void GameStatistics::WriteTo(std::ostream& output) const {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << "ANZ_WIN:\t" << wins << '\n';
    text << "ANZ_LOSE:\t" << losses << '\n';
    text << "ZEIT:\t" << time << '\n';
    text << "ANZ_MOVES:\t" << moves << '\n';
    int written = std::min(highscores.Count(), maxEntries);
    for (int i = 0; i < written; ++i) {
        const HighscoreEntry& entry = *highscores.Get(i);
        std::string name = entry.name;
        // A name is one word in the file: blanks become underscores, and the
        // other white space a typed name could hold would split it.
        for (char& c : name)
            if (WordReader::IsSpace(static_cast<unsigned char>(c))) c = '_';
        if (name.empty()) name = "_";
        text << "P_EINTRAG_START\tDATUM:\t" << entry.day << '\t' << entry.month << '\t'
             << entry.year << "\tPUNKTE:\t" << entry.score << "\tWIN:\t" << (entry.won ? 1 : 0)
             << "\tNAME:\t" << name << "\tZEIT:\t" << entry.time << "\tP_EINTRAG_ENDE\t\n";
    }
    output << text.str();
}
