// SPDX-License-Identifier: GPL-3.0-or-later
// Each hook forwards to the character or the animated background when AppState holds one.
#include "game/ThemeHooks.h"

#include "app/AppState.h"
#include "app/Game.h"
#include "app/TextureTable.h"
#include "themes/HintergrundGrafik.h"
#include "themes/PlapperMaschine.h"

namespace ThemeHooks {

namespace {

// Mouse coordinates reach the background reduced to 16 bits, as the window delivers them.
uint16_t Low16(uint32_t value) {
    return static_cast<uint16_t>(value & 0xFFFFu);
}

} // namespace

bool ChatterBusy(const PlapperMaschine* chatter) {
    return chatter && chatter->IsBusy();
}
double ChatterNextChangeIn(const PlapperMaschine* chatter) {
    return chatter ? chatter->NextChangeIn() : Game::NoChange;
}
void ChatterUpdate(PlapperMaschine* chatter) {
    if (chatter) chatter->Update();
}
void ChatterDraw(PlapperMaschine* chatter) {
    if (chatter) chatter->Draw();
}
void ChatterButtonDown(PlapperMaschine* chatter, uint32_t x, uint32_t y) {
    if (chatter) chatter->OnLeftButtonDown(Low16(x), Low16(y));
}
void ChatterButtonUp(PlapperMaschine* chatter, uint32_t x, uint32_t y) {
    if (chatter) chatter->OnLeftButtonUp(Low16(x), Low16(y));
}
void ChatterKeyDown(PlapperMaschine* chatter, uint32_t key) {
    if (chatter) chatter->OnKeyDown(key);
}
void ChatterKeyUp(PlapperMaschine* chatter, uint32_t key) {
    if (chatter) chatter->OnKeyUp(key);
}
void ChatterResetIdleTimer(PlapperMaschine* chatter) {
    if (chatter) chatter->ResetIdleTimer();
}

void BackgroundDrawBack(AppState& app) {
    if (app.animatedBackground) app.animatedBackground->DrawBackLayer();
}
void BackgroundDrawFront(AppState& app) {
    if (app.animatedBackground) app.animatedBackground->DrawFrontLayer();
}
double BackgroundNextChangeIn(const AppState& app) {
    return app.animatedBackground ? app.animatedBackground->NextChangeIn() : Game::NoChange;
}
void BackgroundUpdate(AppState& app) {
    if (app.animatedBackground) app.animatedBackground->Update();
}
void BackgroundButtonDown(AppState& app, uint32_t x, uint32_t y) {
    if (app.animatedBackground) app.animatedBackground->OnLeftButtonDown(Low16(x), Low16(y));
}
void BackgroundButtonUp(AppState& app, uint32_t x, uint32_t y) {
    if (app.animatedBackground) app.animatedBackground->OnLeftButtonUp(Low16(x), Low16(y));
}
void BackgroundMouseMove(AppState& app, uint32_t x, uint32_t y) {
    if (app.animatedBackground) app.animatedBackground->OnMouseMove(Low16(x), Low16(y));
}
void BackgroundDoubleClick(AppState& app, uint32_t x, uint32_t y) {
    if (app.animatedBackground) app.animatedBackground->OnLeftDoubleClick(Low16(x), Low16(y));
}
void BackgroundRestPose(AppState& app) {
    // Switched on, the figures may need sheets that were left out while they rested.
    if (app.animatedBackground) LoadThemeTextures(app, app.animationTheme);
    if (app.animatedBackground) app.animatedBackground->ResetToRestPose();
}

void CreateBackground(AppState& app, int theme) {
    app.animatedBackground.Delete();
    ReleaseThemeTextures(app, theme == 1 ? 1 : 0);
    app.animatedBackground.Reset(CreateBackgroundAnimation(app, theme));
}

} // namespace ThemeHooks
