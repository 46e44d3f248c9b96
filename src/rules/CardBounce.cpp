// SPDX-License-Identifier: GPL-3.0-or-later
// The cards' part of the win animation.
#include "rules/Card.h"

#include <algorithm>
#include <cmath>

void Card::StartBounce(double delay, Vec2 startVelocity, Vec2 startGravity) {
    bouncing = true;
    bounceDelay = delay;
    velocity = startVelocity;
    gravity = startGravity;
}

bool Card::FinishedBouncing() const {
    if (!bouncing) return true;
    return bounceDelay <= 0.0 && std::hypot(velocity.x, velocity.y) <= 1.0f;
}

void Card::StepBounce(double frameTime, float screenWidth, float screenHeight) {
    if (!bouncing) return;
    bounceDelay -= frameTime;
    if (bounceDelay > 0.0) return;
    const auto t = static_cast<float>(frameTime);
    velocity = velocity + gravity * (2.0f * t);
    velocity = velocity * 0.99f;
    position = position + velocity * (2.0f * t);
    if (position.y + size.y >= screenHeight) {
        velocity.y *= -0.95f;
        // A card that bounces back less than gravity gives it in one frame lies on the
        // floor. Without this, below about 97 frames a second the rebound settles at a
        // speed above 1 and the animation would never end.
        if (std::fabs(velocity.y) <= std::fabs(gravity.y) * 2.0f * t) velocity.y = 0.0f;
    }
    if (position.x + size.x >= screenWidth || position.x <= 0.0f) velocity.x = -velocity.x;
    position.x = std::clamp(position.x, 0.0f, std::max(0.0f, screenWidth - size.x));
    position.y = std::min(position.y, screenHeight - size.y);
}
