// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing device on the off-screen driver: pictures from PNG bytes and what a draw
// leaves in the back buffer.
#include "platform/RenderDevice.h"
#include "PngBytes.h"
#include "platform/Platform.h"
#include "platform/PlatformWindow.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <tuple>

namespace {

class RenderDeviceTest : public ::testing::Test {
protected:
    std::unique_ptr<PlatformWindow> window;
    std::unique_ptr<RenderDevice> device;

    void SetUp() override {
        ASSERT_TRUE(Platform::Initialise());
        window = PlatformWindow::Create("Fenster", 1024, 768, false);
        ASSERT_TRUE(window);
        window->Show(); // a hidden window counts as a lost device
        PresentParameters p;
        p.backBufferWidth = 1024;
        p.backBufferHeight = 768;
        device = RenderDevice::Create(*window, p);
        ASSERT_TRUE(device);
    }
    void TearDown() override {
        device.reset();
        window.reset();
        Platform::Shutdown();
    }

    // The colour of one back-buffer pixel of the frame drawn by `draw`.
    uint32_t PixelAfter(const std::function<void(SpriteBatch&)>& draw, int x, int y) {
        SpriteBatch sprite(*device);
        device->BeginScene();
        device->Clear(0xFF646464);
        sprite.Begin();
        draw(sprite);
        sprite.End();
        device->EndScene();
        const std::string file = (std::filesystem::temp_directory_path() /
                                  ("kh_frame_" + std::to_string(getpid()) + ".png"))
                                     .string();
        EXPECT_TRUE(device->SaveScreenshot(file));
        device->Present();
        SDL_Surface* shot = IMG_Load(file.c_str());
        std::remove(file.c_str());
        if (!shot) return 0;
        SDL_Surface* argb = SDL_ConvertSurfaceFormat(shot, SDL_PIXELFORMAT_ARGB8888, 0);
        const uint32_t pixel = static_cast<uint32_t*>(argb->pixels)[y * argb->pitch / 4 + x];
        SDL_FreeSurface(argb);
        SDL_FreeSurface(shot);
        return pixel;
    }
};

TEST_F(RenderDeviceTest, ColourKeyBecomesTransparentBlackAndNothingElseChanges) {
    const std::string png = MakePng(4, 2, [](int x, int y) {
        if (x == 1 && y == 0) return 0xFF00FF64u; // the key
        if (x == 2 && y == 0) return 0xFF00FF65u; // one step off the key
        if (x == 3 && y == 1) return 0x8000FF64u; // the key's colour, half transparent
        return 0xFF102030u;
    });
    auto texture = device->CreateTextureFromMemory(png.data(), png.size());
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->Width(), 4);
    EXPECT_EQ(texture->Height(), 2);
    EXPECT_EQ(texture->PixelAt(1, 0), 0x00000000u);
    EXPECT_EQ(texture->PixelAt(2, 0), 0xFF00FF65u);
    EXPECT_EQ(texture->PixelAt(3, 1), 0x8000FF64u);
    EXPECT_EQ(texture->PixelAt(0, 0), 0xFF102030u);
}

TEST_F(RenderDeviceTest, BytesThatAreNoPictureGiveNoTexture) {
    const std::string junk = "not a picture at all";
    EXPECT_FALSE(device->CreateTextureFromMemory(junk.data(), junk.size()));
    EXPECT_FALSE(device->CreateTextureFromMemory(nullptr, 0));
    const std::string png = MakePng(8, 8, [](int, int) { return 0xFFFFFFFFu; });
    EXPECT_FALSE(device->CreateTextureFromMemory(png.data(), png.size() / 2));
}

TEST_F(RenderDeviceTest, DrawPlacesTheSourceAtTheTransformAndModulatesIt) {
    const std::string png =
        MakePng(64, 32, [](int x, int) { return x < 32 ? 0xFFFF0000u : 0xFF00FF00u; });
    auto texture = device->CreateTextureFromMemory(png.data(), png.size());
    ASSERT_TRUE(texture);
    auto drawGreenHalf = [&](SpriteBatch& s) {
        s.DrawTransformed(texture.get(), IntRect{32, 0, 64, 32}, {2, 2}, std::nullopt, 0.0,
                          {100, 200}, 0xFFFFFFFF);
    };
    EXPECT_EQ(PixelAfter(drawGreenHalf, 101, 201), 0xFF00FF00u);
    EXPECT_EQ(PixelAfter(drawGreenHalf, 163, 263), 0xFF00FF00u); // 2 × 32 wide and high
    EXPECT_EQ(PixelAfter(drawGreenHalf, 166, 230), 0xFF646464u);
    EXPECT_EQ(PixelAfter(drawGreenHalf, 98, 230), 0xFF646464u);
    // Mirrored: scaling -1 puts the picture to the left of the translation.
    auto mirrored = [&](SpriteBatch& s) {
        s.DrawTransformed(texture.get(), IntRect{0, 0, 64, 32}, {-1, 1}, std::nullopt, 0.0,
                          {300, 100}, 0xFFFFFFFF);
    };
    EXPECT_EQ(PixelAfter(mirrored, 290, 110), 0xFFFF0000u); // source x 10: red
    EXPECT_EQ(PixelAfter(mirrored, 250, 110), 0xFF00FF00u); // source x 50: green
    EXPECT_EQ(PixelAfter(mirrored, 310, 110), 0xFF646464u);
    // A colour of 0x80FFFFFF draws the picture half transparent over the grey.
    auto faded = [&](SpriteBatch& s) {
        s.DrawTransformed(texture.get(), IntRect{0, 0, 32, 32}, {1, 1}, std::nullopt, 0.0, {0, 0},
                          0x80FFFFFF);
    };
    const uint32_t p = PixelAfter(faded, 5, 5);
    EXPECT_NEAR(static_cast<int>((p >> 16) & 0xFF), (255 + 100) / 2, 2);
    EXPECT_NEAR(static_cast<int>((p >> 8) & 0xFF), 100 / 2, 2);
    // Drawing from an empty slot draws nothing.
    EXPECT_EQ(PixelAfter([&](SpriteBatch& s) { s.Draw(nullptr, std::nullopt, 0xFFFFFFFF); }, 0, 0),
              0xFF646464u);
}

TEST_F(RenderDeviceTest, APictureAsLargeAsTheScreenDrawsWhole) {
    // Large quads are split into pieces; every piece must land in place, without seams.
    auto texture = device->CreateSolidTexture(0xFF804020, 1024, 768);
    ASSERT_TRUE(texture);
    auto draw = [&](SpriteBatch& s) {
        s.SetTransform(Transform2D::Identity());
        s.Draw(texture.get(), std::nullopt, 0xFFFFFFFF);
    };
    for (auto [x, y] : {std::pair{0, 0}, {1023, 767}, {384, 384}, {383, 383}, {768, 0}, {511, 767}})
        EXPECT_EQ(PixelAfter(draw, x, y), 0xFF804020u) << x << "," << y;
    // Turned by 90° about the screen centre it still covers the centre.
    auto turned = [&](SpriteBatch& s) {
        s.DrawTransformed(texture.get(), std::nullopt, {1, 1}, PointF{512, 384}, 1.5707963, {0, 0},
                          0xFFFFFFFF);
    };
    EXPECT_EQ(PixelAfter(turned, 512, 384), 0xFF804020u);
    EXPECT_EQ(PixelAfter(turned, 20, 384), 0xFF646464u);
}

TEST_F(RenderDeviceTest, ADecodedPictureIsRebuiltFromItsBytesAfterTheDeviceLostIt) {
    // Opaque red on the left, a see-through band, faint ink in the corner.
    const std::string png = MakePng(96, 64, [](int x, int y) {
        if (x < 40) return 0xFFFF0000u;
        if (x == 90 && y == 60) return 0x0100FF00u;
        return 0x00000000u;
    });
    auto texture = device->CreateTextureFromMemory(png.data(), png.size());
    ASSERT_TRUE(texture);
    auto draw = [&](SpriteBatch& s) {
        s.SetTransform(Transform2D::Identity());
        s.Draw(texture.get(), std::nullopt, 0xFFFFFFFF);
    };
    auto facts = [&] {
        return std::make_tuple(
            texture->Width(), texture->Height(), texture->IsOpaque(),
            texture->InkBounds({0, 0, 96, 64}), texture->InkBounds({41, 0, 96, 64}),
            texture->OpaqueAt(39, 5), texture->OpaqueAt(40, 5), texture->PixelAt(10, 10),
            texture->PixelAt(90, 60), PixelAfter(draw, 20, 20), PixelAfter(draw, 60, 20));
    };
    const auto before = facts();
    EXPECT_EQ(std::get<3>(before), (IntRect{0, 0, 91, 64}));
    EXPECT_EQ(std::get<4>(before), (IntRect{90, 60, 91, 61}));
    EXPECT_EQ(std::get<9>(before), 0xFFFF0000u);
    EXPECT_EQ(std::get<10>(before), 0xFF646464u);

    // Spoil the device's copy, as a lost device would: the reset must bring it back.
    const std::vector<uint32_t> garbage(96 * 64, 0xFF0000FFu);
    ASSERT_EQ(SDL_UpdateTexture(texture->Handle(), nullptr, garbage.data(), 96 * 4), 0);
    EXPECT_EQ(PixelAfter(draw, 20, 20), 0xFF0000FFu);
    device->NoteReset(true);
    PresentParameters p;
    p.backBufferWidth = 1024;
    p.backBufferHeight = 768;
    ASSERT_TRUE(device->Reset(p));
    EXPECT_NE(texture->Handle(), nullptr);
    EXPECT_EQ(facts(), before);
}

TEST_F(RenderDeviceTest, ATextureKeepsFarLessThanItsPixelsAndItsScaledCopyOutlivesNothing) {
    const std::string png =
        MakePng(512, 256, [](int x, int y) { return 0xFF000000u | ((x ^ y) & 1 ? 0xFFFFFF : 0); });
    auto texture = device->CreateTextureFromMemory(png.data(), png.size());
    ASSERT_TRUE(texture);
    EXPECT_LT(texture->KeptBytes(), 512u * 256u * 4u / 8u);
    // The smoothed half-size copy: a checkerboard shrinks to grey.
    SDL_Texture* small = texture->ScaledHandle(0.5f, 0.5f);
    ASSERT_NE(small, nullptr);
    int w = 0, h = 0;
    SDL_QueryTexture(small, nullptr, nullptr, &w, &h);
    EXPECT_EQ(w, 256);
    EXPECT_EQ(h, 128);
    EXPECT_EQ(texture->ScaledHandle(0.5f, 0.5f), small);
    EXPECT_EQ(texture->ScaledHandle(2.0f, 2.0f), nullptr); // only ever shrunk
    texture->ScaledHandle(0.25f, 0.25f);
    // Releasing the device first releases the texture's copies with it.
    device.reset();
    EXPECT_EQ(texture->Handle(), nullptr);
    EXPECT_EQ(texture->ScaledHandle(0.5f, 0.5f), nullptr);
    texture.reset();
}

TEST_F(RenderDeviceTest, PicturesFromFilesAreReadWholeAndMissingOnesGiveNothing) {
    const std::string png = MakePng(5, 5, [](int x, int) { return x ? 0xFF0000FFu : 0xFF00FF64u; });
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("kh_picture_" + std::to_string(getpid()) + ".png"))
                                 .string();
    {
        std::ofstream out(file, std::ios::binary);
        out << png;
    }
    auto texture = device->CreateTextureFromFile(file);
    std::remove(file.c_str());
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->PixelAt(0, 0), 0u);
    EXPECT_EQ(texture->PixelAt(4, 4), 0xFF0000FFu);
    // The file is gone, yet the picture comes back after a reset: its bytes were kept.
    device->NoteReset(true);
    PresentParameters p;
    p.backBufferWidth = 1024;
    p.backBufferHeight = 768;
    EXPECT_TRUE(device->Reset(p));
    EXPECT_EQ(texture->PixelAt(4, 4), 0xFF0000FFu);
    EXPECT_FALSE(device->CreateTextureFromFile(file));
}

TEST_F(RenderDeviceTest, TheOpaquePartOfAPartlySeeThroughPictureDrawsItsOwnPixels) {
    // Opaque colours above row 16, half-transparent white below: the top is copied without
    // blending, which must not change a single pixel, scaled or not.
    const std::string png = MakePng(32, 32, [](int x, int y) {
        return y < 16 ? 0xFF000000u | (x * 0x070301u + y * 0x000509u) : 0x80FFFFFFu;
    });
    auto texture = device->CreateTextureFromMemory(png.data(), png.size());
    ASSERT_TRUE(texture);
    EXPECT_FALSE(texture->IsOpaque());
    EXPECT_TRUE(texture->IsOpaqueIn({0, 0, 32, 16}));
    EXPECT_FALSE(texture->IsOpaqueIn({0, 10, 32, 17}));
    for (float scale : {1.0f, 3.0f}) {
        auto top = [&](SpriteBatch& s) {
            s.DrawTransformed(texture.get(), IntRect{0, 0, 32, 16}, {scale, scale}, std::nullopt,
                              0.0, {50, 40}, 0xFFFFFFFF);
        };
        for (auto [x, y] : {std::pair{0, 0}, {31, 15}, {7, 9}}) {
            const int sx = 50 + static_cast<int>(x * scale), sy = 40 + static_cast<int>(y * scale);
            EXPECT_EQ(PixelAfter(top, sx, sy), texture->PixelAt(x, y)) << x << "," << y;
        }
        auto whole = [&](SpriteBatch& s) {
            s.DrawTransformed(texture.get(), std::nullopt, {scale, scale}, std::nullopt, 0.0,
                              {50, 40}, 0xFFFFFFFF);
        };
        const uint32_t blended = PixelAfter(whole, 52, 40 + static_cast<int>(20 * scale));
        EXPECT_NEAR(static_cast<int>(blended & 0xFF), (255 + 100) / 2, 2); // over the grey
    }
}

TEST_F(RenderDeviceTest, PicturesLoadedSideBySideArriveInOrderAndFailuresStayAlone) {
    // Twelve pictures of different sizes, one missing, one junk, one BMP, one cut short.
    std::vector<RenderDevice::PictureBytes> pictures;
    for (int i = 0; i < 12; ++i) {
        const std::string png = MakePng(40 + i * 17, 30 + i, [i](int x, int) {
            return x == 0 ? Texture::ColourKey : 0xFF000000u | static_cast<uint32_t>(i);
        });
        pictures.emplace_back(std::vector<uint8_t>(png.begin(), png.end()));
    }
    pictures[3].reset();
    pictures[5] = std::vector<uint8_t>{'j', 'u', 'n', 'k'};
    pictures[8]->resize(pictures[8]->size() / 2);
    SDL_Surface* bmp = SDL_CreateRGBSurfaceWithFormat(0, 6, 4, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_FillRect(bmp, nullptr, 0xFF0000AA);
    std::vector<uint8_t> bmpBytes(4096);
    SDL_RWops* out = SDL_RWFromMem(bmpBytes.data(), static_cast<int>(bmpBytes.size()));
    SDL_SaveBMP_RW(bmp, out, 0);
    bmpBytes.resize(static_cast<size_t>(SDL_RWtell(out)));
    SDL_RWclose(out);
    SDL_FreeSurface(bmp);
    pictures[10] = bmpBytes;

    std::vector<size_t> readOrder, doneOrder;
    std::vector<std::unique_ptr<Texture>> textures(pictures.size());
    std::vector<size_t> byteCounts(pictures.size());
    device->CreateTexturesInOrder(
        pictures.size(),
        [&](size_t i) {
            readOrder.push_back(i);
            return pictures[i];
        },
        [&](size_t i, std::unique_ptr<Texture> texture, std::span<const uint8_t> bytes) {
            doneOrder.push_back(i);
            // Nothing is handed out before everything ahead of it.
            EXPECT_EQ(doneOrder.size(), i + 1);
            textures[i] = std::move(texture);
            byteCounts[i] = bytes.size();
        });
    std::vector<size_t> all(pictures.size());
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    EXPECT_EQ(readOrder, all);
    EXPECT_EQ(doneOrder, all);
    for (size_t i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(byteCounts[i], pictures[i] ? pictures[i]->size() : 0u);
        if (i == 3 || i == 5 || i == 8) {
            EXPECT_FALSE(textures[i]);
            continue;
        }
        ASSERT_TRUE(textures[i]);
        if (i == 10) {
            EXPECT_EQ(textures[i]->PixelAt(5, 3), 0xFF0000AAu);
            continue;
        }
        EXPECT_EQ(textures[i]->Width(), 40 + static_cast<int>(i) * 17);
        EXPECT_EQ(textures[i]->Height(), 30 + static_cast<int>(i));
        EXPECT_EQ(textures[i]->PixelAt(1, 1), 0xFF000000u | i);
        EXPECT_EQ(textures[i]->PixelAt(0, 1), 0u);
        EXPECT_EQ(textures[i]->InkBounds({0, 0, 1000, 1000}),
                  (IntRect{1, 0, textures[i]->Width(), textures[i]->Height()}));
    }
    // They belong to the device like any other texture: a reset rebuilds them.
    device->NoteReset(true);
    PresentParameters p;
    p.backBufferWidth = 1024;
    p.backBufferHeight = 768;
    EXPECT_TRUE(device->Reset(p));
    EXPECT_EQ(textures[11]->PixelAt(1, 1), 0xFF00000Bu);
}

TEST_F(RenderDeviceTest, PicturesThatReachTheDeviceThroughABufferGiveTheSameTextures) {
    // The way a hardware renderer is fed: decoded into a buffer, then copied over.
    const std::string png = MakePng(70, 20, [](int x, int y) {
        if (x == 3) return Texture::ColourKey;
        return x < 35 ? 0xFF203040u + static_cast<uint32_t>(y) : 0x40FFFFFFu;
    });
    auto direct = device->CreateTextureFromMemory(png.data(), png.size());
    device->UploadThroughBuffers();
    EXPECT_FALSE(device->DecodesIntoTextures());
    auto buffered = device->CreateTextureFromMemory(png.data(), png.size());
    std::vector<std::unique_ptr<Texture>> batch(3);
    device->CreateTexturesInOrder(
        batch.size(),
        [&](size_t) {
            return RenderDevice::PictureBytes(std::vector<uint8_t>(png.begin(), png.end()));
        },
        [&](size_t i, std::unique_ptr<Texture> t, std::span<const uint8_t>) {
            batch[i] = std::move(t);
        });
    ASSERT_TRUE(direct && buffered && batch[2]);
    for (const Texture* t : {buffered.get(), batch[2].get()}) {
        EXPECT_EQ(t->Width(), 70);
        EXPECT_EQ(t->InkBounds({0, 0, 70, 20}), direct->InkBounds({0, 0, 70, 20}));
        EXPECT_EQ(t->IsOpaqueIn({0, 0, 35, 20}), direct->IsOpaqueIn({0, 0, 35, 20}));
        for (auto [x, y] : {std::pair{0, 0}, {3, 5}, {34, 19}, {50, 10}})
            EXPECT_EQ(t->PixelAt(x, y), direct->PixelAt(x, y)) << x << "," << y;
    }
    auto draw = [&](const Texture* t) {
        return [t](SpriteBatch& s) {
            s.SetTransform(Transform2D::Identity());
            s.Draw(t, std::nullopt, 0xFFFFFFFF);
        };
    };
    for (auto [x, y] : {std::pair{10, 10}, {3, 3}, {60, 10}})
        EXPECT_EQ(PixelAfter(draw(batch[2].get()), x, y), PixelAfter(draw(direct.get()), x, y));
    // After a reset the buffered texture is fed again the same way.
    device->NoteReset(true);
    PresentParameters p;
    p.backBufferWidth = 1024;
    p.backBufferHeight = 768;
    ASSERT_TRUE(device->Reset(p));
    EXPECT_EQ(PixelAfter(draw(buffered.get()), 10, 10), 0xFF203040u + 10u);
}

TEST_F(RenderDeviceTest, TexturesSurviveADeviceResetAndTheDeviceItself) {
    auto texture = device->CreateSolidTexture(0xFF336699, 8, 8);
    ASSERT_TRUE(texture);
    device->NoteReset(true);
    EXPECT_EQ(device->TestCooperativeLevel(), DeviceState::NeedsReset);
    PresentParameters p;
    p.backBufferWidth = 1024;
    p.backBufferHeight = 768;
    EXPECT_TRUE(device->Reset(p));
    EXPECT_EQ(device->TestCooperativeLevel(), DeviceState::Usable);
    EXPECT_EQ(PixelAfter(
                  [&](SpriteBatch& s) {
                      s.SetTransform(Transform2D::Identity());
                      s.Draw(texture.get(), std::nullopt, 0xFFFFFFFF);
                  },
                  4, 4),
              0xFF336699u);
    device->NoteLost();
    EXPECT_EQ(device->TestCooperativeLevel(), DeviceState::Lost);
    device->NoteRestored();
    // A texture released after its device is gone must not touch the device.
    device.reset();
    EXPECT_EQ(texture->Handle(), nullptr);
    texture.reset();
}

} // namespace
