// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One piece of music streamed by the SDL mixer from a file. The mixer has a
// single music channel; the stream that started last owns it.
#include <string>

struct _Mix_Music;

class MusicStream {
public:
    MusicStream() = default;
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;
    ~MusicStream();

    // Opens a file (UTF-8 path); false when it cannot be decoded or the audio
    // device is not open.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return music != nullptr; }

    // Starts playing once from a position in seconds.
    bool Start(double positionSeconds);
    void Pause();
    void Resume();
    // Halts the music; Position() keeps the place where it stopped.
    void Halt();
    // The playing position in seconds (the remembered one while halted).
    double Position() const;
    // True while this stream owns the mixer's music channel and it is playing
    // or paused (false once the piece has run to its end).
    bool IsActive() const;
    bool IsPaused() const;
    // Volume in hundredths of a decibel (−10000 … 0).
    static void SetVolume(int hundredthsOfDecibel);

private:
    _Mix_Music* music = nullptr;
    double haltedPosition = 0.0;
};
