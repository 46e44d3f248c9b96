// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Game.h"

#include "app/AppState.h"
#include "menu/GUIElement.h"

Game::Game() : app(&GetAppState()) {}

Game::~Game() {
    for (auto& element : elements) {
        delete element;
        element = nullptr;
    }
}

Game::DrawHook Game::ElementCallback(int n) {
    static constexpr DrawHook hooks[ElementSlots] = {
        &Game::ElementCallback0,  &Game::ElementCallback1,  &Game::ElementCallback2,
        &Game::ElementCallback3,  &Game::ElementCallback4,  &Game::ElementCallback5,
        &Game::ElementCallback6,  &Game::ElementCallback7,  &Game::ElementCallback8,
        &Game::ElementCallback9,  &Game::ElementCallback10, &Game::ElementCallback11,
        &Game::ElementCallback12, &Game::ElementCallback13};
    if (n < 0 || n >= ElementSlots) return nullptr;
    return hooks[n];
}

bool Game::HitTestElements(int32_t eventCode) {
    for (int i = 0; i < ElementSlots; ++i) {
        if (!elementActive[i] || !elements[i]) continue;
        hoveredElement = elements[i]->HitTest(static_cast<float>(app->mouseX),
                                              static_cast<float>(app->mouseY), eventCode);
        if (hoveredElement) return true;
    }
    return false;
}
