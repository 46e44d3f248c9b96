// SPDX-License-Identifier: GPL-3.0-or-later
// The loading screen and the texture table, drawn and loaded on the off-screen driver.
#include "app/LoadingScreen.h"
#include "../platform/PngBytes.h"
#include "app/AppState.h"
#include "app/TextureTable.h"
#include "data/GameArchiveWriter.h"
#include "platform/Platform.h"
#include "platform/PlatformWindow.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

TEST(LoadingScreen, BarGrowsWithTheStepsAndStopsAtItsEnd) {
    EXPECT_EQ(LoadingScreen::FilledBarRight(0), 122);
    EXPECT_EQ(LoadingScreen::FilledBarRight(1), 122 + 818 / 57); // 14, truncated
    EXPECT_EQ(LoadingScreen::FilledBarRight(28), 122 + 28 * 818 / 57);
    EXPECT_EQ(LoadingScreen::FilledBarRight(56), 122 + 56 * 818 / 57);
    EXPECT_EQ(LoadingScreen::FilledBarRight(57), 940);
    EXPECT_EQ(LoadingScreen::FilledBarRight(58), 940);
    EXPECT_EQ(LoadingScreen::FilledBarRight(74), 940); // textures and sounds together
    EXPECT_EQ(LoadingScreen::FilledBarRight(1 << 30), 940);
}

TEST(TextureTable, NamesAndLoadOrder) {
    EXPECT_STREQ(TextureTable::SlotName(0), "misc.PNG");
    EXPECT_STREQ(TextureTable::SlotName(2), "splash.PNG");
    EXPECT_STREQ(TextureTable::SlotName(4), "");
    EXPECT_STREQ(TextureTable::SlotName(28), "hintergrund\\western\\kn\xE4ul.PNG");
    EXPECT_STREQ(TextureTable::SlotName(31), "hintergrund\\western\\T\xFCr.PNG");
    EXPECT_STREQ(TextureTable::SlotName(36), "hintergrund\\m\344del1.PNG");
    EXPECT_STREQ(TextureTable::SlotName(44), "hintergrund\\Tarzan.PNG");
    EXPECT_STREQ(TextureTable::SlotName(45), "");
    const auto& order = TextureTable::LoadOrder();
    EXPECT_EQ(order.size(), 43u); // one loading step each
    EXPECT_EQ(order.front(), 2);  // the splash first, so the loading screen can show it
    EXPECT_EQ(std::count(order.begin(), order.end(), 35), 2);
    for (int runtimeSlot : {3, 4, 5})
        EXPECT_EQ(std::count(order.begin(), order.end(), runtimeSlot), 0);
}

class DeviceTest : public ::testing::Test {
protected:
    AppState app;
    fs::path dir;

    void SetUp() override {
        ASSERT_TRUE(Platform::Initialise());
        app.window = PlatformWindow::Create("Fenster", 1024, 768, false);
        ASSERT_TRUE(app.window);
        app.window->Show();
        app.presentParameters.backBufferWidth = 1024;
        app.presentParameters.backBufferHeight = 768;
        app.device = RenderDevice::Create(*app.window, app.presentParameters);
        ASSERT_TRUE(app.device);
        app.sprite = std::make_unique<SpriteBatch>(*app.device);
        dir = fs::temp_directory_path() / ("kh_loading_" + std::to_string(getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override {
        app.ReleaseTextures();
        app.sprite.reset();
        app.device.reset();
        app.window.reset();
        Platform::Shutdown();
        fs::remove_all(dir);
    }

    uint32_t ScreenPixel(int x, int y) {
        const std::string file = (dir / "frame.png").string();
        EXPECT_TRUE(app.device->SaveScreenshot(file));
        SDL_Surface* shot = IMG_Load(file.c_str());
        SDL_Surface* argb = SDL_ConvertSurfaceFormat(shot, SDL_PIXELFORMAT_ARGB8888, 0);
        const uint32_t pixel = static_cast<uint32_t*>(argb->pixels)[y * argb->pitch / 4 + x];
        SDL_FreeSurface(argb);
        SDL_FreeSurface(shot);
        return pixel;
    }
};

// A splash sheet: the picture blue, the captions, the empty bar dark, the full bar red.
uint32_t SplashColour(int x, int y) {
    if (y < 768) return 0xFF2040A0;
    if (y < 834) return (x >= 122 && x < 940) ? 0xFF202020 : 0xFF00FF64;
    if (y < 900) return (x >= 122 && x < 940) ? 0xFFE02020 : 0xFF00FF64;
    if (y < 1012) return 0xFF11EE11; // German caption
    return 0xFFEEEE11;               // English caption
}

TEST_F(DeviceTest, LoadingScreenShowsTheFilledPartOfTheBar) {
    const std::string png = MakePng(1024, 1124, SplashColour);
    app.textures[AppState::SplashSlot] =
        app.device->CreateTextureFromMemory(png.data(), png.size());
    ASSERT_TRUE(app.textures[AppState::SplashSlot]);
    app.loadingSteps = 19;
    AdvanceLoadingScreen(app);                                  // step 20
    const int filled = LoadingScreen::FilledBarRight(20) - 122; // drawn from x = 103
    EXPECT_EQ(ScreenPixel(103 + filled - 1, 700), 0xFFE02020u);
    EXPECT_EQ(ScreenPixel(103 + filled + 1, 700), 0xFF202020u);
    EXPECT_EQ(ScreenPixel(500, 100), 0xFF2040A0u);
    EXPECT_EQ(ScreenPixel(100, 200), 0xFF11EE11u); // German caption at (0, 168)
    // A step without drawing only counts.
    AdvanceLoadingScreen(app, false);
    EXPECT_EQ(app.loadingSteps, 21);
    app.language = 1;
    app.loadingSteps = 80;
    AdvanceLoadingScreen(app);
    EXPECT_EQ(ScreenPixel(103 + 817, 700), 0xFFE02020u); // full, not past the end
    EXPECT_EQ(ScreenPixel(103 + 819, 700), 0xFF2040A0u); // the colour key beside the bar is clear
    EXPECT_EQ(ScreenPixel(100, 200), 0xFFEEEE11u);
}

TEST_F(DeviceTest, TextureTableComesFromTheBaseArchive) {
    std::vector<GameArchiveWriter::Member> members;
    for (int slot : TextureTable::LoadOrder())
        if (slot != 17) // the spider is missing
            members.push_back({TextureTable::SlotName(slot), MakePng(2, 2, [slot](int, int) {
                                   return 0xFF000000u | static_cast<uint32_t>(slot);
                               })});
    members.push_back({"menu.png", "duplicate names: the first one wins"});
    ASSERT_TRUE(GameArchiveWriter::Write(dir / "base.gob", members));
    app.OpenArchives(dir);
    std::vector<std::string> missing;
    EXPECT_FALSE(LoadTextureTable(
        app, [&](const std::string& name) { return ReadMember(app.baseArchive.get(), name); },
        &missing));
    EXPECT_EQ(missing, (std::vector<std::string>{"hintergrund\\urwald\\spinne.PNG"}));
    EXPECT_EQ(app.loadingSteps, 43);
    EXPECT_EQ(app.textures[6]->PixelAt(0, 0), 0xFF000006u);
    EXPECT_FALSE(app.textures[17]);
    EXPECT_FALSE(app.textures[4]);
    // The sheets of the backgrounds and characters were only looked for; a game decodes
    // those of its theme, and the menu lets them go again.
    EXPECT_FALSE(app.textures[36]);
    EXPECT_FALSE(app.textures[20]);
    LoadThemeTextures(app, 0);
    EXPECT_EQ(app.textures[36]->PixelAt(1, 1), 0xFF000024u);
    EXPECT_EQ(app.textures[20]->PixelAt(1, 1), 0xFF000014u);
    EXPECT_FALSE(app.textures[17]);
    EXPECT_FALSE(app.textures[21]); // the saloon's
    LoadThemeTextures(app, 1);
    ReleaseThemeTextures(app, 1);
    EXPECT_FALSE(app.textures[20]);
    EXPECT_EQ(app.textures[21]->PixelAt(1, 1), 0xFF000015u);
    ReleaseThemeTextures(app, -1);
    EXPECT_FALSE(app.textures[21]);
    EXPECT_FALSE(app.textures[36]);
    EXPECT_TRUE(app.textures[6]);
    app.CloseArchives();
}

TEST_F(DeviceTest, CardSetComesFromTheFirstArchiveOrLooseFileThatHasIt) {
    app.cardSets.Append(new CardSetEntry{"karten\\a.png", "A", 80, 120});
    app.cardSets.Append(new CardSetEntry{"karten\\b.png", "B", 80, 120});
    auto colourPng = [](uint32_t c) { return MakePng(1, 1, [c](int, int) { return c; }); };
    ASSERT_TRUE(
        GameArchiveWriter::Write(dir / "cards.gob", {{"other.png", colourPng(0xFF111111)}}));
    ASSERT_TRUE(
        GameArchiveWriter::Write(dir / "cards_2.gob", {{"KARTEN\\B.PNG", colourPng(0xFF222222)},
                                                       {"karten\\a.png", colourPng(0xFF333333)}}));
    fs::create_directories(dir / "karten");
    {
        const std::string loose = colourPng(0xFF444444);
        std::FILE* f = std::fopen((dir / "karten" / "a.png").c_str(), "wb");
        std::fwrite(loose.data(), 1, loose.size(), f);
        std::fclose(f);
    }
    app.OpenArchives(dir);
    const fs::path previous = fs::current_path();
    fs::current_path(dir); // loose files are found in the working directory
    app.LoadCardSet(1);
    ASSERT_TRUE(app.textures[AppState::CardSetSlot]);
    EXPECT_EQ(app.textures[AppState::CardSetSlot]->PixelAt(0, 0), 0xFF222222u);
    EXPECT_EQ(app.cardSet, 1);
    EXPECT_EQ(app.currentCardSet, app.cardSets[1]);
    app.LoadCardSet(0); // the loose file comes before the add-on
    EXPECT_EQ(app.textures[AppState::CardSetSlot]->PixelAt(0, 0), 0xFF444444u);
    app.LoadCardSet(7); // a stale setting falls back to the first set
    EXPECT_EQ(app.currentCardSetIndex, 0);
    EXPECT_EQ(app.cardSet, 0);
    fs::current_path(previous);
    app.CloseArchives();
}

TEST_F(DeviceTest, LoadTextureLeavesTheOutputAloneOnFailure) {
    std::unique_ptr<Texture> out = app.device->CreateSolidTexture(0xFF010203, 1, 1);
    Texture* before = out.get();
    EXPECT_EQ(app.LoadTexture("nothing.png", out, nullptr, false), kResultFail);
    EXPECT_EQ(app.LoadTexture("nothing.png", out, nullptr, true), kResultFail);
    EXPECT_EQ(out.get(), before);
}

} // namespace
