// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The music player: one piece of music at a time, streamed from a file, with
// the states nothing loaded (0), stopped (1), paused (2) and playing (3).
// Every operation returns 0 on success and a negative code on failure.
#include <cstdint>
#include <memory>
#include <string>

class MusicStream;

class MusicPlayer {
public:
    static constexpr int32_t ok = 0;
    static constexpr int32_t failure = int32_t(0x80004005);
    static constexpr int32_t playRefused = int32_t(0x80000000);
    static constexpr int32_t pauseRefused = int32_t(0x80000001);
    static constexpr int32_t rewindRefused = int32_t(0x80000002);
    static constexpr int32_t stopRefused = int32_t(0x80000003);
    static constexpr int32_t volumeRefused = int32_t(0x80000004);
    // Longest file name the player accepts.
    static constexpr size_t maxFileName = 260;

    enum State : int32_t { nothingLoaded = 0, stopped = 1, paused = 2, playing = 3 };

    MusicPlayer();
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;
    ~MusicPlayer();

    // Replaces the piece by the file of that name (Latin-1, backslashes, relative to
    // the working directory). On failure nothing stays loaded.
    int32_t Load(const std::string& name);
    int32_t Play();   // from stopped or paused
    int32_t Pause();  // from playing or stopped
    int32_t Stop();   // from playing or paused; the position is kept
    int32_t Rewind(); // stops and goes back to the beginning
    // Hundredths of a decibel, clamped to −10000 … 0.
    int32_t SetVolume(int32_t level);
    // While playing: true once when the piece has run to its end.
    bool IsFinished();
    // Releases the piece (state 0), as before the audio device closes.
    void Unload();

    int32_t GetState() const { return state; }
    const std::string& FileName() const { return fileName; }
    int32_t Volume() const { return volume; }

private:
    std::unique_ptr<MusicStream> graph;
    std::string fileName;
    int32_t state = nothingLoaded;
    int32_t volume = 0;
    double position = 0.0; // where a stopped piece resumes
    bool completionReported = false;
};
