// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrameStep.h"
#include "RecordingScene.h"
#include "app/AppState.h"

#include <gtest/gtest.h>

namespace {

class FrameStepTest : public ::testing::Test {
protected:
    AppState app;
    RecordingScene scene;
    void SetUp() override {
        app.currentScene = &scene;
        scene.app = &app;
        InitialiseTimer(app, 1000, 0, 0); // 1 ms per count
    }
};

TEST_F(FrameStepTest, TimerUsesTheCounterOrFallsBackToMilliseconds) {
    InitialiseTimer(app, 2000000, 77, 5);
    EXPECT_TRUE(app.highResolutionTimer);
    EXPECT_DOUBLE_EQ(app.secondsPerTick, 0.0000005);
    EXPECT_EQ(app.lastCounter, 77);
    InitialiseTimer(app, 0, 77, 5);
    EXPECT_FALSE(app.highResolutionTimer);
    EXPECT_DOUBLE_EQ(app.secondsPerTick, 0.001);
    EXPECT_EQ(app.lastCounter, 5);
}

TEST_F(FrameStepTest, EachFrameAdvancesByTheCounterDifference) {
    EXPECT_TRUE(RunUpdateStep(app, 16));
    EXPECT_DOUBLE_EQ(scene.lastFrameTime, 0.016);
    EXPECT_TRUE(RunUpdateStep(app, 50));
    EXPECT_DOUBLE_EQ(scene.lastFrameTime, 0.034);
    EXPECT_DOUBLE_EQ(scene.lastRealFrameTime, 0.034);
    EXPECT_EQ(app.lastCounter, 50);
    EXPECT_EQ(app.currentCounter, 50);
    EXPECT_EQ(scene.updates, 2);
    EXPECT_DOUBLE_EQ(app.carriedTime, 0.0);
}

TEST_F(FrameStepTest, PausedFramesGiveNoGameTimeButRealTimeRuns) {
    app.paused = true;
    EXPECT_TRUE(RunUpdateStep(app, 20));
    EXPECT_EQ(scene.updates, 1);
    EXPECT_DOUBLE_EQ(scene.lastFrameTime, 0.0);
    EXPECT_DOUBLE_EQ(scene.lastRealFrameTime, 0.020);
    app.paused = false;
    EXPECT_TRUE(RunUpdateStep(app, 30));
    EXPECT_DOUBLE_EQ(scene.lastFrameTime, 0.010); // the paused time is not made up
}

TEST_F(FrameStepTest, TimerGoingBackwardsSkipsUpdatesUntilTheDebtIsPaid) {
    RunUpdateStep(app, 100);
    EXPECT_EQ(scene.updates, 1);
    EXPECT_FALSE(RunUpdateStep(app, 70)); // 30 ms backwards
    EXPECT_FALSE(RunUpdateStep(app, 90)); // 20 ms forward: still 10 ms owed
    EXPECT_EQ(scene.updates, 1);
    EXPECT_NEAR(app.carriedTime, -0.010, 1e-12);
    EXPECT_TRUE(RunUpdateStep(app, 115)); // 25 ms forward: 15 ms left over
    EXPECT_EQ(scene.updates, 2);
    EXPECT_NEAR(scene.lastFrameTime, 0.015, 1e-12);
    EXPECT_DOUBLE_EQ(app.carriedTime, 0.0);
}

TEST_F(FrameStepTest, ScheduledSoundsCountDownOnlyWithGameTime) {
    auto* sound = new ScheduledSound{205, 0.05, 1.0};
    app.scheduledSounds.Append(sound);
    RunUpdateStep(app, 20);
    EXPECT_NEAR(sound->delay, 0.03, 1e-12);
    app.paused = true;
    RunUpdateStep(app, 100);
    EXPECT_NEAR(sound->delay, 0.03, 1e-12);
    app.paused = false;
    RunUpdateStep(app, 140);
    EXPECT_EQ(app.scheduledSounds.Count(), 0);
}

TEST_F(FrameStepTest, RenderWithoutDeviceDoesNothing) {
    EXPECT_FALSE(RunRenderStep(app));
}

} // namespace
