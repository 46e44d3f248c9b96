// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/GlobalStatistics.h"

#include "data/RegularFile.h"
#include "data/StatisticsValues.h"
#include "data/TextFileLimits.h"
#include "data/WordReader.h"

#include <fstream>
#include <locale>
#include <sstream>

void GlobalStatistics::Read(const std::filesystem::path& path) {
    std::string bytes;
    if (RegularFile::Read(path, TextFileLimits::kStatisticsBytes, bytes) != RegularFile::Status::ok)
        return;
    std::istringstream input(std::move(bytes), std::ios::binary);
    ReadFrom(input);
    std::ostringstream text;
    WriteTo(text);
    file.Known(path, text.str());
}

bool GlobalStatistics::Write(const std::filesystem::path& path) {
    std::ostringstream text;
    WriteTo(text);
    return file.Write(path, text.str());
}

void GlobalStatistics::Reset() {
    PlayerFile kept = std::move(file);
    *this = GlobalStatistics{};
    file = std::move(kept);
}

void GlobalStatistics::ReadFrom(std::istream& input) {
    using namespace StatisticsValues;
    WordReader words(input, 1000, TextFileLimits::kStatisticsWords);
    std::string word;
    while (words.Next(word)) {
        if (word == "ANZ_WIN:")
            ReadInt(words, wins);
        else if (word == "ANZ_LOSE:")
            ReadInt(words, losses);
        else if (word == "ZEIT:")
            ReadTime(words, gameTime);
        else if (word == "ANZ_MOVES:")
            ReadCount(words, moves);
        else if (word == "ANZ_UNDO:")
            ReadCount(words, undoSteps);
        else if (word == "ZEIT_SPIEL:")
            ReadTime(words, programTime);
        else if (word == "ANZ_KLICK:")
            ReadCount(words, clicks);
        else if (word == "ANZ_DBL_KL:")
            ReadCount(words, doubleClicks);
        else if (word == "MOUSEMETER:")
            ReadCount(words, mouseDistance);
    }
}

void GlobalStatistics::WriteTo(std::ostream& output) const {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    auto line = [&](const char* key, auto value) { text << key << '\t' << value << '\n'; };
    line("ANZ_WIN:", wins);
    line("ANZ_LOSE:", losses);
    line("ZEIT:", gameTime);
    line("ANZ_MOVES:", moves);
    line("ANZ_UNDO:", undoSteps);
    line("ZEIT_SPIEL:", programTime);
    line("ANZ_KLICK:", clicks);
    line("ANZ_DBL_KL:", doubleClicks);
    line("MOUSEMETER:", mouseDistance);
    output << text.str();
}
