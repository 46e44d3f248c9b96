// The animated background is forwarded to when AppState holds one.
// FIXME: the talking characters (PlapperMaschine) are not built yet, so AppState never
// holds one and the chatter hooks have nothing to forward to; when the class exists, each
// forwards to the operation of the same name on the character when it is present.
#include "game/ThemeHooks.h"

#include "app/AppState.h"
#include "themes/HintergrundGrafik.h"

namespace ThemeHooks {

namespace {

// Mouse coordinates reach the background reduced to 16 bits, as the window delivers them.
uint16_t Low16(uint32_t value) {
    return static_cast<uint16_t>(value & 0xFFFFu);
}

} // namespace

bool ChatterBusy(const PlapperMaschine*) {
    return false;
}
void ChatterUpdate(PlapperMaschine*) {}
void ChatterDraw(PlapperMaschine*) {}
void ChatterButtonDown(PlapperMaschine*, uint32_t, uint32_t) {}
void ChatterButtonUp(PlapperMaschine*, uint32_t, uint32_t) {}
void ChatterKeyDown(PlapperMaschine*, uint32_t) {}
void ChatterKeyUp(PlapperMaschine*, uint32_t) {}
void ChatterResetIdleTimer(PlapperMaschine*) {}

void BackgroundDrawBack(AppState& app) {
    if (app.animatedBackground) app.animatedBackground->DrawBackLayer();
}
void BackgroundDrawFront(AppState& app) {
    if (app.animatedBackground) app.animatedBackground->DrawFrontLayer();
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
    if (app.animatedBackground) app.animatedBackground->ResetToRestPose();
}

void CreateBackground(AppState& app, int theme) {
    app.animatedBackground.Delete();
    app.animatedBackground.Reset(CreateBackgroundAnimation(app, theme));
}

} // namespace ThemeHooks
