// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Value reading shared by the two statistics files: numbers are single words,
// and a word that is not a number leaves the value as it was.
#include "data/Counter.h"
#include "data/WordReader.h"

#include <cmath>
#include <locale>
#include <sstream>
#include <string>

namespace StatisticsValues {

inline void ReadInt(WordReader& words, int& value) {
    std::string word;
    int32_t parsed = 0;
    if (words.Next(word) && WordReader::ParseInt(word, parsed)) value = parsed;
}

inline void ReadCount(WordReader& words, int64_t& value) {
    std::string word;
    if (words.Next(word)) Counter::Parse(word, value);
}

// Times are seconds; a negative, infinite or NaN time (only a damaged file holds
// one) is ignored, so the pages never format nonsense.
inline void ReadTime(WordReader& words, double& value) {
    std::string word;
    if (!words.Next(word)) return;
    std::istringstream stream(word);
    stream.imbue(std::locale::classic());
    double parsed = 0.0;
    if (stream >> parsed && std::isfinite(parsed) && parsed >= 0.0) value = parsed;
}

} // namespace StatisticsValues
