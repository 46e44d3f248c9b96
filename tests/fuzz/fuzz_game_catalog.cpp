// SPDX-License-Identifier: GPL-3.0-or-later
// The game catalog ("Games.kat" and its add-ons): two catalogs read one after
// the other merge their categories; every game belongs to the category that
// lists it, and no two categories share both name and folder.
#include "FuzzSupport.h"
#include "data/GameCatalog.h"

#include <set>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The input is split at its first zero byte into the main catalog and an add-on.
    const std::string text = InputText(data, size);
    const size_t split = text.find('\0');
    std::istringstream main(text.substr(0, split), std::ios::binary);
    std::istringstream addOn(split == std::string::npos ? std::string() : text.substr(split + 1),
                             std::ios::binary);

    GameCategoryList categories;
    int gamesSeen = 0;
    auto count = [&](GameInfo&) { ++gamesSeen; };
    GameCatalog::ReadCatalog(main, 0, categories, count);
    GameCatalog::ReadCatalog(addOn, 1, categories, count);

    int gamesListed = 0;
    std::set<std::pair<std::string, std::string>> keys;
    for (const GameCategory* category : categories) {
        FUZZ_CHECK(category, "a null category");
        FUZZ_CHECK(keys.insert({category->name, category->path}).second,
                   "two categories with the same name and folder");
        for (const GameInfo* game : category->games) {
            FUZZ_CHECK(game && game->category == category, "a game of another category");
            FUZZ_CHECK(game->statistics != nullptr, "a game without statistics");
            ++gamesListed;
        }
    }
    FUZZ_CHECK(gamesListed == gamesSeen, "games lost or doubled by the merge");
    return 0;
}
