// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowProcedure.h"
#include "RecordingScene.h"
#include "app/AppState.h"
#include "platform/VirtualKeys.h"

#include <gtest/gtest.h>

namespace {

class WindowProcedureTest : public ::testing::Test {
protected:
    AppState app;
    RecordingScene scene;
    WindowProcedure procedure{app};

    void SetUp() override {
        app.currentScene = &scene;
        scene.app = &app;
    }
    void Send(WindowMessage m) { procedure.Handle(m); }
    void Key(MessageKind kind, uint32_t key) { Send(WindowMessage::Key(kind, key)); }
};

TEST_F(WindowProcedureTest, MouseMessagesReachTheSceneAndOnlyMovesUpdateThePosition) {
    Send(WindowMessage::Mouse(MessageKind::MouseMove, 10, 20));
    Send(WindowMessage::Mouse(MessageKind::MouseMove, 30, 40));
    Send(WindowMessage::Mouse(MessageKind::LeftButtonDown, 500, 600));
    Send(WindowMessage::Mouse(MessageKind::RightButtonUp, 7, 8));
    EXPECT_EQ(app.mouseX, 30);
    EXPECT_EQ(app.mouseY, 40);
    EXPECT_EQ(app.previousMouseX, 10);
    EXPECT_EQ(app.previousMouseY, 20);
    EXPECT_EQ(scene.calls,
              (std::vector<std::string>{"move 10 20", "move 30 40", "down 500 600", "rup 7 8"}));
}

TEST_F(WindowProcedureTest, PositionsOutsideTheWindowArriveAsLargeUnsignedValues) {
    // A drag that leaves the window at the top left reports -5, -1.
    Send(WindowMessage::Mouse(MessageKind::MouseMove, -5, -1));
    EXPECT_EQ(app.mouseX, 65531);
    EXPECT_EQ(app.mouseY, 65535);
    EXPECT_EQ(scene.calls.back(), "move 65531 65535");
}

TEST_F(WindowProcedureTest, ControlReturnTogglesFullscreenWithoutReachingTheScene) {
    app.fullscreen = false;
    app.presentParameters.windowed = true;
    Key(MessageKind::KeyDown, VirtualKey::Control);
    Key(MessageKind::KeyDown, VirtualKey::Return);
    EXPECT_TRUE(app.fullscreen);
    EXPECT_FALSE(app.presentParameters.windowed);
    Key(MessageKind::KeyDown, VirtualKey::Return); // auto-repeat toggles back
    EXPECT_FALSE(app.fullscreen);
    EXPECT_TRUE(app.presentParameters.windowed);
    Key(MessageKind::KeyUp, VirtualKey::Return);
    Key(MessageKind::KeyUp, VirtualKey::Control);
    EXPECT_EQ(scene.calls, (std::vector<std::string>{"keydown 17", "keyup 13", "keyup 17"}));
    // With Control released, Return is an ordinary key again.
    Key(MessageKind::KeyDown, VirtualKey::Return);
    EXPECT_EQ(scene.calls.back(), "keydown 13");
    EXPECT_FALSE(app.fullscreen);
}

TEST_F(WindowProcedureTest, OnlyTheFirstEscapeReleaseAfterTheIntroIsSwallowed) {
    app.introEscapePending = true;
    Key(MessageKind::KeyUp, VirtualKey::Escape);
    EXPECT_TRUE(scene.calls.empty());
    EXPECT_FALSE(app.introEscapePending);
    Key(MessageKind::KeyDown, VirtualKey::Escape);
    Key(MessageKind::KeyUp, VirtualKey::Escape);
    EXPECT_EQ(scene.calls, (std::vector<std::string>{"keydown 27", "keyup 27"}));
}

TEST_F(WindowProcedureTest, EscapeReleaseWithoutIntroReachesTheScene) {
    Key(MessageKind::KeyUp, VirtualKey::Escape);
    EXPECT_EQ(scene.calls, (std::vector<std::string>{"keyup 27"}));
}

TEST_F(WindowProcedureTest, KeyDownPassesOnlyTheLow16Bits) {
    Key(MessageKind::KeyDown, 0x12340041);
    Key(MessageKind::KeyUp, 0x12340041);
    EXPECT_EQ(scene.calls, (std::vector<std::string>{"keydown 65", "keyup 305397825"}));
}

TEST_F(WindowProcedureTest, WheelParameterIsForwardedWhole) {
    Send(WindowMessage::Wheel(-120, WheelState::Control));
    EXPECT_EQ(scene.calls.back(), "wheel " + std::to_string((0xFF88u << 16) | 0x0008u));
}

TEST_F(WindowProcedureTest, InputWithoutSceneIsDroppedButStillTracksMouseAndControl) {
    app.currentScene = nullptr;
    Send(WindowMessage::Mouse(MessageKind::MouseMove, 3, 4));
    Key(MessageKind::KeyDown, VirtualKey::Control);
    Send(WindowMessage::Mouse(MessageKind::LeftButtonDown, 3, 4));
    EXPECT_EQ(app.mouseX, 3);
    EXPECT_TRUE(procedure.ControlHeld());
    EXPECT_TRUE(scene.calls.empty());
}

TEST_F(WindowProcedureTest, ClosingTheWindowPostsQuitWithCodeZero) {
    EXPECT_FALSE(procedure.QuitPosted());
    Send(WindowMessage::Of(MessageKind::WindowDestroyed));
    EXPECT_TRUE(procedure.QuitPosted());
    EXPECT_EQ(procedure.QuitCode(), 0);
    EXPECT_TRUE(scene.calls.empty());
}

} // namespace
