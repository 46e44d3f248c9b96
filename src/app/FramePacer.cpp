// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FramePacer.h"

#include <algorithm>

void FramePacer::FrameDone(double now, bool drawn, double changeIn, double workIn) {
    lastFrame = now;
    if (drawn) inputPending = false;
    drawAt = now + std::max(changeIn, 0.0);
    workAt = now + std::max(workIn, 0.0);
}

double FramePacer::NextFrameAt() const {
    const double due = inputPending ? -never : std::min({drawAt, workAt, lastFrame + maxWait});
    return std::max(lastFrame + minInterval, due);
}

double FramePacer::IntervalFor(int refreshRate) {
    constexpr int maxRate = 60;
    const int rate = refreshRate > 0 ? std::min(refreshRate, maxRate) : maxRate;
    return 1.0 / rate;
}
