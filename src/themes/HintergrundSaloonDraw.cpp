// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the saloon: the back layer behind the cards, the front layer over them.
#include "app/AppState.h"
#include "media/DrawSprite.h"
#include "themes/HintergrundSaloon.h"
#include "themes/ThemeTextures.h"

namespace {

int Whole(double phase) {
    return static_cast<int>(phase);
}

IntRect Down(IntRect r, int by) {
    return {r.left, r.top + by, r.right, r.bottom + by};
}

} // namespace

void HintergrundSaloon::DrawBackLayer() {
    using namespace ThemeTextures;
    DrawSprite(*app, Tumbleweed, {0, 0, 50, 50}, {1.0f, 1.0f}, PointF{25.0f, 25.0f},
               tumbleweed.rotation, tumbleweed.position, 0xFFFFFFFF);
    DrawStage(WesternStage);
    // The figure is drawn before the door, so it shows only where the open door leaves room.
    DrawFrame(DoorFigure + doorFigure.kind, SheetFrame(Whole(doorFigure.frame) % 12, 40, 100, 6),
              doorFigure.position);
    DrawFrame(Sign, SheetFrame(Whole(signPhase) % 18, 147, 88, 5), {Width() - 147.0f, 10.0f});
    DrawFrame(Poster, SheetFrame(Whole(poster.phase) % 25, 209, 174, 5), poster.position);
    DrawFrame(Bull, SheetFrame(Whole(bull.phase) % 10, 135, 154, 5), bull.position);
    DrawFrame(Cactus, SheetFrame(Whole(cactus.phase) % 20, 149, 161, 10), cactus.position);
    DrawFrame(Bottle, SheetFrame(Whole(bottle.phase) % 22, 267, 283, 5), bottle.position);
    DrawFrame(Door, SheetFrame(Whole(door.phase) % 10, 145, 127, 5), door.position);
    for (int k = 0; k < SaloonMarkCount; ++k)
        if (markTimers[k] > 0.0) DrawFrame(Leaflets, markSources[k], markPositions[k]);
}

void HintergrundSaloon::DrawFrontLayer() {
    using namespace ThemeTextures;
    DrawFrame(Indian, SheetFrame(Whole(indian.phase) % 20, 224, 384, 5), indian.position);
    DrawMexican();
    for (int k = 0; k < SaloonMarkCount; ++k)
        DrawFrame(Leaflets, leafletSources[k], leaflets[k].position);
}

void HintergrundSaloon::DrawMexican() const {
    const int b = Whole(mexican.phase) % 10;
    IntRect source;
    switch (mexican.state) {
    case SaloonVisitor::Arriving:
        source = Down(SheetFrame(b, 272, 354, 5), 708);
        break;
    case SaloonVisitor::Talking:
        source = SheetFrame(b, 272, 354, 5);
        break;
    case SaloonVisitor::Leaving:
        source = Down(SheetFrame(9 - b, 272, 354, 5), 708);
        break;
    }
    DrawFrame(ThemeTextures::Mexican, source, mexican.position);
}
