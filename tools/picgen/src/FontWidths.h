// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Glyph widths of the bitmap font, in pixels, by glyph code (0–5 are Ü Ä Ö ü ä ö).
#include <array>

inline constexpr int kFontCell = 50;
inline constexpr int kFontDrawnHeight = 46;

inline constexpr std::array<int, 128> FontGlyphWidths() {
    std::array<int, 128> w{};
    const int umlauts[6] = {24, 28, 31, 25, 23, 26};
    const int from32[96] = {
        20, 15, 20, 31, 24, 35, 28, 0,  15, 15, 19, 31, 12, 13, 11, 16, // space … /
        21, 19, 24, 22, 24, 24, 23, 22, 23, 24, 12, 12, 32, 31, 31, 16, // 0 … ?
        37, 28, 28, 28, 29, 27, 24, 32, 27, 12, 21, 28, 25, 34, 28, 31, // @ … O
        25, 31, 28, 28, 26, 28, 25, 37, 26, 25, 26, 16, 16, 14, 31, 22, // P … _
        6,  21, 27, 23, 25, 24, 15, 24, 23, 12, 13, 21, 12, 34, 24, 23, // ` … o
        24, 24, 18, 22, 17, 24, 21, 32, 19, 23, 22, 20, 15, 18, 31, 0,  // p … 127
    };
    for (int i = 0; i < 6; ++i) {
        w[i] = umlauts[i];
    }
    for (int i = 0; i < 96; ++i) {
        w[32 + i] = from32[i];
    }
    return w;
}
