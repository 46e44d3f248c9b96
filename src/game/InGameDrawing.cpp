// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the in-game screens: the top bar, the menu button, the game menu, the rules
// page, the toolbar and the statistics page. Buttons show their hover look (the picture
// below the normal one on the texture) and a red label while the pointer is on them.
#include "app/AppState.h"
#include "data/GameStatistics.h"
#include "game/SolitärGame.h"
#include "game/StatisticsTexts.h"
#include "media/DrawSprite.h"
#include "menu/GUIElement.h"

namespace {

constexpr uint32_t black = 0xFF000000;
constexpr uint32_t red = 0xFFFF0000;
constexpr uint32_t wonGreen = 0xFF007F00;
constexpr uint32_t lostRed = 0xFF7F0000;

constexpr int textRulesTitle = 57, textMenuButton = 61, textStatisticsTitle = 92;
constexpr int textReset = 105;
constexpr double rulesWrapWidth = 475.0;
// A highscore row stays inside the list's well of the page picture.
constexpr double highscoreRowWidth = 500.0;

// Label keys for the texts that belong to no single element.
constexpr int keyRulesTitle = -2070, keyRulesText = -2071, keyStatisticsTitle = -2270;
constexpr int keySummary = -2271, keyHighscoreRow = -2300; // rows count down from here

int GameMenuText(int id) {
    switch (id) {
    case SolitärGame::IdContinue:
        return 66;
    case SolitärGame::IdRulesEntry:
        return 67;
    case SolitärGame::IdOptionsEntry:
        return 68;
    case SolitärGame::IdMainMenuEntry:
        return 70;
    case SolitärGame::IdStatisticsEntry:
        return 69;
    default:
        return -1;
    }
}

} // namespace

const std::string& SolitärGame::Text(int slot) const {
    return app->UiTextOrEmpty(slot);
}

bool SolitärGame::Hovered(const ElementDrawInfo& info) const {
    return info.element && info.element == hoveredElement;
}

void SolitärGame::DrawElementSprite(int slot, const ElementDrawInfo& info, bool shifted) {
    IntRect source{info.left, info.top, info.right, info.bottom};
    if (shifted) {
        const int height = source.Height();
        source.top += height;
        source.bottom += height;
    }
    DrawSprite(*app, slot, source, {info.scaleX, info.scaleY}, {info.x, info.y}, 0xFFFFFFFF);
}

void SolitärGame::DrawLabel(int key, const std::string& text, double size, uint32_t colour,
                            int alignment, double x, double y, double wrapWidth) {
    if (text.empty()) return;
    std::unique_ptr<ScreenLabel>& label = labels[key];
    if (!label) label = std::make_unique<ScreenLabel>();
    label->Draw(text, size, colour, alignment, x, y, wrapWidth);
}

void SolitärGame::DrawButtonLabel(const ElementDrawInfo& info, const std::string& text,
                                  float offset, double size) {
    const double centre = info.x + static_cast<double>(info.right - info.left) / 2.0;
    DrawLabel(info.element->GetId() * 4, text, size, Hovered(info) ? red : black, 1, centre,
              info.y + offset);
}

void SolitärGame::ElementCallback0(const ElementDrawInfo& info) {
    // The top bar has no hover look.
    DrawElementSprite(MenuSlot, info, false);
    DrawLabel(IdTopBar * 4, StatisticsTexts::TopBar(*app, table.gameTime, ComputeScore()), 0.5,
              black, 1, info.x + static_cast<double>(info.right - info.left) / 2.0, info.y + 15);
}

void SolitärGame::ElementCallback2(const ElementDrawInfo& info) {
    DrawElementSprite(MenuSlot, info, Hovered(info));
    DrawButtonLabel(info, Text(textMenuButton), 10);
}

void SolitärGame::ElementCallback3(const ElementDrawInfo& info) {
    const int id = info.element->GetId();
    if (id == IdGameMenu) {
        DrawElementSprite(MenuSlot, info, false);
        return;
    }
    DrawElementSprite(MenuSlot, info, Hovered(info));
    DrawButtonLabel(info, Text(GameMenuText(id)), 13);
}

void SolitärGame::ElementCallback5(const ElementDrawInfo& info) {
    const double centre = info.x + static_cast<double>(info.right - info.left) / 2.0;
    if (info.element->GetId() == IdRules) {
        DrawElementSprite(RulesSlot, info, false);
        DrawLabel(keyRulesTitle, Text(textRulesTitle), 0.75, black, 1, centre, info.y + 35);
        if (const std::string* rules = app->FirstGameText())
            DrawLabel(keyRulesText, *rules, 0.325, black, 1, centre, info.y + 75, rulesWrapWidth);
        return;
    }
    DrawElementSprite(MenuSlot, info, Hovered(info));
}

void SolitärGame::ElementCallback7(const ElementDrawInfo& info) {
    // The toolbar panel only gives the buttons their place.
    if (info.element->GetId() == IdToolbar) return;
    DrawElementSprite(MenuSlot, info, Hovered(info));
}

void SolitärGame::ElementCallback8(const ElementDrawInfo& info) {
    const int id = info.element->GetId();
    const double centre = info.x + static_cast<double>(info.right - info.left) / 2.0;
    const GameStatistics* stats = Statistics();
    if (id != IdStatistics) {
        if (IsElementHidden(id)) return;
        DrawElementSprite(MenuSlot, info, Hovered(info));
        if (id == IdStatisticsReset) DrawButtonLabel(info, Text(textReset), 10);
        return;
    }
    DrawElementSprite(StatisticsSlot, info, false);
    DrawLabel(keyStatisticsTitle, Text(textStatisticsTitle), 0.75, black, 1, centre, info.y + 40);
    if (!stats) return;
    const int entries = stats->highscores.Count();
    for (int i = highscoreScroll; i < entries && i < highscoreScroll + highscoreRows; ++i) {
        const HighscoreEntry& entry = *stats->highscores.Get(i);
        const int row = i - highscoreScroll;
        DrawLabel(keyHighscoreRow - row,
                  StatisticsTexts::HighscoreRow(*app, i, entry, highscoreRowWidth, 0.5), 0.5,
                  entry.won ? wonGreen : lostRed, 1, centre, info.y + 100 + 50 * row);
    }
    DrawLabel(keySummary, StatisticsTexts::Summary(*app, *stats), 0.4, black, 1, centre,
              info.y + 300);
}
