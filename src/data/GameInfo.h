#pragma once
// One game of the game catalog: its display name, its folder inside the
// category's folder, the category it is listed in and the number of the
// catalog file that listed it. The file names of a game (definition, preview,
// statistics, quick save) all derive from the two folder names.
#include <string>

class GameCategory;
class WordReader;

class GameInfo {
public:
    // Reads the words after "GAME_START" up to and including "GAME_ENDE".
    // "NAME:" and "PATH:" take the next word (the last one read wins); every
    // other word is skipped. False when the input ended inside the block.
    bool ReadBlock(WordReader& words);

    const std::string& Name() const { return name; }
    const std::string& Path() const { return path; }
    int CatalogIndex() const { return catalogIndex; }
    GameCategory* Category() const { return category; }

    void SetName(std::string text);
    void SetPath(std::string text) { path = std::move(text); }
    void SetCatalogIndex(int index) { catalogIndex = index; }
    void SetCategory(GameCategory* owner) { category = owner; }

    // Archive member names with backslashes: "cat\\game", "cat\\game\\game.game",
    // "cat\\game\\vorschau.png", "cat\\game\\stats.hs", "cat\\game\\quick.sav".
    std::string FolderName() const;
    std::string DefinitionName() const;
    std::string PreviewName() const;
    std::string StatisticsName() const;
    std::string QuickSaveName() const;

private:
    std::string name;
    std::string path;
    int catalogIndex = 0;
    GameCategory* category = nullptr;
};
