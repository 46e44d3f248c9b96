// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the intro through the intro module ("kartenhaus-intro.so" beside the program),
// loaded for this one call and unloaded afterwards. Without the module nothing is played.
#include "platform/IntroVideo.h"

#include <string>

IntroVideo::Outcome PlayIntroVideo(const std::string& path);
