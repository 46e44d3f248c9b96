// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one main window.
#include <memory>
#include <string>

struct SDL_Window;

class PlatformWindow {
public:
    // Creates the window hidden, with a client area of width × height; resizable.
    static std::unique_ptr<PlatformWindow> Create(const std::string& caption, int width, int height,
                                                  bool fullscreen);
    ~PlatformWindow();
    PlatformWindow(const PlatformWindow&) = delete;
    PlatformWindow& operator=(const PlatformWindow&) = delete;

    void Show();
    void HideSystemCursor();
    // Fullscreen covers the desktop (no mode change); windowed restores the window.
    void SetFullscreen(bool fullscreen);
    bool IsMinimised() const;
    // The refresh rate of the display the window is on, in Hz; 0 when unknown.
    int RefreshRate() const;
    SDL_Window* Handle() const { return window; }

private:
    explicit PlatformWindow(SDL_Window* window) : window(window) {}
    SDL_Window* window;
};
