// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/GameCatalog.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Block(const std::string& name, const std::string& path,
                  const std::vector<std::string>& games) {
    std::string text = "KATEGORIE_START\nNAME: " + name + "\nPATH: " + path + "\n";
    for (const std::string& game : games)
        text += "GAME_START NAME: " + game + " PATH: " + game + " GAME_ENDE\n";
    return text + "KATEGORIE_ENDE\n";
}

std::vector<std::string> GameNames(const GameCategory& category) {
    std::vector<std::string> names;
    for (int i = 0; i < category.GameCount(); ++i)
        names.push_back(category.Game(i)->name);
    return names;
}

} // namespace

TEST(GameCatalog, ReadsBlocksAndSkipsEverythingElse) {
    std::istringstream input(
        "Titel KATEGORIE_ENDE GAME_START\nKATEGORIE_START NAME:\n"
        "Einfache_Spiele PATH:\teinfach Kommentar\n"
        "GAME_START NAME: Erstes_Spiel KATEGORIE_ENDE PATH: erstes_a GAME_ENDE\n"
        "GAME_START NAME: A_B_C NAME: Zweites PATH: zweites GAME_ENDE\n"
        "NAME: Einfach KATEGORIE_ENDE Ende");
    GameCategoryList categories;
    GameCatalog::ReadCatalog(input, 0, categories);
    ASSERT_EQ(categories.Count(), 1);
    const GameCategory& category = *categories[0];
    // The last NAME: of a block wins; "_" becomes a blank in names only.
    EXPECT_EQ(category.name, "Einfach");
    EXPECT_EQ(category.path, "einfach");
    ASSERT_EQ(category.GameCount(), 2);
    // KATEGORIE_ENDE inside a game block does not end the category.
    EXPECT_EQ(category.Game(0)->name, "Erstes Spiel");
    EXPECT_EQ(category.Game(0)->path, "erstes_a");
    EXPECT_EQ(category.Game(1)->name, "Zweites");
    EXPECT_EQ(category.Game(0)->category, &category);
    EXPECT_EQ(category.Game(0)->DefinitionName(), "einfach\\erstes_a\\erstes_a.game");
    EXPECT_EQ(category.Game(0)->PreviewName(), "einfach\\erstes_a\\vorschau.png");
    EXPECT_EQ(category.Game(0)->StatisticsName(), "einfach\\erstes_a\\stats.hs");
    EXPECT_EQ(category.Game(0)->QuickSaveName(), "einfach\\erstes_a\\quick.sav");
}

TEST(GameCatalog, EnglishNamesAreOptionalAndAddOnsStillMergeByTheGermanName) {
    std::istringstream main("KATEGORIE_START NAME: Spinne NAME_EN: Spider PATH: spider "
                            "GAME_START NAME: Eine_Farbe NAME_EN: One_Suit PATH: s1 GAME_ENDE "
                            "GAME_START NAME: Skorpion PATH: scorpion GAME_ENDE KATEGORIE_ENDE");
    std::istringstream addOn("KATEGORIE_START NAME: Spinne PATH: spider "
                             "GAME_START NAME: Neu PATH: neu GAME_ENDE KATEGORIE_ENDE");
    GameCategoryList categories;
    GameCatalog::ReadCatalog(main, 0, categories);
    GameCatalog::ReadCatalog(addOn, 1, categories);
    ASSERT_EQ(categories.Count(), 1);
    const GameCategory& category = *categories[0];
    EXPECT_EQ(category.DisplayName(0), "Spinne");
    EXPECT_EQ(category.DisplayName(1), "Spider");
    ASSERT_EQ(category.GameCount(), 3);
    EXPECT_EQ(category.Game(0)->DisplayName(1), "One Suit");
    EXPECT_EQ(category.Game(0)->DisplayName(0), "Eine Farbe");
    EXPECT_EQ(category.Game(1)->DisplayName(1), "Skorpion");
    EXPECT_EQ(category.Game(2)->path, "neu");
}

TEST(GameCatalog, MissingFieldsAreEmptyAndCutBlocksKeepTheirGames) {
    std::istringstream input("KATEGORIE_START GAME_START GAME_ENDE GAME_START NAME: Halb");
    GameCategoryList categories;
    GameCatalog::ReadCatalog(input, 4, categories);
    ASSERT_EQ(categories.Count(), 1);
    EXPECT_EQ(categories[0]->name, "");
    ASSERT_EQ(categories[0]->GameCount(), 2);
    EXPECT_EQ(categories[0]->Game(0)->name, "");
    EXPECT_EQ(categories[0]->Game(1)->name, "Halb");
    EXPECT_EQ(categories[0]->Game(1)->catalogIndex, 4);

    // A block cut after "NAME:" has the same empty name and folder, so it merges.
    std::istringstream dangling("KATEGORIE_START NAME:");
    GameCatalog::ReadCatalog(dangling, 0, categories);
    EXPECT_EQ(categories.Count(), 1);
    std::istringstream other("KATEGORIE_START PATH: p");
    GameCatalog::ReadCatalog(other, 0, categories);
    EXPECT_EQ(categories.Count(), 2);
}

TEST(GameCatalog, OverlongWordsAreCut) {
    std::istringstream input("KATEGORIE_START NAME: " + std::string(5000, 'x') +
                             " PATH: p "
                             "KATEGORIE_ENDE");
    GameCategoryList categories;
    GameCatalog::ReadCatalog(input, 0, categories);
    ASSERT_EQ(categories.Count(), 1);
    EXPECT_EQ(categories[0]->name.size(), 999u);
    EXPECT_EQ(categories[0]->path, "p");
}

TEST(GameCatalog, AddOnsMergeByNameAndFolderAndKeepTheirIndex) {
    TempDir dir;
    dir.Write("Games.kat",
              Block("Karten_Spiele", "karten", {"a", "b"}) + Block("Andere", "andere", {"c"}));
    dir.Write("Games_1.kat", Block("Karten_Spiele", "karten", {"d", "a"}) +
                                 Block("Karten_Spiele", "karten2", {"e"}) +
                                 Block("Karten_Spiele2", "karten", {"f"}));
    dir.Write("Games_9.kat", Block("Neu", "neu", {"g"}) + Block("Andere", "andere", {"h"}));
    dir.Write("Games_100.kat", Block("Zu_Weit", "weit", {"x"}));
    std::vector<std::string> seen;
    GameCategoryList categories;
    categories.Append(new GameCategory()); // cleared by Load
    GameCatalog::Load(categories, dir.path, [&](GameInfo& game) { seen.push_back(game.name); });

    ASSERT_EQ(categories.Count(), 5);
    EXPECT_EQ(categories[0]->name, "Karten Spiele");
    EXPECT_EQ(GameNames(*categories[0]), (std::vector<std::string>{"a", "b", "d", "a"}));
    EXPECT_EQ(categories[0]->catalogIndex, 0);
    EXPECT_EQ(categories[0]->Game(1)->catalogIndex, 0);
    EXPECT_EQ(categories[0]->Game(2)->catalogIndex, 1);
    EXPECT_EQ(categories[0]->Game(2)->category, categories[0]);
    EXPECT_EQ(categories[0]->Game(2)->DefinitionName(), "karten\\d\\d.game");
    EXPECT_EQ(GameNames(*categories[1]), (std::vector<std::string>{"c", "h"}));
    EXPECT_EQ(categories[1]->Game(1)->catalogIndex, 9);
    // Same name, other folder (and the reverse): separate categories.
    EXPECT_EQ(categories[2]->name, "Karten Spiele");
    EXPECT_EQ(categories[2]->path, "karten2");
    EXPECT_EQ(categories[3]->name, "Karten Spiele2");
    EXPECT_EQ(categories[4]->name, "Neu");
    EXPECT_EQ(categories[4]->catalogIndex, 9);
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "b", "c", "d", "a", "e", "f", "g", "h"}));
}

TEST(GameCatalog, OnlyAnAddOnOrNothingAtAll) {
    TempDir dir;
    GameCategoryList categories;
    GameCatalog::Load(categories, dir.path);
    EXPECT_EQ(categories.Count(), 0);
    dir.Write("Games_2.kat", Block("Zwei", "zwei", {"z"}));
    GameCatalog::Load(categories, dir.path);
    ASSERT_EQ(categories.Count(), 1);
    EXPECT_EQ(categories[0]->catalogIndex, 2);
    EXPECT_EQ(categories[0]->Game(0)->catalogIndex, 2);
}
