// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the jungle: every figure is a frame of its sheet at the figure's position.
#include "app/AppState.h"
#include "media/DrawSprite.h"
#include "themes/HintergrundDschungel.h"
#include "themes/ThemeTextures.h"

namespace {

int Whole(double phase) {
    return static_cast<int>(phase);
}

} // namespace

void HintergrundDschungel::DrawBackLayer() {
    DrawStage(ThemeTextures::JungleStage);
    DrawFrame(ThemeTextures::Plant, SheetFrame(Whole(plantPhase) % PlantFrames, 150, 111, 5),
              plantPosition);
    DrawFrog();
    DrawMonkey();
    DrawDragonfly();
    DrawFrame(ThemeTextures::Snake, SheetFrame(Whole(snake.phase) % 10, 150, 211, 5), {0, 0});
    DrawSpider();
    DrawCaveman();
}

void HintergrundDschungel::DrawFrog() const {
    IntRect source{0, 0, 64, 64};
    if (frog.croaking) {
        source = SheetFrame(Whole(frog.phase) % 8, 64, 64, 4);
    } else if (frog.jumping) {
        source = SheetFrame(Whole(frog.phase) % 13, 64, 64, 4);
        source.top += 128;
        source.bottom += 128;
    }
    DrawFrame(ThemeTextures::Frog, source, frog.position);
}

void HintergrundDschungel::DrawMonkey() const {
    IntRect source{0, 0, 121, 161};
    if (monkey.eating || monkey.scratching) {
        source = SheetFrame(Whole(monkey.phase) % 10, 121, 161, 10);
        if (monkey.scratching && !monkey.eating) {
            source.top += 161;
            source.bottom += 161;
        }
    }
    DrawFrame(ThemeTextures::Monkey, source, monkey.position);
}

void HintergrundDschungel::DrawDragonfly() const {
    IntRect source = SheetFrame(Whole(dragonfly.phase) % 10, 50, 50, 5);
    if (dragonfly.velocity.x <= 0.0f) {
        source.top += 100;
        source.bottom += 100;
    }
    DrawFrame(ThemeTextures::Dragonfly, source, dragonfly.position);
}

void HintergrundDschungel::DrawSpider() const {
    const int frame = spider.dropTime > 0.0 ? Whole(spider.phase) % 9 + 1 : 0;
    DrawFrame(ThemeTextures::Spider, SheetFrame(frame, 111, 366, 10), spider.position);
}

void HintergrundDschungel::DrawCaveman() const {
    if (caveman.visibleTime <= 0.0) return;
    const int frame = Whole(caveman.phase) % CavemanFrames;
    const bool tall = caveman.kind == 2;
    const IntRect source = tall ? SheetFrame(frame, 200, 392, 10) : SheetFrame(frame, 318, 380, 10);
    DrawSprite(*app, tall ? ThemeTextures::CavemanTall : ThemeTextures::CavemanWide, source,
               caveman.scale, caveman.position, 0xFFFFFFFF);
}
