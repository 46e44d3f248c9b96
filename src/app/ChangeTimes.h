// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers for telling when a picture next changes (Game::NextChangeIn and the objects
// the scenes draw).
#include <algorithm>
#include <cmath>

namespace ChangeTimes {
// Wall-clock seconds until a frame counter that advances by `rate` a second reaches its next
// whole frame (the picture shows the counter's integer part).
inline double NextFrameIn(double phase, double rate) {
    if (!(rate > 0.0)) return 1.0e30;
    const double rest = std::floor(phase) + 1.0 - phase;
    return std::max(rest, 0.0) / rate;
}

// Seconds until a timer counting down (now at `timer`) runs out; 0 when it has.
inline double TimerIn(double timer) {
    return std::max(timer, 0.0);
}

// Seconds until a value that falls by one a second crosses its next whole number below
// (where its truncated or rounded-down display changes).
inline double FallingWholeIn(double value) {
    return std::max(value - std::floor(value), 0.0);
}

// Seconds until the truncated whole number shown for `value` changes while the value rises
// by one a second.
inline double RisingWholeIn(double value) {
    return std::max(std::floor(value) + 1.0 - value, 0.0);
}
} // namespace ChangeTimes
