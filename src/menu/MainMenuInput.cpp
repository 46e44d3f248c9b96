// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's input: the mouse over its pages (and through to a running game), the element
// actions, Escape page by page, and the keys of the highscore name entry.
#include "menu/MainMenu.h"

#include "app/AppState.h"
#include "app/SoundHooks.h"
#include "data/Counter.h"
#include "data/GameStatistics.h"
#include "data/StatisticsSharing.h"
#include "game/SolitärGame.h"
#include "menu/GUIElement.h"
#include "platform/VirtualKeys.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

bool MainMenu::GameTakesInput() const {
    // A finished game stays allocated under the menu's pages (and under the result page of a
    // new-game request) but is over: nothing may move its cards any more.
    return app->runState == 1 && game && !game->gameEnded;
}

void MainMenu::OnMouseMove(uint32_t x, uint32_t y) {
    const int64_t travel = std::abs(int64_t(app->mouseX) - app->previousMouseX) +
                           std::abs(int64_t(app->mouseY) - app->previousMouseY);
    Counter::Add(app->globalStatistics.mouseDistance, travel);
    if (app->runState == 1) {
        if (GameTakesInput()) game->OnMouseMove(x, y);
        HitTestElements(-1);
        return;
    }
    if (!HitTestElements(-1)) return;
    hoverTime = 0.0;
    const int id = hoveredElement->GetId();
    if (id < 155 || id > 199) return;
    const int index = id - 155 + gameScroll;
    if (index >= GameCount(listCategory)) return;
    if (listCategory == previewCategory && index == previewGame) return;
    previewCategory = listCategory;
    previewGame = index;
    LoadPreview();
}

void MainMenu::OnLeftButtonDown(uint32_t x, uint32_t y) {
    buttonHeld = true;
    if (GameTakesInput()) game->OnLeftButtonDown(x, y);
}

void MainMenu::OnLeftDoubleClick(uint32_t x, uint32_t y) {
    Counter::Add(app->globalStatistics.doubleClicks, 1);
    if (GameTakesInput()) game->OnLeftDoubleClick(x, y);
}

void MainMenu::OnLeftButtonUp(uint32_t x, uint32_t y) {
    Counter::Add(app->globalStatistics.clicks, 1);
    buttonHeld = false;
    if (GameTakesInput()) game->OnLeftButtonUp(x, y);
    if (!HitTestElements(1)) return;
    const int id = hoveredElement->GetId();
    if (app->runState == 1) {
        // Only the result page shown over the game takes clicks.
        if (id != 719) return;
        PlaySound(*app, SoundClick, 1.0f);
        ConfirmResult();
        return;
    }
    PlaySound(*app, SoundClick, 1.0f);
    ElementAction(id);
}

void MainMenu::ElementAction(int id) {
    const int categoryCount = categories.Count();
    switch (id) {
    case 1:
        ShowPage(PageCategories);
        return;
    case 2:
        ShowPage(PageInformation);
        return;
    case 3:
        ShowPage(PageStatistics);
        return;
    case 4:
        ShowPage(PageHelp);
        return;
    case 5:
        app->runState = 2;
        return;
    case 6:
    case 7:
        // Every page reads its texts when it draws, so all of them change at once.
        app->language = id - 6;
        app->LoadUiTexts(app->language);
        return;
    case 8:
        app->runOnlySettings.PlayerSet(RunOnlySettings::Music);
        ToggleMenuMusic(*app);
        return;
    case 9:
        app->runOnlySettings.PlayerSet(RunOnlySettings::Sound);
        app->soundVolume = app->soundVolume == 100 ? 0 : 100;
        return;
    case 11:
    case 202:
    case 204:
    case 723:
        ShowPage(PageMain);
        return;
    case 12:
        categoryScroll = std::max(categoryScroll - 1, 0);
        return;
    case 13:
        categoryScroll = std::max(std::min(categoryScroll + 1, categoryCount - visibleRows), 0);
        return;
    case 152:
        ShowPage(PageCategories);
        return;
    case 153:
        gameScroll = std::max(gameScroll - 1, 0);
        return;
    case 154:
        gameScroll = std::max(std::min(gameScroll + 1, GameCount(listCategory) - visibleRows), 0);
        return;
    case 205:
        app->globalStatistics.Reset();
        return;
    case 206:
        app->globalStatistics.Reset();
        StatisticsSharing::ForEachRecord(categories, [](GameStatistics& s) { s.Reset(); });
        return;
    case 719:
        ConfirmResult();
        return;
    case 721:
        helpPage = std::clamp(helpPage + 1, 0, 1);
        return;
    case 722:
        helpPage = std::clamp(helpPage - 1, 0, 1);
        return;
    default:
        break;
    }
    if (id >= 100 && id <= 150) {
        const int index = id - 100 + categoryScroll;
        if (index >= categoryCount) return;
        listCategory = index;
        gameScroll = 0;
        ShowPage(PageGames);
    } else if (id >= 155 && id <= 200) {
        const int index = id - 155 + gameScroll;
        if (index >= GameCount(listCategory)) return;
        chosenGame = index;
        StartGame();
    }
}

void MainMenu::OnKeyDown(uint32_t key) {
    key &= 0xFFFF;
    if (pendingEntry) {
        TypeNameKey(key);
        return;
    }
    if (GameTakesInput()) game->OnKeyDown(key);
}

void MainMenu::TypeNameKey(uint32_t key) {
    char* name = pendingEntry->name;
    const size_t length = std::strlen(name);
    if (key == VirtualKey::Back) {
        if (length > 0) name[length - 1] = '\0';
    } else if (key == VirtualKey::Return) {
        if (length == 0) return;
        ShowPage(PageMain);
        HandOverEntry();
        if (app->runState == 1) RestartGame();
    } else if (key == VirtualKey::Shift) {
        shiftHeld = true;
    } else if (key == VirtualKey::Space || (key >= '0' && key <= '9') ||
               (key >= 'A' && key <= 'Z')) {
        if (length >= static_cast<size_t>(MaxNameLength)) return;
        char c = static_cast<char>(key);
        if (key >= 'A' && key <= 'Z' && !shiftHeld) c = static_cast<char>(c - 'A' + 'a');
        name[length] = c;
        name[length + 1] = '\0';
    }
}

void MainMenu::OnKeyUp(uint32_t key) {
    if (pendingEntry) {
        if (key == VirtualKey::Shift) shiftHeld = false;
        return;
    }
    if (app->runState == 1) {
        if (GameTakesInput()) game->OnKeyUp(key);
        return;
    }
    if (key != VirtualKey::Escape) return;
    switch (currentPage) {
    case PageMain:
        app->runState = 2;
        break;
    case PageCategories:
    case PageInformation:
    case PageStatistics:
        ShowPage(PageMain);
        break;
    case PageGames:
        ShowPage(PageCategories);
        break;
    default:
        break; // the result and help pages stay
    }
}
