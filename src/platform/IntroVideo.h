// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays a video file full screen in a borderless window of its own, before
// the program's main window exists. IntroReader decodes it; a PCM sound track,
// when the file has one, plays along, streamed with a bounded queue.
#include <string>

class IntroVideo {
public:
    enum class Outcome { notPlayed, finished, escaped, quit };

    // Longest the sound queue grows ahead of the pictures; more is dropped.
    static constexpr double kMaxQueuedSoundSeconds = 2.0;

    // Plays until the video ends, IntroReader::kMaxSeconds have passed, or the
    // player ends it: Escape gives escaped; closing the window or a quit request
    // (SIGTERM, SIGINT) gives quit, and the program should end. notPlayed when
    // the file cannot be opened or decoded, or there is no display.
    static Outcome Play(const std::string& path);
};
