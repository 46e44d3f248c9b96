// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Platform.h"

#include <SDL.h>
#include <SDL_image.h>
#include <cstdio>
#include <cstring>

namespace Platform {

bool Initialise() {
    // The window's class matches the desktop entry, so that docks show its icon and name.
    SDL_SetHint("SDL_VIDEO_X11_WMCLASS", "kartenhaus");
    SDL_SetHint("SDL_VIDEO_WAYLAND_WMCLASS", "org.kartenhaus.Kartenhaus");
    SDL_SetHint(SDL_HINT_APP_NAME, "Kartenhaus");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) return false;
    if ((IMG_Init(IMG_INIT_PNG) & IMG_INIT_PNG) == 0) {
        SDL_Quit();
        return false;
    }
    // Double clicks count as such only close to the first click, like the desktop does.
    SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_RADIUS, "4");
    return true;
}

void Shutdown() {
    IMG_Quit();
    SDL_Quit();
}

bool IsHeadless() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver) driver = SDL_getenv("SDL_VIDEODRIVER");
    return driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
}

void ShowErrorBox(const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    if (!IsHeadless())
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr);
}

std::string LastError() {
    return SDL_GetError();
}

} // namespace Platform
