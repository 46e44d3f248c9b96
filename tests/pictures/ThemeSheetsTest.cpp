// SPDX-License-Identifier: GPL-3.0-or-later
// What the animated backgrounds' pictures must show where the background looks: a stage
// open over the card table, nothing over the table while a figure rests, a closed door
// that hides the figure behind it, and each target's picture under its click box.
#include "PictureFiles.h"

#include <gtest/gtest.h>

namespace {

struct Box {
    int left, top, right, bottom; // right and bottom exclusive
};

// Share of the box's pixels that are more than faintly visible.
double VisibleShare(const Pixels& p, Box b) {
    int visible = 0;
    for (int y = b.top; y < b.bottom; ++y)
        for (int x = b.left; x < b.right; ++x)
            if (p.Alpha(x, y) > 24) ++visible;
    return static_cast<double>(visible) / ((b.right - b.left) * (b.bottom - b.top));
}

Pixels Sheet(const std::string& folder, const std::string& name) {
    return LoadPixels(Staged("base", "hintergrund\\" + folder + "\\" + name));
}

#define REQUIRE_SHEET(p)                                                                           \
    if (!(p).Loaded()) GTEST_SKIP() << "the pictures are not drawn yet"

TEST(ThemeStages, LeaveTheCardTableOpen) {
    for (const auto& [folder, name] :
         {std::pair{"urwald", "stage.PNG"}, std::pair{"western", "Stage_western.PNG"}}) {
        const Pixels stage = Sheet(folder, name);
        REQUIRE_SHEET(stage);
        // The background skips this opening when it draws the stage.
        EXPECT_EQ(VisibleShare(stage, {220, 160, 800, 600}), 0.0) << name;
        // …while the edges are dressed.
        EXPECT_GT(VisibleShare(stage, {0, 0, 120, 768}), 0.5) << name;
    }
}

TEST(ThemeFigures, NothingCoversTheTableWhileTheFrontFiguresRest) {
    // The visitor's arrival frame 0 is drawn over the cards whenever he is away.
    const Pixels visitor = Sheet("western", "Mexikaner.PNG");
    REQUIRE_SHEET(visitor);
    EXPECT_EQ(VisibleShare(visitor, {0, 708, 272, 1062}), 0.0);
    // The ranch hand at rest shows only his hat above the bottom edge of the screen, which
    // his frame's row 368 meets (the frame stands at y 400).
    const Pixels hand = Sheet("western", "Indianer.PNG");
    REQUIRE_SHEET(hand);
    EXPECT_EQ(VisibleShare(hand, {0, 0, 224, 330}), 0.0);
    EXPECT_GT(VisibleShare(hand, {0, 340, 224, 368}), 0.02) << "something to click on";
}

TEST(ThemeFigures, TheClosedDoorHidesTheFigureBehindIt) {
    const Pixels door = Sheet("western", "Tür.PNG");
    REQUIRE_SHEET(door);
    // The figure stands at y 250 with x up to 104 + 40; the door at (0, 222).
    EXPECT_EQ(VisibleShare(door, {0, 28, 145, 127}), 1.0);
    for (const char* name : {"Kakutus1.PNG", "Kakutus2.PNG", "Kakutus3.PNG"}) {
        const Pixels figure = Sheet("western", name);
        REQUIRE_SHEET(figure);
        EXPECT_EQ(VisibleShare(figure, {0, 0, 40, 100}), 0.0) << name << ": frame 0 is hidden";
        // Frame 10, fully up, fills its shooting box.
        EXPECT_GT(VisibleShare(figure, {160 + 5, 100 + 20, 160 + 35, 100 + 100}), 0.25) << name;
    }
}

TEST(ThemeFigures, EveryClickBoxLiesOnItsPicture) {
    struct Target {
        const char* folder;
        const char* name;
        Box box; // in frame 0, as the background tests clicks
        double share;
    };
    const Target targets[] = {
        {"western", "flasche.PNG", {158, 88, 201, 180}, 0.6},
        {"western", "Wanted.PNG", {70, 65, 125, 125}, 0.9},
        {"western", "Bull.PNG", {41, 35, 97, 98}, 0.6},
        {"urwald", "frosch.PNG", {0, 0, 64, 64}, 0.3},
        {"urwald", "affe.PNG", {24, 38, 94, 142}, 0.6},
        {"urwald", "affe.PNG", {61, 72, 89, 98}, 0.3},
        {"urwald", "spinne.PNG", {55, 40, 88, 73}, 0.3},
    };
    for (const Target& t : targets) {
        const Pixels sheet = Sheet(t.folder, t.name);
        REQUIRE_SHEET(sheet);
        EXPECT_GT(VisibleShare(sheet, t.box), t.share) << t.name;
    }
}

} // namespace
