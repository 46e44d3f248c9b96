// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game catalog: the categories of "Games.kat" and of the add-on catalogs
// "Games_1.kat" … "Games_99.kat", read from plain files in a folder (never from
// an archive). Missing numbers are skipped. A category whose name and folder
// equal those of an earlier one is merged into it; otherwise categories keep
// the order in which they were first read. Games are neither sorted nor
// de-duplicated. Only regular files of at most TextFileLimits::kGameCatalogBytes
// are read; the list holds at most kGameCategories categories and kGames games
// (later ones are dropped).
#include "data/GameCategory.h"
#include "data/PtrList.h"

#include <filesystem>
#include <functional>
#include <istream>

using GameCategoryList = PtrList<GameCategory, true>;

class GameCatalog {
public:
    using GameHook = std::function<void(GameInfo&)>;

    // Clears the list, then reads catalog 0 … 99 of the folder (the working
    // folder when empty). onGame runs for every game read, before it is listed.
    static void Load(GameCategoryList& categories, const std::filesystem::path& folder = {},
                     const GameHook& onGame = {});

    // Reads the blocks of one catalog stream with catalog index n and merges
    // them into the list.
    static void ReadCatalog(std::istream& input, int catalogIndex, GameCategoryList& categories,
                            const GameHook& onGame = {});

    // "Games.kat" for 0, "Games_%d.kat" otherwise.
    static std::string FileName(int catalogIndex);

    // Merges the category into the first one of the list with the same name
    // and folder (deleting it) or appends it.
    static void MergeOrAdd(GameCategoryList& categories, GameCategory* category);
};
