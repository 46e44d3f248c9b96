// SPDX-License-Identifier: GPL-3.0-or-later
// The whole way through the running program: start a game, click Lotte's face, type a
// keyword on the keyboard, press Enter, and find her answer in the bubble of the screenshot.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path dataDir = fs::path(KH_BINARY_DIR) / "data";

// A working folder that shares the build's archives and catalogs but keeps its own
// settings and statistics.
fs::path ScratchData(const std::string& settings) {
    const fs::path dir = fs::temp_directory_path() / ("kh_plapper_run_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& entry : fs::directory_iterator(dataDir)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".cfg") != std::string::npos || name == "stats.hs") continue;
        fs::create_symlink(entry.path(), dir / name);
    }
    std::ofstream(dir / "solitär.cfg") << settings;
    return dir;
}

struct Shot {
    SDL_Surface* surface = nullptr;
    explicit Shot(const fs::path& file) {
        if (SDL_Surface* loaded = IMG_Load(file.string().c_str())) {
            surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
            SDL_FreeSurface(loaded);
        }
    }
    ~Shot() { SDL_FreeSurface(surface); }
    uint32_t Pixel(int x, int y) const {
        return static_cast<uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x];
    }
    // Pixels of a rectangle that are nearly black (writing; the cloth is dark but green).
    int DarkPixels(int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) {
                const uint32_t p = Pixel(x, y);
                const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
                count += std::max({r, g, b}) < 50;
            }
        return count;
    }
};

TEST(PlapperHeadless, ClickTypeEnterAndTheAnswerIsInTheBubble) {
    if (!fs::exists(dataDir / "games.gob") || !fs::exists(dataDir / "base.gob"))
        GTEST_SKIP() << "the data directory has not been built";
    const fs::path dir = ScratchData("SPRACHE:\t0\nSPRUECHE:\t0\n");
    std::ofstream(dir / "script.txt") << "0 move 700 200\n"
                                         "20 screenshot before.png\n"
                                         "30 click 60 440\n"
                                         "170 key H\n172 key A\n174 key L\n176 key L\n178 key O\n"
                                         "185 screenshot typing.png\n"
                                         "190 key Return\n"
                                         "200 screenshot answer.png\n"
                                         "205 quit\n";
    const std::string command = "cd '" + dir.string() +
                                "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '" KH_BINARY_DIR
                                "/kartenhaus' --data . --user-dir . --game klondike/klondike --seed 3 "
                                "--step 0.016 --script script.txt >output.txt 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);

    const Shot before(dir / "before.png"), typing(dir / "typing.png"), answer(dir / "answer.png");
    ASSERT_TRUE(before.surface && typing.surface && answer.surface);
    // The typed word stands in the input box at the bottom.
    EXPECT_GT(typing.DarkPixels(362, 598, 662, 708), 100);
    EXPECT_LT(before.DarkPixels(362, 598, 662, 708), typing.DarkPixels(362, 598, 662, 708) / 4);
    // Lotte's answer: a white bubble with black writing in its text area.
    EXPECT_EQ(answer.Pixel(120, 280), 0xFFFFFFFFu);
    EXPECT_GT(answer.DarkPixels(110, 288, 323, 419), 400);
    EXPECT_LT(before.DarkPixels(110, 288, 323, 419), answer.DarkPixels(110, 288, 323, 419) / 4);
    // "Hallo! Schön, dass du mit mir plauderst." is three lines; the typed "hallo" was one.
    int rows = 0;
    bool inRow = false;
    for (int y = 288; y < 419; ++y) {
        bool dark = answer.DarkPixels(110, y, 323, y + 1) > 0;
        rows += dark && !inRow;
        inRow = dark;
    }
    EXPECT_EQ(rows, 3);
    fs::remove_all(dir);
}

} // namespace
