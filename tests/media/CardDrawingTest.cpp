// SPDX-License-Identifier: GPL-3.0-or-later
// How cards and empty places are cut from the card-set image and placed.
#include "media/CardDrawing.h"
#include "app/AppState.h"
#include "data/CardSetEntry.h"
#include "media/DrawSprite.h"
#include "rules/Card.h"
#include "rules/KartenStapel.h"

#include <gtest/gtest.h>

namespace {

class CardDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        cardSet.width = 176;
        cardSet.height = 256;
        app.currentCardSet = &cardSet;
        app.deviation = 0.0f;
        app.shadows = true;
        app.cardBack = 0;
        card.position = {100, 200};
        card.jitter = {4, -2};
    }
    void TearDown() override {
        app.currentCardSet = nullptr;
        app.deviation = 0.5f;
    }
    std::vector<SpriteCall> Draw() {
        SpriteRecorder recorder;
        DrawCard(app, card);
        return recorder.calls;
    }

    AppState& app = GetAppState();
    CardSetEntry cardSet;
    Card card{12, 3}; // HERZ KÖNIG
};

TEST(CardCellScaleTest, ElevenToSixteenStretchesOtherRatiosKeepTheirShape) {
    const PointF exact = CardCellScale(176, 256, 88, 128);
    EXPECT_FLOAT_EQ(exact.x, 0.5f);
    EXPECT_FLOAT_EQ(exact.y, 0.5f);
    const PointF stretched = CardCellScale(88, 128, 100, 128); // a wider card of the game
    EXPECT_FLOAT_EQ(stretched.x, 100.0f / 88.0f);
    EXPECT_FLOAT_EQ(stretched.y, 1.0f);
    const PointF tall = CardCellScale(80, 120, 88, 128); // 2 : 3 fits the width
    EXPECT_FLOAT_EQ(tall.x, 88.0f / 80.0f);
    EXPECT_FLOAT_EQ(tall.y, tall.x);
    const PointF wide = CardCellScale(200, 100, 88, 128); // wider than high fits the height
    EXPECT_FLOAT_EQ(wide.x, 1.28f);
    EXPECT_FLOAT_EQ(wide.y, 1.28f);
    EXPECT_FLOAT_EQ(CardCellScale(0, 100, 88, 128).x, 0.0f) << "no cell, nothing drawn";
}

TEST(CardCellTest, FacesRunFromKingDownInTheSuitColumns) {
    EXPECT_EQ(CardFaceCell(3, 12, 176, 256), (IntRect{176, 0, 352, 256}));    // HERZ KÖNIG
    EXPECT_EQ(CardFaceCell(0, 0, 176, 256), (IntRect{352, 3072, 528, 3328})); // KREUZ ASS
    EXPECT_EQ(CardFaceCell(1, 6, 176, 256), (IntRect{528, 1536, 704, 1792})); // KARO SIEBEN
    EXPECT_EQ(CardFaceCell(2, 9, 176, 256), (IntRect{0, 768, 176, 1024}));    // PIK ZEHN
    EXPECT_EQ(CardBackCell(3, 176, 256), (IntRect{528, 3328, 704, 3584}));
}

TEST(CardCellTest, EnglishCourtCardsComeFromTheirOwnRowsWhenTheSheetHasThem) {
    // Jack, queen and king of an 18-row sheet in English: rows 17, 16, 15.
    EXPECT_EQ(CardFaceCell(3, 12, 176, 256, true), (IntRect{176, 15 * 256, 352, 16 * 256}));
    EXPECT_EQ(CardFaceCell(2, 11, 176, 256, true), (IntRect{0, 16 * 256, 176, 17 * 256}));
    EXPECT_EQ(CardFaceCell(0, 10, 176, 256, true), (IntRect{352, 17 * 256, 528, 18 * 256}));
    // Other ranks keep their cells.
    EXPECT_EQ(CardFaceCell(1, 6, 176, 256, true), CardFaceCell(1, 6, 176, 256));
    EXPECT_EQ(CardFaceCell(0, 0, 176, 256, true), CardFaceCell(0, 0, 176, 256));

    EXPECT_TRUE(UsesEnglishCourts(1, 18 * 256, 256));
    EXPECT_FALSE(UsesEnglishCourts(0, 18 * 256, 256)); // German: B, D, K from rows 0 … 2
    EXPECT_FALSE(UsesEnglishCourts(1, 15 * 256, 256)); // an older add-on sheet
    EXPECT_FALSE(UsesEnglishCourts(1, 18 * 256, 0));
}

TEST_F(CardDrawingTest, AFaceHasAShadowAndSitsAtItsPositionWithoutDeviation) {
    const auto calls = Draw();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].colour, 0x5F000000u);
    EXPECT_FLOAT_EQ(calls[0].translation.x, 105.0f);
    EXPECT_FLOAT_EQ(calls[0].translation.y, 205.0f);
    EXPECT_EQ(calls[1].colour, 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(calls[1].translation.x, 100.0f);
    EXPECT_FLOAT_EQ(calls[1].translation.y, 200.0f);
    EXPECT_EQ(calls[1].source, CardFaceCell(3, 12, 176, 256));
    EXPECT_EQ(calls[1].slot, 4);
    EXPECT_FLOAT_EQ(calls[1].scaling.x, 0.5f);
    EXPECT_FALSE(calls[1].centre.has_value());
}

TEST_F(CardDrawingTest, DeviationDisplacesFaceShadowAndMarkerButNeverTheBack) {
    app.deviation = 1.0f;
    card.markState = 2;
    auto calls = Draw();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_FLOAT_EQ(calls[0].translation.x, 109.0f);
    EXPECT_FLOAT_EQ(calls[0].translation.y, 203.0f);
    EXPECT_FLOAT_EQ(calls[1].translation.x, 104.0f);
    EXPECT_FLOAT_EQ(calls[1].translation.y, 198.0f);
    EXPECT_FLOAT_EQ(calls[2].translation.x, 104.0f);
    EXPECT_EQ(calls[2].source, (IntRect{352, 3584, 528, 3840}));
    EXPECT_EQ(calls[2].colour, 0xAFFFFFFFu);
    card.markState = 1;
    EXPECT_EQ(Draw()[2].colour, 0x7FFFFFFFu);

    card.faceDown = true;
    app.cardBack = 2;
    calls = Draw();
    ASSERT_EQ(calls.size(), 1u) << "a back has no shadow and no marker";
    EXPECT_FLOAT_EQ(calls[0].translation.x, 100.0f);
    EXPECT_FLOAT_EQ(calls[0].translation.y, 200.0f);
    EXPECT_EQ(calls[0].source, CardBackCell(2, 176, 256));
}

TEST_F(CardDrawingTest, WithoutShadowsOnlyTheFace) {
    app.shadows = false;
    EXPECT_EQ(Draw().size(), 1u);
}

TEST_F(CardDrawingTest, EmptyPlacesShowWhatTheyAccept) {
    KartenStapel pile({300, 50});
    pile.AFLS = SuitB::HERZ;
    pile.AWLS = Rank::KÖNIG;
    pile.dropHighlight = true;
    {
        SpriteRecorder recorder;
        DrawEmptyMarker(app, pile);
        ASSERT_EQ(recorder.calls.size(), 4u);
        EXPECT_EQ(recorder.calls[0].source, CardSetCell(1, 14, 176, 256));
        EXPECT_EQ(recorder.calls[0].colour, 0xFFFFFFFFu);
        EXPECT_EQ(recorder.calls[1].source, CardSetCell(5, 2, 176, 256));
        EXPECT_EQ(recorder.calls[1].colour, 0x7F4F4F4Fu);
        EXPECT_EQ(recorder.calls[2].source, CardSetCell(4, 0, 176, 256));
        EXPECT_EQ(recorder.calls[3].source, CardSetCell(2, 14, 176, 256));
        EXPECT_EQ(recorder.calls[3].colour, 0x7FFFFFFFu);
        EXPECT_FLOAT_EQ(recorder.calls[0].translation.x, 300.0f);
        EXPECT_FLOAT_EQ(recorder.calls[0].scaling.y, 0.5f);
    }
    pile.AFLS = SuitB::ROT;
    SpriteRecorder recorder;
    DrawEmptyMarker(app, pile);
    EXPECT_EQ(recorder.calls.size(), 1u) << "a colour rule has no symbol and then no highlight";
}

} // namespace
