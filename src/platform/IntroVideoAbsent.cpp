// SPDX-License-Identifier: GPL-3.0-or-later
// The program built without the FFmpeg libraries has no intro: it is never played.
#include "platform/IntroVideo.h"

IntroVideo::Outcome IntroVideo::Play(const std::string&) {
    return Outcome::notPlayed;
}
