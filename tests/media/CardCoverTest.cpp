// SPDX-License-Identifier: GPL-3.0-or-later
// Cards hide each other: the parts a card drawn later covers are left out, and the frame
// must come out exactly as if everything were drawn whole.
#include "media/CardCover.h"

#include "app/AppState.h"
#include "data/CatalogReader.h"
#include "media/CardDrawing.h"
#include "platform/Platform.h"
#include "platform/PlatformWindow.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"
#include "rules/Card.h"
#include "rules/KartenStapel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace {

TEST(UncoveredBands, WhatACoverLeavesOfARectangle) {
    IntRect out[4];
    // A cover lower down on a fanned column: the top band and the thin sides stay.
    ASSERT_EQ(UncoveredBands({0, 0, 80, 120}, {2, 30, 78, 200}, out), 3);
    EXPECT_EQ(out[0], (IntRect{0, 0, 80, 30}));
    EXPECT_EQ(out[1], (IntRect{0, 30, 2, 120}));
    EXPECT_EQ(out[2], (IntRect{78, 30, 80, 120}));
    // A cover away from the rectangle leaves it whole; one over all of it leaves nothing.
    ASSERT_EQ(UncoveredBands({0, 0, 80, 120}, {100, 0, 180, 120}, out), 1);
    EXPECT_EQ(out[0], (IntRect{0, 0, 80, 120}));
    EXPECT_EQ(UncoveredBands({10, 10, 20, 20}, {0, 0, 80, 120}, out), 0);
    // A cover inside: four bands that do not overlap and add up to the rest.
    ASSERT_EQ(UncoveredBands({0, 0, 10, 10}, {3, 3, 6, 6}, out), 4);
    int area = 0;
    for (const IntRect& band : out)
        area += band.Width() * band.Height();
    EXPECT_EQ(area, 100 - 9);
    EXPECT_EQ(UncoveredBands({0, 0, 0, 10}, {0, 0, 5, 5}, out), 0) << "nothing drawn";
}

TEST(FindOpaqueCore, RoundedCornersSetTheRowsLeftOutAndASeeThroughMiddleTurnsItOff) {
    const int w = 40, h = 60, radius = 6;
    bool hole = false;
    // 6 × 15 cells; every card cell a rounded rectangle with a one-pixel smoothed edge.
    auto pixel = [&](int x, int y) -> uint32_t {
        const int cx = x % w, cy = y % h;
        if (hole && x < w && y < h && cx == w / 2 && cy == h / 2) return 0x00000000u;
        if (cx == 0 || cy == 0 || cx == w - 1 || cy == h - 1) return 0x80FFFFFFu;
        const int dx = std::max({radius - cx, cx - (w - 1 - radius), 0});
        const int dy = std::max({radius - cy, cy - (h - 1 - radius), 0});
        return dx * dx + dy * dy > radius * radius ? 0x00000000u : 0xFFFFFFFFu;
    };
    OpaqueCore core = FindOpaqueCore(pixel, 6 * w, 15 * h, w, h);
    ASSERT_TRUE(core.usable);
    EXPECT_EQ(core.insetX, 1);
    EXPECT_GE(core.insetY, 1);
    EXPECT_LE(core.insetY, radius);
    for (int y = core.insetY; y < h - core.insetY; ++y)
        for (int x = core.insetX; x < w - core.insetX; ++x)
            ASSERT_EQ(pixel(x, y) >> 24, 0xFFu) << x << "," << y;
    hole = true;
    EXPECT_FALSE(FindOpaqueCore(pixel, 6 * w, 15 * h, w, h).usable);
    EXPECT_FALSE(FindOpaqueCore(pixel, 3 * w, 15 * h, w, h).usable) << "a sheet too small";
}

// The generated card sets on the off-screen device: a fanned column with jitter and
// shadows, a squeezed stock, a leftward fan and an empty place under its card.
class CardCoverFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Platform::Initialise());
        window = PlatformWindow::Create("Fenster", 1024, 768, false);
        ASSERT_TRUE(window);
        window->Show();
        PresentParameters p;
        p.backBufferWidth = 1024;
        p.backBufferHeight = 768;
        app.device = RenderDevice::Create(*window, p);
        ASSERT_TRUE(app.device);
        app.sprite = std::make_unique<SpriteBatch>(*app.device);
        const std::filesystem::path data = std::filesystem::path(KH_BINARY_DIR) / "data";
        CatalogReader::ReadCardSetCatalog(app.cardSets, data);
        app.OpenArchives(data);
        app.deviation = 0.5f;
        app.shadows = true;
    }
    void TearDown() override {
        app.textures[AppState::CardSetSlot].reset();
        app.currentCardSet = nullptr;
        app.currentCardSetIndex = -1;
        app.cardSets.Clear();
        app.CloseArchives();
        app.sprite.reset();
        app.device.reset();
        window.reset();
        Platform::Shutdown();
    }

    std::vector<uint32_t> Frame(bool withCovers) {
        app.device->BeginScene();
        app.device->Clear(0xFF206020);
        app.sprite->Begin();
        DrawEmptyMarker(app, place, withCovers ? cards.front().get() : nullptr);
        for (size_t i = 0; i < cards.size(); ++i) {
            const Card* next = i + 1 < cards.size() ? cards[i + 1].get() : nullptr;
            DrawCard(app, *cards[i], withCovers ? next : nullptr);
        }
        app.sprite->End();
        app.device->EndScene();
        return app.device->ReadPixels();
    }

    void Lay(int rank, int suit, float x, float y, bool faceDown, Vec2 jitter) {
        auto card = std::make_unique<Card>(rank, suit);
        card->size = {77, 112};
        card->position = {x, y};
        card->faceDown = faceDown;
        card->jitter = jitter;
        card->markState = rank == 5 ? 1 : 0;
        cards.push_back(std::move(card));
    }

    AppState& app = GetAppState();
    std::unique_ptr<PlatformWindow> window;
    std::vector<std::unique_ptr<Card>> cards;
    KartenStapel place{{100.0f, 80.0f}};
};

TEST_F(CardCoverFrameTest, EveryCardSetLooksTheSameWithAndWithoutTheCoveredPartsLeftOut) {
    // The column on the empty place, jittered; a stock squeezed to a pixel per card; a fan
    // to the left. Every card is drawn right after the one before, so each may cover it.
    for (int i = 0; i < 13; ++i)
        Lay(i, i % 4, 100.0f, 80.0f + 25.5f * i, i < 4, {float(i % 5) - 2.0f, float(i % 3) - 1.0f});
    for (int i = 0; i < 12; ++i)
        Lay(i, 2, 400.0f + 0.5f * i, 80.0f + 0.7f * i, true, {});
    for (int i = 0; i < 8; ++i)
        Lay(12 - i, 1, 900.0f - 18.0f * i, 400.0f, false, {1.0f, -2.0f});
    ASSERT_GE(app.cardSets.Count(), 1);
    for (int set = 0; set < app.cardSets.Count(); ++set) {
        app.LoadCardSet(set);
        const Texture* sheet = app.textures[AppState::CardSetSlot].get();
        ASSERT_TRUE(sheet) << "card set " << set;
        EXPECT_TRUE(FindOpaqueCore([sheet](int x, int y) { return sheet->PixelAt(x, y); },
                                   sheet->Width(), sheet->Height(), app.currentCardSet->width,
                                   app.currentCardSet->height)
                        .usable)
            << "card set " << set << " is drawn whole";
        const std::vector<uint32_t> whole = Frame(false);
        const std::vector<uint32_t> culled = Frame(true);
        ASSERT_EQ(whole.size(), 1024u * 768u);
        ASSERT_EQ(culled.size(), whole.size());
        size_t differing = 0;
        for (size_t i = 0; i < whole.size(); ++i)
            differing += whole[i] != culled[i];
        EXPECT_EQ(differing, 0u) << "card set " << set;
    }
}

} // namespace
