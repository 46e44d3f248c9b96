// SPDX-License-Identifier: GPL-3.0-or-later
// The GUI sheets hold every rectangle the program cuts at its place, without collisions.
#include "../../tools/picgen/src/SheetTable.h"
#include "PictureFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

std::vector<SheetRect> Pictures(std::string_view sheet, bool withReuse) {
    std::vector<SheetRect> out;
    for (const SheetRect& r : kSheetRects) {
        if (r.sheet != sheet || (r.reuse && !withReuse)) {
            continue;
        }
        out.push_back(r);
        if (r.second) {
            out.push_back(SecondLook(r));
        }
    }
    return out;
}

} // namespace

TEST(SheetLayout, NoTwoPicturesShareAPixel) {
    for (const SheetSize& size : kSheetSizes) {
        auto rects = Pictures(size.sheet, false);
        for (size_t i = 0; i < rects.size(); ++i) {
            for (size_t j = i + 1; j < rects.size(); ++j) {
                EXPECT_FALSE(Overlap(rects[i], rects[j]))
                    << size.sheet << ": " << rects[i].role << " (" << rects[i].left << ","
                    << rects[i].top << ") and " << rects[j].role << " (" << rects[j].left << ","
                    << rects[j].top << ")";
            }
        }
    }
}

TEST(SheetLayout, ReusedRectanglesLieInsideTheirPicture) {
    // The status bar pieces inside the wide button, the toolbar's area around its buttons, the
    // options' pointer pictures on the pointer strips.
    for (const SheetRect& r : kSheetRects) {
        if (!r.reuse) {
            continue;
        }
        bool inside = false;
        for (const SheetRect& p : Pictures(r.sheet, false)) {
            inside = inside || (r.left >= p.left && r.right <= p.right && r.top >= p.top &&
                                r.bottom <= p.bottom);
        }
        bool covers = false;
        for (const SheetRect& p : Pictures(r.sheet, false)) {
            covers = covers || (p.left >= r.left && p.right <= r.right && p.top >= r.top &&
                                p.bottom <= r.bottom);
        }
        EXPECT_TRUE(inside || covers) << r.sheet << ": " << r.role;
    }
}

TEST(SheetLayout, EverySheetHasTheSizeItsRectanglesNeed) {
    std::map<std::string_view, std::pair<int, int>> need;
    for (const SheetSize& size : kSheetSizes) {
        for (const SheetRect& r : Pictures(size.sheet, true)) {
            auto& n = need[size.sheet];
            n.first = std::max(n.first, r.right);
            n.second = std::max(n.second, r.bottom);
        }
    }
    // The sizes the program's cuts require (menu scene, in-game screens, loading screen).
    EXPECT_EQ(need["menu.PNG"], std::make_pair(1300, 1100));
    EXPECT_EQ(need["splash.PNG"], std::make_pair(1024, 1124));
    EXPECT_EQ(need["misc.PNG"], std::make_pair(800, 550));
    for (const SheetSize& size : kSheetSizes) {
        Pixels p = LoadPixels(StageDir() / "base" / std::string(size.sheet));
        ASSERT_TRUE(p.Loaded()) << size.sheet;
        EXPECT_EQ(p.width, size.width) << size.sheet;
        EXPECT_EQ(p.height, size.height) << size.sheet;
        EXPECT_GE(p.width, need[size.sheet].first) << size.sheet;
        EXPECT_GE(p.height, need[size.sheet].second) << size.sheet;
    }
}

namespace {

double OpaqueShare(const Pixels& p, const SheetRect& r) {
    int opaque = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            opaque += p.Alpha(x, y) > 200;
        }
    }
    return opaque / static_cast<double>((r.right - r.left) * (r.bottom - r.top));
}

} // namespace

TEST(SheetLayout, EveryPictureAndSecondLookIsDrawn) {
    // An empty second look would make a button vanish under the pointer.
    std::map<std::string, Pixels> sheets;
    for (const SheetRect& r : kSheetRects) {
        if (r.role == "214 toolbar hit area" || r.sheet == "font.PNG") {
            continue;
        }
        auto& p = sheets[std::string(r.sheet)];
        if (!p.Loaded()) {
            p = LoadPixels(StageDir() / "base" / std::string(r.sheet));
        }
        ASSERT_TRUE(p.Loaded()) << r.sheet;
        EXPECT_GT(OpaqueShare(p, r), 0.05) << r.sheet << ": " << r.role;
        if (r.second) {
            EXPECT_GT(OpaqueShare(p, SecondLook(r)), 0.05)
                << r.sheet << ": second look of " << r.role;
        }
    }
}
