// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

void AudioDevice::ChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

AudioDevice::~AudioDevice() { Close(); }

bool AudioDevice::Open() {
    if (open) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    bytesPerSample = SDL_AUDIO_BITSIZE(format) / 8;
    open = true;
    return true;
}

bool AudioDevice::AllocateVoices(int count) {
    if (!open) return false;
    voiceCount = Mix_AllocateChannels(count);
    // No voice belongs to the mixer's automatic choice: every play names its voice.
    Mix_ReserveChannels(voiceCount);
    return voiceCount >= count;
}

void AudioDevice::Close() {
    if (!open) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open = false;
    voiceCount = 0;
}

AudioDevice::Chunk AudioDevice::LoadChunk(std::span<const uint8_t> riff) const {
    if (!open || riff.empty()) return nullptr;
    SDL_RWops* rw = SDL_RWFromConstMem(riff.data(), int(riff.size()));
    if (!rw) return nullptr;
    return Chunk(Mix_LoadWAV_RW(rw, 1));
}

double AudioDevice::ChunkSeconds(const Mix_Chunk* chunk) const {
    if (!chunk || frequency <= 0 || channels <= 0 || bytesPerSample <= 0) return 0.0;
    return double(chunk->alen) / (double(frequency) * channels * bytesPerSample);
}

bool AudioDevice::IsVoicePlaying(int voice) const {
    if (!open || voice < 0 || voice >= voiceCount) return false;
    return Mix_Playing(voice) != 0;
}

void AudioDevice::SetVoiceVolume(int voice, int hundredthsOfDecibel) {
    if (!open || voice < 0 || voice >= voiceCount) return;
    Mix_Volume(voice, MixerVolume(hundredthsOfDecibel));
}

int AudioDevice::VoiceMixerVolume(int voice) const {
    if (!open || voice < 0 || voice >= voiceCount) return -1;
    return Mix_Volume(voice, -1);
}

bool AudioDevice::PlayOnVoice(int voice, Mix_Chunk* chunk) {
    if (!open || !chunk || voice < 0 || voice >= voiceCount) return false;
    return Mix_PlayChannel(voice, chunk, 0) == voice;
}

void AudioDevice::HaltVoices() {
    if (open) Mix_HaltChannel(-1);
}

int AudioDevice::MixerVolume(int hundredthsOfDecibel) {
    int level = std::clamp(hundredthsOfDecibel, -10000, 0);
    double gain = std::pow(10.0, level / 2000.0);
    return int(std::lround(gain * MIX_MAX_VOLUME));
}
