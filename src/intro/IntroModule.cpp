// SPDX-License-Identifier: GPL-3.0-or-later
// The intro player as a module of its own: the program loads it (with the video libraries
// it needs) only when the intro plays, so a run without the intro never maps them.
#include "platform/IntroVideo.h"

extern "C" __attribute__((visibility("default"))) int kh_play_intro(const char* path) {
    return static_cast<int>(IntroVideo::Play(path ? path : ""));
}
