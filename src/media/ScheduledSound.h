#pragma once
// A sound effect waiting for its delay to run out.
#include <cstdint>

struct ScheduledSound {
    int32_t soundId = 0;
    double delay = 0.0; // seconds still to wait
    double factor = 1.0; // volume factor
};
