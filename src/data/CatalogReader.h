// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the card-set and background catalogs: "Cards.typ" then "Cards_1.typ" …
// "Cards_99.typ" (and "Background.typ", "Background_N.typ") from a folder,
// skipping the names that do not exist. Each file is words in blocks:
//
//   TYP_START NAME: Klassisch PATH: karten\klassisch.png BREITE: 80 HÖHE: 120 TYP_ENDE
//   HG_START NAME: Grüner_Filz PATH: filz.png RECT: 0 0 256 256 KACHELN: 1 HG_ENDE
//
// Words outside blocks and unknown words inside are ignored; a missing key
// leaves its field zero or empty. A value is the next word; a number that does
// not parse leaves the field zero. A block still open at the end of the file
// ends there and its entry is kept. Texts are cut at 999 characters. Only
// regular files of at most TextFileLimits::kCatalogBytes are read, and a
// catalog keeps at most kCatalogEntries entries.
#include "data/BackgroundEntry.h"
#include "data/CardSetEntry.h"
#include "data/PtrList.h"

#include <filesystem>
#include <istream>

using CardSetList = PtrList<CardSetEntry, true>;
using BackgroundList = PtrList<BackgroundEntry, true>;

class CatalogReader {
public:
    // Clear the list, then read every catalog file of the folder (the working
    // directory when empty) in ascending number.
    static void ReadCardSetCatalog(CardSetList& cardSets, const std::filesystem::path& folder = {});
    static void ReadBackgroundCatalog(BackgroundList& backgrounds,
                                      const std::filesystem::path& folder = {});

    // Append the blocks of one catalog stream.
    static void ReadCardSetBlocks(std::istream& input, CardSetList& cardSets);
    static void ReadBackgroundBlocks(std::istream& input, BackgroundList& backgrounds);
};
