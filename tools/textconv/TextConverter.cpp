// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextConverter.h"

#include <cstdio>

namespace {

// The bitmap font draws the printable ASCII characters and the six German umlauts.
bool FontHasGlyph(unsigned char c) {
    if (c >= 32 && c <= 126) return true;
    switch (c) {
    case 0xC4:
    case 0xD6:
    case 0xDC:
    case 0xE4:
    case 0xF6:
    case 0xFC:
        return true;
    default:
        return false;
    }
}

std::string Describe(unsigned char c) {
    char buffer[32];
    if (c >= 32 && c <= 126)
        std::snprintf(buffer, sizeof buffer, "'%c'", c);
    else
        std::snprintf(buffer, sizeof buffer, "U+%04X", c);
    return buffer;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string Trim(const std::string& s) {
    size_t begin = 0, end = s.size();
    while (begin < end && IsBlank(s[begin]))
        ++begin;
    while (end > begin && IsBlank(s[end - 1]))
        --end;
    return s.substr(begin, end - begin);
}

bool IsCommentLine(const std::string& line) {
    const std::string t = Trim(line);
    return !t.empty() && t[0] == '#';
}

} // namespace

bool TextConverter::Fail(int lineNumber, const std::string& reason) {
    error = fileName + ":" + std::to_string(lineNumber) + ": " + reason;
    return false;
}

// Decodes UTF-8 into Latin-1 lines; a code point above U+00FF or a broken sequence fails.
bool TextConverter::SplitLatin1(const std::string& text, std::vector<Line>& lines) {
    Line current{1, {}};
    size_t i = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) i = 3;
    while (i < text.size()) {
        const unsigned char c = text[i];
        unsigned codePoint;
        size_t length;
        if (c < 0x80) {
            codePoint = c;
            length = 1;
        } else if ((c & 0xE0) == 0xC0) {
            codePoint = c & 0x1F;
            length = 2;
        } else if ((c & 0xF0) == 0xE0) {
            codePoint = c & 0x0F;
            length = 3;
        } else if ((c & 0xF8) == 0xF0) {
            codePoint = c & 0x07;
            length = 4;
        } else {
            return Fail(current.number, "broken UTF-8 byte sequence");
        }
        if (i + length > text.size()) return Fail(current.number, "broken UTF-8 byte sequence");
        for (size_t k = 1; k < length; ++k) {
            const unsigned char follow = text[i + k];
            if ((follow & 0xC0) != 0x80) return Fail(current.number, "broken UTF-8 byte sequence");
            codePoint = (codePoint << 6) | (follow & 0x3F);
        }
        if (codePoint > 0xFF) {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "character U+%04X is outside Latin-1", codePoint);
            return Fail(current.number, buffer);
        }
        i += length;
        if (codePoint == '\n') {
            lines.push_back(current);
            current = Line{current.number + 1, {}};
        } else {
            current.latin1 += static_cast<char>(codePoint);
        }
    }
    if (!current.latin1.empty()) lines.push_back(current);
    return true;
}

// An entry of a word list, after blanks became "_" and line breaks "-".
bool TextConverter::CheckEntryText(const std::string& entry, int lineNumber) {
    for (unsigned char c : entry) {
        if (c == '-')
            return Fail(lineNumber, "a minus sign cannot stand inside a text entry (the file "
                                    "reads it as a line break); write a dash another way");
        if (c == '_')
            return Fail(lineNumber, "an underscore cannot stand inside a text entry (the file "
                                    "reads it as a blank)");
        if (!FontHasGlyph(c))
            return Fail(lineNumber, "character " + Describe(c) +
                                        " cannot be drawn by the bitmap font (write ss for the "
                                        "sharp s)");
    }
    if (!entry.empty() && entry[0] == '/')
        return Fail(lineNumber, "a text entry cannot begin with a slash (it would be a comment)");
    if (entry.size() > 1 && entry[1] == '/')
        return Fail(lineNumber, "a text entry cannot have a slash as its second character "
                                "(it would be a comment)");
    return true;
}

std::optional<std::string> TextConverter::Convert(Kind kind, const std::string& name,
                                                  const std::string& text) {
    fileName = name;
    error.clear();
    std::vector<Line> lines;
    if (!SplitLatin1(text, lines)) return std::nullopt;
    switch (kind) {
    case Kind::Plain:
        return ConvertPlain(lines);
    case Kind::UiTexts:
        return ConvertUiTexts(lines);
    case Kind::Rules:
        return ConvertRules(lines);
    }
    return std::nullopt;
}

std::optional<std::string> TextConverter::ConvertPlain(const std::vector<Line>& lines) {
    std::string out;
    for (const Line& line : lines) {
        if (IsCommentLine(line.latin1)) continue;
        std::string l = line.latin1;
        while (!l.empty() && (l.back() == '\r' || IsBlank(l.back())))
            l.pop_back();
        out += l;
        out += '\n';
    }
    return out;
}

// Turns display text into one word: blanks become "_", the escape "\n" becomes "-".
static std::string ToWord(const std::string& text, bool& badEscape) {
    std::string word;
    badEscape = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            if (i + 1 < text.size() && text[i + 1] == 'n') {
                word += '\x01'; // marks a line break until the entry has been checked
                ++i;
            } else {
                badEscape = true;
            }
        } else if (IsBlank(c)) {
            word += ' ';
        } else {
            word += c;
        }
    }
    return word;
}

static std::string Encode(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == ' ' ? '_' : c == '\x01' ? '-' : c;
    return out;
}

// Checks an entry that may hold the line-break marker: the marker is allowed, a literal
// minus is not.
static std::string WithoutBreaks(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '\x01' ? ' ' : c;
    return out;
}

std::optional<std::string> TextConverter::ConvertUiTexts(const std::vector<Line>& lines) {
    // Collect the entries first: an indented line continues the entry above it.
    std::vector<Line> entries;
    int expected = 0;
    for (const Line& line : lines) {
        const std::string t = Trim(line.latin1);
        if (t.empty() || t[0] == '#') continue;
        if (IsBlank(line.latin1[0])) {
            if (entries.empty()) {
                Fail(line.number, "a continuation line needs a UI text line above it");
                return std::nullopt;
            }
            entries.back().latin1 += " " + t;
            continue;
        }
        size_t digits = 0;
        while (digits < t.size() && t[digits] >= '0' && t[digits] <= '9')
            ++digits;
        if (digits == 0 || digits > 6) {
            Fail(line.number, "a UI text line must start with its slot number");
            return std::nullopt;
        }
        const int slot = std::stoi(t.substr(0, digits));
        if (slot != expected) {
            Fail(line.number, "slot " + std::to_string(slot) + " found where slot " +
                                  std::to_string(expected) + " was expected");
            return std::nullopt;
        }
        entries.push_back(Line{line.number, Trim(t.substr(digits))});
        ++expected;
    }
    std::string out = "//Kartenhaus_UI_texts,_one_entry_per_line,_counted_from_0\n";
    for (const Line& entry : entries) {
        bool badEscape = false;
        std::string word = ToWord(entry.latin1, badEscape);
        if (badEscape) {
            Fail(entry.number, "a backslash may only stand in the line-break escape \\n");
            return std::nullopt;
        }
        // An empty slot is kept as one blank so the later slots keep their numbers.
        if (word.empty()) word = " ";
        if (!CheckEntryText(WithoutBreaks(word), entry.number)) return std::nullopt;
        if (word.size() >= 10000) {
            Fail(entry.number, "a text entry holds at most 9999 characters");
            return std::nullopt;
        }
        out += Encode(word);
        out += '\n';
    }
    return out;
}

std::optional<std::string> TextConverter::ConvertRules(const std::vector<Line>& lines) {
    std::string text;
    bool paragraphOpen = false;
    bool pendingBreak = false;
    for (const Line& line : lines) {
        if (IsCommentLine(line.latin1)) continue;
        const std::string t = Trim(line.latin1);
        if (t.empty()) {
            if (paragraphOpen) pendingBreak = true;
            paragraphOpen = false;
            continue;
        }
        bool badEscape = false;
        const std::string words = ToWord(t, badEscape);
        if (badEscape) {
            Fail(line.number, "a backslash may only stand in the line-break escape \\n");
            return std::nullopt;
        }
        if (!CheckEntryText(WithoutBreaks(words), line.number)) return std::nullopt;
        if (!text.empty()) {
            if (pendingBreak)
                text += "\x01\x01";
            else if (t.compare(0, 2, "* ") == 0)
                text += '\x01';
            else
                text += ' ';
        }
        pendingBreak = false;
        paragraphOpen = true;
        text += words;
    }
    if (text.empty()) {
        Fail(1, "the rules text is empty");
        return std::nullopt;
    }
    if (text.size() >= 10000) {
        Fail(1, "the rules text is longer than the 9999 characters one entry can hold");
        return std::nullopt;
    }
    return "//Kartenhaus_rules_text\n" + Encode(text) + "\n";
}
