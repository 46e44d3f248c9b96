// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the card-game scene asks of the talking characters and the animated background.
// Both hang in AppState (chatterLeft = chatter A, chatterRight = chatter B,
// animatedBackground) and may be absent; every hook does nothing for an absent object.
// The scene calls these at the points where the characters and the background take part,
// so the theme classes plug in here without touching the scene.
#include <cstdint>

class AppState;
class PlapperMaschine;

namespace ThemeHooks {

bool ChatterBusy(const PlapperMaschine* chatter);
void ChatterUpdate(PlapperMaschine* chatter);
void ChatterDraw(PlapperMaschine* chatter);
void ChatterButtonDown(PlapperMaschine* chatter, uint32_t x, uint32_t y);
void ChatterButtonUp(PlapperMaschine* chatter, uint32_t x, uint32_t y);
void ChatterKeyDown(PlapperMaschine* chatter, uint32_t key);
void ChatterKeyUp(PlapperMaschine* chatter, uint32_t key);
// Seconds until the character's picture changes by itself (Game::NextChangeIn).
double ChatterNextChangeIn(const PlapperMaschine* chatter);
// The chatter setting changed: the character waits anew by it.
void ChatterResetIdleTimer(PlapperMaschine* chatter);

void BackgroundDrawBack(AppState& app);
void BackgroundDrawFront(AppState& app);
void BackgroundUpdate(AppState& app);
void BackgroundButtonDown(AppState& app, uint32_t x, uint32_t y);
void BackgroundButtonUp(AppState& app, uint32_t x, uint32_t y);
void BackgroundMouseMove(AppState& app, uint32_t x, uint32_t y);
void BackgroundDoubleClick(AppState& app, uint32_t x, uint32_t y);
// Seconds until the background's picture changes by itself (Game::NextChangeIn).
double BackgroundNextChangeIn(const AppState& app);
// The animation level changed: every figure goes back to its rest pose.
void BackgroundRestPose(AppState& app);
// Replaces the animated background by the jungle (theme 0) or the saloon (theme 1).
void CreateBackground(AppState& app, int theme);

} // namespace ThemeHooks
