// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The top scene of a game opened directly from the command line (kartenhaus --game
// CATEGORY/GAME): it holds the card-game scene as its child the way the menu does,
// forwards input, Update and Render to it, asks it after every Update whether the game
// has ended, deals the same game again when it has, and draws the mouse pointer. Leaving
// to the main menu from the game menu ends the run.
#include "app/Game.h"
#include "data/GameCatalog.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class SolitärGame;

class DirectGameScene : public Game {
public:
    // Folder names as in the catalog; the display names are looked up in "Games.kat" and
    // its add-ons, falling back to the folder names.
    DirectGameScene(const std::string& categoryPath, const std::string& gamePath,
                    std::optional<uint32_t> seed);
    ~DirectGameScene() override;

    void OnMouseMove(uint32_t x, uint32_t y) override;
    void OnLeftButtonDown(uint32_t x, uint32_t y) override;
    void OnLeftButtonUp(uint32_t x, uint32_t y) override;
    void OnLeftDoubleClick(uint32_t x, uint32_t y) override;
    void OnRightButtonDown(uint32_t x, uint32_t y) override;
    void OnRightButtonUp(uint32_t x, uint32_t y) override;
    void OnKeyDown(uint32_t key) override;
    void OnKeyUp(uint32_t key) override;
    void OnMouseWheel(uint32_t wheel) override;
    void Update() override;
    void Render() override;
    double NextChangeIn() const override;
    void DrawMouseCursor() override;

    SolitärGame* CurrentGame() const { return game.get(); }
    // Games that reported their end so far, and how many of them were won.
    int GamesEnded() const { return gamesEnded; }
    int GamesWon() const { return gamesWon; }

    // Whether the games archives hold the definition of CATEGORY/GAME.
    static bool GameExists(const std::string& categoryPath, const std::string& gamePath);

private:
    void StartGame();

    GameCategoryList catalog; // the catalog files' categories, or one made for the game
    GameCategory* category = nullptr;
    GameInfo* info = nullptr;
    std::optional<uint32_t> seed;
    std::unique_ptr<SolitärGame> game;
    int gamesEnded = 0;
    int gamesWon = 0;
    bool keepStatistics;
};
