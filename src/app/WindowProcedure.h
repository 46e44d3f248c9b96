// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns window messages into calls on the current scene.
#include "platform/WindowMessage.h"

class AppState;

class WindowProcedure {
public:
    explicit WindowProcedure(AppState& app) : app(app) {}

    void Handle(const WindowMessage& message);

    // The window was destroyed: the frame loop takes the quit message next.
    bool QuitPosted() const { return quitPosted; }
    int QuitCode() const { return quitCode; }
    bool ControlHeld() const { return controlHeld; }

private:
    void KeyDown(uint32_t key);
    void KeyUp(uint32_t key);

    AppState& app;
    bool controlHeld = false;
    bool quitPosted = false;
    int quitCode = 0;
};

// Resets the drawing device with app.presentParameters, telling the sprite batch before and
// after. A failed reset is retried by the frame loop.
void ResetDevice(AppState& app);
