// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scene: the input interface plus the per-frame Update and Render, fourteen GUI element
// slots with their owner-draw hooks, and the hit test over the active elements.
#include "app/MyControl.h"

#include <array>
#include <cstdint>

class AppState;
class GUIElement;

// What an element hands to its owner's draw hook.
struct ElementDrawInfo {
    GUIElement* element = nullptr;
    int32_t left = 0, top = 0, right = 0, bottom = 0; // source rectangle on the texture
    float x = 0.0f, y = 0.0f;                         // screen position (parents included)
    float scaleX = 1.0f, scaleY = 1.0f;
};

class Game : public MyControl {
public:
    static constexpr int ElementSlots = 14;
    using DrawHook = void (Game::*)(const ElementDrawInfo&);

    Game();
    ~Game() override;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Advances the scene by app->frameTime / app->realFrameTime; once per frame.
    virtual void Update() {}
    // Draws the whole scene into the open sprite batch; once per frame.
    virtual void Render() {}
    // Draws the mouse pointer at the last mouse position, after Render.
    virtual void DrawMouseCursor() {}
    // Wall-clock seconds from now until the scene's picture changes by itself (an animation
    // frame, a card that glides, a clock that ticks): 0 while something moves every frame,
    // NoChange while the picture stays as it is until the player does something. The frame
    // loop draws only when this time has come or input arrived. A scene that cannot tell
    // keeps the default and is drawn every frame.
    virtual double NextChangeIn() const { return 0.0; }
    static constexpr double NoChange = 1.0e30;

    virtual void ElementCallback0(const ElementDrawInfo&) {}
    virtual void ElementCallback1(const ElementDrawInfo&) {}
    virtual void ElementCallback2(const ElementDrawInfo&) {}
    virtual void ElementCallback3(const ElementDrawInfo&) {}
    virtual void ElementCallback4(const ElementDrawInfo&) {}
    virtual void ElementCallback5(const ElementDrawInfo&) {}
    virtual void ElementCallback6(const ElementDrawInfo&) {}
    virtual void ElementCallback7(const ElementDrawInfo&) {}
    virtual void ElementCallback8(const ElementDrawInfo&) {}
    virtual void ElementCallback9(const ElementDrawInfo&) {}
    virtual void ElementCallback10(const ElementDrawInfo&) {}
    virtual void ElementCallback11(const ElementDrawInfo&) {}
    virtual void ElementCallback12(const ElementDrawInfo&) {}
    virtual void ElementCallback13(const ElementDrawInfo&) {}

    // The draw hook of slot n (0 … 13), for handing to a GUIElement.
    static DrawHook ElementCallback(int n);

    // Finds the element under (app->mouseX, app->mouseY) among the active elements, in slot
    // order; the answer of each tested element is stored in hoveredElement. True as soon as
    // one answers.
    bool HitTestElements(int32_t eventCode);

    std::array<GUIElement*, ElementSlots> elements{}; // owned
    GUIElement* hoveredElement = nullptr;             // not owned
    std::array<bool, ElementSlots> elementActive{};
    AppState* app;
};
