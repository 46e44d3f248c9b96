// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scene that writes down every call it receives, for checking what reaches a scene.
#include "app/AppState.h"
#include "app/Game.h"

#include <string>
#include <vector>

class RecordingScene : public Game {
public:
    std::vector<std::string> calls;
    int updates = 0;
    double lastFrameTime = -1.0;
    double lastRealFrameTime = -1.0;

    void Log(const std::string& name, uint32_t a, uint32_t b) {
        calls.push_back(name + " " + std::to_string(a) + " " + std::to_string(b));
    }
    void OnMouseMove(uint32_t x, uint32_t y) override { Log("move", x, y); }
    void OnLeftButtonDown(uint32_t x, uint32_t y) override { Log("down", x, y); }
    void OnLeftButtonUp(uint32_t x, uint32_t y) override { Log("up", x, y); }
    void OnLeftDoubleClick(uint32_t x, uint32_t y) override { Log("dbl", x, y); }
    void OnRightButtonDown(uint32_t x, uint32_t y) override { Log("rdown", x, y); }
    void OnRightButtonUp(uint32_t x, uint32_t y) override { Log("rup", x, y); }
    void OnKeyDown(uint32_t key) override { calls.push_back("keydown " + std::to_string(key)); }
    void OnKeyUp(uint32_t key) override { calls.push_back("keyup " + std::to_string(key)); }
    void OnMouseWheel(uint32_t wheel) override {
        calls.push_back("wheel " + std::to_string(wheel));
    }
    void Update() override {
        ++updates;
        lastFrameTime = app->frameTime;
        lastRealFrameTime = app->realFrameTime;
    }
};
