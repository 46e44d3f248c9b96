// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/GameCatalog.h"

#include "data/RegularFile.h"
#include "data/TextFileLimits.h"
#include "data/WordReader.h"

#include <sstream>
#include <string>
#include <unordered_map>

namespace {

// Name and folder together, unambiguous even when they hold any bytes.
std::string MergeKey(const GameCategory& category) {
    return std::to_string(category.name.size()) + ':' + category.name + category.path;
}

// The categories by name and folder, the first of each kind; built once per
// catalog stream, so merging a category costs one lookup instead of a walk
// over all earlier ones.
class CategoryIndex {
public:
    explicit CategoryIndex(const GameCategoryList& categories) {
        for (GameCategory* category : categories)
            first.emplace(MergeKey(*category), category);
    }

    // Merges the category into its earlier namesake or appends it; returns
    // false (and deletes it with its games) when it is new and the list is full.
    bool MergeOrAdd(GameCategoryList& categories, GameCategory* category,
                    int maxCategories = 1 << 30) {
        const std::string key = MergeKey(*category);
        if (auto found = first.find(key); found != first.end() && found->second->Absorb(*category)) {
            delete category;
            return true;
        }
        if (categories.Count() >= maxCategories) {
            delete category;
            return false;
        }
        first.emplace(key, category);
        categories.Append(category);
        return true;
    }

private:
    std::unordered_map<std::string, GameCategory*> first;
};

int GameCount(const GameCategoryList& categories) {
    int count = 0;
    for (const GameCategory* category : categories)
        count += category->GameCount();
    return count;
}

} // namespace

std::string GameCatalog::FileName(int catalogIndex) {
    if (catalogIndex == 0) return "Games.kat";
    return "Games_" + std::to_string(catalogIndex) + ".kat";
}

void GameCatalog::MergeOrAdd(GameCategoryList& categories, GameCategory* category) {
    CategoryIndex(categories).MergeOrAdd(categories, category);
}

void GameCatalog::ReadCatalog(std::istream& input, int catalogIndex, GameCategoryList& categories,
                              const GameHook& onGame) {
    WordReader words(input, 999, TextFileLimits::kGameCatalogWords);
    CategoryIndex index(categories);
    int gameRoom = TextFileLimits::kGames - GameCount(categories);
    std::string word;
    while (words.Next(word)) {
        if (word != "KATEGORIE_START") continue;
        auto* category = new GameCategory();
        category->catalogIndex = catalogIndex;
        // A category cut by the end of the file keeps the games read so far.
        category->ReadBlock(words, onGame, gameRoom);
        const int games = category->GameCount();
        // A new category beyond the limit is dropped with its games.
        if (index.MergeOrAdd(categories, category, TextFileLimits::kGameCategories))
            gameRoom -= games;
    }
}

void GameCatalog::Load(GameCategoryList& categories, const std::filesystem::path& folder,
                       const GameHook& onGame) {
    categories.Clear();
    for (int n = 0; n <= 99; ++n) {
        std::string bytes;
        if (RegularFile::Read(folder / FileName(n), TextFileLimits::kGameCatalogBytes, bytes) !=
            RegularFile::Status::ok)
            continue;
        std::istringstream file(std::move(bytes), std::ios::binary);
        ReadCatalog(file, n, categories, onGame);
    }
}
