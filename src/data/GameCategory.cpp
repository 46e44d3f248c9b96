// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/GameCategory.h"

#include "data/WordReader.h"

#include <algorithm>

bool GameCategory::ReadBlock(WordReader& words, const std::function<void(GameInfo&)>& onGame,
                             int gameRoom) {
    std::string word;
    while (words.Next(word)) {
        if (word == "KATEGORIE_ENDE") return true;
        if (word == "NAME:") {
            if (!words.Next(word)) return false;
            SetName(word);
        } else if (word == "NAME_EN:") {
            if (!words.Next(word)) return false;
            std::replace(word.begin(), word.end(), '_', ' ');
            nameEnglish = word;
        } else if (word == "PATH:") {
            if (!words.Next(word)) return false;
            path = word;
        } else if (word == "GAME_START") {
            // A game cut by the end of the input is kept with what it read.
            auto* game = new GameInfo();
            game->category = this;
            game->statistics->category = this;
            game->catalogIndex = catalogIndex;
            bool complete = game->ReadBlock(words);
            if (gameRoom > 0) {
                --gameRoom;
                if (onGame) onGame(*game);
                AddGame(game);
            } else {
                delete game;
            }
            if (!complete) return false;
        }
    }
    return false;
}

void GameCategory::SetName(std::string text) {
    std::replace(text.begin(), text.end(), '_', ' ');
    name = std::move(text);
}

void GameCategory::AddGame(GameInfo* game) {
    game->category = this;
    if (game->statistics) game->statistics->category = this;
    games.Append(game);
}

bool GameCategory::Absorb(GameCategory& other) {
    if (&other == this || other.name != name || other.path != path) return false;
    for (GameInfo* game : other.games.ReleaseAll())
        AddGame(game);
    return true;
}
