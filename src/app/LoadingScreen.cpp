// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LoadingScreen.h"

#include "app/AppState.h"
#include "platform/PlatformTimer.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"

#include <algorithm>

int LoadingScreen::FilledBarRight(int steps) {
    if (steps <= 0) return BarLeft;
    if (steps >= FullSteps) return BarRight;
    return std::min(BarLeft + steps * (BarRight - BarLeft) / FullSteps, BarRight);
}

void AdvanceLoadingScreen(AppState& app, bool draw) {
    ++app.loadingSteps;
    if (!draw || !app.device) return;
    // Every present waits for the display: the screen is shown a few times a second while
    // the bar grows, and once more when it is full, not at every step.
    const int right = LoadingScreen::FilledBarRight(app.loadingSteps);
    const uint32_t now = PlatformTimer::TickCount();
    if (right == app.loadingShownRight) return;
    if (app.loadingShownRight >= 0 && right != LoadingScreen::BarRight &&
        now - app.loadingShownAt < LoadingScreen::MinIntervalMs)
        return;
    app.loadingShownAt = now;
    app.loadingShownRight = right;
    RenderDevice& device = *app.device;
    device.BeginScene();
    device.Clear(0xFF646464);
    if (app.sprite) {
        SpriteBatch& sprite = *app.sprite;
        const Texture* splash = app.textures[AppState::SplashSlot].get();
        const PointF scale{app.screenWidth / 1024.0f, app.screenHeight / 768.0f};
        auto piece = [&](IntRect source, float x, float y) {
            sprite.SetTransform(Transform2D::Build(scale, std::nullopt, 0.0, {x, y}));
            sprite.Draw(splash, source, 0xFFFFFFFF);
        };
        sprite.Begin();
        piece({0, 0, 1024, 768}, 0, 0);
        if (app.language == 1)
            piece({0, 1012, 700, 1124}, 0, 168);
        else
            piece({0, 900, 700, 1012}, 0, 168);
        piece({LoadingScreen::BarLeft, 768, LoadingScreen::BarRight, 834}, 103, 667);
        piece({LoadingScreen::BarLeft, 834, LoadingScreen::FilledBarRight(app.loadingSteps), 900},
              103, 667);
        sprite.End();
    }
    device.EndScene();
    device.Present();
}
