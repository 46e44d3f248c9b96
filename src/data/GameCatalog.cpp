#include "data/GameCatalog.h"

#include "data/WordReader.h"

#include <fstream>

std::string GameCatalog::FileName(int catalogIndex) {
    if (catalogIndex == 0) return "Games.kat";
    return "Games_" + std::to_string(catalogIndex) + ".kat";
}

void GameCatalog::MergeOrAdd(GameCategoryList& categories, GameCategory* category) {
    for (int i = 0; i < categories.Count(); ++i) {
        if (categories[i]->Absorb(*category)) {
            delete category;
            return;
        }
    }
    categories.Append(category);
}

void GameCatalog::ReadCatalog(std::istream& input, int catalogIndex, GameCategoryList& categories,
                              const GameHook& onGame) {
    WordReader words(input, 999);
    std::string word;
    while (words.Next(word)) {
        if (word != "KATEGORIE_START") continue;
        auto* category = new GameCategory();
        category->catalogIndex = catalogIndex;
        // A category cut by the end of the file keeps the games read so far.
        category->ReadBlock(words, onGame);
        MergeOrAdd(categories, category);
    }
}

void GameCatalog::Load(GameCategoryList& categories, const std::filesystem::path& folder,
                       const GameHook& onGame) {
    categories.Clear();
    for (int n = 0; n <= 99; ++n) {
        std::ifstream file(folder / FileName(n), std::ios::binary);
        if (!file) continue;
        ReadCatalog(file, n, categories, onGame);
    }
}
