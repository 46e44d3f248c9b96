// SPDX-License-Identifier: GPL-3.0-or-later
// The rule hint bubble: what the card or the empty place under the pointer accepts.
#include "app/AppState.h"
#include "game/SolitärGame.h"
#include "media/DrawSprite.h"
#include "rules/RuleHints.h"

#include <algorithm>

namespace {
constexpr IntRect bubble{0, 50, 150, 130};
constexpr double hintTextSize = 0.5;
constexpr double hintWrapWidth = 250.0;
// Room between the bubble's border and the text.
constexpr int padX = 10, padY = 7;
// The bubble is a light picture: the words are set in dark brown to be read on it.
constexpr uint32_t textColour = 0x003A2A10;
} // namespace

void SolitärGame::RuleHint() {
    const double fade = std::clamp((idleTime - hintDelay) * 2.0 * 255.0, 0.0, 255.0);
    const uint32_t colour = static_cast<uint32_t>(fade) << 24 | 0x00FFFFFF;

    const Card* hovered = nullptr;
    for (const KartenStapel* pile : piles)
        if (pile->hoveredCard) hovered = pile->hoveredCard;
    const int mx = app->mouseX, my = app->mouseY;
    const auto text = RuleHintText(app->uiTexts, piles, hovered, mx, my);
    if (!text) return;

    if (*text != hintShown) {
        hintText.SetWrappedText(*text, hintTextSize, hintWrapWidth);
        hintShown = *text;
    }
    const IntRect extent = hintText.Bounds();
    const int w = extent.Width(), h = extent.Height();
    const int bw = w + 2 * padX, bh = h + 2 * padY;
    const float x = static_cast<float>(std::min(mx + 30, app->screenWidth - bw - 10));
    const float y = static_cast<float>(std::min(my + 30, app->screenHeight - bh - 10));
    DrawSprite(*app, MiscSlot, bubble, {bw / 150.0f, bh / 80.0f}, {x, y}, colour);
    hintText.SetColor((colour & 0xFF000000u) | textColour);
    hintText.Draw(x + padX, y + padY);
}
