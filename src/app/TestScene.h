// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small scene that shows the spine at work: coloured panels built from GUI elements,
// a hover highlight, a pointer, and a counter of the clicks it received. It stands in as
// the first scene until the menu exists and remains available with --test-scene.
#include "app/Game.h"
#include "platform/Transform2D.h"

#include <memory>

class Texture;

class TestScene : public Game {
public:
    TestScene();
    ~TestScene() override;

    void OnMouseMove(uint32_t x, uint32_t y) override;
    void OnLeftButtonUp(uint32_t x, uint32_t y) override;
    void OnLeftDoubleClick(uint32_t x, uint32_t y) override;
    void OnKeyDown(uint32_t key) override;
    void Update() override;
    void Render() override;
    void DrawMouseCursor() override;
    void ElementCallback0(const ElementDrawInfo& info) override;

    int Clicks() const { return clicks; }
    int DoubleClicks() const { return doubleClicks; }
    double Elapsed() const { return elapsed; }

private:
    void Fill(float x, float y, float w, float h, uint32_t argb, double rotation = 0.0);
    void FillTurned(float x, float y, float w, float h, uint32_t argb, double rotation,
                    PointF pivot);

    std::unique_ptr<Texture> white;
    int clicks = 0;
    int doubleClicks = 0;
    double elapsed = 0.0;
};
