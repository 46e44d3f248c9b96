// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap-font text: glyph codes, advances, alignment, line breaks and wrapping, bounds.
#include "media/BitmapText.h"
#include "app/AppState.h"
#include "media/DrawSprite.h"

#include <gtest/gtest.h>

namespace {

std::vector<SpriteCall> DrawCalls(const BitmapText& text, double x, double y) {
    SpriteRecorder recorder;
    text.Draw(x, y);
    return recorder.calls;
}

TEST(BitmapTextTest, UmlautsHaveTheirOwnGlyphsAndMissingCharactersAreLeftOut) {
    BitmapText text("\xDC\xC4\xD6\xFC\xE4\xF6 A~\x7F\xE9\t");
    const std::vector<uint8_t> expected = {0, 1, 2, 3, 4, 5, ' ', 'A', '~'};
    EXPECT_EQ(text.Glyphs(), expected);
    BitmapText sharp("Gro\xDF");
    EXPECT_EQ(sharp.Glyphs(), (std::vector<uint8_t>{'G', 'r', 'o', 's', 's'}));
    BitmapText apostrophe("Baker's");
    EXPECT_EQ(apostrophe.Glyphs(), (std::vector<uint8_t>{'B', 'a', 'k', 'e', 'r', '`', 's'}))
        << "the apostrophe is drawn from the backtick's cell";
    EXPECT_EQ(BitmapText::GlyphCell('A'), (IntRect{50, 200, 100, 246}));
    EXPECT_EQ(BitmapText::GlyphCell(3), (IntRect{150, 0, 200, 46}));
    EXPECT_EQ(BitmapText::GlyphWidth('W'), 37);
    EXPECT_EQ(BitmapText::GlyphWidth(200), 0);
}

TEST(BitmapTextTest, ACentredTextOfWidth200AtX512StartsAt412) {
    BitmapText text("W W WW"); // 4 × (37 + 2) + 2 × (20 + 2) = 200 at scale 1
    text.SetSize(1.25);
    EXPECT_NEAR(text.Scale(), 1.0, 1e-12);
    EXPECT_NEAR(text.Width(), 200.0, 1e-9);
    text.SetAlignment(1);
    const auto calls = DrawCalls(text, 512, 300);
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_NEAR(calls[0].translation.x, 412.0f, 1e-3);
    EXPECT_NEAR(calls[1].translation.x, 451.0f, 1e-3);
    EXPECT_EQ(calls[0].slot, 1);
    text.SetAlignment(2);
    EXPECT_NEAR(DrawCalls(text, 512, 300)[0].translation.x, 312.0f, 1e-3);
}

TEST(BitmapTextTest, TwoLineFeedsMakeThreeLinesEachOneLineHeightLower) {
    BitmapText text("ab\ncd\nef");
    text.SetColor(0x80FF0000);
    text.SetSize(2.0);
    EXPECT_EQ(text.LineCount(), 3);
    const auto calls = DrawCalls(text, 10, 20);
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_FLOAT_EQ(calls[0].translation.y, 20.0f);
    EXPECT_FLOAT_EQ(calls[2].translation.y, 100.0f); // 50 × scale 1.6
    EXPECT_FLOAT_EQ(calls[4].translation.y, 180.0f);
    for (const SpriteCall& c : calls) {
        EXPECT_EQ(c.colour, 0x80FF0000u);
        EXPECT_FLOAT_EQ(c.scaling.x, 1.6f);
    }
    const IntRect bounds = text.Bounds();
    EXPECT_EQ(bounds.Height(), 240);
    EXPECT_EQ(bounds.Width(), static_cast<int>(text.Width()));
}

TEST(BitmapTextTest, WrappingBreaksAtTheLastBlankButNeverBeforeTheFirst) {
    BitmapText text;
    text.SetWrappedText("aaaa bbbb cccc dddd", 1.0, 100.0); // a word is 4 × 17.6 = 70.4 wide
    ASSERT_EQ(text.LineCount(), 4);
    const BitmapText* line = &text;
    for (char c : std::string("abcd")) {
        EXPECT_EQ(line->Glyphs(), std::vector<uint8_t>(4, static_cast<uint8_t>(c)));
        line = line->NextLine();
    }
    BitmapText longWord;
    longWord.SetWrappedText("unbreakablewordwithoutanyblank", 1.0, 50.0);
    EXPECT_EQ(longWord.LineCount(), 1);
    BitmapText leadingBlank;
    leadingBlank.SetWrappedText(" aaaaaaaa", 1.0, 50.0);
    EXPECT_EQ(leadingBlank.LineCount(), 1) << "a blank at the start is no place to break";
    BitmapText both;
    both.SetWrappedText("aa bb\ncc dd", 1.0, 1000.0);
    EXPECT_EQ(both.LineCount(), 2) << "a line feed breaks a wrapped text too";
}

TEST(BitmapTextTest, SettingsReachEveryFollowingLine) {
    BitmapText text("one\ntwo");
    text.SetAlignment(1);
    text.SetSize(0.5);
    text.SetColor(0xFF000000);
    const BitmapText* second = text.NextLine();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Alignment(), 1);
    EXPECT_DOUBLE_EQ(second->Scale(), 0.4);
    EXPECT_DOUBLE_EQ(second->LineHeight(), 20.0);
    EXPECT_DOUBLE_EQ(second->AlignOffset(), second->Width() / 2);
    EXPECT_EQ(second->Color(), 0xFF000000u);
    // A new text starts from this line's settings.
    text.SetText("x\ny");
    EXPECT_EQ(text.NextLine()->Alignment(), 1);
    EXPECT_DOUBLE_EQ(text.NextLine()->Scale(), 0.4);
}

} // namespace
