// SPDX-License-Identifier: GPL-3.0-or-later
// The element trees of the in-game screens: the top bar with clock and score, the menu
// button, the game menu, the options page, the rules page, the toolbar and the statistics
// page. Each element's id selects both its picture and its action.
#include "app/AppState.h"
#include "data/GameInfo.h"
#include "data/GameStatistics.h"
#include "game/SolitärGame.h"
#include "menu/GUIElement.h"

namespace {

constexpr IntRect wideButton{950, 600, 1090, 640};
constexpr IntRect closeButton{1100, 600, 1140, 640};
constexpr IntRect menuEntry{900, 700, 1200, 750};
constexpr IntRect upArrow{1223, 700, 1258, 735};
constexpr IntRect downArrow{1258, 700, 1293, 735};
constexpr IntRect toggle{910, 600, 950, 640};
constexpr IntRect valueButton{950, 800, 1150, 835};

GUIElement* FindIn(GUIElement* element, int id) {
    if (!element) return nullptr;
    if (element->GetId() == id) return element;
    for (GUIElement* child : element->Children())
        if (GUIElement* found = FindIn(child, id)) return found;
    return nullptr;
}

} // namespace

void SolitärGame::BuildScreens() {
    const float w = static_cast<float>(app->screenWidth);
    const float h = static_cast<float>(app->screenHeight);
    auto make = [this](int id, IntRect source, float x, float y, int hook) {
        return new GUIElement(id, source, x, y, this, ElementCallback(hook));
    };

    elements[0] = make(IdTopBar, {500, 500, 880, 550}, w / 2 - 190, 0, 0);
    elements[2] = make(IdMenuButton, wideButton, 10, h - 50, 2);

    GUIElement* gameMenu = make(IdGameMenu, {500, 0, 900, 500}, w / 2 - 200, h / 2 - 250, 3);
    const int entries[] = {IdContinue, IdRulesEntry, IdOptionsEntry, IdStatisticsEntry,
                           IdMainMenuEntry};
    for (int i = 0; i < 5; ++i)
        gameMenu->AddChild(make(entries[i], menuEntry, 50, 100.0f + 60.0f * i, 3));
    elements[3] = gameMenu;

    GUIElement* options = make(IdOptions, {0, 0, 800, 600}, w / 2 - 400, h / 2 - 300, 4);
    BuildOptionsPage(options);
    elements[4] = options;

    GUIElement* rules = make(IdRules, {0, 0, 700, 525}, w / 2 - 350, h / 2 - 262.5f, 5);
    rules->AddChild(make(IdRulesClose, closeButton, 330, 460, 5));
    elements[5] = rules;

    GUIElement* toolbar = make(IdToolbar, {500, 550, 750, 587}, w / 2 - 125, 50, 7);
    struct Tool {
        int id, x, left, right;
    };
    const Tool tools[] = {{IdUndoToStart, 0, 500, 542},     {IdUndoStep, 42, 542, 575},
                          {IdRedoStep, 75, 575, 608},       {IdRedoToEnd, 108, 608, 641},
                          {IdReadQuickSave, 141, 641, 674}, {IdWriteQuickSave, 174, 674, 707},
                          {IdNewGame, 207, 707, 750}};
    for (const Tool& tool : tools)
        toolbar->AddChild(
            make(tool.id, {tool.left, 550, tool.right, 587}, static_cast<float>(tool.x), 0, 7));
    elements[7] = toolbar;

    GUIElement* statistics = make(IdStatistics, {0, 0, 640, 480}, w / 2 - 320, h / 2 - 240, 8);
    statistics->AddChild(make(IdStatisticsClose, closeButton, 270, 390, 8));
    statistics->AddChild(make(IdStatisticsReset, wideButton, 330, 390, 8));
    statistics->AddChild(make(IdHighscoreUp, upArrow, 260, 250, 8));
    statistics->AddChild(make(IdHighscoreDown, downArrow, 330, 250, 8));
    elements[8] = statistics;
}

void SolitärGame::BuildOptionsPage(GUIElement* page) {
    auto add = [this, page](int id, IntRect source, float x, float y) {
        page->AddChild(new GUIElement(id, source, x, y, this, ElementCallback(4)));
    };
    add(IdOptionsClose, closeButton, 380, 500);
    add(IdShowInfos, toggle, 450, 460);
    add(IdDeviationMinus, {870, 640, 910, 660}, 450, 425);
    add(IdDeviationPlus, {870, 600, 910, 620}, 450, 400);
    add(IdShadows, toggle, 450, 350);
    for (int i = 0; i < 4; ++i)
        add(IdCardBack + i, toggle, 90.0f + 40.0f * i, 250);
    add(IdChatter, valueButton, 300, 180);
    add(IdPileSpeed, valueButton, 300, 240);
    add(IdMousePileSpeed, valueButton, 300, 300);
    // The three pointer pictures lie on "misc.PNG".
    add(IdCursorStyle, {450, 0, 500, 50}, 305, 100);
    add(IdCursorStyle + 1, {0, 400, 50, 450}, 375, 100);
    add(IdCursorStyle + 2, {450, 450, 500, 500}, 445, 100);
    add(IdCardSetUp, upArrow, 125, 500);
    for (int i = 0; i < cardSetRows; ++i)
        add(IdCardSetRow + i, valueButton, 70, 320.0f + 40.0f * i);
    add(IdCardSetDown, downArrow, 165, 500);
    add(IdJungle, toggle, 590, 250);
    add(IdSaloon, toggle, 630, 250);
    add(IdBackgroundUp, upArrow, 585, 500);
    for (int j = 0; j < backgroundRows; ++j)
        add(IdBackgroundRow + j, valueButton, 530, 320.0f + 40.0f * j);
    add(IdBackgroundDown, downArrow, 625, 500);
}

GUIElement* SolitärGame::FindElement(int id) const {
    for (GUIElement* root : elements)
        if (GUIElement* found = FindIn(root, id)) return found;
    return nullptr;
}

bool SolitärGame::IsElementHidden(int id) const {
    const int cardSets = app->cardSets.Count();
    const int backgrounds = app->backgrounds.Count();
    const GameStatistics* stats = Statistics();
    const int entries = stats ? stats->highscores.Count() : 0;
    if (id >= IdCardSetRow && id < IdCardSetRow + cardSetRows)
        return cardSetScroll + (id - IdCardSetRow) >= cardSets;
    if (id >= IdBackgroundRow && id < IdBackgroundRow + backgroundRows)
        return backgroundScroll + (id - IdBackgroundRow) >= backgrounds;
    switch (id) {
    case IdCardSetUp:
        return cardSetScroll == 0;
    case IdCardSetDown:
        return cardSetScroll == cardSets - cardSetRows;
    case IdBackgroundUp:
        return backgroundScroll == 0;
    case IdBackgroundDown:
        return backgroundScroll == backgrounds - backgroundRows;
    case IdHighscoreUp:
        return highscoreScroll == 0;
    case IdHighscoreDown:
        return highscoreScroll >= entries - highscoreRows;
    default:
        return false;
    }
}
