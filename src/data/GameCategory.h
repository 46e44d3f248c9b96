// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One category of the game catalog: a display name, the folder that holds its
// games' folders, the games in catalog order (owned), and the number of the
// catalog file that first defined it.
#include "data/GameInfo.h"
#include "data/PtrList.h"

#include <cstdint>
#include <functional>
#include <string>

class WordReader;

struct GameCategory {
    std::string name; // display name, underscores shown as blanks
    std::string nameEnglish; // "NAME_EN:"; empty: name serves both languages
    std::string path; // folder below the working directory
    int32_t catalogIndex = 0;
    PtrList<GameInfo, true> games;

    // Reads the words after "KATEGORIE_START" up to and including
    // "KATEGORIE_ENDE". Each game block is read into a new game that takes this
    // category and its catalog index; onGame is called for it (to load its
    // statistics) before it is appended. A game block cut by the end of the
    // input is kept. Games beyond the first gameRoom are read past and dropped.
    // False when the input ended inside the block.
    bool ReadBlock(WordReader& words, const std::function<void(GameInfo&)>& onGame = {},
                   int gameRoom = 1 << 30);

    // When name and folder are both byte-for-byte equal, the other category's
    // games move to the end of this one's and now belong here; the other is
    // left empty. False (and nothing moved) when they differ.
    bool Absorb(GameCategory& other);

    void SetName(std::string text);
    // The name for the interface language (0 German, else English).
    const std::string& DisplayName(int language) const {
        return language != 0 && !nameEnglish.empty() ? nameEnglish : name;
    }
    int GameCount() const { return games.Count(); }
    GameInfo* Game(int index) const { return games.Get(index); }
    void AddGame(GameInfo* game);
};

// The name of the game's definition member: "CATEGORY\\GAME\\GAME.game".
inline std::string GameDefinitionName(const GameCategory& category, const GameInfo& game) {
    return category.path + "\\" + game.path + "\\" + game.path + ".game";
}
