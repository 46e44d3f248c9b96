// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sound effect waiting for its delay to run out (AppState::scheduledSounds).
#include <cstdint>

struct ScheduledSound {
    int32_t soundId = 0;
    double delay = 0.0; // remaining seconds
    double volumeFactor = 1.0;
};
