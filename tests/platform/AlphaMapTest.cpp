// SPDX-License-Identifier: GPL-3.0-or-later
// The two-bit alpha map that stands in for a picture's pixels when drawing asks which parts
// of it are see-through.
#include "platform/AlphaMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// A picture of alpha values, with the map made from it row by row.
struct Picture {
    int width, height;
    std::vector<uint32_t> pixels;
    AlphaMap map;

    Picture(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, 0) {}
    void Set(int x, int y, uint8_t alpha) {
        pixels[static_cast<size_t>(y) * width + x] = (uint32_t{alpha} << 24) | 0x123456;
    }
    const AlphaMap& Map() {
        map.Reset(width, height);
        for (int y = 0; y < height; ++y)
            map.NoteRow(y, pixels.data() + static_cast<size_t>(y) * width);
        return map;
    }
    // Whether an area is wholly opaque, the slow way.
    bool ScanOpaque(IntRect area) const {
        for (int y = std::max(area.top, 0); y < std::min(area.bottom, height); ++y)
            for (int x = std::max(area.left, 0); x < std::min(area.right, width); ++x)
                if ((pixels[static_cast<size_t>(y) * width + x] >> 24) != 0xFF) return false;
        return true;
    }
    // The ink bounds the slow way, pixel by pixel.
    IntRect Scan(IntRect area) const {
        const int left = std::max(area.left, 0), top = std::max(area.top, 0);
        const int right = std::min(area.right, width), bottom = std::min(area.bottom, height);
        IntRect ink{right, bottom, left, top};
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (pixels[static_cast<size_t>(y) * width + x] >> 24)
                    ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                           std::max(ink.bottom, y + 1)};
        if (ink.left >= ink.right || ink.top >= ink.bottom) return {};
        return ink;
    }
};

TEST(AlphaMap, InkBoundsMatchAPixelByPixelScanAcrossWordEdges) {
    // 150 wide: rows span three 64-bit words, the last one partly.
    Picture p(150, 40);
    p.Set(63, 5, 1);    // faintest ink, last pixel of the first word
    p.Set(64, 30, 255); // first pixel of the second word
    p.Set(149, 12, 7);  // the picture's last column
    p.Set(0, 39, 200);  // first column, last row
    p.Set(100, 20, 128);
    const AlphaMap& map = p.Map();
    const std::vector<IntRect> areas = {
        {0, 0, 150, 40},   {0, 0, 63, 40},     {0, 0, 64, 40},      {64, 0, 150, 40},
        {65, 0, 149, 40},  {63, 5, 64, 6},     {-20, -5, 500, 500}, {101, 0, 149, 40},
        {1, 0, 63, 39},    {100, 20, 101, 21}, {10, 10, 10, 20},    {200, 0, 300, 40},
        {64, 21, 128, 30}, {60, 0, 70, 40},
    };
    for (const IntRect& area : areas)
        EXPECT_EQ(map.InkBounds(area), p.Scan(area))
            << area.left << "," << area.top << "," << area.right << "," << area.bottom;
}

TEST(AlphaMap, OpaqueAreasMatchAPixelByPixelScanAcrossWordEdges) {
    // Opaque everywhere but a few pixels on and around the words' edges.
    Picture p(150, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 150; ++x)
            p.Set(x, y, 255);
    p.Set(63, 2, 254);
    p.Set(64, 9, 0);
    p.Set(149, 15, 128);
    p.Set(0, 19, 1);
    const AlphaMap& map = p.Map();
    const std::vector<IntRect> areas = {
        {0, 0, 150, 20}, {0, 0, 63, 20},   {0, 3, 64, 20},    {64, 10, 150, 15}, {65, 0, 149, 20},
        {63, 2, 64, 3},  {-5, -5, 63, 2},  {0, 0, 150, 2},    {128, 0, 149, 20}, {1, 0, 64, 9},
        {64, 0, 128, 9}, {10, 10, 10, 12}, {200, 0, 300, 20}, {0, 16, 149, 19},
    };
    for (const IntRect& area : areas)
        EXPECT_EQ(map.AllOpaqueIn(area), p.ScanOpaque(area))
            << area.left << "," << area.top << "," << area.right << "," << area.bottom;
}

TEST(AlphaMap, OpaqueMeansFullAlphaOnlyAndOutsideIsNeither) {
    Picture p(70, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 70; ++x)
            p.Set(x, y, 255);
    p.Set(66, 1, 254);
    p.Set(3, 2, 0);
    const AlphaMap& map = p.Map();
    EXPECT_TRUE(map.OpaqueAt(65, 1));
    EXPECT_FALSE(map.OpaqueAt(66, 1));
    EXPECT_TRUE(map.InkAt(66, 1));
    EXPECT_FALSE(map.InkAt(3, 2));
    EXPECT_FALSE(map.OpaqueAt(3, 2));
    EXPECT_FALSE(map.OpaqueAt(70, 0));
    EXPECT_FALSE(map.OpaqueAt(-1, 0));
    EXPECT_FALSE(map.InkAt(0, 3));
    EXPECT_FALSE(map.AllOpaque());
    p.Set(66, 1, 255);
    p.Set(3, 2, 255);
    EXPECT_TRUE(p.Map().AllOpaque()); // a width that is no multiple of 64
}

TEST(AlphaMap, FillGivesThePictureOfOneColour) {
    AlphaMap map;
    map.Reset(65, 2);
    map.Fill(255);
    EXPECT_TRUE(map.AllOpaque());
    EXPECT_EQ(map.InkBounds({0, 0, 100, 100}), (IntRect{0, 0, 65, 2}));
    map.Fill(0);
    EXPECT_FALSE(map.AllOpaque());
    EXPECT_EQ(map.InkBounds({0, 0, 100, 100}), IntRect{});
    map.Fill(128);
    EXPECT_FALSE(map.AllOpaque());
    EXPECT_TRUE(map.InkAt(64, 1));
    // Two bits a pixel, not the 32 of the picture.
    map.Reset(1024, 1024);
    EXPECT_LE(map.Bytes(), 1024u * 1024u / 4u + 1024u);
}

TEST(AlphaMap, AnEmptyMapAnswersNothing) {
    AlphaMap map;
    EXPECT_EQ(map.InkBounds({0, 0, 10, 10}), IntRect{});
    EXPECT_FALSE(map.InkAt(0, 0));
    EXPECT_TRUE(map.AllOpaque()); // no pixel is see-through
    map.Reset(-3, 5);
    EXPECT_EQ(map.Width(), 0);
}

} // namespace
