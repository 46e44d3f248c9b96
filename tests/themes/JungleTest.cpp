// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeTestSupport.h"
#include "media/DrawSprite.h"
#include "themes/HintergrundDschungel.h"
#include "themes/ThemeTextures.h"

#include <gtest/gtest.h>

namespace {

using themetest::Stage;

// Centres of the click boxes at the rest positions.
constexpr uint16_t FrogX = 270 + 32, FrogY = 768 - 124 + 32;
constexpr uint16_t MonkeyBodyX = 1024 - 121 + 60, MonkeyBodyY = 90;
constexpr uint16_t MonkeyHandX = 1024 - 121 + 75, MonkeyHandY = 85;
constexpr uint16_t SpiderX = 1024 - 231 + 70, SpiderY = -20 + 56;

TEST(IdleInterval, SeldomOftenAndOff) {
    RandomGenerator::Shared().Seed(99);
    RandomGenerator copy(99);
    EXPECT_EQ(HintergrundGrafik::IdleInterval(1, 10, 15), copy.Next() % 10 * 5 + 45);
    EXPECT_EQ(HintergrundGrafik::IdleInterval(2, 10, 15), 15 + copy.Next() % 10);
    // Off: 0, and no random number is used up.
    const uint32_t before = RandomGenerator::Shared().State();
    EXPECT_EQ(HintergrundGrafik::IdleInterval(0, 10, 15), 0.0);
    EXPECT_EQ(HintergrundGrafik::IdleInterval(3, 10, 15), 0.0);
    EXPECT_EQ(RandomGenerator::Shared().State(), before);
    // The bounds: seldom 45 … 90 seconds, often 15 … 24.
    for (int i = 0; i < 200; ++i) {
        const double seldom = HintergrundGrafik::IdleInterval(1, 10, 15);
        const double often = HintergrundGrafik::IdleInterval(2, 10, 15);
        EXPECT_TRUE(seldom >= 45 && seldom <= 90 && static_cast<int>(seldom) % 5 == 0) << seldom;
        EXPECT_TRUE(often >= 15 && often <= 24) << often;
    }
}

TEST(JungleFrog, ClickDuringTheCroakJumpsWhenTheCroakEnds) {
    Stage stage;
    HintergrundDschungel jungle(stage.app);
    stage.Run(jungle, 0.1); // the idle timer starts at 0: the frog croaks at once
    ASSERT_TRUE(jungle.frog.croaking);
    jungle.OnLeftButtonUp(FrogX, FrogY);
    EXPECT_TRUE(jungle.frog.jumpRequested);
    stage.Run(jungle, 0.3);
    EXPECT_FALSE(jungle.frog.jumping) << "the croak is not over yet";
    stage.Run(jungle, 0.15);
    EXPECT_FALSE(jungle.frog.croaking);
    EXPECT_TRUE(jungle.frog.jumping);
    EXPECT_FALSE(jungle.frog.jumpRequested);
    // The leap sound waits one second.
    ASSERT_EQ(stage.app.scheduledSounds.Count(), 1);
    EXPECT_EQ(stage.app.scheduledSounds.Get(0)->soundId, 205);
    EXPECT_DOUBLE_EQ(stage.app.scheduledSounds.Get(0)->delay, 1.0);
    EXPECT_DOUBLE_EQ(stage.app.scheduledSounds.Get(0)->volumeFactor, 0.8);
}

TEST(JungleFrog, ASecondClickDuringTheJumpIsIgnoredAndTheFrogLandsWhereItSat) {
    Stage stage;
    HintergrundDschungel jungle(stage.app);
    const PointF rest = jungle.frog.position;
    stage.Run(jungle, 0.6); // croak over
    jungle.OnLeftButtonUp(FrogX, FrogY);
    stage.Run(jungle, 0.05);
    ASSERT_TRUE(jungle.frog.jumping);
    stage.Run(jungle, 1.2); // in the air: 0.35 s of rising so far
    EXPECT_LT(jungle.frog.position.y, rest.y - 20.0f);
    jungle.OnLeftButtonUp(static_cast<uint16_t>(jungle.frog.position.x + 32),
                          static_cast<uint16_t>(jungle.frog.position.y + 32));
    EXPECT_FALSE(jungle.frog.jumpRequested);
    stage.Run(jungle, 0.6);
    EXPECT_FALSE(jungle.frog.jumping);
    EXPECT_FALSE(jungle.frog.jumpRequested);
    EXPECT_FLOAT_EQ(jungle.frog.position.y, rest.y);
    stage.Run(jungle, 2.0);
    EXPECT_FALSE(jungle.frog.jumping) << "no jump was kept from the ignored click";
}

TEST(JungleFrog, IdleFrogJumpsAtTheNextFrameWithoutWaitingForACroak) {
    Stage stage(2);
    HintergrundDschungel jungle(stage.app);
    stage.Run(jungle, 1.0);
    ASSERT_FALSE(jungle.frog.croaking);
    const double idle = jungle.frog.idleTimer;
    jungle.OnLeftButtonUp(FrogX, FrogY);
    stage.Run(jungle, 0.01);
    EXPECT_TRUE(jungle.frog.jumping);
    stage.Run(jungle, 1.0);
    EXPECT_DOUBLE_EQ(jungle.frog.idleTimer, idle) << "the croak clock stands still during a jump";
}

TEST(JungleMonkey, DoubleClickMakesItFallAndClimbBackAfterFiveSeconds) {
    Stage stage;
    HintergrundDschungel jungle(stage.app);
    jungle.OnLeftDoubleClick(1024 - 121 + 10, 90); // beside the body
    EXPECT_FALSE(jungle.monkey.falling);
    jungle.OnLeftDoubleClick(MonkeyBodyX, MonkeyBodyY);
    ASSERT_TRUE(jungle.monkey.falling);
    stage.Run(jungle, 1.0);
    EXPECT_NEAR(jungle.monkey.position.y, 500.0f, 10.0f); // a·t²/2
    jungle.OnLeftDoubleClick(MonkeyBodyX, MonkeyBodyY);   // no longer there
    stage.Run(jungle, 4.05);
    EXPECT_FALSE(jungle.monkey.falling);
    EXPECT_FLOAT_EQ(jungle.monkey.position.x, 1024 - 121);
    EXPECT_FLOAT_EQ(jungle.monkey.position.y, 0.0f);
}

TEST(JungleMonkey, FallRequestedWithAnimationsOffTakesEffectWhenTheyComeBack) {
    Stage stage(0);
    HintergrundDschungel jungle(stage.app);
    jungle.OnLeftDoubleClick(MonkeyBodyX, MonkeyBodyY);
    EXPECT_TRUE(jungle.monkey.falling);
    stage.Run(jungle, 2.0);
    EXPECT_FLOAT_EQ(jungle.monkey.position.y, 0.0f);
    stage.app.animationLevel = 1;
    jungle.ResetToRestPose(); // the options page calls it after the change: no effect now
    EXPECT_TRUE(jungle.monkey.falling);
    stage.Run(jungle, 0.5);
    EXPECT_GT(jungle.monkey.position.y, 100.0f);
}

TEST(JungleMonkey, FedWhileScratchingItEatsOnceTheScratchingIsOver) {
    Stage stage;
    HintergrundDschungel jungle(stage.app);
    stage.Run(jungle, 0.5);
    ASSERT_TRUE(jungle.monkey.scratching);
    jungle.OnLeftButtonUp(MonkeyHandX, MonkeyHandY);
    EXPECT_TRUE(jungle.monkey.fed);
    stage.Run(jungle, 2.4);
    EXPECT_TRUE(jungle.monkey.scratching);
    EXPECT_FALSE(jungle.monkey.eating);
    stage.Run(jungle, 0.2);
    EXPECT_FALSE(jungle.monkey.scratching);
    EXPECT_TRUE(jungle.monkey.eating);
    EXPECT_FALSE(jungle.monkey.fed);
    stage.Run(jungle, 2.0);
    EXPECT_FALSE(jungle.monkey.eating);
}

TEST(JungleSpider, ClickDropsItOnceWithTwoThreadSounds) {
    Stage stage;
    HintergrundDschungel jungle(stage.app);
    stage.Run(jungle, 0.6);
    stage.app.scheduledSounds.Clear();
    jungle.OnLeftButtonUp(SpiderX, SpiderY);
    jungle.OnLeftButtonUp(SpiderX, SpiderY); // already requested: nothing more
    ASSERT_EQ(stage.app.scheduledSounds.Count(), 2);
    EXPECT_DOUBLE_EQ(stage.app.scheduledSounds.Get(0)->delay, 0.4);
    EXPECT_DOUBLE_EQ(stage.app.scheduledSounds.Get(1)->delay, 1.3);
    stage.Run(jungle, 0.01);
    EXPECT_GT(jungle.spider.dropTime, 1.7);
    EXPECT_FALSE(jungle.spider.dropRequested);
    stage.Run(jungle, 1.85);
    EXPECT_LE(jungle.spider.dropTime, 0.0);
    EXPECT_EQ(jungle.spider.phase, 0.0);
}

TEST(JungleLevels, WithAnimationsOffNothingMovesAndClicksDoNothing) {
    Stage stage(0);
    HintergrundDschungel jungle(stage.app);
    const PointF fly = jungle.dragonfly.position;
    stage.Run(jungle, 3.0);
    EXPECT_FLOAT_EQ(jungle.dragonfly.position.x, fly.x);
    EXPECT_FALSE(jungle.frog.croaking);
    jungle.OnLeftButtonUp(FrogX, FrogY);
    jungle.OnLeftButtonUp(SpiderX, SpiderY);
    EXPECT_FALSE(jungle.frog.jumpRequested);
    EXPECT_FALSE(jungle.spider.dropRequested);
    EXPECT_EQ(stage.app.scheduledSounds.Count(), 0);
}

TEST(JungleLevels, RestPoseOnlyWithAnimationsOff) {
    Stage stage(2);
    HintergrundDschungel jungle(stage.app);
    jungle.OnLeftButtonUp(SpiderX, SpiderY);
    stage.Run(jungle, 0.3);
    ASSERT_TRUE(jungle.frog.croaking);
    const PointF fly = jungle.dragonfly.position;
    jungle.ResetToRestPose();
    EXPECT_TRUE(jungle.frog.croaking);
    EXPECT_GT(jungle.spider.dropTime, 0.0);
    EXPECT_FLOAT_EQ(jungle.dragonfly.position.x, fly.x);

    stage.app.animationLevel = 0;
    jungle.ResetToRestPose();
    EXPECT_FALSE(jungle.frog.croaking);
    EXPECT_EQ(jungle.frog.idleTimer, 0.0);
    EXPECT_EQ(jungle.spider.dropTime, 0.0);
    EXPECT_FLOAT_EQ(jungle.dragonfly.position.x, 200.0f);
    EXPECT_FLOAT_EQ(jungle.dragonfly.velocity.x, 20.0f);
    EXPECT_EQ(jungle.snake.timer, 0.0);
    EXPECT_EQ(jungle.snake.activeTime, 2.0);
    EXPECT_EQ(jungle.caveman.timer, 0.0);
    EXPECT_EQ(jungle.caveman.visibleTime, 2.0);
    EXPECT_EQ(jungle.caveman.kind, 0);
}

TEST(JungleDragonfly, StaysInItsBandAndMakesThePlantSnapOnlyNearby) {
    Stage stage;
    HintergrundDschungel jungle(stage.app);
    double plantBefore = 0.0;
    for (int i = 0; i < 4000; ++i) {
        const float xBefore = jungle.dragonfly.position.x;
        plantBefore = jungle.plantPhase;
        stage.Run(jungle, 0.05, 0.05);
        const float x = jungle.dragonfly.position.x;
        EXPECT_TRUE(x > 195.0f && x < 830.0f) << x;
        EXPECT_TRUE(jungle.dragonfly.position.y > 600.0f && jungle.dragonfly.position.y < 635.0f);
        const bool near = x >= 610.0f && x <= 691.0f;
        EXPECT_EQ(jungle.plantPhase > plantBefore, near) << xBefore << " -> " << x;
    }
}

} // namespace

namespace {

TEST(JungleCaveman, StepsInHoldsStillAndLeavesThenHides) {
    Stage stage(2);
    HintergrundDschungel jungle(stage.app);
    jungle.caveman.timer = 0.005; // the visit starts at the next update
    stage.Run(jungle, 0.01);
    ASSERT_GT(jungle.caveman.visibleTime, 2.9);
    const int kind = jungle.caveman.kind;
    if (kind == 1) {
        EXPECT_EQ(jungle.caveman.scale.x, -1.0f);
        EXPECT_EQ(jungle.caveman.position.x, 1024.0f) << "mirrored: drawn leftwards from the edge";
    } else {
        EXPECT_EQ(jungle.caveman.scale.x, 1.0f);
    }
    stage.Run(jungle, 0.48);
    EXPECT_GT(jungle.caveman.phase, 9.0) << "stepping in, frames 0 … 9";
    EXPECT_LE(jungle.caveman.phase, 10.0);
    stage.Run(jungle, 0.1);
    EXPECT_EQ(jungle.caveman.phase, 0.0) << "holds frame 0";
    stage.Run(jungle, 2.0);
    EXPECT_GE(jungle.caveman.phase, 10.0) << "leaving, frames 10 … 19";
    EXPECT_LE(jungle.caveman.phase, 20.0);
    SpriteRecorder visible;
    jungle.DrawBackLayer();
    EXPECT_EQ(visible.calls.back().slot,
              kind == 2 ? ThemeTextures::CavemanTall : ThemeTextures::CavemanWide);
    stage.Run(jungle, 0.5);
    SpriteRecorder hidden;
    jungle.DrawBackLayer();
    EXPECT_EQ(hidden.calls.back().slot, ThemeTextures::Spider) << "gone after three seconds";
}

} // namespace

namespace {

// The loop leaves out frames in which nothing would change: updating the jungle only when
// it asks for it (at most 60 times a second) moves it exactly as far as updating it in
// every hundredth of a second, in a fraction of the frames.
TEST(JungleFrames, PacedByItsOwnFrameRateItKeepsItsSpeed) {
    Stage fine(1);
    HintergrundDschungel everyFrame(fine.app);
    fine.Run(everyFrame, 3.0);

    Stage paced(1);
    HintergrundDschungel jungle(paced.app);
    int frames = 0;
    for (double t = 0.0; t < 3.0 - 1e-9; ++frames) {
        const double dt = std::min(std::max(jungle.NextChangeIn(), 1.0 / 60.0), 3.0 - t);
        paced.app.realFrameTime = dt;
        jungle.Update();
        t += dt;
    }
    EXPECT_NEAR(jungle.dragonfly.phase, everyFrame.dragonfly.phase, 1e-6);
    EXPECT_NEAR(jungle.dragonfly.position.x, everyFrame.dragonfly.position.x, 0.01);
    EXPECT_NEAR(jungle.dragonfly.phase, 30.0, 1e-6); // ten frames a second
    EXPECT_LT(frames, 100); // instead of 300
    EXPECT_GE(frames, 30);  // every frame of the dragonfly is shown
}

TEST(JungleFrames, WithAnimationsOffNothingAsksForAFrame) {
    Stage stage(0);
    HintergrundDschungel jungle(stage.app);
    EXPECT_GE(jungle.NextChangeIn(), 1.0e6);
}

} // namespace
