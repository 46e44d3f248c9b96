// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics counters that grow with every use of the program (clicks, mouse travel,
// moves): 64-bit, and they stop at their largest value instead of wrapping to negative
// numbers.
#include <cstdint>
#include <limits>
#include <string>

namespace Counter {

inline constexpr int64_t kMax = std::numeric_limits<int64_t>::max();

// counter += amount, held at kMax (and never taken below 0 by a negative amount).
inline void Add(int64_t& counter, int64_t amount) {
    if (amount >= 0)
        counter = amount > kMax - counter ? kMax : counter + amount;
    else
        counter = counter + amount < 0 ? 0 : counter + amount;
}

// A counter as written in a file: an optional sign and digits (what follows is ignored).
// A number beyond the range reads as kMax. A negative number is what an earlier 32-bit
// counter left when it wrapped, so it reads as that count (value + 2^32); a number more
// negative than any 32-bit value reads as kMax. False when the word is no number.
inline bool Parse(const std::string& word, int64_t& value) {
    size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
    if (i >= word.size() || word[i] < '0' || word[i] > '9') return false;
    int64_t magnitude = 0;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        const int digit = word[i] - '0';
        magnitude = magnitude > (kMax - digit) / 10 ? kMax : magnitude * 10 + digit;
    }
    if (!negative || magnitude == 0) {
        value = magnitude;
        return true;
    }
    constexpr int64_t wrap = int64_t(1) << 32;
    value = magnitude <= wrap / 2 ? wrap - magnitude : kMax;
    return true;
}

} // namespace Counter
