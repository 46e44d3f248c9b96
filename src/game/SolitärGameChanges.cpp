// SPDX-License-Identifier: GPL-3.0-or-later
// When the card table's picture next changes by itself: gliding or bouncing cards, the
// clock and score of the top bar, the rule hint fading in, the options page's card preview,
// the talking characters and the animated background.
#include "app/AppState.h"
#include "app/ChangeTimes.h"
#include "game/SolitärGame.h"
#include "game/ThemeHooks.h"
#include "rules/Card.h"

#include <cmath>

namespace {
// A card this close to its place is drawn where it will come to rest.
constexpr float restDistance = 0.25f;

bool CardMoves(const Card& card) {
    if (card.bouncing) return !card.FinishedBouncing();
    return std::fabs(card.target.x - card.position.x) > restDistance ||
           std::fabs(card.target.y - card.position.y) > restDistance;
}
} // namespace

double SolitärGame::NextChangeIn() const {
    for (const Card* card : deck)
        if (CardMoves(*card)) return 0.0;
    double next = NoChange;
    if (!app->paused && gameState != StateWon && !table.IsGameWon()) {
        next = std::min(next, ChangeTimes::RisingWholeIn(table.gameTime));
        // The time allowance of the score runs down with the clock until it reaches its
        // floor; the score's other parts are whole numbers.
        if (!table.forceWin && !table.rulesRelaxed && table.timeScore > -table.goalBonus)
            next = std::min(next, ChangeTimes::FallingWholeIn(table.timeScore));
    }
    if (app->showInfos && sceneMode == ModePlaying) {
        if (idleTime < hintDelay)
            next = std::min(next, hintDelay - idleTime);
        else if (idleTime < hintDelay + 0.5)
            return 0.0; // the hint bubble fades in
    }
    if (sceneMode == ModeOptions) next = std::min(next, ChangeTimes::RisingWholeIn(previewTime));
    if (sceneMode == ModePlaying) {
        next = std::min(next, ThemeHooks::ChatterNextChangeIn(app->chatterLeft.get()));
        next = std::min(next, ThemeHooks::ChatterNextChangeIn(app->chatterRight.get()));
        next = std::min(next, ThemeHooks::BackgroundNextChangeIn(*app));
    }
    return next;
}
