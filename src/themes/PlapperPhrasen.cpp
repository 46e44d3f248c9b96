// SPDX-License-Identifier: GPL-3.0-or-later
#include "themes/PlapperPhrasen.h"

#include "data/TextFileLimits.h"
#include "data/WordReader.h"

#include <string_view>

namespace {

struct Section {
    std::string_view opener, closer;
    PtrList<std::string, true> PlapperPhrasen::*list;
};

constexpr Section sections[] = {
    {"KEYWORD_START", "KEYWORD_ENDE", &PlapperPhrasen::keywords},
    {"ANTWORTEN_START", "ANTWORTEN_ENDE", &PlapperPhrasen::answers},
    {"KA_START", "KA_ENDE", &PlapperPhrasen::unmatched},
    {"DUMMER_SPRUCH_START", "DUMMER_SPRUCH_ENDE", &PlapperPhrasen::sayings},
    {"BLABLA_START", "BLABLA_ENDE", &PlapperPhrasen::jokes},
    {"WUT_ENDE_START", "WUT_ENDE_ENDE", &PlapperPhrasen::angryEnds},
    {"WITZ_ENDE_START", "WITZ_ENDE_ENDE", &PlapperPhrasen::jokingEnds},
    {"SPIEL_WARTET_START", "SPIEL_WARTET_ENDE", &PlapperPhrasen::gameWaiting},
};

} // namespace

std::string PlapperPhrasen::Decode(const std::string& word) {
    std::string text = word;
    for (char& c : text) {
        if (c == '_')
            c = ' ';
        else if (c == '-')
            c = '\n';
    }
    return text;
}

void PlapperPhrasen::Read(std::istream& input) {
    WordReader reader(input, MaxEntryLength, TextFileLimits::kLanguageWords);
    std::string word;
    while (reader.Next(word)) {
        const Section* open = nullptr;
        for (const Section& section : sections)
            if (word == section.opener) open = &section;
        if (!open) continue;
        PtrList<std::string, true>& list = this->*(open->list);
        while (reader.Next(word) && word != open->closer)
            if (list.Count() < TextFileLimits::kLanguageEntries)
                list.Append(new std::string(Decode(word)));
    }
}

const std::string* PlapperPhrasen::Entry(const PtrList<std::string, true>& list, int index) {
    return list.Get(index);
}
