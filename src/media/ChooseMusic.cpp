// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ChooseMusic.h"

#include "data/RegularFile.h"
#include "media/DiskPath.h"
#include "media/MusicPlayer.h"

#include <cstdio>
#include <fstream>

std::string ChooseMusic(MusicPlayer& player, int32_t animationTheme, int32_t& musicVolume,
                        const std::function<int32_t()>& nextRandom) {
    const char* pattern = animationTheme != 0 ? "musik\\western%d.mp3" : "musik\\jungle%d.mp3";
    std::string name;
    bool found = false;
    for (int attempt = 0; attempt < 1001 && !found; ++attempt) {
        int number = nextRandom() % 20 + 1;
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, pattern, number);
        name = buffer;
        found = RegularFile::Exists(DiskPathOf(name));
    }
    if (!found) musicVolume = 0;

    player.Load(name);
    player.SetVolume(0);
    if (musicVolume == 100)
        player.Play();
    else
        player.Stop();
    return name;
}
