// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Converts a character's chatter source (Latin-1 lines, comments already dropped) into
// the sectioned word list the game reads. The source is written for people:
//
//   [KEYWORDS]
//   0 hallo = Hallo! Schön, dass du da bist.
//   [KA]
//   Wie bitte?
//   [BLABLA]
//   Was ist grün und hüpft? | Ein Grashüpfer!
//
// Keyword lines carry their index, which must count up from 0 without gaps (the indices
// carry meaning for the characters); the keyword and its answer come out as entry i of
// KEYWORD and ANTWORTEN. Each [BLABLA] line is a joke, opening and follow-up. A "\n" in a
// text is a line break in the bubble. Keywords may only hold what a player can type:
// lower-case letters, digits, single blanks and ä ö ü.
#include <optional>
#include <string>
#include <vector>

class ChatterConverter {
public:
    std::optional<std::string> Convert(const std::vector<std::string>& lines);
    const std::string& Error() const { return error; }

private:
    bool Fail(const std::string& line, const std::string& reason);
    bool CheckText(const std::string& text, const std::string& line);
    std::string error;
};
