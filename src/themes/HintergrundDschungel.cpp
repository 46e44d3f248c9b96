// SPDX-License-Identifier: GPL-3.0-or-later
#include "themes/HintergrundDschungel.h"

#include "app/AppState.h"

#include <algorithm>
#include <cmath>

namespace {

// Inclusive box test relative to an element's position.
bool InBox(PointF origin, float left, float top, float right, float bottom, uint16_t x,
           uint16_t y) {
    return x >= origin.x + left && x <= origin.x + right && y >= origin.y + top &&
           y <= origin.y + bottom;
}

constexpr double FrogCroakSeconds = 0.5;
constexpr double FrogJumpSeconds = 1.7;
constexpr double MonkeyScratchSeconds = 3.0;
constexpr double MonkeyEatSeconds = 2.0;
constexpr double MonkeyFallSeconds = 5.0;
constexpr double SpiderDropSeconds = 1.8;
constexpr double SnakeActiveSeconds = 2.0;
constexpr double CavemanVisitSeconds = 3.0;

} // namespace

HintergrundDschungel::HintergrundDschungel(AppState& app) : HintergrundGrafik(app) {
    const double snakeTimer = Random(20) + 10;
    const double cavemanTimer = Random(10) + 20;
    PlaceFigures(snakeTimer, cavemanTimer);
    caveman.scale = {1.0f, 1.0f};
    caveman.visibleTime = 0.0;
}

PointF HintergrundDschungel::FrogRest() const {
    return {270.0f, Height() - 124.0f};
}

PointF HintergrundDschungel::MonkeyRest() const {
    return {Width() - 121.0f, 0.0f};
}

void HintergrundDschungel::PlaceFigures(double snakeTimer, double cavemanTimer) {
    plantPosition = {650.0f, Height() - 112.0f};
    plantPhase = 0.0;
    frog = JungleFrog{};
    frog.position = FrogRest();
    monkey = JungleMonkey{};
    monkey.position = MonkeyRest();
    dragonfly = JungleDragonfly{{200.0f, Height() - 150.0f}, {20.0f, 10.0f}, 0.0};
    snake = JungleSnake{0.0, snakeTimer, SnakeActiveSeconds};
    spider = JungleSpider{};
    spider.position = {Width() - 231.0f, -20.0f};
    caveman.kind = 0;
    caveman.position = {0.0f, 0.0f};
    caveman.phase = 0.0;
    caveman.timer = cavemanTimer;
    ambienceTimer = 0.0;
}

void HintergrundDschungel::ResetToRestPose() {
    if (Level() != 0) return;
    PlaceFigures(IdleInterval(10, 10), IdleInterval(20, 10));
    caveman.visibleTime = 2.0; // scale stays as it was
}

void HintergrundDschungel::Update() {
    if (Level() == 0) return;
    const double dt = FrameTime();
    UpdateAmbience(dt);
    UpdateDragonfly(dt);
    UpdatePlant(dt);
    UpdateFrog(dt);
    UpdateSnake(dt);
    UpdateCaveman(dt);
    UpdateMonkey(dt);
    UpdateSpider(dt);
}

void HintergrundDschungel::UpdateAmbience(double dt) {
    ambienceTimer -= dt;
    if (ambienceTimer <= 0.0) {
        ambienceTimer = IdleInterval(10, 13);
        PlayNow(100 + Random(7));
    }
}

void HintergrundDschungel::UpdateDragonfly(double dt) {
    dragonfly.phase += dt * 10.0;
    dragonfly.position.x += static_cast<float>(dragonfly.velocity.x * dt);
    dragonfly.position.y += static_cast<float>(dragonfly.velocity.y * dt);
    float& vx = dragonfly.velocity.x;
    float& vy = dragonfly.velocity.y;
    if (dragonfly.position.x >= Width() - 200.0f) vx = -std::fabs(vx);
    if (dragonfly.position.x <= 200.0f) vx = std::fabs(vx);
    if (dragonfly.position.y >= Height() - 140.0f) vy = -std::fabs(vy);
    if (dragonfly.position.y <= Height() - 160.0f) vy = std::fabs(vy);
}

void HintergrundDschungel::UpdatePlant(double dt) {
    // The plant snaps while the dragonfly hovers over it.
    const float x = dragonfly.position.x;
    if (x >= plantPosition.x - 40.0f && x <= plantPosition.x + 41.0f) plantPhase += dt * 10.0;
}

void HintergrundDschungel::UpdateFrog(double dt) {
    if (!frog.jumpRequested && !frog.jumping) frog.idleTimer -= dt;
    if (frog.idleTimer <= 0.0) {
        frog.croaking = true;
        frog.croakTime = FrogCroakSeconds;
        frog.idleTimer = IdleInterval(10, 15);
        frog.phase = 0.0;
        PlayNow(300);
    }
    frog.croakTime -= dt;
    if (frog.croakTime <= 0.0) {
        frog.croaking = false;
        // A click during the croak is kept until the croak is over.
        if (frog.jumpRequested && !frog.jumping) {
            frog.jumpRequested = false;
            frog.jumping = true;
            frog.jumpTime = FrogJumpSeconds;
            frog.phase = 0.0;
            PlayLater(205, 1.0, 0.8);
        }
    }
    if (frog.croaking) frog.phase += dt * 10.0;
    if (!frog.jumping) return;
    frog.jumpTime -= dt;
    if (frog.jumpTime <= 0.0) {
        // Rise and fall are counted in whole frames and need not cancel exactly; the frog
        // lands where it sat, so it never creeps away over many jumps.
        frog.jumping = false;
        frog.position = FrogRest();
        return;
    }
    if (frog.jumpTime >= 0.35 && frog.jumpTime <= 0.7)
        frog.position.y -= static_cast<float>(dt * 100.0);
    else if (frog.jumpTime <= 0.35)
        frog.position.y += static_cast<float>(dt * 100.0);
    frog.phase += dt * 10.0;
}

void HintergrundDschungel::UpdateSnake(double dt) {
    snake.timer -= dt;
    snake.activeTime -= dt;
    if (snake.timer <= 0.0) {
        snake.timer = IdleInterval(10, 10);
        snake.activeTime = SnakeActiveSeconds;
    }
    if (snake.activeTime > 0.0) snake.phase += dt * 10.0;
}

void HintergrundDschungel::UpdateCaveman(double dt) {
    caveman.timer -= dt;
    caveman.visibleTime -= dt;
    if (caveman.timer <= 0.0) {
        caveman.kind = Random(3);
        if (caveman.kind == 0) {
            caveman.scale = {1.0f, 1.0f};
            caveman.position = {0.0f, static_cast<float>(Random(app->screenHeight - 500) + 100)};
        } else if (caveman.kind == 1) {
            caveman.scale = {-1.0f, 1.0f};
            caveman.position = {Width(), static_cast<float>(Random(app->screenHeight - 500) + 100)};
        } else {
            caveman.scale = {1.0f, 1.0f};
            caveman.position = {static_cast<float>(Random(app->screenWidth - 400) + 100),
                                Height() - 392.0f};
        }
        caveman.timer = IdleInterval(10, 20);
        caveman.visibleTime = CavemanVisitSeconds;
    }
    if (caveman.visibleTime <= 0.0) return;
    if (caveman.visibleTime >= 2.5) {
        caveman.phase = std::min(caveman.phase + dt * 20.0, 10.0); // stepping in
    } else if (caveman.visibleTime <= 0.5) {
        caveman.phase = std::clamp(caveman.phase + dt * 20.0, 10.0, 20.0); // leaving
    } else {
        caveman.phase = 0.0;
    }
}

void HintergrundDschungel::UpdateMonkey(double dt) {
    if (monkey.falling) {
        monkey.fallTime -= dt;
        if (monkey.fallTime <= 0.0) {
            monkey.falling = false;
            monkey.position = MonkeyRest();
        } else {
            monkey.velocity.x += static_cast<float>(monkey.acceleration.x * dt);
            monkey.velocity.y += static_cast<float>(monkey.acceleration.y * dt);
            monkey.position.x += static_cast<float>(monkey.velocity.x * dt);
            monkey.position.y += static_cast<float>(monkey.velocity.y * dt);
        }
        return;
    }
    if (!monkey.fed && !monkey.eating) monkey.idleTimer -= dt;
    if (monkey.idleTimer <= 0.0) {
        monkey.scratching = true;
        monkey.scratchTime = MonkeyScratchSeconds;
        monkey.phase = 0.0;
        monkey.idleTimer = IdleInterval(5, 10);
    }
    monkey.scratchTime -= dt;
    if (monkey.scratchTime <= 0.0) {
        monkey.scratching = false;
        // Fed while scratching (or idle): it eats once the scratching is over.
        if (monkey.fed) {
            monkey.fed = false;
            monkey.eating = true;
            monkey.eatTime = MonkeyEatSeconds;
            monkey.phase = 0.0;
            PlayNow(400 + Random(2));
        }
    }
    if (monkey.scratching) monkey.phase += dt * 10.0;
    monkey.eatTime -= dt;
    if (monkey.eatTime <= 0.0)
        monkey.eating = false;
    else
        monkey.phase += dt * 10.0;
}

void HintergrundDschungel::UpdateSpider(double dt) {
    if (spider.dropTime > 0.0) {
        spider.dropTime -= dt;
        spider.phase += dt * 10.0;
        if (spider.dropTime <= 0.0) spider.phase = 0.0;
    }
    if (spider.dropRequested && spider.dropTime <= 0.0) {
        spider.dropTime = SpiderDropSeconds;
        spider.dropRequested = false;
    }
}

void HintergrundDschungel::OnLeftButtonUp(uint16_t x, uint16_t y) {
    if (Level() == 0) return;
    // A click during a jump is not kept: the frog finishes the jump it is in.
    if (!frog.jumping && InBox(frog.position, 0, 0, 64, 64, x, y)) frog.jumpRequested = true;
    if (InBox(monkey.position, 61, 72, 89, 98, x, y)) monkey.fed = true;
    if (!spider.dropRequested && InBox(spider.position, 55, 40, 88, 73, x, y)) {
        spider.dropRequested = true;
        PlayLater(204, 0.4, 0.8);
        PlayLater(204, 1.3, 0.8);
    }
}

void HintergrundDschungel::OnLeftDoubleClick(uint16_t x, uint16_t y) {
    // Not gated by the level: with animations off the fall waits for them to come back.
    if (monkey.falling || !InBox(monkey.position, 24, 38, 94, 142, x, y)) return;
    monkey.falling = true;
    monkey.velocity = {0.0f, 0.0f};
    monkey.acceleration = {0.0f, 1000.0f};
    monkey.fallTime = MonkeyFallSeconds;
}
