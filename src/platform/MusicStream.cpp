// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MusicStream.h"

#include "platform/AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>

namespace {
// The stream that owns the mixer's single music channel.
MusicStream* activeStream = nullptr;
} // namespace

MusicStream::~MusicStream() { Close(); }

bool MusicStream::Open(const std::string& path) {
    Close();
    int frequency = 0;
    if (Mix_QuerySpec(&frequency, nullptr, nullptr) == 0) return false; // no audio device
    // Only regular files: a FIFO or a device at the name would block or never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    music = Mix_LoadMUS(path.c_str());
    haltedPosition = 0.0;
    return music != nullptr;
}

void MusicStream::Close() {
    if (!music) return;
    if (activeStream == this) {
        Mix_HaltMusic();
        activeStream = nullptr;
    }
    Mix_FreeMusic(music);
    music = nullptr;
    haltedPosition = 0.0;
}

bool MusicStream::Start(double positionSeconds) {
    if (!music) return false;
    if (Mix_PlayMusic(music, 0) != 0) return false;
    activeStream = this;
    if (positionSeconds > 0.0) Mix_SetMusicPosition(positionSeconds);
    haltedPosition = 0.0;
    return true;
}

void MusicStream::Pause() {
    if (IsActive()) Mix_PauseMusic();
}

void MusicStream::Resume() {
    if (IsActive()) Mix_ResumeMusic();
}

void MusicStream::Halt() {
    if (!music) return;
    if (IsActive()) {
        double position = Mix_GetMusicPosition(music);
        haltedPosition = position > 0.0 ? position : 0.0;
        Mix_HaltMusic();
    }
    if (activeStream == this) activeStream = nullptr;
}

double MusicStream::Position() const {
    if (music && IsActive()) {
        double position = Mix_GetMusicPosition(music);
        return position > 0.0 ? position : 0.0;
    }
    return haltedPosition;
}

bool MusicStream::IsActive() const {
    return music && activeStream == this && Mix_PlayingMusic() != 0;
}

bool MusicStream::IsPaused() const { return IsActive() && Mix_PausedMusic() != 0; }

void MusicStream::SetVolume(int hundredthsOfDecibel) {
    Mix_VolumeMusic(AudioDevice::MixerVolume(hundredthsOfDecibel));
}
