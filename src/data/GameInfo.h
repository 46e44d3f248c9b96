// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One game of the game catalog: its display name, its folder inside the
// category's folder, the category it is listed in and the number of the
// catalog file that listed it. The file names of a game (definition, preview,
// statistics, quick save) all derive from the two folder names. Each game
// owns its statistics record from the moment it is created.
#include "data/GameStatistics.h"

#include <cstdint>
#include <memory>
#include <string>

struct GameCategory;
class WordReader;

struct GameInfo {
    std::string name; // display name, underscores shown as blanks
    std::string nameEnglish; // "NAME_EN:", the name in English; empty: name serves both
    std::string path; // folder inside the category's folder
    GameCategory* category = nullptr;
    int32_t catalogIndex = 0;
    // Shared with the other entries of the catalog that name the same folders.
    std::shared_ptr<GameStatistics> statistics;

    GameInfo();
    // The statistics point back at their game, so a game stays where it was made.
    GameInfo(const GameInfo&) = delete;
    GameInfo& operator=(const GameInfo&) = delete;

    // Reads the words after "GAME_START" up to and including "GAME_ENDE".
    // "NAME:" and "PATH:" take the next word (the last one read wins); every
    // other word is skipped. False when the input ended inside the block.
    bool ReadBlock(WordReader& words);

    void SetName(std::string text);
    // The name for the interface language (0 German, else English).
    const std::string& DisplayName(int language) const {
        return language != 0 && !nameEnglish.empty() ? nameEnglish : name;
    }

    // Archive member names with backslashes: "cat\\game", "cat\\game\\game.game",
    // "cat\\game\\vorschau.png", "cat\\game\\stats.hs", "cat\\game\\quick.sav".
    std::string FolderName() const;
    std::string DefinitionName() const;
    std::string PreviewName() const;
    std::string StatisticsName() const;
    std::string QuickSaveName() const;
};
