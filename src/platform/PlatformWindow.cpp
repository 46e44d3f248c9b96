// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PlatformWindow.h"

#include <SDL.h>
#include <SDL_image.h>

std::unique_ptr<PlatformWindow> PlatformWindow::Create(const std::string& caption, int width,
                                                       int height, bool fullscreen) {
    uint32_t flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_Window* window = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (!window) return nullptr;
    SDL_SetWindowMinimumSize(window, 320, 240);
    // The program's icon, drawn with the other pictures into the data folder.
    if (SDL_Surface* icon = IMG_Load("kartenhaus.png")) {
        SDL_SetWindowIcon(window, icon);
        SDL_FreeSurface(icon);
    }
    return std::unique_ptr<PlatformWindow>(new PlatformWindow(window));
}

PlatformWindow::~PlatformWindow() {
    SDL_DestroyWindow(window);
}

void PlatformWindow::Show() {
    SDL_ShowWindow(window);
}

void PlatformWindow::HideSystemCursor() {
    SDL_ShowCursor(SDL_DISABLE);
}

void PlatformWindow::SetFullscreen(bool fullscreen) {
    SDL_SetWindowFullscreen(window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

bool PlatformWindow::IsMinimised() const {
    const uint32_t flags = SDL_GetWindowFlags(window);
    return (flags & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) != 0;
}

int PlatformWindow::RefreshRate() const {
    SDL_DisplayMode mode{};
    const int display = SDL_GetWindowDisplayIndex(window);
    if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0) return 0;
    return mode.refresh_rate;
}
