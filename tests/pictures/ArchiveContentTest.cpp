// SPDX-License-Identifier: GPL-3.0-or-later
// What the data directory's archives hold: every fixed texture, every catalog entry's picture,
// every game's files; and the sizes the drawing code cuts from.
#include "PictureFiles.h"

#include "data/CatalogReader.h"
#include "data/GameArchive.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

// The fixed texture table, slots 0–2 and 6–44, as UTF-8 (converted to Latin-1 for lookups).
const char* const kFixedTextures[] = {
    "misc.PNG",
    "font.PNG",
    "splash.PNG",
    "menu.PNG",
    "statistiken.PNG",
    "options.PNG",
    "help.PNG",
    "spieltyp.PNG",
    "MainMenu_HG.PNG",
    "hintergrund\\urwald\\affe.PNG",
    "hintergrund\\urwald\\frosch.PNG",
    "hintergrund\\urwald\\schlange.PNG",
    "hintergrund\\urwald\\libelle.PNG",
    "hintergrund\\urwald\\pflanze.PNG",
    "hintergrund\\urwald\\spinne.PNG",
    "hintergrund\\urwald\\Urmensch_1.PNG",
    "hintergrund\\urwald\\Urmensch_2.PNG",
    "hintergrund\\urwald\\stage.PNG",
    "hintergrund\\western\\Bull.PNG",
    "hintergrund\\western\\flasche.PNG",
    "hintergrund\\western\\Indianer.PNG",
    "hintergrund\\western\\Kaktus.PNG",
    "hintergrund\\western\\Kakutus1.PNG",
    "hintergrund\\western\\Kakutus2.PNG",
    "hintergrund\\western\\Kakutus3.PNG",
    "hintergrund\\western\\knäul.PNG",
    "hintergrund\\western\\Mexikaner.PNG",
    "hintergrund\\western\\Saloon.PNG",
    "hintergrund\\western\\Tür.PNG",
    "hintergrund\\western\\Wanted.PNG",
    "hintergrund\\western\\Werbung.PNG",
    "hintergrund\\western\\Zielscheibe.PNG",
    "hintergrund\\western\\Stage_western.PNG",
    "hintergrund\\mädel1.PNG",
    "hintergrund\\mädel1_s.PNG",
    "hintergrund\\mädel1_n.PNG",
    "hintergrund\\mädel2.PNG",
    "hintergrund\\mädel2_s.PNG",
    "hintergrund\\mädel2_n.PNG",
    "hintergrund\\mundl.PNG",
    "hintergrund\\mundr.PNG",
    "hintergrund\\Tarzan.PNG",
};

std::string Latin1(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        auto c = static_cast<unsigned char>(utf8[i]);
        if (c == 0xC3 && i + 1 < utf8.size()) {
            out += static_cast<char>(0x40 + static_cast<unsigned char>(utf8[++i]));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string Utf8(const std::string& latin1) {
    std::string out;
    for (char ch : latin1) {
        auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += ch;
        }
    }
    return out;
}

std::unique_ptr<GameArchive> OpenData(const char* name) {
    return GameArchive::Open(DataDir() / name);
}

struct SheetSizeCase {
    const char* member;
    int width, height;
};

// The smallest sheets that hold every frame the animations and characters draw.
const SheetSizeCase kThemeSizes[] = {
    {"hintergrund\\urwald\\stage.PNG", 1024, 768},
    {"hintergrund\\urwald\\pflanze.PNG", 750, 222},
    {"hintergrund\\urwald\\frosch.PNG", 256, 384},
    {"hintergrund\\urwald\\affe.PNG", 1210, 322},
    {"hintergrund\\urwald\\libelle.PNG", 250, 200},
    {"hintergrund\\urwald\\schlange.PNG", 750, 422},
    {"hintergrund\\urwald\\spinne.PNG", 1110, 366},
    {"hintergrund\\urwald\\Urmensch_1.PNG", 3180, 760},
    {"hintergrund\\urwald\\Urmensch_2.PNG", 2000, 784},
    {"hintergrund\\western\\knäul.PNG", 50, 50},
    {"hintergrund\\western\\Stage_western.PNG", 1024, 768},
    {"hintergrund\\western\\Kakutus1.PNG", 240, 200},
    {"hintergrund\\western\\Kakutus2.PNG", 240, 200},
    {"hintergrund\\western\\Kakutus3.PNG", 240, 200},
    {"hintergrund\\western\\Saloon.PNG", 735, 352},
    {"hintergrund\\western\\Wanted.PNG", 1045, 870},
    {"hintergrund\\western\\Bull.PNG", 675, 308},
    {"hintergrund\\western\\Kaktus.PNG", 1490, 322},
    {"hintergrund\\western\\flasche.PNG", 1335, 1415},
    {"hintergrund\\western\\Tür.PNG", 725, 254},
    {"hintergrund\\western\\Werbung.PNG", 593, 297},
    {"hintergrund\\western\\Indianer.PNG", 1120, 1536},
    {"hintergrund\\western\\Mexikaner.PNG", 1360, 1416},
    {"hintergrund\\western\\Zielscheibe.PNG", 252, 37},
    {"hintergrund\\mädel1.PNG", 150, 412},
    {"hintergrund\\mädel1_s.PNG", 150, 412},
    {"hintergrund\\mädel1_n.PNG", 150, 412},
    {"hintergrund\\mädel2.PNG", 164, 412},
    {"hintergrund\\mädel2_s.PNG", 164, 412},
    {"hintergrund\\mädel2_n.PNG", 164, 412},
    {"hintergrund\\Tarzan.PNG", 164, 460},
    {"hintergrund\\mundl.PNG", 200, 32},
    {"hintergrund\\mundr.PNG", 250, 30},
};

struct CatalogGame {
    std::string category, game;
};

// The game catalog's folders: categories' PATH: and their games' PATH: words.
std::vector<CatalogGame> ReadGameCatalog(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<CatalogGame> games;
    std::string word, category;
    bool inCategory = false, inGame = false;
    std::string gamePath;
    std::vector<std::string> pending;
    while (in >> word) {
        if (!inCategory) {
            if (word == "KATEGORIE_START") {
                inCategory = true;
                category.clear();
                pending.clear();
            }
        } else if (inGame) {
            if (word == "PATH:") {
                in >> gamePath;
            } else if (word == "GAME_ENDE") {
                pending.push_back(gamePath);
                inGame = false;
            }
        } else if (word == "PATH:") {
            in >> category;
        } else if (word == "GAME_START") {
            inGame = true;
            gamePath.clear();
        } else if (word == "KATEGORIE_ENDE") {
            for (const std::string& g : pending) {
                games.push_back({category, g});
            }
            inCategory = false;
        }
    }
    return games;
}

} // namespace

TEST(ArchiveContent, BaseHoldsEveryFixedTexture) {
    auto base = OpenData("base.gob");
    ASSERT_TRUE(base) << "build/data/base.gob is missing";
    for (const char* name : kFixedTextures) {
        const GameArchive::Entry* e = base->Find(Latin1(name));
        ASSERT_NE(e, nullptr) << name;
        std::vector<uint8_t> data;
        EXPECT_TRUE(base->Read(*e, data)) << name;
        ASSERT_GE(data.size(), 8u) << name;
        EXPECT_EQ(data[1], 'P') << name; // PNG signature
        EXPECT_EQ(data[2], 'N') << name;
    }
}

TEST(ArchiveContent, ThemeAndCharacterSheetsHaveTheirFrameGrids) {
    for (const SheetSizeCase& c : kThemeSizes) {
        Pixels p = LoadPixels(Staged("base", c.member));
        ASSERT_TRUE(p.Loaded()) << c.member;
        EXPECT_EQ(p.width, c.width) << c.member;
        EXPECT_EQ(p.height, c.height) << c.member;
    }
}

TEST(ArchiveContent, EveryCardSetOfTheCatalogIsInCardsGob) {
    CardSetList sets;
    CatalogReader::ReadCardSetCatalog(sets, DataDir());
    if (sets.Count() == 0) {
        GTEST_SKIP() << "no Cards.typ in build/data yet";
    }
    auto cards = OpenData("cards.gob");
    ASSERT_TRUE(cards);
    for (int i = 0; i < sets.Count(); ++i) {
        const CardSetEntry* set = sets.Get(i);
        const GameArchive::Entry* e = cards->Find(set->path);
        ASSERT_NE(e, nullptr) << set->path;
        // The grid: six columns (faces, place symbols) and eighteen rows (faces, backs, frame,
        // the court cards with English indices).
        Pixels p = LoadPixels(Staged("cards", Utf8(set->path)));
        ASSERT_TRUE(p.Loaded()) << set->path;
        EXPECT_EQ(p.width, 6 * set->width) << set->path;
        EXPECT_EQ(p.height, 18 * set->height) << set->path;
    }
    EXPECT_GE(sets.Count(), 3);
}

TEST(ArchiveContent, EveryBackgroundOfTheCatalogIsInBackgroundGob) {
    BackgroundList list;
    CatalogReader::ReadBackgroundCatalog(list, DataDir());
    if (list.Count() == 0) {
        GTEST_SKIP() << "no Background.typ in build/data yet";
    }
    auto archive = OpenData("background.gob");
    ASSERT_TRUE(archive);
    for (int i = 0; i < list.Count(); ++i) {
        const BackgroundEntry* bg = list.Get(i);
        ASSERT_NE(archive->Find(bg->path), nullptr) << bg->path;
        Pixels p = LoadPixels(Staged("background", Utf8(bg->path)));
        ASSERT_TRUE(p.Loaded()) << bg->path;
        EXPECT_GE(p.width, bg->sourceRect.right) << bg->path;
        EXPECT_GE(p.height, bg->sourceRect.bottom) << bg->path;
    }
    EXPECT_GE(list.Count(), 6);
}

TEST(ArchiveContent, EveryGameOfTheCatalogHasItsDefinitionAndRulesInGamesGob) {
    const auto catalog = DataDir() / "Games.kat";
    if (!std::filesystem::exists(catalog)) {
        GTEST_SKIP() << "no Games.kat in build/data yet";
    }
    auto games = OpenData("games.gob");
    ASSERT_TRUE(games) << "build/data/games.gob is missing";
    auto list = ReadGameCatalog(catalog);
    ASSERT_FALSE(list.empty());
    for (const CatalogGame& g : list) {
        std::string folder = g.category + "\\" + g.game + "\\";
        EXPECT_NE(games->Find(folder + g.game + ".game"), nullptr) << folder;
        EXPECT_NE(games->Find(folder + g.game + "_d.lng"), nullptr) << folder;
        EXPECT_NE(games->Find(folder + g.game + "_e.lng"), nullptr) << folder;
    }
}

TEST(ArchiveContent, EveryGameOfTheCatalogHasItsPreview) {
    auto games = OpenData("games.gob");
    ASSERT_TRUE(games) << "build/data/games.gob is missing";
    for (const CatalogGame& g : ReadGameCatalog(DataDir() / "Games.kat")) {
        std::string member = g.category + "\\" + g.game + "\\vorschau.png";
        EXPECT_NE(games->Find(member), nullptr) << member;
        Pixels p = LoadPixels(Staged("games", member));
        EXPECT_GE(p.width, 300) << member;
        EXPECT_GE(p.height, 150) << member;
    }
}
