// SPDX-License-Identifier: GPL-3.0-or-later
// When the animated backgrounds next show another picture. Each figure is paced at its own
// frame rate while it plays and costs nothing while it waits for its next show; figures
// that glide (a jumping frog, a falling monkey, the tumbleweed, the leaflets) ask for every
// frame while they move. With animations off nothing moves by itself.
#include "app/AppState.h"
#include "app/ChangeTimes.h"
#include "themes/HintergrundDschungel.h"
#include "themes/HintergrundSaloon.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double never = 1.0e30;
using ChangeTimes::NextFrameIn;
using ChangeTimes::TimerIn;

// Seconds until something that moves at `speed` pixels a second has moved two pixels: a
// drifting figure is shown in small steps without a picture for every pixel.
double GlideIn(PointF velocity) {
    const double speed = std::hypot(velocity.x, velocity.y);
    return speed > 0.5 ? 2.0 / speed : never;
}
} // namespace

double HintergrundDschungel::NextChangeIn() const {
    if (Level() == 0) return never;
    double next = std::min(NextFrameIn(dragonfly.phase, 10.0), TimerIn(ambienceTimer));
    // The frog.
    if (frog.jumping || (frog.jumpRequested && !frog.croaking)) return 0.0;
    if (frog.croaking)
        next = std::min({next, TimerIn(frog.croakTime), NextFrameIn(frog.phase, 10.0)});
    if (!frog.jumpRequested) next = std::min(next, TimerIn(frog.idleTimer));
    // The snake.
    if (snake.activeTime > 0.0)
        next = std::min({next, snake.activeTime, NextFrameIn(snake.phase, 10.0)});
    next = std::min(next, TimerIn(snake.timer));
    // The caveman steps in and out at 20 frames a second and stands still in between.
    if (caveman.visibleTime > 0.0) {
        const double v = caveman.visibleTime;
        if (v >= 2.5 || v <= 0.5)
            next = std::min(next, 1.0 / 20.0);
        else
            next = std::min(next, v - 0.5);
    }
    next = std::min(next, TimerIn(caveman.timer));
    // The monkey.
    if (monkey.falling) return 0.0;
    if (monkey.scratching)
        next = std::min({next, TimerIn(monkey.scratchTime), NextFrameIn(monkey.phase, 10.0)});
    else if (monkey.fed)
        return 0.0; // starts eating at the next frame
    if (monkey.eating)
        next = std::min({next, TimerIn(monkey.eatTime), NextFrameIn(monkey.phase, 10.0)});
    if (!monkey.fed && !monkey.eating) next = std::min(next, TimerIn(monkey.idleTimer));
    // The spider.
    if (spider.dropRequested && spider.dropTime <= 0.0) return 0.0;
    if (spider.dropTime > 0.0)
        next = std::min({next, spider.dropTime, NextFrameIn(spider.phase, 10.0)});
    return next;
}

double HintergrundSaloon::NextChangeIn() const {
    if (Level() == 0) return never;
    // The saloon sign turns all the time.
    double next = NextFrameIn(signPhase, 10.0);
    if (recoilTimer > 0.0) return 0.0; // the pointer's shot animation
    // The tumbleweed rolls as fast as the wind blows it; a gust begins after the calm.
    next = std::min({next, GlideIn(tumbleweed.velocity), TimerIn(wind.gustWait)});
    for (const SaloonLeaflet& leaflet : leaflets) {
        const bool visible = leaflet.position.y < Height() && leaflet.position.y > -200.0f;
        if (visible) return 0.0;
    }
    // The figures play at up to 20 frames a second; while none plays, the sign paces the
    // checks for the next show.
    const SaloonDoorFigure& f = doorFigure;
    if (f.timer >= 0.0 && (f.total - f.timer <= 0.75 || f.timer <= 0.75)) next = std::min(next, 1.0 / 15.0);
    const bool playing = door.timer > 0.0 || indian.timer > 0.0 || bottle.timer > 0.0 ||
                         poster.timer > 0.0 || bull.timer > 0.0 ||
                         (mexican.waitTimer < 0.0 && mexican.showTime > 0.0) ||
                         (cactus.waitTimer < 0.0 && cactus.showTime > 0.0);
    if (playing) next = std::min(next, 1.0 / 20.0);
    for (double mark : markTimers)
        if (mark > 0.0) next = std::min(next, mark);
    return next;
}
