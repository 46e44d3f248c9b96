// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the background tests share: an application state without files or devices, and a
// clock that advances it by fixed wall-clock frames.
#include "app/AppState.h"
#include "rules/RandomGenerator.h"
#include "themes/HintergrundGrafik.h"

namespace themetest {

struct Stage {
    explicit Stage(int level = 1) {
        app.animationLevel = level;
        RandomGenerator::Shared().Seed(12345);
    }
    // Runs `seconds` of updates in frames of `step` seconds.
    void Run(HintergrundGrafik& background, double seconds, double step = 0.01) {
        app.realFrameTime = step;
        for (double t = 0.0; t < seconds - 1e-9; t += step)
            background.Update();
    }
    AppState app{false};
};

} // namespace themetest
