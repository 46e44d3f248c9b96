// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text form of the player's moves, one per line, as the command-line tool
// replays them and as tests and bug reports write them:
//   drag SRC N DST   take the N-th visible card from the top of pile SRC (N = 1 is
//                    the top card) with the cards on it and drop it on pile DST
//   auto SRC N       double click on that card (send it to the first pile that takes it)
//   click ID         click on pile ID where it shows no visible card
//   undo, redo, undo-all, redo-all   the four history buttons
// "#" starts a comment that runs to the end of the line; blank lines are ignored.
#include <iosfwd>
#include <string>
#include <vector>

enum class MoveKind { Drag, Auto, Click, Undo, Redo, UndoAll, RedoAll };

struct ScriptMove {
    MoveKind kind = MoveKind::Undo;
    int source = 0; // pile id of drag, auto and click
    int depth = 0;  // N of drag and auto: 1 = the top visible card
    int target = 0; // pile id of drag
    int line = 0;   // line number in the file, counted from 1

    // The move in its canonical text form ("drag 3 1 5").
    std::string Text() const;
};

class MoveScript {
public:
    // Parses the whole stream. On the first malformed line it stops and returns
    // false with a message of the form "line L: ..." in error; moves then holds
    // the moves before that line.
    bool Parse(std::istream& in, std::string& error);
    // Parses one line (without its line end). Returns false with the message in
    // error for a malformed line; a blank or comment line yields no move.
    static bool ParseLine(const std::string& text, int line, std::vector<ScriptMove>& out,
                          std::string& error);

    std::vector<ScriptMove> moves;
};
