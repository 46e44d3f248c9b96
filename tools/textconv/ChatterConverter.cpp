// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatterConverter.h"

#include <map>

namespace {

std::string Trim(const std::string& s) {
    size_t begin = s.find_first_not_of(" \t\r");
    if (begin == std::string::npos) return {};
    size_t end = s.find_last_not_of(" \t\r");
    return s.substr(begin, end - begin + 1);
}

// Blanks become "_", the escape "\n" becomes "-".
std::string Encode(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '-';
            ++i;
        } else {
            out += text[i] == ' ' || text[i] == '\t' ? '_' : text[i];
        }
    }
    return out;
}

bool TypeableKeyword(const std::string& keyword) {
    if (keyword.empty() || keyword.front() == ' ' || keyword.back() == ' ') return false;
    for (size_t i = 0; i < keyword.size(); ++i) {
        const unsigned char c = keyword[i];
        const bool letter =
            (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == 0xE4 || c == 0xF6 || c == 0xFC;
        const bool blank = c == ' ' && keyword[i + 1] != ' ';
        if (!letter && !blank) return false;
    }
    return true;
}

const std::vector<std::string> kListSections = {"KA",       "DUMMER_SPRUCH", "BLABLA",
                                                "WUT_ENDE", "WITZ_ENDE",     "SPIEL_WARTET"};

} // namespace

bool ChatterConverter::Fail(const std::string& line, const std::string& reason) {
    error = reason + ": \"" + line + "\"";
    return false;
}

// A text must survive being one word of the file and a format string of the game.
bool ChatterConverter::CheckText(const std::string& text, const std::string& line) {
    if (text.empty()) return Fail(line, "empty text");
    if (text.size() > 999) return Fail(line, "a text may hold at most 999 characters");
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '-') return Fail(line, "a minus sign reads as a line break; write \\n for one");
        if (c == '_') return Fail(line, "an underscore reads as a blank");
        if (c == '\\' && (i + 1 >= text.size() || text[i + 1] != 'n'))
            return Fail(line, "the only escape is \\n");
        if (c == '%') {
            const std::string rest = text.substr(i + 1, 3);
            if (rest.rfind("%", 0) == 0)
                ++i;
            else if (rest.rfind("d", 0) != 0 && rest.rfind("02d", 0) != 0)
                return Fail(line, "write a percent sign as %%");
        }
    }
    return true;
}

std::optional<std::string> ChatterConverter::Convert(const std::vector<std::string>& lines) {
    std::string section;
    std::vector<std::string> keywords, answers;
    std::map<std::string, std::vector<std::string>> lists;
    for (const std::string& raw : lines) {
        const std::string line = Trim(raw);
        if (line.empty()) continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            bool known = section == "KEYWORDS";
            for (const std::string& name : kListSections)
                known = known || name == section;
            if (!known) return Fail(line, "unknown section"), std::nullopt;
            continue;
        }
        if (section.empty()) return Fail(line, "text before the first section"), std::nullopt;
        if (section == "KEYWORDS") {
            const size_t blank = line.find(' ');
            const size_t equals = line.find(" = ");
            if (blank == std::string::npos || equals == std::string::npos || equals < blank)
                return Fail(line, "a keyword line is \"INDEX keyword = answer\""), std::nullopt;
            if (line.substr(0, blank) != std::to_string(keywords.size()))
                return Fail(line, "expected index " + std::to_string(keywords.size())),
                       std::nullopt;
            const std::string keyword = Trim(line.substr(blank + 1, equals - blank - 1));
            const std::string answer = Trim(line.substr(equals + 3));
            if (!TypeableKeyword(keyword))
                return Fail(line, "a keyword holds lower-case letters, digits, ä ö ü and single "
                                  "blanks"),
                       std::nullopt;
            if (!CheckText(answer, line)) return std::nullopt;
            keywords.push_back(keyword);
            answers.push_back(answer);
            continue;
        }
        if (section == "BLABLA") {
            const size_t bar = line.find('|');
            if (bar == std::string::npos)
                return Fail(line, "a joke is \"opening | follow-up\""), std::nullopt;
            const std::string opening = Trim(line.substr(0, bar));
            const std::string followUp = Trim(line.substr(bar + 1));
            if (!CheckText(opening, line) || !CheckText(followUp, line)) return std::nullopt;
            lists[section].push_back(opening);
            lists[section].push_back(followUp);
            continue;
        }
        if (!CheckText(line, line)) return std::nullopt;
        lists[section].push_back(line);
    }
    std::string out;
    auto write = [&out](const std::string& name, const std::vector<std::string>& entries) {
        out += name + "_START\n";
        for (const std::string& entry : entries)
            out += Encode(entry) + "\n";
        out += name + "_ENDE\n";
    };
    write("KEYWORD", keywords);
    write("ANTWORTEN", answers);
    for (const std::string& name : kListSections)
        write(name, lists[name]);
    return out;
}
