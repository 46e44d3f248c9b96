// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// Converts the friendly UTF-8 sources of content/ into the Latin-1 files the game reads.
//
// Three kinds of source:
// - plain: a data file (.game, .kat, .typ). Lines whose first non-blank character is '#'
//   are dropped; everything else is copied, re-encoded as Latin-1.
// - uitexts: one UI text per line, "SLOT text", slots counted up from 0 without gaps.
//   A blank becomes "_", the two characters "\n" become "-" (a line break on screen).
// - rules: the prose of one rules text. Lines of a paragraph are joined with blanks,
//   an empty line starts a new paragraph, a line starting with "* " starts a new line.
//   The result is one word-list entry.
//
// Text entries are refused when they cannot be stored: a minus sign (it means a line
// break in the file), an underscore (it means a blank), a leading slash (it makes a
// comment), or a character the bitmap font cannot draw.
class TextConverter {
public:
    enum class Kind { Plain, UiTexts, Rules };

    // Converts the text of file `name`; on failure returns nothing and fills `error`
    // with "name:line: reason".
    std::optional<std::string> Convert(Kind kind, const std::string& name, const std::string& text);

    const std::string& Error() const { return error; }

private:
    struct Line {
        int number;
        std::string latin1;
    };

    bool SplitLatin1(const std::string& text, std::vector<Line>& lines);
    bool CheckEntryText(const std::string& entry, int lineNumber);
    bool Fail(int lineNumber, const std::string& reason);
    std::optional<std::string> ConvertPlain(const std::vector<Line>& lines);
    std::optional<std::string> ConvertUiTexts(const std::vector<Line>& lines);
    std::optional<std::string> ConvertRules(const std::vector<Line>& lines);

    std::string fileName;
    std::string error;
};
