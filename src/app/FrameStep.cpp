// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrameStep.h"

#include "app/AppState.h"
#include "app/Game.h"
#include "app/SoundHooks.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"

bool AdvanceFrameTimes(AppState& app, int64_t counter) {
    app.currentCounter = counter;
    const double elapsed =
        static_cast<double>(app.currentCounter - app.lastCounter) * app.secondsPerTick;
    app.frameTime = app.paused ? 0.0 : elapsed;
    app.realFrameTime = elapsed;
    app.lastCounter = app.currentCounter;
    app.carriedTime += app.frameTime;
    if (app.carriedTime < 0.0) return false;
    app.frameTime = app.carriedTime;
    return true;
}

bool RunUpdateStep(AppState& app, int64_t counter) {
    if (!AdvanceFrameTimes(app, counter)) return false;
    if (app.currentScene) app.currentScene->Update();
    UpdateScheduledSounds(app);
    app.carriedTime = 0.0;
    return true;
}

bool RunRenderStep(AppState& app, const std::string& screenshotPath) {
    if (!app.device) return false;
    app.device->BeginScene();
    app.device->Clear(0xFF646464);
    if (app.sprite) app.sprite->Begin();
    if (app.currentScene) {
        app.currentScene->Render();
        app.currentScene->DrawMouseCursor();
    }
    if (app.sprite) app.sprite->End();
    app.device->EndScene();
    bool ok = true;
    if (!screenshotPath.empty()) ok = app.device->SaveScreenshot(screenshotPath);
    app.device->Present();
    return ok;
}

void InitialiseTimer(AppState& app, int64_t frequency, int64_t counter, uint32_t tickCount) {
    if (frequency > 0) {
        app.highResolutionTimer = true;
        app.secondsPerTick = 1.0 / static_cast<double>(frequency);
        app.lastCounter = counter;
    } else {
        app.highResolutionTimer = false;
        app.lastCounter = static_cast<int64_t>(tickCount);
        app.secondsPerTick = 0.001;
    }
}
