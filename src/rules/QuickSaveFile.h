// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of quick.sav: the score state of a running game and the cards of every
// pile. One item per line, key and value separated by a tab:
//   UNDO_POINTS: PUNKTE: PUNKTEBONUS: DBLFAILED: ZEIT:   then per pile
//   STAPEL_START  ID: n  SICHTBAR_START  KARTE: suit rank ...  SICHTBAR_ENDE
//   VERDECKT_START  KARTE: ...  VERDECKT_ENDE  [HOLEN: n]  STAPEL_ENDE
// Doubles are written with six significant digits (95.4321, 1.23457e+06).
//
// The reader is forgiving: it reads white-space separated words, skips what it
// does not know and never trusts a count. What it keeps is bounded: words are cut
// at kMaxWordLength characters, at most kMaxCards cards and kMaxPiles pile blocks
// are kept (the rest of the file is still read and skipped), and a card whose
// suit is not 0..3 or whose rank is not 0..12 is dropped.
#include <iosfwd>
#include <string>
#include <vector>

struct SavedCard {
    int suit = 0;
    int rank = 0;
    bool faceDown = false;
};

struct SavedPile {
    int id = 0;
    std::vector<SavedCard> cards; // in file order; faceDown tells the list
    bool closed = false;          // its "STAPEL_ENDE" was read
    int holenCount = 0;           // "HOLEN:", redeals used (written only when not 0)
};

class QuickSaveFile {
public:
    static constexpr int kMaxCards = 10000;
    static constexpr int kMaxPiles = 10000;
    static constexpr size_t kMaxWordLength = 999;

    // Values a loaded game starts with; a file that lacks a key keeps them.
    int undoCount = 0;
    double goalBonus = 0;
    double timeScore = 1000;
    int failedDoubleClicks = 0;
    double gameTime = 0;
    std::vector<SavedPile> piles;

    void Write(std::ostream& out) const;
    std::string ToText() const;
    // Writes through a temporary file beside path and renames it over path, so a
    // failed write never leaves a truncated save. Returns false on any failure, which is
    // reported on stderr and listed for the player (PlayerFile).
    bool WriteFile(const std::string& path) const;
    // The file of a game on disk, relative to the working directory:
    // "CATEGORY/GAME/quick.sav" from the Latin-1 folder names of the catalog.
    static std::string PathFor(const std::string& categoryFolder, const std::string& gameFolder);

    void Read(std::istream& in);
    // False when the file cannot be opened, is no regular file or is larger
    // than TextFileLimits::kQuickSaveBytes; the object is then unchanged.
    bool ReadFile(const std::string& path);

    int CardCount() const;
};
