// SPDX-License-Identifier: GPL-3.0-or-later
#include "themes/HintergrundGrafik.h"

#include "app/AppState.h"
#include "app/SoundHooks.h"
#include "app/TextureTable.h"
#include "media/DrawSprite.h"
#include "rules/RandomGenerator.h"
#include "themes/HintergrundDschungel.h"
#include "themes/HintergrundSaloon.h"

double HintergrundGrafik::IdleInterval(int animationLevel, int spread, int base) {
    if (animationLevel == 1) return Random(spread) * 5.0 + base * 3.0;
    if (animationLevel == 2) return base + Random(spread);
    return 0.0;
}

IntRect HintergrundGrafik::SheetFrame(int frame, int width, int height, int perRow) {
    const int left = frame % perRow * width;
    const int top = frame / perRow * height;
    return {left, top, left + width, top + height};
}

int HintergrundGrafik::Random(int n) {
    return RandomGenerator::Shared().Below(n);
}

double HintergrundGrafik::IdleInterval(int spread, int base) const {
    return IdleInterval(app->animationLevel, spread, base);
}

int HintergrundGrafik::Level() const {
    return app->animationLevel;
}

double HintergrundGrafik::FrameTime() const {
    return app->realFrameTime;
}

float HintergrundGrafik::Width() const {
    return static_cast<float>(app->screenWidth);
}

float HintergrundGrafik::Height() const {
    return static_cast<float>(app->screenHeight);
}

void HintergrundGrafik::DrawFrame(int slot, IntRect source, PointF at) const {
    DrawSprite(*app, slot, source, {1.0f, 1.0f}, at, 0xFFFFFFFF);
}

void HintergrundGrafik::DrawStage(int slot) const {
    const IntRect bands[] = {
        {0, 0, 1024, StageOpening.top},
        {0, StageOpening.top, StageOpening.left, StageOpening.bottom},
        {StageOpening.right, StageOpening.top, 1024, StageOpening.bottom},
        {0, StageOpening.bottom, 1024, 768},
    };
    for (const IntRect& band : bands)
        DrawFrame(slot, band, {static_cast<float>(band.left), static_cast<float>(band.top)});
}

void HintergrundGrafik::PlayNow(int soundId) const {
    PlaySound(*app, soundId, 1.0f);
}

void HintergrundGrafik::PlayLater(int soundId, double delay, double volumeFactor) const {
    ScheduleSound(*app, soundId, delay, volumeFactor);
}

HintergrundGrafik* CreateBackgroundAnimation(AppState& app, int theme) {
    // The sheets are decoded when a game with the theme starts, not at start-up.
    LoadThemeTextures(app, theme);
    if (theme == 1) return new HintergrundSaloon(app);
    return new HintergrundDschungel(app);
}

HintergrundGrafik* CreateBackgroundAnimation(int theme) {
    return CreateBackgroundAnimation(GetAppState(), theme);
}
