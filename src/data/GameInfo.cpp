// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/GameInfo.h"

#include "data/GameCategory.h"
#include "data/WordReader.h"

#include <algorithm>

GameInfo::GameInfo() : statistics(std::make_shared<GameStatistics>()) {
    statistics->gameInfo = this;
}

bool GameInfo::ReadBlock(WordReader& words) {
    std::string word;
    while (words.Next(word)) {
        if (word == "GAME_ENDE") return true;
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
        }
    }
    return false;
}

void GameInfo::SetName(std::string text) {
    std::replace(text.begin(), text.end(), '_', ' ');
    name = std::move(text);
}

std::string GameInfo::FolderName() const {
    std::string categoryPath = category ? category->path : std::string();
    return categoryPath + "\\" + path;
}

std::string GameInfo::DefinitionName() const {
    return FolderName() + "\\" + path + ".game";
}
std::string GameInfo::PreviewName() const {
    return FolderName() + "\\vorschau.png";
}
std::string GameInfo::StatisticsName() const {
    return FolderName() + "\\stats.hs";
}
std::string GameInfo::QuickSaveName() const {
    return FolderName() + "\\quick.sav";
}
