// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CatalogReader.h"
#include "data/CatalogSelection.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(CatalogReader, CardSetsFromMainAndNumberedCatalogsWithGaps) {
    TempDir dir;
    dir.Write("Cards.typ",
              "Kommentar TYP_START NAME: Klassisches_Blatt PATH: karten\\klassisch.png "
              "BREITE: 80 H\xD6HE: 120 TYP_ENDE\n"
              "TYP_START PATH: karten\\gross.png NAME: Gro\xDF TYP_ENDE");
    dir.Write("Cards_5.typ", "TYP_START\n NAME: Add-on\n BREITE: 71\n unbekannt: 3\n TYP_ENDE");
    dir.Write("Cards_99.typ", "TYP_START NAME: Letztes TYP_ENDE");
    dir.Write("Cards_100.typ", "TYP_START NAME: Zu_weit TYP_ENDE");

    CardSetList sets;
    sets.Append(new CardSetEntry{});
    CatalogReader::ReadCardSetCatalog(sets, dir.path);
    ASSERT_EQ(sets.Count(), 4);
    EXPECT_EQ(sets[0]->name, "Klassisches Blatt");
    EXPECT_EQ(sets[0]->path, "karten\\klassisch.png");
    EXPECT_EQ(sets[0]->width, 80);
    EXPECT_EQ(sets[0]->height, 120);
    EXPECT_EQ(sets[1]->name, "Gro\xDF");
    EXPECT_EQ(sets[1]->width, 0);
    EXPECT_EQ(sets[2]->name, "Add-on");
    EXPECT_EQ(sets[2]->width, 71);
    EXPECT_EQ(sets[2]->path, "");
    EXPECT_EQ(sets[3]->name, "Letztes");
}

TEST(CatalogReader, BackgroundBlocks) {
    std::istringstream input("HG_START NAME: Gr\xFCner_Filz PATH: filz.png RECT: 0 0 256 256 "
                             "KACHELN: 1 HG_ENDE HG_START RECT: 10 20 x 40 PATH: bild.png HG_ENDE");
    BackgroundList backgrounds;
    CatalogReader::ReadBackgroundBlocks(input, backgrounds);
    ASSERT_EQ(backgrounds.Count(), 2);
    EXPECT_EQ(backgrounds[0]->name, "Gr\xFCner Filz");
    EXPECT_TRUE(backgrounds[0]->tiled);
    EXPECT_EQ(backgrounds[0]->sourceRect.Width(), 256);
    EXPECT_EQ(backgrounds[0]->sourceRect.Height(), 256);
    // A value that is not a number is zero and does not swallow the next key.
    EXPECT_EQ(backgrounds[1]->sourceRect.left, 10);
    EXPECT_EQ(backgrounds[1]->sourceRect.right, 0);
    EXPECT_EQ(backgrounds[1]->sourceRect.bottom, 40);
    EXPECT_EQ(backgrounds[1]->path, "bild.png");
    EXPECT_FALSE(backgrounds[1]->tiled);
}

TEST(CatalogReader, EnglishNamesAreOptionalAndShownOnlyInEnglish) {
    std::istringstream cards("TYP_START NAME: Vier_Farben NAME_EN: Four_Colours PATH: v.png "
                             "TYP_ENDE TYP_START NAME: Eigenes PATH: e.png TYP_ENDE");
    CardSetList sets;
    CatalogReader::ReadCardSetBlocks(cards, sets);
    ASSERT_EQ(sets.Count(), 2);
    EXPECT_EQ(sets[0]->DisplayName(0), "Vier Farben");
    EXPECT_EQ(sets[0]->DisplayName(1), "Four Colours");
    EXPECT_EQ(sets[0]->path, "v.png");
    EXPECT_EQ(sets[1]->DisplayName(1), "Eigenes"); // no English name: the one name serves
    std::istringstream backgrounds("HG_START NAME_EN: Green_Felt NAME: Gr\xFCner_Filz HG_ENDE");
    BackgroundList list;
    CatalogReader::ReadBackgroundBlocks(backgrounds, list);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list[0]->DisplayName(1), "Green Felt");
    EXPECT_EQ(list[0]->DisplayName(0), "Gr\xFCner Filz");
}

TEST(CatalogReader, UnclosedBlockEndsAtTheEndOfTheFile) {
    TempDir dir;
    dir.Write("Background.typ", "HG_START NAME: Offen PATH: offen.png RECT: 1 2");
    dir.Write("Background_2.typ", "HG_START NAME: Zweites HG_ENDE");
    BackgroundList backgrounds;
    CatalogReader::ReadBackgroundCatalog(backgrounds, dir.path);
    ASSERT_EQ(backgrounds.Count(), 2);
    EXPECT_EQ(backgrounds[0]->name, "Offen");
    EXPECT_EQ(backgrounds[0]->sourceRect.top, 2);
    EXPECT_EQ(backgrounds[0]->sourceRect.right, 0);
    EXPECT_EQ(backgrounds[1]->name, "Zweites");
}

TEST(CatalogReader, RandomAndHugeFilesGiveNoEntriesAndNeverHang) {
    TempDir dir;
    for (unsigned seed = 1; seed <= 10; ++seed) {
        dir.Write("Cards.typ", RandomBytes(128 * 1024, seed));
        dir.Write("Background.typ", RandomBytes(128 * 1024, seed + 100));
        CardSetList sets;
        BackgroundList backgrounds;
        CatalogReader::ReadCardSetCatalog(sets, dir.path);
        CatalogReader::ReadBackgroundCatalog(backgrounds, dir.path);
        EXPECT_EQ(sets.Count(), 0);
        EXPECT_EQ(backgrounds.Count(), 0);
    }
    dir.Write("Cards.typ", "TYP_START NAME: " + std::string(5000, 'n') + " TYP_ENDE");
    CardSetList sets;
    CatalogReader::ReadCardSetCatalog(sets, dir.path);
    ASSERT_EQ(sets.Count(), 1);
    EXPECT_EQ(sets[0]->name.size(), 999u);
}

TEST(CatalogSelection, SameIndexTwiceDoesNothingAndStaleIndicesFallBack) {
    CardSetList sets;
    sets.Append(new CardSetEntry{"a.png", "A", 1, 1});
    sets.Append(new CardSetEntry{"b.png", "B", 1, 1});
    int currentIndex = -1;
    const CardSetEntry* current = nullptr;
    EXPECT_TRUE(CatalogSelection::Select(1, sets, currentIndex, current));
    EXPECT_EQ(currentIndex, 1);
    EXPECT_EQ(current, sets[1]);
    EXPECT_FALSE(CatalogSelection::Select(1, sets, currentIndex, current));
    EXPECT_TRUE(CatalogSelection::Select(7, sets, currentIndex, current));
    EXPECT_EQ(currentIndex, 0);
    EXPECT_EQ(current, sets[0]);
    EXPECT_FALSE(CatalogSelection::Select(-3, sets, currentIndex, current));

    CardSetList none;
    currentIndex = -1;
    EXPECT_TRUE(CatalogSelection::Select(4, none, currentIndex, current));
    EXPECT_EQ(currentIndex, 4);
    EXPECT_EQ(current, nullptr);
}
