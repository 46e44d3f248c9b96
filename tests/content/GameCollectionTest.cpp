// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped game collection: the catalog, every game's files, a clean lint, a complete deal
// from a fixed seed, and a table that fits the screen beside the bars of the card scene.
#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "rules/KartenTisch.h"

using namespace content;

namespace {

struct CatalogGame {
    std::string category;
    std::string path;
    std::string name;
};

// Games.kat as the menu reads it: category blocks with their game blocks.
std::vector<CatalogGame> ReadCatalog(std::set<std::string>* categories = nullptr) {
    std::vector<CatalogGame> games;
    std::string text;
    if (!ReadFile(DataDir() + "/Games.kat", text)) return games;
    const auto words = Words(text);
    std::string category;
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "KATEGORIE_START") {
            category.clear();
            // The category's PATH: may stand anywhere in its block; find it first.
            for (size_t j = i + 1; j < words.size() && words[j] != "KATEGORIE_ENDE"; ++j) {
                if (words[j] == "GAME_START")
                    while (j < words.size() && words[j] != "GAME_ENDE")
                        ++j;
                else if (words[j] == "PATH:" && j + 1 < words.size())
                    category = words[j + 1];
            }
            if (categories) categories->insert(category);
        } else if (words[i] == "GAME_START") {
            CatalogGame game{category, {}, {}};
            for (++i; i < words.size() && words[i] != "GAME_ENDE"; ++i) {
                if (words[i] == "PATH:" && i + 1 < words.size())
                    game.path = words[++i];
                else if (words[i] == "NAME:" && i + 1 < words.size())
                    game.name = words[++i];
            }
            games.push_back(game);
        }
    }
    return games;
}

std::string GameFile(const CatalogGame& game) {
    return StageGamesDir() + "/" + game.category + "/" + game.path + "/" + game.path + ".game";
}

struct Box {
    float left, top, right, bottom;
    bool Overlaps(const Box& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    void Add(const Box& o) {
        left = std::min(left, o.left);
        top = std::min(top, o.top);
        right = std::max(right, o.right);
        bottom = std::max(bottom, o.bottom);
    }
};

// The place of a pile together with every card dealt onto it, where the layout puts them.
Box DealtExtent(const KartenStapel& pile) {
    Box box{pile.position.x, pile.position.y, pile.position.x + pile.cardSize.x,
            pile.position.y + pile.cardSize.y};
    for (const PtrList<Card>* list : {&pile.visibleCards, &pile.faceDownCards})
        for (const Card* card : *list)
            box.Add({card->target.x, card->target.y, card->target.x + card->size.x,
                     card->target.y + card->size.y});
    return box;
}

} // namespace

TEST(GameCollection, CatalogHasTheRequiredGamesInEnoughCategories) {
    std::set<std::string> categories;
    const auto games = ReadCatalog(&categories);
    EXPECT_GE(games.size(), 40u);
    EXPECT_GE(categories.size(), 8u);
    std::set<std::string> paths;
    for (const auto& game : games) {
        EXPECT_TRUE(paths.insert(game.category + "/" + game.path).second)
            << game.path << " is listed twice";
        EXPECT_FALSE(game.name.empty()) << game.path;
    }
    for (const char* required : {"klondike/klondike",
                                 "klondike/klondike3",
                                 "klondike/thoughtful",
                                 "klondike/whitehead",
                                 "klondike/doubleklondike",
                                 "freecell/freecell",
                                 "freecell/bakersgame",
                                 "freecell/eightoff",
                                 "freecell/seahaven",
                                 "spider/spider1",
                                 "spider/spider2",
                                 "spider/spider4",
                                 "spider/spiderette",
                                 "spider/scorpion",
                                 "spider/simplesimon",
                                 "yukon/yukon",
                                 "yukon/russian",
                                 "yukon/alaska",
                                 "golf/golf",
                                 "golf/blackhole",
                                 "golf/allinarow",
                                 "castle/beleagueredcastle",
                                 "castle/streetsandalleys",
                                 "castle/fortress",
                                 "forty/fortythieves",
                                 "forty/lucas",
                                 "forty/gypsy",
                                 "fan/labellelucie",
                                 "fan/bisley",
                                 "fan/flowergarden",
                                 "fan/eaglewing",
                                 "klondike/easthaven"})
        EXPECT_TRUE(paths.count(required)) << required << " is missing from the catalog";
}

TEST(GameCollection, EveryGameHasItsDefinitionAndRulesTextsInBothLanguages) {
    for (const auto& game : ReadCatalog()) {
        std::string text;
        EXPECT_TRUE(ReadFile(GameFile(game), text)) << GameFile(game);
        for (const char* letter : {"d", "e"}) {
            const std::string rules = StageGamesDir() + "/" + game.category + "/" + game.path +
                                      "/" + game.path + "_" + letter + ".lng";
            bool opened = false;
            const auto entries = ReadWordList(rules, opened);
            ASSERT_TRUE(opened) << rules;
            ASSERT_EQ(entries.size(), 1u) << rules << ": the rules page shows one entry";
            EXPECT_GT(entries[0].size(), 150u) << rules;
            // The rules page holds about 25 lines of 50 characters.
            EXPECT_LT(entries[0].size(), 1150u) << rules;
        }
    }
}

TEST(GameCollection, LintIsCleanOnEveryShippedGame) {
    std::string files;
    for (const auto& game : ReadCatalog())
        files += " " + GameFile(game);
    ASSERT_FALSE(files.empty());
    const auto run = RunTool(Cli() + " lint" + files);
    EXPECT_EQ(run.exitCode, 0) << run.output;
}

TEST(GameCollection, EveryGameDealsTheWholeDeckFromAFixedSeed) {
    for (const auto& game : ReadCatalog()) {
        const auto run = RunTool(Cli() + " deal --seed 4711 --game-file " + GameFile(game));
        ASSERT_EQ(run.exitCode, 0) << game.path << ": " << run.output;
        size_t cards = 0;
        for (size_t at = run.output.find("KARTE:"); at != std::string::npos;
             at = run.output.find("KARTE:", at + 1))
            ++cards;
        KartenTisch table;
        ASSERT_EQ(table.LoadGameDefinitionFile(GameFile(game), 4711), KartenTisch::ResultOk);
        EXPECT_GT(table.deckSize, 0) << game.path;
        EXPECT_EQ(static_cast<int>(cards), table.deckSize)
            << game.path << ": cards left in no pile";
        EXPECT_FALSE(table.IsGameWon()) << game.path << " is won before the first move";
    }
}

// The card scene draws the top bar (up to y 50) and the toolbar (up to y 87) at the top centre,
// the menu button and the status bar along the bottom from y 718.
TEST(GameCollection, DealtTablesFitTheScreenAndKeepTheirPilesApart) {
    const Box screen{0, 95, 1024, 716};
    for (const auto& game : ReadCatalog()) {
        KartenTisch table;
        ASSERT_EQ(table.LoadGameDefinitionFile(GameFile(game), 99), KartenTisch::ResultOk);
        std::vector<Box> boxes;
        for (const KartenStapel* pile : table.piles) {
            const Box box = DealtExtent(*pile);
            EXPECT_TRUE(box.left >= screen.left && box.right <= screen.right &&
                        box.top >= screen.top && box.bottom <= screen.bottom)
                << game.path << ": pile " << pile->pileId << " reaches (" << box.left << ", "
                << box.top << ")-(" << box.right << ", " << box.bottom << ")";
            for (size_t other = 0; other < boxes.size(); ++other)
                EXPECT_FALSE(box.Overlaps(boxes[other]))
                    << game.path << ": pile " << pile->pileId << " covers pile "
                    << table.piles[static_cast<int>(other)]->pileId << " after the deal";
            boxes.push_back(box);
        }
    }
}

// A pile that can hold two cards or more and stood closer than 50 pixels to the left, top or right
// edge, or reached below y 618, would have even its stacked cards squeezed apart by the layout.
TEST(GameCollection, StacksStayInsideTheMarginsOfTheLayout) {
    for (const auto& game : ReadCatalog()) {
        KartenTisch table;
        ASSERT_EQ(table.LoadGameDefinitionFile(GameFile(game), 5), KartenTisch::ResultOk);
        for (const KartenStapel* pile : table.piles) {
            if (pile->MAX_GRÖSSE_SICHTBAR == 1) continue;
            EXPECT_TRUE(pile->position.x >= 50 && pile->position.y >= 50 &&
                        pile->position.x + pile->cardSize.x <= 974 &&
                        pile->position.y + pile->cardSize.y <= 618)
                << game.path << ": pile " << pile->pileId << " at (" << pile->position.x << ", "
                << pile->position.y << ")";
        }
    }
}

TEST(GameCollection, FreeCellKeepsThePileIdsToolsRelyOn) {
    KartenTisch table;
    ASSERT_EQ(table.LoadGameDefinitionFile(StageGamesDir() + "/freecell/freecell/freecell.game", 3),
              KartenTisch::ResultOk);
    float lastColumnX = -1;
    for (int id = 1; id <= 16; ++id) {
        const auto piles = table.PilesWithId(id);
        ASSERT_EQ(piles.size(), 1u) << "id " << id;
        const KartenStapel& pile = *piles[0];
        if (id <= 8) {
            EXPECT_GE(pile.VisibleCount(), 6) << "column " << id;
            EXPECT_GT(pile.position.x, lastColumnX) << "columns run from left to right";
            lastColumnX = pile.position.x;
        } else if (id <= 12) {
            EXPECT_EQ(pile.MAX_GRÖSSE_SICHTBAR, 1) << "free cell " << id;
            EXPECT_FALSE(pile.isGoalPile);
        } else {
            EXPECT_TRUE(pile.isGoalPile) << "foundation " << id;
        }
    }
    EXPECT_EQ(table.piles.Count(), 16);
}
