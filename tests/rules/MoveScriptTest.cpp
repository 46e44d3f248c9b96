// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/MoveScript.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string ParseError(const std::string& text) {
    std::istringstream in(text);
    MoveScript script;
    std::string error;
    EXPECT_FALSE(script.Parse(in, error)) << text;
    return error;
}

} // namespace

TEST(MoveScript, ReadsEveryMoveWithCommentsBlankLinesAndLineNumbers) {
    std::istringstream in("# a won game\n"
                          "\n"
                          "drag 3 2 5   # two cards\n"
                          "auto 1 1\r\n"
                          "click -4\n"
                          "undo\n"
                          "  redo\n"
                          "undo-all\n"
                          "redo-all # to the end\n");
    MoveScript script;
    std::string error;
    ASSERT_TRUE(script.Parse(in, error)) << error;
    ASSERT_EQ(script.moves.size(), 7u);
    const ScriptMove& drag = script.moves[0];
    EXPECT_EQ(drag.kind, MoveKind::Drag);
    EXPECT_EQ(drag.source, 3);
    EXPECT_EQ(drag.depth, 2);
    EXPECT_EQ(drag.target, 5);
    EXPECT_EQ(drag.line, 3);
    EXPECT_EQ(drag.Text(), "drag 3 2 5");
    EXPECT_EQ(script.moves[1].Text(), "auto 1 1");
    EXPECT_EQ(script.moves[2].kind, MoveKind::Click);
    EXPECT_EQ(script.moves[2].source, -4);
    EXPECT_EQ(script.moves[3].kind, MoveKind::Undo);
    EXPECT_EQ(script.moves[4].kind, MoveKind::Redo);
    EXPECT_EQ(script.moves[5].kind, MoveKind::UndoAll);
    EXPECT_EQ(script.moves[6].kind, MoveKind::RedoAll);
    EXPECT_EQ(script.moves[6].line, 9);
    EXPECT_EQ(script.moves[6].Text(), "redo-all");
}

TEST(MoveScript, MalformedLinesNameTheLineAndTheProblem) {
    EXPECT_EQ(ParseError("undo\nmove 1 2\n"),
              "line 2: unknown move \"move\" (expected drag, auto, click, undo, redo, undo-all "
              "or redo-all)");
    EXPECT_EQ(ParseError("drag 1 2\n"),
              "line 1: missing number in \"drag 1 2\" (expected drag SRC N DST)");
    EXPECT_EQ(ParseError("\n\nclick\n"), "line 3: missing number in \"click\" (expected click ID)");
    EXPECT_EQ(ParseError("undo 3\n"), "line 1: too many words in \"undo 3\" (expected undo)");
    EXPECT_EQ(ParseError("auto x 1\n"), "line 1: \"x\" is not a number (expected auto SRC N)");
    EXPECT_EQ(ParseError("auto 1 1x\n"), "line 1: \"1x\" is not a number (expected auto SRC N)");
    EXPECT_EQ(ParseError("click 99999999999\n"),
              "line 1: \"99999999999\" is not a number (expected click ID)");
    EXPECT_EQ(ParseError("drag 1 0 2\n"),
              "line 1: N must be 1 or more (1 is the top card) in \"drag 1 0 2\"");
    EXPECT_EQ(ParseError("UNDO\n").substr(0, 22), "line 1: unknown move \"");
}

TEST(MoveScript, StopsAtTheFirstBadLineKeepingTheMovesBefore) {
    std::istringstream in("click 1\nclick 2\nbogus\nclick 3\n");
    MoveScript script;
    std::string error;
    EXPECT_FALSE(script.Parse(in, error));
    EXPECT_EQ(script.moves.size(), 2u);
    EXPECT_EQ(error.substr(0, 8), "line 3: ");
}

TEST(MoveScript, BinaryGarbageIsAnErrorNotACrash) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.push_back(static_cast<char>((i * 131 + 7) % 256));
    std::istringstream in(garbage);
    MoveScript script;
    std::string error;
    EXPECT_FALSE(script.Parse(in, error));
    EXPECT_EQ(error.substr(0, 5), "line ");
}
