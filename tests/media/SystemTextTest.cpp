// SPDX-License-Identifier: GPL-3.0-or-later
// The bold system font of the speech bubbles: size, word wrap and centring.
#include "platform/SystemFont.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemTextTest, LinesAreAsHighAsAskedAndWrapInsideTheRectangle) {
    auto font = SystemFont::Create(23);
    ASSERT_TRUE(font) << "DejaVu Sans Bold is installed with the dependencies";
    EXPECT_NEAR(font->LineHeight(), 23, 3);
    const IntRect rect{100, 100, 300, 400};
    const auto lines =
        font->Layout("Ich bin ein Text, der nicht in eine Zeile passt, weil er lang ist", rect,
                     TextFormat::WordBreak | TextFormat::Centre);
    ASSERT_GE(lines.size(), 3u);
    for (const PlacedTextLine& line : lines) {
        EXPECT_LE(line.width, rect.Width()) << line.text;
        EXPECT_NEAR(line.x, rect.left + (rect.Width() - line.width) / 2, 1) << "centred";
    }
    EXPECT_EQ(lines[0].y, rect.top);
    EXPECT_EQ(lines[1].y, rect.top + font->LineHeight());
}

TEST(SystemTextTest, VerticalCentringLineFeedsAndOverlongWords) {
    auto font = SystemFont::Create(20);
    ASSERT_TRUE(font);
    const IntRect rect{0, 0, 120, 300};
    const auto lines = font->Layout("eins\nzwei", rect, TextFormat::VerticalCentre);
    ASSERT_EQ(lines.size(), 2u);
    const int total = 2 * font->LineHeight();
    EXPECT_EQ(lines[0].y, (300 - total) / 2);
    EXPECT_EQ(lines[0].x, 0);
    const auto longWord =
        font->Layout("Donaudampfschifffahrtsgesellschaft ja", rect, TextFormat::WordBreak);
    ASSERT_EQ(longWord.size(), 2u) << "a word wider than the rectangle stands alone";
    EXPECT_EQ(longWord[1].text, "ja");
    const auto single = font->Layout("a\nb", rect, TextFormat::SingleLine | TextFormat::Right);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].x, rect.right - single[0].width);
}

} // namespace
