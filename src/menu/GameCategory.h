#pragma once
// One category of the game catalog, owning its games.
#include "data/PtrList.h"
#include "menu/GameInfo.h"

#include <cstdint>
#include <string>

struct GameCategory {
    std::string name; // display name
    std::string path; // folder below the working directory
    int32_t catalogIndex = 0;
    PtrList<GameInfo, true> games;
};

// The name of the game's definition member: "CATEGORY\\GAME\\GAME.game".
inline std::string GameDefinitionName(const GameCategory& category, const GameInfo& game) {
    return category.path + "\\" + game.path + "\\" + game.path + ".game";
}
