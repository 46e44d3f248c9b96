// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One card set of the card-set catalog ("Cards.typ", "Cards_N.typ"). Its image
// is a grid of width × height cells: rows 0 … 12 the faces from KÖNIG down to
// ASS in the columns PIK, HERZ, KREUZ, KARO; row 13 the four card backs; row
// 14 the empty-place frame (column 1) and the marker overlay (column 2);
// columns 4 and 5 the rank and suit symbols of empty places. 6 × 15 cells.
#include <cstdint>
#include <string>

struct CardSetEntry {
    std::string path;   // member name of the image in the cards archives (PATH:)
    std::string name;   // shown to the player, underscores as blanks (NAME:)
    int32_t width = 0;  // BREITE: pixels of one cell
    int32_t height = 0; // HÖHE:
    std::string nameEnglish; // NAME_EN:, shown in English when given (last: older
                             // aggregate initialisers keep their meaning)
    // The name for the interface language (0 German, else English).
    const std::string& DisplayName(int language) const {
        return language != 0 && !nameEnglish.empty() ? nameEnglish : name;
    }
};
