#include "game/DirectGameScene.h"

#include "app/AppState.h"
#include "data/ArchiveSet.h"
#include "data/WordReader.h"
#include "game/SolitärGame.h"
#include "media/DrawSprite.h"
#include "platform/VirtualKeys.h"

#include <algorithm>
#include <fstream>

namespace {

std::string Blanks(std::string word) {
    std::replace(word.begin(), word.end(), '_', ' ');
    return word;
}

// Reads one "NAME:"/"PATH:" block up to its closing word; nested GAME blocks are handed to
// `onGame`.
template <typename OnGame>
void ReadBlock(WordReader& words, const char* closing, std::string& name, std::string& path,
               OnGame onGame) {
    std::string word;
    while (words.Next(word) && word != closing) {
        if (word == "NAME:" && words.Next(word))
            name = Blanks(word);
        else if (word == "PATH:" && words.Next(word))
            path = word;
        else if (word == "GAME_START")
            onGame(words);
    }
}

} // namespace

bool FindCatalogNames(const std::string& categoryPath, const std::string& gamePath,
                      std::string& categoryName, std::string& gameName) {
    for (int n = 0; n <= 99; ++n) {
        const std::string file = n == 0 ? "Games.kat" : "Games_" + std::to_string(n) + ".kat";
        std::ifstream input(file, std::ios::binary);
        if (!input) continue;
        WordReader words(input);
        std::string word;
        while (words.Next(word)) {
            if (word != "KATEGORIE_START") continue;
            std::string catName, catPath, foundGame;
            bool found = false;
            ReadBlock(words, "KATEGORIE_ENDE", catName, catPath, [&](WordReader& inner) {
                std::string name, path;
                ReadBlock(inner, "GAME_ENDE", name, path, [](WordReader&) {});
                if (path == gamePath && !found) {
                    found = true;
                    foundGame = name;
                }
            });
            if (found && catPath == categoryPath) {
                categoryName = catName;
                gameName = foundGame;
                return true;
            }
        }
    }
    return false;
}

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
    : seed(seed) {
    category.path = categoryPath;
    category.name = categoryPath;
    info = new GameInfo;
    info->path = gamePath;
    info->name = gamePath;
    info->category = &category;
    category.games.Append(info);
    FindCatalogNames(categoryPath, gamePath, category.name, info->name);
    StartGame();
}

DirectGameScene::~DirectGameScene() {
    game.reset();
    app->runState = 0;
}

void DirectGameScene::StartGame() {
    game.reset();
    game = std::make_unique<SolitärGame>(&category, info, seed);
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
    // Until the in-game screens exist, Escape leaves the program.
    if (key == VirtualKey::Escape) {
        app->runState = 2;
        return;
    }
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
