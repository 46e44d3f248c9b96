#pragma once
// One game of the game catalog: its display name, its folder inside the category's
// folder, and the category it is listed in.
#include "data/PtrList.h"

#include <cstdint>
#include <string>

struct GameCategory;

struct GameInfo {
    std::string name; // display name, underscores shown as blanks
    std::string path; // folder inside the category's folder
    GameCategory* category = nullptr;
    int32_t catalogIndex = 0;
};
