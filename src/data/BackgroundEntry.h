// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One table background of the background catalog ("Background.typ",
// "Background_N.typ").
#include <cstdint>
#include <string>

struct BackgroundEntry {
    std::string path; // member name of the image in the background archives (PATH:)
    std::string name; // shown to the player, underscores as blanks (NAME:)
    // RECT: the part of the image that is used.
    struct Rect {
        int32_t left = 0;
        int32_t top = 0;
        int32_t right = 0;
        int32_t bottom = 0;
        int32_t Width() const { return right - left; }
        int32_t Height() const { return bottom - top; }
    } sourceRect;
    // KACHELN: repeat the part at its own size from (0, 0) across the screen;
    // otherwise stretch it once over the whole screen.
    bool tiled = false;
    std::string nameEnglish; // NAME_EN:, shown in English when given
    // The name for the interface language (0 German, else English).
    const std::string& DisplayName(int language) const {
        return language != 0 && !nameEnglish.empty() ? nameEnglish : name;
    }
};
