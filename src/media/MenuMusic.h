// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The music of the main menu: one piece that loops while the menu shows.
#include <cstdint>

class MusicPlayer;

class MenuMusic {
public:
    static constexpr const char* fileName = "musik\\musik_menu.mp3";

    // Loads the menu piece at full volume; plays it when music is on (exactly 100).
    static void Start(MusicPlayer& player, int32_t musicVolume);
    // Once per menu frame: while the menu shows (runState 0) with music on, a
    // piece that has ended starts again from the beginning.
    static void Update(MusicPlayer& player, int32_t musicVolume, int32_t runState);
    // The music button: toggles between 100 and 0 and plays or stops.
    static void Toggle(MusicPlayer& player, int32_t& musicVolume);
};
