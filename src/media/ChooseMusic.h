// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The in-game music: a random track of the current theme, loaded at full
// volume and played when music is on. Tracks are plain files beside the
// archives: "musik\jungle%d.mp3" and "musik\western%d.mp3", numbered 1 … 20.
#include <cstdint>
#include <functional>
#include <string>

class MusicPlayer;

// nextRandom is the shared random generator (values 0 … 32767). When no track
// of the theme is found in 1001 random tries, music is switched off
// (musicVolume 0). Returns the name that was loaded.
std::string ChooseMusic(MusicPlayer& player, int32_t animationTheme, int32_t& musicVolume,
                        const std::function<int32_t()>& nextRandom);
