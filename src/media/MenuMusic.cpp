// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MenuMusic.h"

#include "media/MusicPlayer.h"

void MenuMusic::Start(MusicPlayer& player, int32_t musicVolume) {
    player.Load(fileName);
    player.SetVolume(10000); // clamped to full volume
    if (musicVolume == 100)
        player.Play();
    else
        player.Stop();
}

void MenuMusic::Update(MusicPlayer& player, int32_t musicVolume, int32_t runState) {
    if (musicVolume != 100 || runState != 0) return;
    if (player.IsFinished()) {
        player.Rewind();
        player.Play();
    }
}

void MenuMusic::Toggle(MusicPlayer& player, int32_t& musicVolume) {
    musicVolume = musicVolume == 100 ? 0 : 100;
    if (musicVolume == 100)
        player.Play();
    else
        player.Stop();
}
