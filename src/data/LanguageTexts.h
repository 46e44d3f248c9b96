// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts the player reads, from ".lng" word lists: the UI texts of the
// current language ("deutsch.lng" or "english.lng" in the working directory)
// and the rules text of the running game ("CATEGORY\\GAME\\GAME_L.lng" in the
// games archives, L = "d" German, "e" otherwise). AppState derives from this
// record, so `uiTexts`, `gameTexts`, `UiText` and `FirstGameText` are its own.
//
// Word-list format: every whitespace-separated word is one entry in file order;
// "_" becomes a blank and "-" a line break; a word whose first or second
// character is a slash is a comment and takes no index.
#include "data/ArchiveSet.h"
#include "data/PtrList.h"

#include <filesystem>
#include <istream>
#include <string>

using TextList = PtrList<std::string, true>;

// Clears the list, then appends every non-comment word of the stream.
void ReadWordList(std::istream& input, TextList& texts);

// "d" for German (0), "e" for every other value.
const char* LanguageLetter(int language);
// "deutsch.lng" for 0, "english.lng" for 1, and German for any other value (a
// hand-edited setting), so no other file is ever opened.
const char* UiLanguageFileName(int language);

struct LanguageTexts {
    TextList uiTexts;
    TextList gameTexts;

    // Replaces the UI texts with those of the language's file in the folder
    // (working directory when empty). A missing file leaves the list empty.
    // The caller records the language setting.
    bool LoadUiTexts(int language, const std::filesystem::path& folder = {});

    // The UI text at an index, or null for a negative index or one past the end.
    const std::string* UiText(int index) const { return uiTexts.Get(index); }
    // The same, with an empty text where the file lacks the entry.
    const std::string& UiTextOrEmpty(int index) const;

    // Reads the rules text of a game from the games family (the main archive,
    // then each add-on). A game without its own text file leaves the list
    // empty rather than showing another game's rules. False when not found.
    bool LoadGameTexts(const ArchiveFamily& games, const std::string& categoryPath,
                       const std::string& gamePath, int language);
    // Entry 0 of the game texts, or null when there is none.
    const std::string* FirstGameText() const { return gameTexts.Get(0); }
};
