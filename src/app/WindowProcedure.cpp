// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowProcedure.h"

#include "app/AppState.h"
#include "app/Game.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"
#include "platform/VirtualKeys.h"

void ResetDevice(AppState& app) {
    if (app.sprite) app.sprite->OnLostDevice();
    if (app.device) app.device->Reset(app.presentParameters);
    if (app.sprite) app.sprite->OnResetDevice();
}

void WindowProcedure::Handle(const WindowMessage& m) {
    Game* scene = app.currentScene;
    switch (m.kind) {
    case MessageKind::WindowDestroyed:
        quitPosted = true;
        quitCode = 0;
        break;
    case MessageKind::KeyDown:
        KeyDown(m.key);
        break;
    case MessageKind::KeyUp:
        KeyUp(m.key);
        break;
    case MessageKind::MouseMove:
        app.previousMouseX = app.mouseX;
        app.previousMouseY = app.mouseY;
        app.mouseX = m.x;
        app.mouseY = m.y;
        if (scene) scene->OnMouseMove(m.x, m.y);
        break;
    case MessageKind::LeftButtonDown:
        if (scene) scene->OnLeftButtonDown(m.x, m.y);
        break;
    case MessageKind::LeftButtonUp:
        if (scene) scene->OnLeftButtonUp(m.x, m.y);
        break;
    case MessageKind::LeftDoubleClick:
        if (scene) scene->OnLeftDoubleClick(m.x, m.y);
        break;
    case MessageKind::RightButtonDown:
        if (scene) scene->OnRightButtonDown(m.x, m.y);
        break;
    case MessageKind::RightButtonUp:
        if (scene) scene->OnRightButtonUp(m.x, m.y);
        break;
    case MessageKind::MouseWheel:
        if (scene) scene->OnMouseWheel(m.wheel);
        break;
    default:
        break; // created, paint and device messages need nothing here
    }
}

void WindowProcedure::KeyDown(uint32_t key) {
    if (key == VirtualKey::Return && controlHeld) {
        app.fullscreen = !app.fullscreen;
        app.presentParameters.windowed = !app.fullscreen;
        ResetDevice(app);
        return;
    }
    if (key == VirtualKey::Control) controlHeld = true;
    if (app.currentScene) app.currentScene->OnKeyDown(key & 0xFFFF);
}

void WindowProcedure::KeyUp(uint32_t key) {
    if (key == VirtualKey::Escape && app.introEscapePending) {
        app.introEscapePending = false;
        return;
    }
    if (key == VirtualKey::Control) controlHeld = false;
    if (app.currentScene) app.currentScene->OnKeyUp(key);
}
