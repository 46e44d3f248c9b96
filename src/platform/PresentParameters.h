// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the drawing device presents its pictures; used when it is created and reset.

struct PresentParameters {
    int backBufferWidth = 0;
    int backBufferHeight = 0;
    bool windowed = true;     // false: the window covers the desktop
    bool waitForVsync = true; // present at the display's refresh rate
};
