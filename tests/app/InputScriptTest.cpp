// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InputScript.h"
#include "app/RunOptions.h"
#include "platform/VirtualKeys.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<MessageKind> Kinds(const InputScript& script, int frame) {
    std::vector<MessageKind> kinds;
    for (const ScriptEvent* e : script.EventsAt(frame))
        kinds.push_back(e->message.kind);
    return kinds;
}

TEST(InputScript, CommandsExpandIntoWindowMessagesInOrder) {
    std::string error;
    const auto script = InputScript::Parse("# a comment line\n"
                                           "\n"
                                           "5 dblclick 10 20   # trailing comment\n"
                                           "5 key Return\r\n"
                                           "2 rclick 1 2\n"
                                           "7 wheel -2\n"
                                           "9 screenshot x.png\n"
                                           "9 quit\n",
                                           error);
    ASSERT_TRUE(script) << error;
    EXPECT_EQ(Kinds(*script, 2),
              (std::vector<MessageKind>{MessageKind::MouseMove, MessageKind::RightButtonDown,
                                        MessageKind::RightButtonUp}));
    EXPECT_EQ(Kinds(*script, 5),
              (std::vector<MessageKind>{MessageKind::MouseMove, MessageKind::LeftButtonDown,
                                        MessageKind::LeftButtonUp, MessageKind::LeftDoubleClick,
                                        MessageKind::LeftButtonUp, MessageKind::KeyDown,
                                        MessageKind::KeyUp}));
    EXPECT_EQ(script->EventsAt(5)[3]->message.x, 10);
    EXPECT_EQ(script->EventsAt(5)[3]->message.y, 20);
    EXPECT_EQ(script->EventsAt(5)[5]->message.key, VirtualKey::Return);
    EXPECT_EQ(static_cast<int16_t>(script->EventsAt(7)[0]->message.wheel >> 16), -240);
    EXPECT_EQ(script->EventsAt(9)[0]->action, ScriptEvent::Action::Screenshot);
    EXPECT_EQ(script->EventsAt(9)[0]->file, "x.png");
    EXPECT_EQ(script->EventsAt(9)[1]->action, ScriptEvent::Action::Quit);
    EXPECT_TRUE(script->EventsAt(3).empty());
    EXPECT_EQ(script->LastFrame(), 9);
}

TEST(InputScript, NegativeCoordinatesWrapLikeARealDragOutOfTheWindow) {
    std::string error;
    const auto script = InputScript::Parse("0 move -1 -20\n", error);
    ASSERT_TRUE(script) << error;
    EXPECT_EQ(script->EventsAt(0)[0]->message.x, 65535);
    EXPECT_EQ(script->EventsAt(0)[0]->message.y, 65516);
}

TEST(InputScript, KeyNames) {
    EXPECT_EQ(InputScript::KeyCode("a"), 'A');
    EXPECT_EQ(InputScript::KeyCode("7"), '7');
    EXPECT_EQ(InputScript::KeyCode("ESC"), VirtualKey::Escape);
    EXPECT_EQ(InputScript::KeyCode("control"), VirtualKey::Control);
    EXPECT_EQ(InputScript::KeyCode("F12"), 0x7Bu);
    EXPECT_EQ(InputScript::KeyCode("ue"), VirtualKey::OemUUmlaut);
    EXPECT_EQ(InputScript::KeyCode("\xC3\xB6"), VirtualKey::OemOUmlaut);
    EXPECT_EQ(InputScript::KeyCode("0x1B"), VirtualKey::Escape);
    EXPECT_EQ(InputScript::KeyCode("32"), VirtualKey::Space);
    EXPECT_FALSE(InputScript::KeyCode("F13"));
    EXPECT_FALSE(InputScript::KeyCode("300"));
    EXPECT_FALSE(InputScript::KeyCode("Hyper"));
    EXPECT_FALSE(InputScript::KeyCode("!"));
}

TEST(InputScript, BadLinesNameTheirNumberAndReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"0 move 1 2\n1 jump\n", "2: unknown command 'jump'"},
        {"x move 1 2\n", "1: expected a frame number"},
        {"-1 move 1 2\n", "1: expected a frame number"},
        {"\n\n3\n", "3: a command must follow"},
        {"1 move 1\n", "1: 'move' needs two whole numbers"},
        {"1 click 1 two\n", "1: 'click' needs two whole numbers"},
        {"1 move 1 99999\n", "1: coordinates must lie"},
        {"1 key\n", "1: 'key' needs one key name"},
        {"1 key Hyper\n", "1: unknown key 'Hyper'"},
        {"1 wheel 0\n", "1: 'wheel' needs"},
        {"1 quit now\n", "1: 'quit' takes no arguments"},
        {"99999999999 quit\n", "1: expected a frame number"},
    };
    for (const auto& [text, expected] : cases) {
        std::string error;
        EXPECT_FALSE(InputScript::Parse(text, error)) << text;
        EXPECT_EQ(error.rfind(expected, 0), 0u) << "for " << text << " got: " << error;
    }
}

TEST(InputScript, LoadNamesTheFileInErrors) {
    std::string error;
    EXPECT_FALSE(InputScript::Load("/nonexistent/dir/script.txt", error));
    EXPECT_EQ(error, "cannot read script file '/nonexistent/dir/script.txt'");
}

ParseResult Parse(std::vector<const char*> args, std::string* errText = nullptr) {
    args.insert(args.begin(), "kartenhaus");
    std::ostringstream out, err;
    ParseResult r = ParseCommandLine(static_cast<int>(args.size()), args.data(), out, err);
    if (errText) *errText = err.str() + out.str();
    return r;
}

TEST(RunOptions, EveryOptionIsRead) {
    const ParseResult r =
        Parse({"--frames", "12", "--screenshot", "a.png", "--script", "s.txt", "--data", "/tmp",
               "--step", "0.02", "--require-content", "--test-scene"});
    ASSERT_EQ(r.outcome, ParseOutcome::Run);
    EXPECT_EQ(r.options.frames, 12);
    EXPECT_EQ(r.options.screenshot, "a.png");
    EXPECT_EQ(r.options.script, "s.txt");
    EXPECT_EQ(r.options.dataDir, "/tmp");
    EXPECT_DOUBLE_EQ(r.options.fixedStep, 0.02);
    EXPECT_TRUE(r.options.requireContent);
    EXPECT_TRUE(r.options.testScene);
    EXPECT_TRUE(r.options.IsTestRun());
    EXPECT_FALSE(Parse({}).options.IsTestRun());
}

TEST(RunOptions, BadValuesAreUsageErrors) {
    for (auto args : std::vector<std::vector<const char*>>{{"--frames", "-3"},
                                                           {"--frames", "5x"},
                                                           {"--frames", "99999999999"},
                                                           {"--step", "0"},
                                                           {"--step", "nan"},
                                                           {"--step", "1e9"},
                                                           {"--screenshot", ""},
                                                           {"--data"},
                                                           {"-x"},
                                                           {"frames"}}) {
        std::string err;
        EXPECT_EQ(Parse(args, &err).outcome, ParseOutcome::UsageError) << args[0];
        EXPECT_NE(err.find("Usage: kartenhaus"), std::string::npos);
    }
    std::string text;
    EXPECT_EQ(Parse({"--version"}, &text).outcome, ParseOutcome::Exit);
    EXPECT_EQ(text.rfind("kartenhaus ", 0), 0u);
}

} // namespace
