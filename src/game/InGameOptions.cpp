// SPDX-License-Identifier: GPL-3.0-or-later
// The options page: card set and table background lists with scrolling, card backs,
// scatter, shadows, rule hints, the two speeds, chatter, pointer style and the background
// theme, all changed live in the application's settings (saved with them at exit). The
// page shows a preview card that changes once a second and the background in miniature.
#include "app/AppState.h"
#include "data/BackgroundEntry.h"
#include "data/CardSetEntry.h"
#include "data/TextFormatter.h"
#include "game/SolitärGame.h"
#include "game/ThemeHooks.h"
#include "media/CardDrawing.h"
#include "media/DrawSprite.h"
#include "menu/GUIElement.h"
#include "rules/Card.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t black = 0xFF000000;

// UI text slots of the page.
constexpr int textTitle = 71, textCardSets = 73, textBackgrounds = 74, textDeviation = 75;
constexpr int textShowInfos = 76, textShadows = 77, textCardBack = 78, textTheme = 79;
constexpr int textPileSpeed = 80, textMouseSpeed = 81, textChatter = 86, textCursor = 91;

// The UI text that names a speed, or -1 for a value without a name.
int SpeedText(int speed) {
    switch (speed) {
    case 1:
        return 82;
    case 2:
        return 83;
    case 10:
        return 84;
    case 10000:
        return 85;
    default:
        return -1;
    }
}

int ChatterText(int chatter) {
    return chatter >= 0 && chatter <= 2 ? 88 + chatter : -1;
}

// Label keys for the texts of the page that belong to no element.
constexpr int keyTitle = -4010, keyCardSets = -4011, keyBackgrounds = -4012;

} // namespace

bool SolitärGame::OptionsAction(int id) {
    if (id >= IdCardSetRow && id < IdCardSetRow + cardSetRows) {
        SelectCardSet(cardSetScroll + id - IdCardSetRow);
        return true;
    }
    if (id >= IdBackgroundRow && id < IdBackgroundRow + backgroundRows) {
        const int index = backgroundScroll + id - IdBackgroundRow;
        if (index < app->backgrounds.Count())
            app->runOnlySettings.PlayerSet(RunOnlySettings::Background);
        SelectBackground(index);
        return true;
    }
    if (id >= IdCardBack && id < IdCardBack + 4) {
        app->cardBack = id - IdCardBack;
        return true;
    }
    if (id >= IdCursorStyle && id < IdCursorStyle + 3) {
        app->cursorStyle = id - IdCursorStyle;
        return true;
    }
    switch (id) {
    case IdOptionsClose:
        SetSceneMode(ModeGameMenu);
        return true;
    case IdShowInfos:
        app->showInfos = !app->showInfos;
        return true;
    case IdShadows:
        app->shadows = !app->shadows;
        return true;
    case IdDeviationPlus:
    case IdDeviationMinus: {
        const double step = id == IdDeviationPlus ? 0.1 : -0.1;
        // Kept on whole tenths, so repeated steps never drift away from what the label shows.
        const double value = std::round((app->deviation + step) * 10.0) / 10.0;
        app->deviation = static_cast<float>(std::clamp(value, 0.0, 1.0));
        return true;
    }
    case IdPileSpeed:
        app->pileSpeed = NextSpeed(app->pileSpeed);
        return true;
    case IdMousePileSpeed:
        app->mousePileSpeed = NextSpeed(app->mousePileSpeed);
        return true;
    case IdChatter:
        CycleChatter();
        return true;
    case IdJungle:
        if (app->animationTheme != 0) SwitchBackgroundTheme(0);
        return true;
    case IdSaloon:
        if (app->animationTheme != 1) SwitchBackgroundTheme(1);
        return true;
    case IdCardSetUp:
    case IdCardSetDown:
        cardSetScroll = ClampScroll(cardSetScroll + (id == IdCardSetUp ? -1 : 1),
                                    app->cardSets.Count(), cardSetRows);
        return true;
    case IdBackgroundUp:
    case IdBackgroundDown:
        backgroundScroll = ClampScroll(backgroundScroll + (id == IdBackgroundUp ? -1 : 1),
                                       app->backgrounds.Count(), backgroundRows);
        return true;
    default:
        return false;
    }
}

void SolitärGame::SelectCardSet(int index) {
    if (index < 0 || index >= app->cardSets.Count()) return;
    app->runOnlySettings.PlayerSet(RunOnlySettings::CardSet);
    app->LoadCardSet(index);
}

void SolitärGame::CycleChatter() {
    if (app->chatter < 0 || app->chatter > 2) return; // a hand-edited value stays
    app->chatter = (app->chatter + 1) % 3;
    app->animationLevel = app->chatter;
    ThemeHooks::ChatterResetIdleTimer(app->chatterLeft.get());
    ThemeHooks::ChatterResetIdleTimer(app->chatterRight.get());
    ThemeHooks::BackgroundRestPose(*app);
}

void SolitärGame::SwitchBackgroundTheme(int theme) {
    ThemeHooks::CreateBackground(*app, theme);
    app->animationTheme = theme;
    ChooseMusic();
}

void SolitärGame::DrawPreviewCards(float x, float y) {
    Card card(previewRank, previewSuit);
    card.size = {66.0f, 90.0f};
    card.position = card.target = {x + 95.0f, y + 120.0f};
    DrawCard(*app, card);
    card.faceDown = true;
    card.position = card.target = {x + 175.0f, y + 120.0f};
    DrawCard(*app, card);
}

void SolitärGame::DrawBackgroundPreview(float x, float y) {
    DrawTableBackground(x + 560.0f, y + 120.0f, 150.0f / static_cast<float>(app->screenWidth),
                        112.5f / static_cast<float>(app->screenHeight));
}

void SolitärGame::ElementCallback4(const ElementDrawInfo& info) {
    const int id = info.element->GetId();
    const float width = static_cast<float>(info.right - info.left);
    const double x = info.x, y = info.y;
    if (id == IdOptions) {
        DrawElementSprite(OptionsSlot, info, false);
        DrawLabel(keyTitle, Text(textTitle), 0.75, black, 1, x + width / 2, y + 37);
        DrawLabel(keyCardSets, Text(textCardSets), 0.5, black, 1, x + 170, y + 295);
        DrawLabel(keyBackgrounds, Text(textBackgrounds), 0.5, black, 1, x + 630, y + 295);
        DrawPreviewCards(info.x, info.y);
        DrawBackgroundPreview(info.x, info.y);
        return;
    }
    if (IsElementHidden(id)) return;

    // Check boxes and radio buttons show their selected look instead of a hover look.
    bool selected = false;
    bool isToggle = true;
    if (id == IdShowInfos)
        selected = app->showInfos;
    else if (id == IdShadows)
        selected = app->shadows;
    else if (id >= IdCardBack && id < IdCardBack + 4)
        selected = app->cardBack == id - IdCardBack;
    else if (id == IdJungle || id == IdSaloon)
        selected = app->animationTheme == id - IdJungle;
    else
        isToggle = false;

    if (id >= IdCursorStyle && id < IdCursorStyle + 3) {
        // The pointer pictures have no second look; the one not in use is drawn faded.
        const bool current = app->cursorStyle == id - IdCursorStyle;
        const uint32_t colour = current || Hovered(info) ? 0xFFFFFFFF : 0x80FFFFFF;
        DrawSprite(*app, MiscSlot, {info.left, info.top, info.right, info.bottom},
                   {info.scaleX, info.scaleY}, {info.x, info.y}, colour);
        if (id == IdCursorStyle + 1)
            DrawLabel(id * 4 + 1, Text(textCursor), 0.5, black, 1, x + width / 2, y - 20);
        return;
    }
    DrawElementSprite(MenuSlot, info, isToggle ? selected : Hovered(info));

    const uint32_t labelColour = Hovered(info) ? 0xFFFF0000 : black;
    if (id >= IdCardSetRow && id < IdCardSetRow + cardSetRows) {
        const CardSetEntry* entry = app->cardSets.Get(cardSetScroll + id - IdCardSetRow);
        if (entry) DrawButtonLabel(info, entry->DisplayName(app->language), 7);
        return;
    }
    if (id >= IdBackgroundRow && id < IdBackgroundRow + backgroundRows) {
        const BackgroundEntry* entry =
            app->backgrounds.Get(backgroundScroll + id - IdBackgroundRow);
        if (entry) DrawButtonLabel(info, entry->DisplayName(app->language), 7);
        return;
    }
    switch (id) {
    case IdShowInfos:
        DrawLabel(id * 4, Text(textShowInfos), 0.5, labelColour, 2, x, y + 10);
        break;
    case IdShadows:
        DrawLabel(id * 4, Text(textShadows), 0.5, labelColour, 2, x, y + 10);
        break;
    case IdDeviationPlus: {
        // The scatter in tenths, rounded: 0.3 shows 3 (a float times ten may lie just below).
        const int tenths = static_cast<int>(std::lround(app->deviation * 10.0));
        DrawLabel(id * 4, FormatText("%s %d", {Text(textDeviation), tenths}), 0.5, labelColour, 2,
                  x, y + 15);
        break;
    }
    case IdCardBack + 2:
        DrawLabel(id * 4 + 1, Text(textCardBack), 0.5, black, 1, x, y - 20);
        break;
    case IdSaloon:
        DrawLabel(id * 4 + 1, Text(textTheme), 0.5, black, 1, x, y - 20);
        break;
    case IdPileSpeed:
    case IdMousePileSpeed: {
        const int speed = id == IdPileSpeed ? app->pileSpeed : app->mousePileSpeed;
        const int heading = id == IdPileSpeed ? textPileSpeed : textMouseSpeed;
        DrawLabel(id * 4 + 1, Text(heading), 0.5, black, 1, x + width / 2, y - 25);
        DrawButtonLabel(info, Text(SpeedText(speed)), 7);
        break;
    }
    case IdChatter:
        DrawLabel(id * 4 + 1, Text(textChatter), 0.5, black, 1, x + width / 2, y - 25);
        DrawButtonLabel(info, Text(ChatterText(app->chatter)), 7);
        break;
    default:
        break;
    }
}
