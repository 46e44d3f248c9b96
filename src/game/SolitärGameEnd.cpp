// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game: the win detected once, the bouncing cards, the click that skips them.
#include "app/AppState.h"
#include "app/SoundHooks.h"
#include "game/SolitärGame.h"

bool SolitärGame::CheckGameEnd() {
    if (gameEnded) return true;
    if (IsGameWon() && gameState != StateWon) {
        PlaySound(*app, SoundWin);
        gameState = StateWon;
        StartWinAnimation();
        skipWinAnimation = false;
    }
    if (gameState == StateWon) {
        if (skipWinAnimation) gameEnded = true;
        bool allFinished = true;
        for (const Card* card : deck)
            if (!card->FinishedBouncing()) {
                allFinished = false;
                break;
            }
        if (allFinished) gameEnded = true;
    }
    return gameEnded;
}

void SolitärGame::StartWinAnimation() {
    // Pile after pile, top card first, the cards leave a tenth of a second apart, with a
    // pause of a second between piles. Each pile throws its cards the same way.
    int k = 10;
    for (KartenStapel* pile : piles) {
        const int r = table.random.Next();
        const float direction = (r % 2 == 1) ? 1.0f : -1.0f;
        const auto vy = static_cast<float>(r % 150 - 75);
        const float vx = static_cast<float>(r % 100 + 50) * direction;
        for (int i = pile->VisibleCount() - 1; i >= 0; --i) {
            pile->visibleCards[i]->StartBounce(k * 0.1, {vx, vy}, {0.0f, 100.0f});
            ++k;
        }
        if (pile->VisibleCount() > 0) k += 10;
    }
}

void SolitärGame::StepBounce() {
    const auto w = static_cast<float>(app->screenWidth);
    const auto h = static_cast<float>(app->screenHeight);
    for (Card* card : deck)
        card->StepBounce(app->frameTime, w, h);
}
