// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ArchiveTextures.h"

#include "data/GameArchiveWriter.h"
#include "platform/Platform.h"
#include "platform/PlatformWindow.h"
#include "platform/RenderDevice.h"
#include "platform/Texture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace {

struct Device {
    Device() {
        Platform::Initialise();
        window = PlatformWindow::Create("test", 64, 48, false);
        PresentParameters parameters;
        parameters.backBufferWidth = 64;
        parameters.backBufferHeight = 48;
        if (window) device = RenderDevice::Create(*window, parameters);
    }
    std::unique_ptr<PlatformWindow> window;
    std::unique_ptr<RenderDevice> device;
};

// A 64 × 48 PNG of one colour, made by the device's own screenshot writer.
std::string SolidPng(RenderDevice& device, uint32_t argb, const std::filesystem::path& file) {
    device.BeginScene();
    device.Clear(argb);
    device.EndScene();
    EXPECT_TRUE(device.SaveScreenshot(file.string()));
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct CardSet {
    std::string path;
};

} // namespace

TEST(ArchiveTextures, FamilySearchWithLooseFilesAndUndecodableMembers) {
    Device d;
    ASSERT_TRUE(d.device) << Platform::LastError();
    auto dir = std::filesystem::temp_directory_path() / ("kh_tex_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "karten");
    std::string red = SolidPng(*d.device, 0xFFFF0000, dir / "red.png");
    std::string blue = SolidPng(*d.device, 0xFF0000FF, dir / "blue.png");
    ASSERT_FALSE(red.empty());

    // The main archive's member is no picture: the search goes on to the add-on.
    ASSERT_TRUE(GameArchiveWriter::Write(dir / "cards.gob", {{"karten\\satz.png", "kaputt"}}));
    ASSERT_TRUE(GameArchiveWriter::Write(dir / "cards_2.gob", {{"KARTEN\\SATZ.PNG", red}}));
    std::unique_ptr<GameArchive> main;
    ArchiveList addOns;
    OpenArchiveFamily(dir, "cards", main, addOns);
    ArchiveFamily family(main, addOns);

    auto texture = LoadTextureFromFamily(d.device.get(), family, "karten\\satz.png", false);
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->Width(), 64);
    EXPECT_EQ(texture->PixelAt(10, 10), 0xFFFF0000u);
    EXPECT_FALSE(LoadTexture(d.device.get(), "karten\\satz.png", main.get(), false));
    EXPECT_FALSE(LoadTextureFromFamily(nullptr, family, "karten\\satz.png", false));

    // A catalog entry's picture replaces the slot; a loose file wins over add-ons
    // only in the working directory the search is given, here the current one.
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    { std::ofstream(dir / "karten" / "satz.png", std::ios::binary) << blue; }
    CardSet entry{"karten\\satz.png"};
    std::unique_ptr<Texture> slot = std::move(texture);
    ReplaceCatalogTexture(d.device.get(), slot, family, &entry);
    ASSERT_TRUE(slot);
    EXPECT_EQ(slot->PixelAt(5, 5), 0xFF0000FFu);
    CardSet missing{"nirgends.png"};
    ReplaceCatalogTexture(d.device.get(), slot, family, &missing);
    EXPECT_FALSE(slot);
    ReplaceCatalogTexture<CardSet>(d.device.get(), slot, family, nullptr);
    EXPECT_FALSE(slot);
    std::filesystem::current_path(previous);

    addOns.Clear();
    main.reset();
    std::filesystem::remove_all(dir);
}
