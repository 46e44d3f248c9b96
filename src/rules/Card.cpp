// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Card.h"

#include <algorithm>
#include <cmath>

#include "rules/KartenStapel.h"

int Card::RunLength() const {
    int length = 1;
    // A well-formed list has no cycle; the bound only guards against a corrupted one.
    for (const Card* c = cardAbove; c != nullptr && length < 1 << 20; c = c->cardAbove)
        ++length;
    return length;
}

void Card::SetTarget(Vec2 newTarget, double newSpeed, int newMoveMode) {
    // Walk up the run instead of recursing, so a tall run costs no stack.
    Card* card = this;
    Vec2 next = newTarget;
    int mode = newMoveMode;
    for (int guard = 0; card != nullptr && guard < 1 << 20; ++guard) {
        card->target = next;
        card->speed = newSpeed;
        card->moveMode = mode;
        if (!card->dragTogether || card->cardAbove == nullptr || card->owner == nullptr) break;
        Vec2 shift = card->markState == 2 ? card->owner->visibleOffset * 2.0f
                                          : card->owner->effectiveVisibleOffset;
        next = next + shift;
        mode = 2;
        card = card->cardAbove;
    }
}

void Card::Step(double realFrameTime) {
    if (BounceActive()) {
        faceDown = owner != nullptr && owner->faceDownCards.Contains(this);
        return;
    }
    double factor = std::min(1.0, realFrameTime * speed);
    if (factor < 0.0) factor = 0.0;
    position.x += static_cast<float>((target.x - position.x) * factor);
    position.y += static_cast<float>((target.y - position.y) * factor);
    faceDown = owner != nullptr && owner->faceDownCards.Contains(this);
    if (moveMode == 1) {
        float dx = target.x - position.x;
        float dy = target.y - position.y;
        if (std::sqrt(dx * dx + dy * dy) <= 1.0f) moveMode = 0;
    }
}
