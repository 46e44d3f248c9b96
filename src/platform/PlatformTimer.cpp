// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlatformTimer.h"

#include <SDL.h>

namespace PlatformTimer {
int64_t Frequency() {
    return static_cast<int64_t>(SDL_GetPerformanceFrequency());
}
int64_t Counter() {
    return static_cast<int64_t>(SDL_GetPerformanceCounter());
}
uint32_t TickCount() {
    return SDL_GetTicks();
}
void Sleep(uint32_t milliseconds) {
    SDL_Delay(milliseconds);
}
} // namespace PlatformTimer
