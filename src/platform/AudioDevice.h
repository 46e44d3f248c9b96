// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The audio output: the SDL mixer opened on the default device, with a fixed
// number of voices (mixer channels) on which decoded effects play.
#include <cstdint>
#include <memory>
#include <span>

struct Mix_Chunk;

class AudioDevice {
public:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    // A decoded effect in the device's sample format.
    using Chunk = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

    AudioDevice() = default;
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;
    ~AudioDevice();

    // Opens the default output device (44.1 kHz, 16-bit stereo).
    bool Open();
    // Reserves the given number of voices; false when the mixer gives fewer.
    bool AllocateVoices(int count);
    // Stops every voice and the music and closes the device.
    void Close();
    bool IsOpen() const { return open; }
    int VoiceCount() const { return voiceCount; }

    // Decodes a RIFF/WAVE file in memory into the device format; null on failure.
    Chunk LoadChunk(std::span<const uint8_t> riff) const;
    // The length of a decoded chunk in seconds at the device rate.
    double ChunkSeconds(const Mix_Chunk* chunk) const;

    bool IsVoicePlaying(int voice) const;
    // Volume in hundredths of a decibel (0 full, negative quieter).
    void SetVoiceVolume(int voice, int hundredthsOfDecibel);
    // The mixer's own volume of a voice (0 … 128).
    int VoiceMixerVolume(int voice) const;
    bool PlayOnVoice(int voice, Mix_Chunk* chunk);
    void HaltVoices();

    // Hundredths of a decibel on the mixer's linear 0 … 128 scale.
    static int MixerVolume(int hundredthsOfDecibel);

private:
    bool open = false;
    int voiceCount = 0;
    int frequency = 0;
    int channels = 0;
    int bytesPerSample = 0;
};
