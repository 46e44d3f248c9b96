// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/ByteWordReader.h"

#include <climits>
#include <cmath>

std::optional<std::string_view> ByteWordReader::Next() {
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    if (pos >= text.size()) return std::nullopt;
    lastStart = pos;
    size_t start = pos;
    while (pos < text.size() && !IsSpace(text[pos]))
        ++pos;
    size_t length = pos - start;
    if (length > MaxWordLength) length = MaxWordLength;
    return text.substr(start, length);
}

void ByteWordReader::PutBack() {
    pos = lastStart;
}

bool ByteWordReader::AtEnd() {
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    return pos >= text.size();
}

std::optional<int> ByteWordReader::LeadingInt(std::string_view word) {
    size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
    if (i >= word.size() || word[i] < '0' || word[i] > '9') return std::nullopt;
    long long value = 0;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        value = value * 10 + (word[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return static_cast<int>(value);
}

std::optional<float> ByteWordReader::LeadingFloat(std::string_view word) {
    size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
    double value = 0.0;
    bool digits = false;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        if (value < 1e30) value = value * 10.0 + (word[i] - '0');
        digits = true;
    }
    if (i < word.size() && word[i] == '.') {
        ++i;
        double scale = 0.1;
        for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
            value += (word[i] - '0') * scale;
            scale *= 0.1;
            digits = true;
        }
    }
    if (!digits) return std::nullopt;
    if (i + 1 < word.size() && (word[i] == 'e' || word[i] == 'E')) {
        size_t j = i + 1;
        bool expNegative = false;
        if (word[j] == '+' || word[j] == '-') expNegative = word[j++] == '-';
        if (j < word.size() && word[j] >= '0' && word[j] <= '9') {
            int exponent = 0;
            for (; j < word.size() && word[j] >= '0' && word[j] <= '9'; ++j)
                if (exponent < 1000) exponent = exponent * 10 + (word[j] - '0');
            value *= std::pow(10.0, expNegative ? -exponent : exponent);
        }
    }
    if (negative) value = -value;
    if (!(value <= 1e6)) value = 1e6; // also catches an infinity
    if (value < -1e6) value = -1e6;
    return static_cast<float>(value);
}

bool ByteWordReader::IsStructural(std::string_view word) {
    if (!word.empty() && word.back() == ':') return true;
    auto endsWith = [&](std::string_view tail) {
        return word.size() >= tail.size() && word.substr(word.size() - tail.size()) == tail;
    };
    return endsWith("_START") || endsWith("_ENDE");
}

std::optional<std::string_view> ByteWordReader::ReadValueWord() {
    auto word = Next();
    if (!word) return std::nullopt;
    if (IsStructural(*word)) {
        PutBack();
        return std::nullopt;
    }
    return word;
}

std::optional<int> ByteWordReader::ReadInt() {
    auto word = ReadValueWord();
    if (!word) return std::nullopt;
    return LeadingInt(*word);
}

std::optional<float> ByteWordReader::ReadFloat() {
    auto word = ReadValueWord();
    if (!word) return std::nullopt;
    return LeadingFloat(*word);
}
