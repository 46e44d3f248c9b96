// FIXME: the talking characters (PlapperMaschine) and the animated backgrounds
// (HintergrundGrafik) are not built yet, so AppState never holds one and these hooks have
// nothing to forward to. When the classes exist, each hook forwards to the operation of
// the same name on the object when it is present.
#include "game/ThemeHooks.h"

#include "app/AppState.h"

namespace ThemeHooks {

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

void BackgroundDrawBack(AppState&) {}
void BackgroundDrawFront(AppState&) {}
void BackgroundUpdate(AppState&) {}
void BackgroundButtonDown(AppState&, uint32_t, uint32_t) {}
void BackgroundButtonUp(AppState&, uint32_t, uint32_t) {}
void BackgroundMouseMove(AppState&, uint32_t, uint32_t) {}
void BackgroundDoubleClick(AppState&, uint32_t, uint32_t) {}
void BackgroundRestPose(AppState&) {}

void CreateBackground(AppState& app, int) {
    // The old animation goes in any case; the new one is made once its classes exist.
    app.animatedBackground.Delete();
}

} // namespace ThemeHooks
