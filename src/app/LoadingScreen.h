// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loading screen shown while textures and sounds load: the splash picture, the caption
// of the current language and a bar that fills over 57 steps.

class AppState;

namespace LoadingScreen {
constexpr int FullSteps = 57;
constexpr int BarLeft = 122;
constexpr int BarRight = 940;
// The shortest time between two presents of the growing bar.
constexpr unsigned MinIntervalMs = 250;

// Right edge (in the splash picture) of the filled part of the bar after `steps` steps;
// it stays at the bar's end after the last step.
int FilledBarRight(int steps);
} // namespace LoadingScreen

// One loading step: counts it and, with `draw`, shows the loading screen when the bar has
// grown and the last showing is MinIntervalMs ago (the full bar is always shown).
void AdvanceLoadingScreen(AppState& app, bool draw = true);
