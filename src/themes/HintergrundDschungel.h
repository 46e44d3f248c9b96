// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The jungle: a frog that croaks and jumps when clicked, a monkey that scratches, eats the
// fruit it is offered and drops off its branch on a double click, a dragonfly that makes
// the plant snap, a snake, a spider that lets itself down on its thread, and a caveman who
// looks in from the edges now and then. Everything lies behind the cards.
#include "themes/HintergrundGrafik.h"
#include "themes/JungleFigures.h"

class HintergrundDschungel : public HintergrundGrafik {
public:
    explicit HintergrundDschungel(AppState& app);

    void DrawBackLayer() override;
    void Update() override;
    void OnLeftButtonUp(uint16_t x, uint16_t y) override;
    void OnLeftDoubleClick(uint16_t x, uint16_t y) override;
    void ResetToRestPose() override;
    double NextChangeIn() const override;

    // Sheet geometry.
    static constexpr int PlantFrames = 10, CavemanFrames = 20;

    PointF plantPosition;
    double plantPhase = 0.0;
    JungleFrog frog;
    JungleMonkey monkey;
    JungleDragonfly dragonfly;
    JungleSnake snake;
    JungleSpider spider;
    JungleCaveman caveman;
    double ambienceTimer = 0.0;

private:
    // The table of initial states; `snakeTimer` and `cavemanTimer` differ between the
    // constructor and the rest pose.
    void PlaceFigures(double snakeTimer, double cavemanTimer);
    PointF FrogRest() const;
    PointF MonkeyRest() const;

    void UpdateAmbience(double dt);
    void UpdateDragonfly(double dt);
    void UpdatePlant(double dt);
    void UpdateFrog(double dt);
    void UpdateSnake(double dt);
    void UpdateCaveman(double dt);
    void UpdateMonkey(double dt);
    void UpdateSpider(double dt);

    void DrawFrog() const;
    void DrawMonkey() const;
    void DrawDragonfly() const;
    void DrawSpider() const;
    void DrawCaveman() const;
};
