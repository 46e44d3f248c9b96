// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/WordReader.h"

#include <limits>
#include <locale>
#include <sstream>

WordReader::WordReader(std::istream& input, size_t maxLength, size_t maxWords)
    : input(input), maxLength(maxLength), wordsLeft(maxWords) {}

bool WordReader::Next(std::string& word) {
    word.clear();
    std::streambuf* buffer = input.rdbuf();
    if (!buffer || !input.good() || wordsLeft == 0) return false;
    using Traits = std::char_traits<char>;
    int c = buffer->sgetc();
    while (c != Traits::eof() && IsSpace(static_cast<unsigned char>(c)))
        c = buffer->snextc();
    while (c != Traits::eof() && !IsSpace(static_cast<unsigned char>(c))) {
        if (word.size() < maxLength) word.push_back(static_cast<char>(c));
        c = buffer->snextc();
    }
    if (c == Traits::eof()) input.setstate(std::ios::eofbit);
    if (word.empty()) return false;
    --wordsLeft;
    return true;
}

int32_t WordReader::Atoi(const std::string& word) {
    size_t i = 0;
    while (i < word.size() && IsSpace(static_cast<unsigned char>(word[i])))
        ++i;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
    int64_t value = 0;
    constexpr int64_t limit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        value = value * 10 + (word[i] - '0');
        if (value > limit) value = limit;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

namespace {

template <typename T> bool ParseWith(const std::string& word, T& value) {
    std::istringstream stream(word);
    stream.imbue(std::locale::classic());
    T parsed{};
    if (!(stream >> parsed)) return false;
    value = parsed;
    return true;
}

} // namespace

bool WordReader::ParseInt(const std::string& word, int32_t& value) {
    return ParseWith(word, value);
}

bool WordReader::ParseFloat(const std::string& word, float& value) {
    return ParseWith(word, value);
}

bool WordReader::ParseBool(const std::string& word, bool& value) {
    return ParseWith(word, value);
}
