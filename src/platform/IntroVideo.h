#pragma once
// Plays a video file full screen in a borderless window of its own, before
// the program's main window exists. Video frames are decoded with the FFmpeg
// libraries; a PCM sound track, when the file has one, plays along.
#include <string>

class IntroVideo {
public:
    enum class Outcome { notPlayed, finished, escaped };

    // Plays until the video ends or the Escape key is held; returns how it ended
    // (notPlayed when the file cannot be opened or decoded, or there is no display).
    static Outcome Play(const std::string& path);
};
