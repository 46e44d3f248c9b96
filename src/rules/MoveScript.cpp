// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/MoveScript.h"

#include <charconv>
#include <istream>
#include <sstream>

namespace {

struct MoveWord {
    const char* word;
    MoveKind kind;
    int numbers; // how many numbers follow the word
};

constexpr MoveWord kMoveWords[] = {
    {"drag", MoveKind::Drag, 3},        {"auto", MoveKind::Auto, 2},
    {"click", MoveKind::Click, 1},      {"undo", MoveKind::Undo, 0},
    {"redo", MoveKind::Redo, 0},        {"undo-all", MoveKind::UndoAll, 0},
    {"redo-all", MoveKind::RedoAll, 0},
};

const char* Usage(MoveKind kind) {
    switch (kind) {
    case MoveKind::Drag:
        return "drag SRC N DST";
    case MoveKind::Auto:
        return "auto SRC N";
    case MoveKind::Click:
        return "click ID";
    case MoveKind::Undo:
        return "undo";
    case MoveKind::Redo:
        return "redo";
    case MoveKind::UndoAll:
        return "undo-all";
    case MoveKind::RedoAll:
        return "redo-all";
    }
    return "";
}

// A whole word as a decimal integer with an optional sign that fits in an int.
bool ParseInt(const std::string& word, int& value) {
    const char* first = word.data();
    const char* last = word.data() + word.size();
    if (first != last && *first == '+') ++first;
    if (first == last) return false;
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last;
}

std::string LinePrefix(int line) {
    return "line " + std::to_string(line) + ": ";
}

} // namespace

std::string ScriptMove::Text() const {
    switch (kind) {
    case MoveKind::Drag:
        return "drag " + std::to_string(source) + " " + std::to_string(depth) + " " +
               std::to_string(target);
    case MoveKind::Auto:
        return "auto " + std::to_string(source) + " " + std::to_string(depth);
    case MoveKind::Click:
        return "click " + std::to_string(source);
    default:
        return Usage(kind);
    }
}

bool MoveScript::ParseLine(const std::string& text, int line, std::vector<ScriptMove>& out,
                           std::string& error) {
    std::string content = text.substr(0, text.find('#'));
    std::istringstream words(content);
    std::vector<std::string> tokens;
    for (std::string word; words >> word;)
        tokens.push_back(word);
    if (tokens.empty()) return true;

    const MoveWord* found = nullptr;
    for (const MoveWord& candidate : kMoveWords)
        if (tokens[0] == candidate.word) found = &candidate;
    if (!found) {
        error = LinePrefix(line) + "unknown move \"" + tokens[0] +
                "\" (expected drag, auto, click, undo, redo, undo-all or redo-all)";
        return false;
    }
    int given = static_cast<int>(tokens.size()) - 1;
    if (given != found->numbers) {
        std::string joined;
        for (const std::string& token : tokens)
            joined += (joined.empty() ? "" : " ") + token;
        error = LinePrefix(line) + (given < found->numbers ? "missing number" : "too many words") +
                " in \"" + joined + "\" (expected " + Usage(found->kind) + ")";
        return false;
    }
    int numbers[3] = {0, 0, 0};
    for (int i = 0; i < found->numbers; ++i) {
        if (!ParseInt(tokens[static_cast<size_t>(i) + 1], numbers[i])) {
            error = LinePrefix(line) + "\"" + tokens[static_cast<size_t>(i) + 1] +
                    "\" is not a number (expected " + Usage(found->kind) + ")";
            return false;
        }
    }
    ScriptMove move;
    move.kind = found->kind;
    move.line = line;
    switch (found->kind) {
    case MoveKind::Drag:
        move.source = numbers[0];
        move.depth = numbers[1];
        move.target = numbers[2];
        break;
    case MoveKind::Auto:
        move.source = numbers[0];
        move.depth = numbers[1];
        break;
    case MoveKind::Click:
        move.source = numbers[0];
        break;
    default:
        break;
    }
    if ((move.kind == MoveKind::Drag || move.kind == MoveKind::Auto) && move.depth < 1) {
        error =
            LinePrefix(line) + "N must be 1 or more (1 is the top card) in \"" + move.Text() + "\"";
        return false;
    }
    out.push_back(move);
    return true;
}

bool MoveScript::Parse(std::istream& in, std::string& error) {
    moves.clear();
    int line = 0;
    for (std::string text; std::getline(in, text);) {
        ++line;
        if (!ParseLine(text, line, moves, error)) return false;
    }
    return true;
}
