// SPDX-License-Identifier: GPL-3.0-or-later
// One card of the win animation: waiting, falling, bouncing off floor and walls, resting.
#include "rules/Card.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Seconds until the card has finished, at the given frame rate; -1 if it never does.
double SecondsToRest(double framesPerSecond, Vec2 velocity) {
    Card card(0, 0);
    card.position = {500, 300};
    card.StartBounce(0.5, velocity, {0, 100});
    const double dt = 1.0 / framesPerSecond;
    for (int frame = 1; frame < 600 * framesPerSecond; ++frame) {
        card.StepBounce(dt, 1024, 768);
        EXPECT_GE(card.position.x, 0.0f);
        EXPECT_LE(card.position.x, 1024 - 88);
        EXPECT_LE(card.position.y, 768 - 128);
        if (card.FinishedBouncing()) return frame * dt;
    }
    return -1;
}

TEST(BounceTest, ACardComesToRestAtEveryFrameRate) {
    for (double fps : {30.0, 60.0, 144.0, 1000.0}) {
        const double seconds = SecondsToRest(fps, {150, -75});
        EXPECT_GT(seconds, 1.0) << fps << " frames a second";
        EXPECT_LT(seconds, 60.0) << fps << " frames a second";
    }
}

TEST(BounceTest, TheDelayHoldsTheCardThenGravityPullsItDown) {
    Card card(0, 0);
    card.position = {500, 100};
    card.target = {500, 100};
    EXPECT_TRUE(card.FinishedBouncing()) << "a card that never bounced counts as finished";
    card.StartBounce(0.1, {0, 0}, {0, 100});
    EXPECT_FALSE(card.FinishedBouncing());
    card.StepBounce(0.05, 1024, 768);
    EXPECT_FALSE(card.BounceActive());
    EXPECT_EQ(card.position.y, 100.0f);
    card.StepBounce(0.05, 1024, 768);
    EXPECT_TRUE(card.BounceActive());
    const float y = card.position.y;
    card.target = {0, 0};
    card.Step(0.05); // once free, the card no longer glides to its place
    EXPECT_EQ(card.position.y, y);
    card.StepBounce(0.05, 1024, 768);
    EXPECT_GT(card.position.y, y);
}

TEST(BounceTest, WallsTurnTheCardAndTheFloorThrowsItBack) {
    Card card(0, 0);
    card.position = {930, 638};
    card.StartBounce(0.0, {100, 50}, {0, 100});
    card.StepBounce(0.05, 1024, 768);
    EXPECT_LT(card.velocity.x, 0.0f) << "off the right wall";
    EXPECT_LT(card.velocity.y, 0.0f) << "off the floor";
    EXPECT_FLOAT_EQ(card.position.x, 1024 - 88);
    EXPECT_FLOAT_EQ(card.position.y, 768 - 128);
}

} // namespace
