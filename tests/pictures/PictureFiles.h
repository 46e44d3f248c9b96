// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads generated pictures for the content tests.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct Pixels {
    int width = 0, height = 0;
    std::vector<uint32_t> argb; // row by row
    bool Loaded() const { return width > 0; }
    uint32_t At(int x, int y) const { return argb[static_cast<size_t>(y) * width + x]; }
    int Alpha(int x, int y) const { return static_cast<int>(At(x, y) >> 24); }
};

inline Pixels LoadPixels(const std::filesystem::path& file) {
    Pixels p;
    SDL_Surface* loaded = IMG_Load(file.string().c_str());
    if (!loaded) {
        return p;
    }
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    p.width = argb->w;
    p.height = argb->h;
    p.argb.resize(static_cast<size_t>(p.width) * p.height);
    for (int y = 0; y < p.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
        std::copy(row, row + p.width, p.argb.begin() + static_cast<size_t>(y) * p.width);
    }
    SDL_FreeSurface(argb);
    return p;
}

inline std::filesystem::path StageDir() {
    return std::filesystem::path(KH_BINARY_DIR) / "stage";
}

inline std::filesystem::path DataDir() {
    return std::filesystem::path(KH_BINARY_DIR) / "data";
}

// "a\\b.PNG" → stage/ARCHIVE/a/b.PNG (member names are Latin-1 in archives, UTF-8 on disk).
inline std::filesystem::path Staged(const std::string& archive, const std::string& member) {
    std::string path;
    for (char c : member) {
        path += c == '\\' ? '/' : c;
    }
    return StageDir() / archive / path;
}
