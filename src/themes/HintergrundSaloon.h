// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The western street with its saloon: a swinging sign, a tumbleweed and leaflets in the
// wind, targets to shoot (bottle, poster, bull skull and the figure behind the saloon door,
// which the player opens with a double click), a ranch hand who pops up when clicked, a
// visitor who comes by to talk, a waving cactus and spots that make leaflets fall. The
// pointer turns into a cross-hair over a target.
#include "themes/HintergrundGrafik.h"
#include "themes/SaloonFigures.h"

#include <array>

class HintergrundSaloon : public HintergrundGrafik {
public:
    explicit HintergrundSaloon(AppState& app);

    void DrawBackLayer() override;
    void DrawFrontLayer() override;
    void Update() override;
    void OnLeftButtonUp(uint16_t x, uint16_t y) override;
    void OnMouseMove(uint16_t x, uint16_t y) override;
    void OnLeftDoubleClick(uint16_t x, uint16_t y) override;
    void ResetToRestPose() override;
    double NextChangeIn() const override;

    // Whether the point hits a target that may be shot now.
    bool BottleHit(uint16_t x, uint16_t y) const;
    bool PosterHit(uint16_t x, uint16_t y) const;
    bool BullHit(uint16_t x, uint16_t y) const;
    bool DoorFigureHit(uint16_t x, uint16_t y) const;

    // The mark pictures and their click boxes, and the leaflet pictures, in "Werbung.PNG".
    static const std::array<IntRect, SaloonMarkCount> markSources;
    static const std::array<IntRect, SaloonMarkCount> leafletSources;
    static const std::array<PointF, SaloonMarkCount> markSizes;

    double signPhase = 0.0;
    double recoilTimer = 0.0;
    SaloonWind wind;
    SaloonTumbleweed tumbleweed;
    SaloonDoorFigure doorFigure;
    SaloonShow door, bottle, poster, bull;
    SaloonIndian indian;
    SaloonVisitor mexican, cactus;
    std::array<double, SaloonMarkCount> markTimers{};
    std::array<PointF, SaloonMarkCount> markPositions{};
    std::array<SaloonLeaflet, SaloonMarkCount> leaflets{};

private:
    void PlaceFigures();

    void UpdateRecoil(double dt);
    void UpdateDoorFigure(double dt);
    void UpdateTumbleweed(double dt);
    void UpdateDoor(double dt);
    void UpdateIndian(double dt);
    void UpdateShots(double dt);
    void UpdateMexican(double dt);
    void UpdateCactus(double dt);
    void UpdateLeaflets(double dt);
    void Shot();

    void DrawMexican() const;
};
