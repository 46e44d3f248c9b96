// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/DirectGameScene.h"

#include "app/AppState.h"
#include "data/ArchiveSet.h"
#include "data/GameStatistics.h"
#include "data/UserFiles.h"
#include "game/SolitärGame.h"
#include "game/ThemeHooks.h"
#include "media/DrawSprite.h"

#include <algorithm>
#include <filesystem>

bool DirectGameScene::GameExists(const std::string& categoryPath, const std::string& gamePath) {
    AppState& app = GetAppState();
    GameCategory c;
    c.path = categoryPath;
    GameInfo g;
    g.path = gamePath;
    ArchiveSet opened;
    const ArchiveSet* set = &app;
    if (!app.gamesArchive) {
        opened.OpenArchives();
        set = &opened;
    }
    return ReadFamilyMember(ArchiveFamily(set->gamesArchive.get(), &set->gameAddOnArchives),
                            GameDefinitionName(c, g), false)
        .has_value();
}

DirectGameScene::DirectGameScene(const std::string& categoryPath, const std::string& gamePath,
                                 std::optional<uint32_t> seed)
    : seed(seed), keepStatistics(AppState::useFiles) {
    // A real run keeps each game's statistics in its folder, as the menu does; test runs
    // leave the player's files alone.
    GameCatalog::Load(catalog);
    for (GameCategory* c : catalog) {
        if (c->path != categoryPath) continue;
        for (GameInfo* g : c->games)
            if (g->path == gamePath && !info) {
                category = c;
                info = g;
            }
    }
    if (!info) {
        // A game the catalog does not list: its folder names stand in for its names.
        category = new GameCategory;
        category->path = category->name = categoryPath;
        info = new GameInfo;
        info->path = info->name = gamePath;
        info->category = category;
        category->games.Append(info);
        catalog.Append(category);
    }
    if (keepStatistics) info->statistics->Read(UserFiles::Folder());
    // The animated background of the configured theme, as the menu makes it for a game.
    app->shotRecoil = 0.0;
    app->targetHover = 0;
    ThemeHooks::CreateBackground(*app, app->animationTheme);
    StartGame();
}

DirectGameScene::~DirectGameScene() {
    game.reset();
    app->animatedBackground.Delete();
    app->runState = 0;
    if (keepStatistics && info) info->statistics->Write(UserFiles::Folder());
}

void DirectGameScene::StartGame() {
    game.reset();
    game = std::make_unique<SolitärGame>(category, info, seed);
    // A second deal of the same seed would be the same game again.
    if (seed) seed = *seed + 1;
    app->runState = 1;
}

void DirectGameScene::OnMouseMove(uint32_t x, uint32_t y) {
    game->OnMouseMove(x, y);
}
void DirectGameScene::OnLeftButtonDown(uint32_t x, uint32_t y) {
    game->OnLeftButtonDown(x, y);
}
void DirectGameScene::OnLeftButtonUp(uint32_t x, uint32_t y) {
    game->OnLeftButtonUp(x, y);
}
void DirectGameScene::OnLeftDoubleClick(uint32_t x, uint32_t y) {
    game->OnLeftDoubleClick(x, y);
}
void DirectGameScene::OnRightButtonDown(uint32_t x, uint32_t y) {
    game->OnRightButtonDown(x, y);
}
void DirectGameScene::OnRightButtonUp(uint32_t x, uint32_t y) {
    game->OnRightButtonUp(x, y);
}
void DirectGameScene::OnMouseWheel(uint32_t wheel) {
    game->OnMouseWheel(wheel);
}
void DirectGameScene::OnKeyUp(uint32_t key) {
    game->OnKeyUp(key);
}

void DirectGameScene::OnKeyDown(uint32_t key) {
    game->OnKeyDown(key);
}

void DirectGameScene::Update() {
    game->Update();
    if (!game->CheckGameEnd()) return;
    ++gamesEnded;
    if (game->gameState == SolitärGame::StateWon) ++gamesWon;
    if (game->gameState == SolitärGame::StateLeaveToMenu) {
        app->runState = 2;
        return;
    }
    StartGame();
}

double DirectGameScene::NextChangeIn() const {
    return game->NextChangeIn();
}

void DirectGameScene::Render() {
    game->Render();
}

void DirectGameScene::DrawMouseCursor() {
    // The pointer of the menu's first style band; frame 9 counts from the right.
    static constexpr int bandTop[3] = {0, 400, 450};
    const int style = std::clamp(app->cursorStyle, 0, 2);
    const int frame = style == 1 ? 0 : 9;
    const IntRect cell{50 * frame, bandTop[style], 50 * frame + 50, bandTop[style] + 50};
    DrawSprite(*app, SolitärGame::MiscSlot, cell, {1.0f, 1.0f},
               {static_cast<float>(app->mouseX) - 8.0f, static_cast<float>(app->mouseY) - 14.0f},
               0xFFFFFFFF);
}
