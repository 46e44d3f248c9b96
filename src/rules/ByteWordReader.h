// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a Latin-1 text as a sequence of words: maximal runs of bytes other than
// blank, tab, carriage return, line feed, vertical tab and form feed. A word is
// at most MaxWordLength bytes; the rest of a longer run is dropped. The reader
// works on a caller-owned byte buffer, which must outlive it.
#include <optional>
#include <string_view>

class ByteWordReader {
public:
    static constexpr size_t MaxWordLength = 999;

    explicit ByteWordReader(std::string_view bytes) : text(bytes) {}

    // The next word, or nothing at the end of the text.
    std::optional<std::string_view> Next();
    // Hands the word last read back, so the next call returns it again.
    void PutBack();
    bool AtEnd();

    // Number extraction from the front of a word. An integer is an optional
    // sign and at least one decimal digit (values beyond the 32-bit range are
    // clamped); a float is decimal notation with an optional fraction and
    // exponent (clamped to +-1e6). Trailing bytes are ignored.
    static std::optional<int> LeadingInt(std::string_view word);
    static std::optional<float> LeadingFloat(std::string_view word);
    // The id-list conversion: the leading integer, 0 for a word without one.
    static int IdValue(std::string_view word) { return LeadingInt(word).value_or(0); }
    // Words that structure a file ("…:" keys, "…_START" and "…_ENDE" group
    // words) are never swallowed as the value of another key.
    static bool IsStructural(std::string_view word);

    // Reads the value of a key: the next word if it converts, otherwise
    // nothing; a structural word is left for the caller to handle.
    std::optional<int> ReadInt();
    std::optional<float> ReadFloat();
    std::optional<std::string_view> ReadValueWord();

private:
    static bool IsSpace(char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
    }

    std::string_view text;
    size_t pos = 0;
    size_t lastStart = 0;
};
