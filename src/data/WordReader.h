// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the whitespace-separated words of the program's text files (settings,
// catalogs, language files). Bytes are Latin-1; a word ends at a blank, tab,
// line end, vertical tab or form feed. Every call consumes at least one byte
// or reports the end, so no reader built on it can loop on hostile input.
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

class WordReader {
public:
    // Words longer than maxLength are cut to maxLength characters; the rest of
    // the word is consumed and dropped, so it never turns into a word of its own.
    // After maxWords words the reader reports the end.
    explicit WordReader(std::istream& input, size_t maxLength = 1000,
                        size_t maxWords = static_cast<size_t>(-1));

    // The next word, or false at the end of the input.
    bool Next(std::string& word);

    static bool IsSpace(unsigned char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }

    // The standard atoi conversion of a word: optional sign and digits, anything
    // else gives 0. Values beyond 32 bits saturate instead of overflowing.
    static int32_t Atoi(const std::string& word);

    // Formatted stream input of one word, as `stream >> value` would parse it
    // (trailing characters after the number are ignored). False when the word
    // does not start with a number of that type; the value is then untouched.
    static bool ParseInt(const std::string& word, int32_t& value);
    static bool ParseFloat(const std::string& word, float& value);
    // A bool is the number 0 or 1.
    static bool ParseBool(const std::string& word, bool& value);

private:
    std::istream& input;
    size_t maxLength;
    size_t wordsLeft;
};
