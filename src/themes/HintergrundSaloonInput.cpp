// SPDX-License-Identifier: GPL-3.0-or-later
// The saloon's answers to the mouse: shots at the targets, the ranch hand, the spots that
// make leaflets fall, the door that opens on a double click, and the cross-hair hover.
#include "app/AppState.h"
#include "themes/HintergrundSaloon.h"

namespace {

// Inclusive box test relative to an element's position.
bool InBox(PointF origin, float left, float top, float right, float bottom, uint16_t x,
           uint16_t y) {
    return x >= origin.x + left && x <= origin.x + right && y >= origin.y + top &&
           y <= origin.y + bottom;
}

} // namespace

bool HintergrundSaloon::BottleHit(uint16_t x, uint16_t y) const {
    return bottle.timer <= 0.0 && InBox(bottle.position, 158, 88, 201, 180, x, y);
}

bool HintergrundSaloon::PosterHit(uint16_t x, uint16_t y) const {
    return poster.timer <= 0.0 && InBox(poster.position, 70, 65, 125, 125, x, y);
}

bool HintergrundSaloon::BullHit(uint16_t x, uint16_t y) const {
    return bull.timer <= 0.0 && InBox(bull.position, 41, 35, 97, 98, x, y);
}

bool HintergrundSaloon::DoorFigureHit(uint16_t x, uint16_t y) const {
    // Only while the door stands open and the figure has fully come up.
    const SaloonDoorFigure& f = doorFigure;
    return door.timer > 0.5 && f.timer > 0.75 && f.total - f.timer >= 0.75 &&
           InBox(f.position, 5, 20, 35, 100, x, y);
}

void HintergrundSaloon::Shot() {
    recoilTimer = 0.5;
    PlayNow(2);
}

void HintergrundSaloon::OnLeftButtonUp(uint16_t x, uint16_t y) {
    if (Level() == 0) return;
    if (indian.timer <= 0.0 && InBox(indian.position, 0, 242, 224, 384, x, y)) {
        indian.timer = 3.5;
        PlayNow(307);
    }
    if (BottleHit(x, y)) {
        bottle.timer = 2.5;
        Shot();
        PlayLater(306, 0.4, 0.5);
    }
    if (PosterHit(x, y)) {
        poster.timer = 2.5;
        Shot();
    }
    if (BullHit(x, y)) {
        bull.timer = 1.0;
        Shot();
    }
    if (DoorFigureHit(x, y)) {
        doorFigure.frame = 11.0;
        doorFigure.timer = 0.75;
        Shot();
    }
    for (int k = 0; k < SaloonMarkCount; ++k) {
        const PointF size = markSizes[k];
        if (markTimers[k] > 0.0 || !InBox(markPositions[k], 0, 0, size.x, size.y, x, y)) continue;
        markTimers[k] = 20.0;
        // A leaflet still on screen stays where it is; one that has fallen out is dropped anew.
        SaloonLeaflet& leaf = leaflets[k];
        if (leaf.position.y > Height()) {
            leaf.position = {static_cast<float>(Random(app->screenWidth - 400) + 100), -200.0f};
            leaf.velocity = {0.0f, 0.0f};
        }
    }
}

void HintergrundSaloon::OnMouseMove(uint16_t x, uint16_t y) {
    // With animations off nothing can be shot, so the pointer stays the normal one.
    if (Level() == 0) {
        app->targetHover = 0;
        return;
    }
    const bool target = PosterHit(x, y) || BullHit(x, y) || BottleHit(x, y) || DoorFigureHit(x, y);
    app->targetHover = target ? 1 : 0;
}

void HintergrundSaloon::OnLeftDoubleClick(uint16_t x, uint16_t y) {
    if (Level() == 0 || door.timer > 0.0) return;
    if (!InBox(door.position, 0, 0, 145, 127, x, y)) return;
    door.timer = 20.0; // seconds open
    PlayNow(305);
}
