// SPDX-License-Identifier: GPL-3.0-or-later
// What the pictures show where the program looks: suit colours in the right columns, the
// pointer's tip at the point the scene aligns, cards on every preview.
#include "PictureFiles.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct Hue {
    int red = 0, green = 0, blue = 0, dark = 0;
};

// Counts strongly coloured pixels of one cell by their dominant channel.
Hue CountHues(const Pixels& p, int x0, int y0, int w, int h) {
    Hue hue;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            uint32_t c = p.At(x, y);
            if ((c >> 24) < 250) {
                continue;
            }
            int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
            if (r > 150 && g < 90 && b < 90) {
                ++hue.red;
            } else if (g > 100 && r < 80 && b < 110) {
                ++hue.green;
            } else if (b > 150 && r < 80 && g < 130) {
                ++hue.blue;
            } else if (r < 50 && g < 50 && b < 60) {
                ++hue.dark;
            }
        }
    }
    return hue;
}

} // namespace

TEST(CardColours, EachColumnShowsItsSuitsColour) {
    // Columns PIK, HERZ, KREUZ, KARO; the number cards 2–10 (rows 3–11) carry only suit ink.
    Pixels classic = LoadPixels(StageDir() / "cards" / "karten" / "klassisch.PNG");
    Pixels four = LoadPixels(StageDir() / "cards" / "karten" / "vierfarben.PNG");
    ASSERT_TRUE(classic.Loaded());
    ASSERT_TRUE(four.Loaded());
    const int w = classic.width / 6, h = classic.height / 18;
    for (int row = 3; row <= 11; ++row) {
        Hue pik = CountHues(classic, 0, row * h, w, h), herz = CountHues(classic, w, row * h, w, h);
        Hue kreuz = CountHues(classic, 2 * w, row * h, w, h),
            karo = CountHues(classic, 3 * w, row * h, w, h);
        EXPECT_GT(pik.dark, 500) << row;
        EXPECT_EQ(pik.red, 0) << row;
        EXPECT_GT(herz.red, 500) << row;
        EXPECT_EQ(herz.dark, 0) << row;
        EXPECT_GT(kreuz.dark, 500) << row;
        EXPECT_GT(karo.red, 500) << row;
        // The four-colour deck: clubs green, diamonds blue.
        EXPECT_GT(CountHues(four, 2 * w, row * h, w, h).green, 500) << row;
        EXPECT_EQ(CountHues(four, 2 * w, row * h, w, h).dark, 0) << row;
        EXPECT_GT(CountHues(four, 3 * w, row * h, w, h).blue, 500) << row;
        EXPECT_EQ(CountHues(four, 3 * w, row * h, w, h).red, 0) << row;
    }
}

TEST(Pointers, TheTipOfEveryRestingPointerIsWhereTheSceneAlignsIt) {
    // The scene draws a frame at (mouse x − 8, mouse y − 14): the tip is the frame's (8, 14).
    Pixels misc = LoadPixels(StageDir() / "base" / "misc.PNG");
    ASSERT_TRUE(misc.Loaded());
    const int restingFrames[3][2] = {{450, 0}, {0, 400}, {450, 450}}; // styles 0, 1, 2
    for (const auto& f : restingFrames) {
        int ink = 0;
        for (int y = 13; y <= 17; ++y) {
            for (int x = 7; x <= 11; ++x) {
                ink += misc.Alpha(f[0] + x, f[1] + y) > 128;
            }
        }
        EXPECT_GT(ink, 3) << "frame at " << f[0] << "," << f[1];
        // Nothing lies above or left of the tip.
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 50; ++x) {
                EXPECT_LT(misc.Alpha(f[0] + x, f[1] + y), 60) << "frame at " << f[0] << "," << f[1];
            }
        }
    }
}

TEST(Previews, EveryPreviewShowsCardsOnTheTable) {
    int previews = 0;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(StageDir() / "games", ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->path().filename() != "vorschau.png") {
            continue;
        }
        ++previews;
        Pixels p = LoadPixels(it->path());
        ASSERT_EQ(p.width, 300) << it->path();
        ASSERT_EQ(p.height, 150) << it->path();
        // In the framed table part: cloth everywhere, and white card paper on some of it.
        int opaque = 0, paper = 0;
        for (int y = 10; y < 140; ++y) {
            for (int x = 10; x < 190; ++x) {
                uint32_t c = p.At(x, y);
                opaque += (c >> 24) == 0xFF;
                paper += ((c >> 16) & 0xFF) > 230 && ((c >> 8) & 0xFF) > 230 && (c & 0xFF) > 220;
            }
        }
        EXPECT_EQ(opaque, 180 * 130) << it->path();
        EXPECT_GT(paper, 180 * 130 / 50) << it->path() << ": no cards dealt";
    }
    EXPECT_GE(previews, 1);
}
