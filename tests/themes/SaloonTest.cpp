// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeTestSupport.h"
#include "media/DrawSprite.h"
#include "themes/HintergrundSaloon.h"
#include "themes/ThemeTextures.h"

#include <gtest/gtest.h>

namespace {

using themetest::Stage;

constexpr uint16_t PosterX = 855 + 90, PosterY = 100 + 90;
constexpr uint16_t DoorX = 70, DoorY = 222 + 60;

// Puts a fully risen figure behind the door at x 40 with `left` seconds of its show left.
void ShowFigure(HintergrundSaloon& saloon, double left) {
    saloon.doorFigure.position = {40.0f, 250.0f};
    saloon.doorFigure.total = 15.0;
    saloon.doorFigure.timer = left;
    saloon.doorFigure.frame = 10.0;
}
constexpr uint16_t FigureX = 40 + 20, FigureY = 250 + 60;

TEST(SaloonDoorFigure, CanBeShotOnlyWhileTheDoorIsOpenAndTheFigureFullyUp) {
    Stage stage;
    HintergrundSaloon saloon(stage.app);
    ShowFigure(saloon, 10.0);
    EXPECT_FALSE(saloon.DoorFigureHit(FigureX, FigureY)) << "the door is shut";
    saloon.OnLeftButtonUp(FigureX, FigureY);
    EXPECT_EQ(saloon.doorFigure.frame, 10.0);

    saloon.OnLeftDoubleClick(DoorX, DoorY);
    ASSERT_EQ(saloon.door.timer, 20.0);
    EXPECT_TRUE(saloon.DoorFigureHit(FigureX, FigureY));
    EXPECT_FALSE(saloon.DoorFigureHit(FigureX, 250 + 10)) << "above its box";

    ShowFigure(saloon, 14.5); // still rising
    EXPECT_FALSE(saloon.DoorFigureHit(FigureX, FigureY));
    ShowFigure(saloon, 0.7); // already sinking
    EXPECT_FALSE(saloon.DoorFigureHit(FigureX, FigureY));
    saloon.door.timer = 0.5; // the door is swinging shut
    ShowFigure(saloon, 10.0);
    EXPECT_FALSE(saloon.DoorFigureHit(FigureX, FigureY));

    saloon.door.timer = 15.0;
    saloon.OnLeftButtonUp(FigureX, FigureY);
    EXPECT_EQ(saloon.doorFigure.frame, 11.0);
    EXPECT_EQ(saloon.doorFigure.timer, 0.75);
    EXPECT_FALSE(saloon.DoorFigureHit(FigureX, FigureY)) << "a hit figure cannot be shot again";
    stage.Run(saloon, 0.25);
    EXPECT_NEAR(stage.app.shotRecoil, 3.0, 0.2);
    stage.Run(saloon, 0.3);
    EXPECT_EQ(stage.app.shotRecoil, 0.0);
}

TEST(SaloonDoor, DoubleClickOpensItForTwentySecondsAndItSwingsShut) {
    Stage stage;
    HintergrundSaloon saloon(stage.app);
    saloon.OnLeftDoubleClick(DoorX, 222 + 140); // below the door
    EXPECT_EQ(saloon.door.timer, 0.0);
    saloon.OnLeftDoubleClick(DoorX, DoorY);
    stage.Run(saloon, 1.0);
    EXPECT_EQ(saloon.door.phase, 9.0);
    saloon.OnLeftDoubleClick(DoorX, DoorY); // already open: the time is not renewed
    stage.Run(saloon, 18.4);
    EXPECT_EQ(saloon.door.phase, 9.0);
    stage.Run(saloon, 0.35);
    EXPECT_LT(saloon.door.phase, 6.0);
    stage.Run(saloon, 0.3);
    EXPECT_EQ(saloon.door.phase, 0.0);
}

TEST(SaloonMarks, AMarkDropsItsLeafletOnlyWhenTheLeafletHasLeftTheScreen) {
    Stage stage;
    HintergrundSaloon saloon(stage.app);
    const PointF mark = saloon.markPositions[1];
    const auto x = static_cast<uint16_t>(mark.x + 10), y = static_cast<uint16_t>(mark.y + 10);
    ASSERT_GT(saloon.leaflets[1].position.y, 768.0f); // parked below the screen
    saloon.OnLeftButtonUp(x, y);
    EXPECT_EQ(saloon.markTimers[1], 20.0);
    EXPECT_EQ(saloon.leaflets[1].position.y, -200.0f);
    EXPECT_GT(saloon.leaflets[0].position.y, 768.0f) << "only the leaflet of that mark";

    stage.Run(saloon, 3.0);
    const PointF falling = saloon.leaflets[1].position;
    ASSERT_LT(falling.y, 768.0f);
    ASSERT_GT(falling.y, -200.0f);
    saloon.markTimers[1] = 0.0; // the mark has faded; the leaflet is still in the air
    saloon.OnLeftButtonUp(x, y);
    EXPECT_EQ(saloon.markTimers[1], 20.0);
    EXPECT_EQ(saloon.leaflets[1].position.y, falling.y);
    EXPECT_EQ(saloon.leaflets[1].position.x, falling.x);
}

TEST(SaloonTargets, ShotsStartTheirAnimationAndTheCrossHairFollowsTheIdleTargets) {
    Stage stage;
    HintergrundSaloon saloon(stage.app);
    saloon.OnMouseMove(PosterX, PosterY);
    EXPECT_EQ(stage.app.targetHover, 1);
    saloon.OnMouseMove(PosterX, PosterY + 60);
    EXPECT_EQ(stage.app.targetHover, 0);
    stage.app.mouseX = PosterX;
    stage.app.mouseY = PosterY;
    saloon.OnLeftButtonUp(PosterX, PosterY);
    EXPECT_EQ(saloon.poster.timer, 2.5);
    stage.Run(saloon, 0.1); // the update runs the hover test: a shot poster is no target
    EXPECT_EQ(stage.app.targetHover, 0);
    EXPECT_GT(stage.app.shotRecoil, 0.0);
    stage.Run(saloon, 1.2);
    EXPECT_EQ(saloon.poster.timer, 0.0) << "25 frames at 20 per second";
    EXPECT_EQ(stage.app.targetHover, 1);

    // The bottle shatters over 2.2 s and schedules the falling shards.
    saloon.OnLeftButtonUp(75 + 180, 768 - 220 + 120);
    EXPECT_EQ(saloon.bottle.timer, 2.5);
    ASSERT_EQ(stage.app.scheduledSounds.Count(), 1);
    EXPECT_EQ(stage.app.scheduledSounds.Get(0)->soundId, 306);
    stage.Run(saloon, 2.15);
    EXPECT_GT(saloon.bottle.phase, 21.0);
    stage.Run(saloon, 0.1);
    EXPECT_EQ(saloon.bottle.phase, 0.0);
}

TEST(SaloonLevels, OffIgnoresClicksKeepsStillAndRestoresOnlyThen) {
    Stage stage(0);
    HintergrundSaloon saloon(stage.app);
    stage.app.targetHover = 1;
    saloon.OnMouseMove(PosterX, PosterY);
    EXPECT_EQ(stage.app.targetHover, 0);
    saloon.OnLeftButtonUp(PosterX, PosterY);
    saloon.OnLeftDoubleClick(DoorX, DoorY);
    EXPECT_EQ(saloon.poster.timer, 0.0);
    EXPECT_EQ(saloon.door.timer, 0.0);
    stage.Run(saloon, 1.0);
    EXPECT_EQ(saloon.signPhase, 0.0);

    stage.app.animationLevel = 1;
    saloon.OnLeftDoubleClick(DoorX, DoorY);
    stage.Run(saloon, 6.0);
    saloon.ResetToRestPose();
    EXPECT_GT(saloon.door.timer, 0.0);
    EXPECT_GT(saloon.signPhase, 0.0);
    stage.app.animationLevel = 0;
    saloon.ResetToRestPose();
    EXPECT_EQ(saloon.door.timer, 0.0);
    EXPECT_EQ(saloon.signPhase, 0.0);
    EXPECT_EQ(saloon.mexican.waitTimer, 5.0);
    EXPECT_FLOAT_EQ(saloon.tumbleweed.position.x, 512.0f);
    for (const SaloonLeaflet& leaf : saloon.leaflets)
        EXPECT_EQ(leaf.position.y, 4.0f * 768);
}

TEST(SaloonIndian, PopsUpAndSwingsForTheRestOfItsTime) {
    Stage stage;
    HintergrundSaloon saloon(stage.app);
    saloon.OnLeftButtonUp(300 + 100, 400 + 300);
    ASSERT_EQ(saloon.indian.timer, 3.5);
    stage.Run(saloon, 0.95);
    EXPECT_EQ(saloon.indian.phase, 0.0) << "a second of waiting first";
    stage.Run(saloon, 0.1);
    double highest = 0.0, lowestAfterTop = 20.0;
    for (int i = 0; i < 245; ++i) {
        stage.Run(saloon, 0.01);
        highest = std::max(highest, saloon.indian.phase);
        if (highest >= 19.5) lowestAfterTop = std::min(lowestAfterTop, saloon.indian.phase);
        if (saloon.indian.timer > 0.0) {
            EXPECT_GE(saloon.indian.phase, 0.5);
        }
    }
    EXPECT_GE(highest, 19.5);
    EXPECT_LT(lowestAfterTop, 3.0) << "and back down";
    stage.Run(saloon, 0.2);
    EXPECT_EQ(saloon.indian.phase, 0.0);
}

TEST(SaloonVisitor, ArrivesTalksAndLeavesWithItsOwnFramesAfterTheWait) {
    Stage stage;
    HintergrundSaloon saloon(stage.app);
    stage.Run(saloon, 5.2);
    EXPECT_EQ(saloon.mexican.state, SaloonVisitor::Arriving);
    EXPECT_GT(saloon.mexican.phase, 0.0);
    stage.Run(saloon, 1.0);
    EXPECT_EQ(saloon.mexican.state, SaloonVisitor::Talking);
    stage.Run(saloon, 3.55);
    ASSERT_EQ(saloon.mexican.state, SaloonVisitor::Leaving);
    // Leaving plays the arrival backwards: frame 9 − b of the lower rows.
    saloon.mexican.phase = 2.5;
    SpriteRecorder recorder;
    saloon.DrawFrontLayer();
    ASSERT_GE(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[1].slot, ThemeTextures::Mexican);
    EXPECT_EQ(recorder.calls[1].source, (IntRect{272 * 2, 354 + 708, 272 * 3, 708 + 708}));
    stage.Run(saloon, 0.5);
    EXPECT_EQ(saloon.mexican.state, SaloonVisitor::Arriving);
    EXPECT_GE(saloon.mexican.waitTimer, 60.0) << "seldom: R(10)·5 + 60";
}

TEST(SaloonDrawing, BackLayerOrderPutsTheFigureBehindTheDoor) {
    Stage stage;
    HintergrundSaloon saloon(stage.app);
    saloon.markTimers[2] = 1.0;
    SpriteRecorder recorder;
    saloon.DrawBackLayer();
    std::vector<int> slots;
    int stageArea = 0;
    for (const SpriteCall& call : recorder.calls) {
        if (slots.empty() || slots.back() != call.slot) slots.push_back(call.slot);
        if (call.slot == ThemeTextures::WesternStage) {
            // Each band of the stage lands where it lies in the picture.
            EXPECT_EQ(call.translation.x, call.source.left);
            EXPECT_EQ(call.translation.y, call.source.top);
            stageArea += call.source.Width() * call.source.Height();
        }
    }
    const IntRect open = HintergrundGrafik::StageOpening;
    EXPECT_EQ(stageArea, 1024 * 768 - open.Width() * open.Height());
    using namespace ThemeTextures;
    EXPECT_EQ(slots, (std::vector<int>{Tumbleweed, WesternStage, DoorFigure, Sign, Poster, Bull,
                                       Cactus, Bottle, Door, Leaflets}));
    ASSERT_TRUE(recorder.calls[0].centre.has_value());
    EXPECT_EQ(recorder.calls[0].centre->x, 25.0f);
    EXPECT_EQ(recorder.calls.back().source, (IntRect{168, 173, 250, 297}));
    EXPECT_EQ(recorder.calls.back().translation.x, 943.0f);
}

} // namespace

namespace {

TEST(SaloonTumbleweed, GustsNeverBlowItOutOfTheStreet) {
    Stage stage(2);
    HintergrundSaloon saloon(stage.app);
    bool gusted = false;
    float highest = 575.0f;
    for (int i = 0; i < 6000; ++i) { // ten minutes
        stage.Run(saloon, 0.1, 0.1);
        const PointF p = saloon.tumbleweed.position;
        ASSERT_TRUE(p.x >= 140.0f && p.x <= 814.0f) << p.x;
        ASSERT_LE(p.y, 575.0f);
        highest = std::min(highest, p.y);
        gusted = gusted || (saloon.wind.gust.x != 0.0f && saloon.wind.gustWait <= 0.0);
    }
    EXPECT_TRUE(gusted);
    EXPECT_LT(highest, 500.0f) << "gusts lift it off the ground";
}

} // namespace
