// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of one talking character, read from its chatter file: eight lists of entries,
// each filled from the words between a section's opener and its closer.
//
//   KEYWORD_START wie_spät_ist_es KEYWORD_ENDE  ANTWORTEN_START Es_ist_%d:%02d. ANTWORTEN_ENDE
//
// An entry is one word; "_" in it stands for a blank and "-" for a line break.
#include "data/PtrList.h"

#include <istream>
#include <string>

class PlapperPhrasen {
public:
    PtrList<std::string, true> keywords;    // KEYWORD: compared with the typed question
    PtrList<std::string, true> answers;     // ANTWORTEN: answer i belongs to keyword i
    PtrList<std::string, true> unmatched;   // KA: replies when no keyword matched
    PtrList<std::string, true> sayings;     // DUMMER_SPRUCH: idle sayings, silly replies
    PtrList<std::string, true> jokes;       // BLABLA: opening 2k, follow-up 2k + 1
    PtrList<std::string, true> angryEnds;   // WUT_ENDE
    PtrList<std::string, true> jokingEnds;  // WITZ_ENDE
    PtrList<std::string, true> gameWaiting; // SPIEL_WARTET

    // Appends the entries of every section of `input` (a section may come more than once).
    // Words outside the sections are skipped; a file ending inside a section just ends.
    void Read(std::istream& input);

    // Entry `index` of a list, or nothing when the list has no such entry.
    static const std::string* Entry(const PtrList<std::string, true>& list, int index);
    // "_" → blank, "-" → line feed.
    static std::string Decode(const std::string& word);

    static constexpr size_t MaxEntryLength = 999;
};
