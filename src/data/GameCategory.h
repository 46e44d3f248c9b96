#pragma once
// One category of the game catalog: a display name, the folder that holds its
// games' folders, the games in catalog order, and the number of the catalog
// file that first defined it.
#include "data/GameInfo.h"
#include "data/PtrList.h"

#include <functional>
#include <string>

class WordReader;

class GameCategory {
public:
    GameCategory() = default;
    GameCategory(const GameCategory&) = delete;
    GameCategory& operator=(const GameCategory&) = delete;

    // Reads the words after "KATEGORIE_START" up to and including
    // "KATEGORIE_ENDE". Each game block is read into a new game that takes this
    // category and its catalog index; onGame is called for it (to load its
    // statistics) before it is appended. A game block cut by the end of the
    // input is kept. False when the input ended inside the block.
    bool ReadBlock(WordReader& words, const std::function<void(GameInfo&)>& onGame = {});

    // When name and folder are both byte-for-byte equal, the other category's
    // games move to the end of this one's and now belong here; the other is
    // left empty. False (and nothing moved) when they differ.
    bool Absorb(GameCategory& other);

    const std::string& Name() const { return name; }
    const std::string& Path() const { return path; }
    int CatalogIndex() const { return catalogIndex; }
    void SetCatalogIndex(int index) { catalogIndex = index; }
    void SetName(std::string text);
    void SetPath(std::string text) { path = std::move(text); }

    int GameCount() const { return games.Count(); }
    GameInfo* Game(int index) const { return games.Get(index); }
    void AddGame(GameInfo* game);

private:
    PtrList<GameInfo, true> games;
    std::string name;
    std::string path;
    int catalogIndex = 0;
};
