// SPDX-License-Identifier: GPL-3.0-or-later
#include "themes/HintergrundSaloon.h"

#include "app/AppState.h"

#include <algorithm>

namespace {

constexpr double RecoilSeconds = 0.5;
constexpr double VisitorShowSeconds = 5.0;

} // namespace

const std::array<IntRect, SaloonMarkCount> HintergrundSaloon::markSources{{
    {0, 173, 50, 264},
    {50, 173, 118, 278},
    {168, 173, 250, 297},
    {118, 173, 168, 243},
}};
const std::array<IntRect, SaloonMarkCount> HintergrundSaloon::leafletSources{{
    {420, 0, 593, 140},
    {0, 0, 140, 173},
    {280, 0, 420, 173},
    {140, 0, 280, 173},
}};
const std::array<PointF, SaloonMarkCount> HintergrundSaloon::markSizes{{
    {50.0f, 73.0f},
    {68.0f, 105.0f},
    {82.0f, 124.0f},
    {50.0f, 70.0f},
}};

HintergrundSaloon::HintergrundSaloon(AppState& app) : HintergrundGrafik(app) {
    PlaceFigures();
}

void HintergrundSaloon::PlaceFigures() {
    const float h = Height();
    signPhase = 0.0;
    recoilTimer = 0.0;
    wind = SaloonWind{};
    tumbleweed = SaloonTumbleweed{};
    doorFigure = SaloonDoorFigure{};
    door = SaloonShow{{0.0f, 222.0f}, 0.0, 0.0};
    bottle = SaloonShow{{75.0f, h - 220.0f}, 0.0, 0.0};
    poster = SaloonShow{{855.0f, 100.0f}, 0.0, 0.0};
    bull = SaloonShow{{0.0f, 0.0f}, 0.0, 0.0};
    indian.position = {300.0f, 400.0f};
    indian.timer = 0.0;
    indian.phase = 0.0; // the swing direction carries over
    mexican = SaloonVisitor{};
    mexican.position = {570.0f, 430.0f};
    cactus = SaloonVisitor{};
    cactus.position = {875.0f, 214.0f};
    markTimers.fill(0.0);
    markPositions = {{{0.0f, 426.0f}, {70.0f, 365.0f}, {943.0f, 394.0f}, {869.0f, 556.0f}}};
    for (SaloonLeaflet& leaflet : leaflets) {
        leaflet.position = {static_cast<float>(Random(app->screenWidth - 400) + 100), 4.0f * h};
        leaflet.velocity = {0.0f, 0.0f};
    }
}

void HintergrundSaloon::ResetToRestPose() {
    if (Level() == 0) PlaceFigures();
}

void HintergrundSaloon::Update() {
    if (Level() == 0) return;
    const double dt = FrameTime();
    signPhase += dt * 10.0;
    UpdateRecoil(dt);
    UpdateDoorFigure(dt);
    UpdateTumbleweed(dt);
    UpdateDoor(dt);
    UpdateIndian(dt);
    UpdateShots(dt);
    UpdateMexican(dt);
    UpdateCactus(dt);
    UpdateLeaflets(dt);
    for (double& timer : markTimers)
        if (timer > 0.0) timer -= dt;
    OnMouseMove(static_cast<uint16_t>(app->mouseX), static_cast<uint16_t>(app->mouseY));
}

void HintergrundSaloon::UpdateRecoil(double dt) {
    recoilTimer -= dt;
    app->shotRecoil = recoilTimer > 0.0 ? 6.0 - recoilTimer / RecoilSeconds * 6.0 : 0.0;
}

void HintergrundSaloon::UpdateDoorFigure(double dt) {
    SaloonDoorFigure& f = doorFigure;
    f.timer -= dt;
    if (f.timer >= 0.0) {
        if (f.total - f.timer <= 0.75)
            f.frame = std::clamp(f.frame + dt * 15.0, 0.0, 10.0); // rising
        else if (f.timer <= 0.75)
            f.frame = std::clamp(f.frame - dt * 15.0, 0.0, 11.0); // sinking
    }
    if (f.timer <= -1.0) {
        f.total = f.timer = Random(10) + 10;
        f.frame = 0.0;
        f.position.x = static_cast<float>(Random(105));
        f.position.y = 250.0f;
        f.kind = Random(3);
    }
}

void HintergrundSaloon::UpdateTumbleweed(double dt) {
    SaloonWind& w = wind;
    w.gustWait -= dt;
    if (w.gustWait > 0.0) {
        w.gustTime = Random(1000) / 1000.0 + 1.0;
    } else {
        if (w.gust.x == 0.0f && w.gust.y == 0.0f) {
            w.gust = {static_cast<float>(Random(250) + 100), static_cast<float>(Random(500) - 300)};
            if (tumbleweed.position.x > Width() / 2.0f) w.gust.x = -w.gust.x;
        }
        w.gustTime -= dt;
        if (w.gustTime < 0.0) {
            w.gust = {0.0f, 0.0f};
            w.gustWait = Random(5) + 2;
        }
    }
    SaloonTumbleweed& t = tumbleweed;
    const auto step = static_cast<float>(dt);
    t.velocity.x += (w.gravity.x + w.gust.x) * step;
    t.velocity.y += (w.gravity.y + w.gust.y) * step;
    t.velocity.x -= t.velocity.x * 0.9999f * step;
    t.velocity.y -= t.velocity.y * 0.9999f * step;
    t.position.x += t.velocity.x * step;
    t.position.y += t.velocity.y * step;
    if (t.position.y > 575.0f) {
        t.velocity.y *= -0.5f;
        t.position.y = 575.0f;
    }
    if (t.position.x < 140.0f || t.position.x > 814.0f) {
        t.velocity.x *= -0.8f;
        t.position.x = std::clamp(t.position.x, 140.0f, 814.0f);
    }
    t.rotation += t.velocity.x * dt / 50.0;
}

void HintergrundSaloon::UpdateDoor(double dt) {
    if (door.timer <= 0.0) {
        door.phase = 0.0;
        return;
    }
    door.timer -= dt;
    if (door.timer > 10.0)
        door.phase += dt * 15.0; // swinging open
    else if (door.timer <= 0.5)
        door.phase -= dt * 15.0; // swinging shut
    door.phase = std::clamp(door.phase, 0.0, 9.0);
}

void HintergrundSaloon::UpdateIndian(double dt) {
    SaloonIndian& f = indian;
    if (f.timer <= 0.0) {
        f.phase = 0.0;
        return;
    }
    f.timer -= dt;
    if (f.timer > 2.5) return;
    // Up out of the street and back down, again and again until the time is over.
    if (f.swingUp) {
        f.phase += dt * 15.0;
        if (f.phase + 0.5 >= 20.0) f.swingUp = false;
    } else {
        f.phase -= dt * 15.0;
        if (f.phase <= 0.0) f.swingUp = true;
    }
    f.phase = std::clamp(f.phase, 0.5, 20.0);
}

void HintergrundSaloon::UpdateShots(double dt) {
    if (bottle.timer > 0.0) {
        bottle.timer -= dt;
        bottle.phase += dt * 10.0;
        if (bottle.phase >= 22.0) bottle.timer = 0.0;
    } else {
        bottle.phase = 0.0;
    }
    if (poster.timer > 0.0) {
        poster.timer -= dt;
        poster.phase += dt * 20.0;
        if (poster.phase + 0.5 >= 25.0) poster.timer = poster.phase = 0.0;
    }
    if (bull.timer > 0.0) {
        bull.timer -= dt;
        bull.phase += dt * 10.0;
        if (bull.phase + 0.5 >= 10.0) bull.timer = bull.phase = 0.0;
    }
}

void HintergrundSaloon::UpdateMexican(double dt) {
    SaloonVisitor& v = mexican;
    if (v.waitTimer >= 0.0) {
        v.waitTimer -= dt;
        v.showTime = VisitorShowSeconds;
        if (v.waitTimer <= 0.0) PlayNow(200 + Random(3));
    } else if (v.showTime <= 0.0) {
        v.waitTimer = IdleInterval(10, 20);
        v.phase = 0.0;
        v.state = SaloonVisitor::Arriving;
    } else {
        v.phase += dt * 15.0;
        v.showTime -= dt;
        const SaloonVisitor::State state = v.showTime >= 4.5   ? SaloonVisitor::Arriving
                                           : v.showTime <= 0.5 ? SaloonVisitor::Leaving
                                                               : SaloonVisitor::Talking;
        if (state != v.state) {
            v.state = state;
            v.phase = 0.0;
        }
    }
}

void HintergrundSaloon::UpdateCactus(double dt) {
    SaloonVisitor& v = cactus;
    if (v.waitTimer >= 0.0) {
        v.waitTimer -= dt;
        v.showTime = VisitorShowSeconds;
    } else if (v.showTime <= 0.0) {
        v.waitTimer = IdleInterval(5, 5);
        v.phase = 0.0;
    } else {
        v.phase += dt * 10.0;
        v.showTime -= dt;
        if (v.phase >= 20.0) v.showTime = v.phase = 0.0;
    }
}

void HintergrundSaloon::UpdateLeaflets(double dt) {
    const auto step = static_cast<float>(dt);
    for (SaloonLeaflet& leaf : leaflets) {
        leaf.velocity.x += (wind.gravity.x + wind.gust.x) * step;
        leaf.velocity.y += (wind.gravity.y + wind.gust.y) * step;
        leaf.velocity.x -= leaf.velocity.x * 0.99999f * step;
        leaf.velocity.y -= leaf.velocity.y * 0.99999f * step;
        leaf.position.x += leaf.velocity.x * step;
        leaf.position.y += leaf.velocity.y * step;
    }
}
