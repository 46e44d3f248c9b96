// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The high-resolution counter with the millisecond tick count as fallback.
#include <cstdint>

namespace PlatformTimer {
// Counts per second of the high-resolution counter, 0 when there is none.
int64_t Frequency();
int64_t Counter();
// Milliseconds since the platform was initialised.
uint32_t TickCount();
void Sleep(uint32_t milliseconds);
} // namespace PlatformTimer
