// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The update and render steps of one frame.
#include <cstdint>
#include <string>

class AppState;

// Reads the timer value `counter` into the frame times and the carried time. Returns true
// when the scene should be updated (the carried time is not negative); frameTime then holds
// the carried time.
bool AdvanceFrameTimes(AppState& app, int64_t counter);

// The update step: frame times from `counter`, then (unless the carried time is negative)
// the scene's Update and the scheduled sounds. Returns whether the scene was updated.
bool RunUpdateStep(AppState& app, int64_t counter);

// The render step: clear to grey, the scene, the mouse pointer; with a screenshot path the
// finished frame is also written there as PNG. Returns false when that write failed.
bool RunRenderStep(AppState& app, const std::string& screenshotPath = {});

// Starts the timer (start-up): the high-resolution counter when available, else the
// millisecond tick count.
void InitialiseTimer(AppState& app, int64_t frequency, int64_t counter, uint32_t tickCount);
