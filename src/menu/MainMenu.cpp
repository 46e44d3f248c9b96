// SPDX-License-Identifier: GPL-3.0-or-later
// The menu scene's frame: construction with its seven pages, page switching, the catalog,
// Update, Render and the mouse pointer.
#include "menu/MainMenu.h"

#include "app/AppState.h"
#include "app/SoundHooks.h"
#include "data/GameStatistics.h"
#include "data/StatisticsSharing.h"
#include "data/UserFiles.h"
#include "game/SolitärGame.h"
#include "media/DrawSprite.h"
#include "menu/CardCascade.h"
#include "menu/GUIElement.h"
#include "rules/RandomGenerator.h"

#include <algorithm>

namespace {

// Root slots of the pages.
constexpr int pageRoots[][2] = {{MainMenu::PageMain, 0},       {MainMenu::PageCategories, 1},
                                {MainMenu::PageGames, 5},      {MainMenu::PageInformation, 2},
                                {MainMenu::PageStatistics, 3}, {MainMenu::PageResult, 4},
                                {MainMenu::PageHelp, 6}};

constexpr IntRect wideButton{950, 600, 1090, 640};
constexpr IntRect smallButton{1100, 600, 1140, 640};
constexpr IntRect listRow{900, 700, 1200, 750};
constexpr IntRect arrowUp{1193, 500, 1243, 550};
constexpr IntRect arrowDown{1243, 500, 1293, 550};

} // namespace

MainMenu::MainMenu(std::optional<uint32_t> seed) : seed(seed) {
    StartMenuMusic(*app);
    cardCascade = std::make_unique<CardCascade>(RandomGenerator::Shared(), app->screenWidth);
    BuildPages();
    ShowPage(PageMain);
    LoadCatalog();
}

MainMenu::~MainMenu() {
    game.reset();
    DeleteThemeObjects();
    ReleaseCatalog();
    // The Game base deletes the seven pages with their children.
}

void MainMenu::BuildPages() {
    const int w = app->screenWidth;
    const int h = app->screenHeight;
    auto make = [this](int id, IntRect source, float x, float y, int hook) {
        return new GUIElement(id, source, x, y, this, Game::ElementCallback(hook));
    };

    GUIElement* mainPage = make(0, {0, 0, 500, 600}, w / 2 - 250, h / 2 - 300, 0);
    for (int i = 0; i < 5; ++i) {
        static constexpr int rows[5] = {220, 280, 340, 400, 470};
        mainPage->AddChild(make(1 + i, {900, 400, 1300, 450}, 50, rows[i], 0));
    }
    mainPage->AddChild(make(6, {1150, 500, 1182, 532}, 112, 545, 0));
    mainPage->AddChild(make(7, {1150, 500, 1182, 532}, 261, 545, 0));
    mainPage->AddChild(make(9, {791, 550, 831, 590}, 200, 150, 0));
    mainPage->AddChild(make(8, {751, 550, 791, 590}, 260, 150, 0));
    elements[0] = mainPage;

    auto listPage = [&](int panelId, int firstRow, int backId, int upId, int downId, int hook) {
        GUIElement* page = make(panelId, {0, 0, 450, 600}, w / 2 - 225, h / 2 - 300, hook);
        for (int row = 0; row < visibleRows; ++row)
            page->AddChild(make(firstRow + row, listRow, 75, 138 + 52 * row, hook));
        page->AddChild(make(backId, wideButton, 40, 515, hook));
        page->AddChild(make(upId, arrowUp, 200, 85, hook));
        page->AddChild(make(downId, arrowDown, 200, 505, hook));
        return page;
    };
    elements[1] = listPage(10, 100, 11, 12, 13, 1);
    elements[5] = listPage(151, 155, 152, 153, 154, 5);

    GUIElement* information = make(201, {900, 0, 1250, 400}, w / 2 - 175, h / 2 - 200, 2);
    information->AddChild(make(202, smallButton, 15, 336, 2));
    elements[2] = information;

    GUIElement* statistics = make(203, {0, 600, 450, 1100}, w / 2 - 225, h / 2 - 250, 3);
    statistics->AddChild(make(204, smallButton, 40, 400, 3));
    statistics->AddChild(make(205, wideButton, 155, 340, 3));
    statistics->AddChild(make(206, wideButton, 155, 400, 3));
    elements[3] = statistics;

    GUIElement* result = make(718, {0, 600, 450, 1100}, w / 2 - 225, h / 2 - 250, 4);
    result->AddChild(make(719, smallButton, 205, 400, 4));
    elements[4] = result;

    GUIElement* help = make(720, {0, 0, 700, 525}, w / 2 - 350, h / 2.0f - 262.5f, 6);
    help->AddChild(make(723, smallButton, 330, 460, 6));
    help->AddChild(make(722, wideButton, 110, 460, 6));
    help->AddChild(make(721, wideButton, 450, 460, 6));
    elements[6] = help;
}

void MainMenu::ShowPage(int n) {
    elementActive.fill(false);
    for (const auto& [page, root] : pageRoots)
        if (page == n) elementActive[root] = true;
    if (n == PageHelp) helpPage = 0;
    currentPage = n;
}

void MainMenu::LoadCatalog() {
    GameCatalog::Load(categories);
    // Each game's statistics are read once its category block is complete, so a category
    // whose "PATH:" follows its games still finds their files. Entries of the same folders
    // share their record, so nothing one of them counts is written over by the other.
    StatisticsSharing::ShareByFolder(categories);
    StatisticsSharing::ForEachRecord(categories,
                                     [](GameStatistics& s) { s.Read(UserFiles::Folder()); });
    categoryScroll = 0;
    gameScroll = 0;
}

void MainMenu::ReleaseCatalog() {
    StatisticsSharing::ForEachRecord(categories,
                                     [](GameStatistics& s) { s.Write(UserFiles::Folder()); });
    categories.Clear();
}

GameInfo* MainMenu::GameAt(int categoryIndex, int gameIndex) const {
    const GameCategory* category = categories.Get(categoryIndex);
    return category ? category->games.Get(gameIndex) : nullptr;
}

int MainMenu::GameCount(int categoryIndex) const {
    const GameCategory* category = categories.Get(categoryIndex);
    return category ? category->games.Count() : 0;
}

void MainMenu::Update() {
    const double dt = app->realFrameTime;
    if (buttonHeld)
        pressTime = std::min(pressTime + dt, pressTimeMax);
    else
        pressTime = std::max(pressTime - dt, 0.0);

    if (app->runState == 1 && game) {
        game->Update();
        if (!game->CheckGameEnd())
            endHandled = false;
        else
            HandleGameEnd();
    } else {
        hoverTime += dt;
        cardCascade->Update(dt, app->screenWidth, app->screenHeight);
    }
    app->globalStatistics.programTime += dt;
    UpdateMenuMusic(*app);
}

double MainMenu::NextChangeIn() const {
    // The pointer shows the press of the button over a tenth of a second.
    if (buttonHeld ? pressTime < pressTimeMax : pressTime > 0.0) return 0.0;
    if (app->runState == 1 && game) return game->NextChangeIn();
    double next = cardCascade->NextChangeIn();
    if (currentPage == PageGames && hoveredElement && hoverTime < tooltipDelay)
        next = std::min(next, tooltipDelay - hoverTime);
    return next;
}

void MainMenu::Render() {
    if (app->runState == 1) {
        if (game) game->Render();
        if (elementActive[4] && elements[4]) elements[4]->Draw(0.0f, 0.0f);
        return;
    }
    const float sx = app->screenWidth / 1024.0f;
    const float sy = app->screenHeight / 768.0f;
    DrawSprite(*app, BackgroundSlot, {0, 0, 1024, 768}, {sx, sy}, {0.0f, 0.0f}, 0xFFFFFFFF);
    cardCascade->Draw(*app);
    for (int slot = 0; slot <= 6; ++slot) {
        if (!elementActive[slot] || !elements[slot]) continue;
        elements[slot]->Draw(0.0f, 0.0f);
        if (slot == 5 && hoveredElement && hoverTime >= tooltipDelay && HoversValidGameRow())
            DrawPreviewTooltip();
    }
}

void MainMenu::DrawMouseCursor() {
    const float mx = static_cast<float>(app->mouseX);
    const float my = static_cast<float>(app->mouseY);
    if (game && app->targetHover > 0) {
        const int frame = static_cast<int>(app->shotRecoil);
        DrawSprite(*app, TargetSlot, {42 * frame, 0, 42 * frame + 42, 37}, {1.0f, 1.0f},
                   {mx - 20.0f, my - 20.0f}, 0xFFFFFFFF);
        return;
    }
    static constexpr int bandTop[3] = {0, 400, 450};
    const int style = std::clamp(app->cursorStyle, 0, 2);
    // The press runs through the frames within pressTimeMax, so a click visibly presses
    // the pointer; at rest it shows the first frame.
    const double press = pressTimeMax > 0.0 ? pressTime / pressTimeMax : 0.0;
    const int n = std::clamp(static_cast<int>(press * 9.0), 0, 9);
    const int frame = style == 1 ? n : 9 - n;
    DrawSprite(*app, MiscSlot, {50 * frame, bandTop[style], 50 * frame + 50, bandTop[style] + 50},
               {1.0f, 1.0f}, {mx - 8.0f, my - 14.0f}, 0xFFFFFFFF);
}
