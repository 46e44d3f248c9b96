// SPDX-License-Identifier: GPL-3.0-or-later
// When the frame loop runs a frame and when it draws one.
#include "app/FramePacer.h"
#include "app/Game.h"

#include <gtest/gtest.h>

namespace {

constexpr double minInterval = 1.0 / 60.0;
constexpr double maxWait = 1.0;

TEST(FramePacer, DrawsTheFirstFrameThenOnlyWhenThePictureChanges) {
    FramePacer pacer(minInterval, maxWait);
    EXPECT_TRUE(pacer.ShouldDraw(0.0));
    // A still picture: the next frame only for unseen work, and it is not drawn.
    pacer.FrameDone(0.0, true, Game::NoChange, Game::NoChange);
    EXPECT_DOUBLE_EQ(pacer.NextFrameAt(), maxWait);
    EXPECT_FALSE(pacer.ShouldDraw(maxWait));
    pacer.FrameDone(maxWait, false, Game::NoChange, Game::NoChange);
    EXPECT_DOUBLE_EQ(pacer.NextFrameAt(), 2 * maxWait);
    // A clock that ticks in a quarter second.
    pacer.FrameDone(2.0, false, 0.25, Game::NoChange);
    EXPECT_DOUBLE_EQ(pacer.NextFrameAt(), 2.25);
    EXPECT_FALSE(pacer.ShouldDraw(2.2));
    EXPECT_TRUE(pacer.ShouldDraw(2.25));
}

TEST(FramePacer, SomethingMovingEveryFrameIsCappedAtTheRefreshRate) {
    FramePacer pacer(minInterval, maxWait);
    pacer.FrameDone(5.0, true, 0.0, Game::NoChange);
    EXPECT_DOUBLE_EQ(pacer.NextFrameAt(), 5.0 + minInterval);
    EXPECT_TRUE(pacer.ShouldDraw(5.0 + minInterval));
}

TEST(FramePacer, InputIsDrawnAtTheNextFrameButNotSoonerThanTheRefreshAllows) {
    FramePacer pacer(minInterval, maxWait);
    pacer.FrameDone(1.0, true, Game::NoChange, Game::NoChange);
    EXPECT_FALSE(pacer.ShouldDraw(1.001));
    pacer.NoteInput();
    EXPECT_TRUE(pacer.ShouldDraw(1.001));
    EXPECT_DOUBLE_EQ(pacer.NextFrameAt(), 1.0 + minInterval);
    // Once drawn, the input is done with.
    pacer.FrameDone(1.0 + minInterval, true, Game::NoChange, Game::NoChange);
    EXPECT_FALSE(pacer.ShouldDraw(1.5));
}

TEST(FramePacer, ASoundWaitingForItsDelayWakesTheLoopWithoutDrawing) {
    FramePacer pacer(minInterval, maxWait);
    pacer.FrameDone(0.0, true, Game::NoChange, 0.4);
    EXPECT_DOUBLE_EQ(pacer.NextFrameAt(), 0.4);
    EXPECT_FALSE(pacer.ShouldDraw(0.4));
}

TEST(FramePacer, NeverFasterThanSixtyFramesASecond) {
    EXPECT_DOUBLE_EQ(FramePacer::IntervalFor(144), 1.0 / 60.0);
    EXPECT_DOUBLE_EQ(FramePacer::IntervalFor(60), 1.0 / 60.0);
    EXPECT_DOUBLE_EQ(FramePacer::IntervalFor(50), 1.0 / 50.0);
    EXPECT_DOUBLE_EQ(FramePacer::IntervalFor(0), 1.0 / 60.0); // unknown display
}

} // namespace
