// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds small PNG pictures in memory for tests.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <functional>
#include <string>

// A width × height PNG whose pixel (x, y) has the ARGB colour colour(x, y).
inline std::string MakePng(int width, int height, const std::function<uint32_t(int, int)>& colour) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            static_cast<uint32_t*>(s->pixels)[y * s->pitch / 4 + x] = colour(x, y);
    std::string bytes(static_cast<size_t>(width) * height * 4 + 4096, '\0');
    SDL_RWops* out = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
    IMG_SavePNG_RW(s, out, 0);
    bytes.resize(static_cast<size_t>(SDL_RWtell(out)));
    SDL_RWclose(out);
    SDL_FreeSurface(s);
    return bytes;
}
