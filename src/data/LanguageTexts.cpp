// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/LanguageTexts.h"

#include "data/ArchiveMemberStream.h"
#include "data/RegularFile.h"
#include "data/TextFileLimits.h"
#include "data/WordReader.h"

#include <sstream>

void ReadWordList(std::istream& input, TextList& texts) {
    texts.Clear();
    WordReader reader(input, 9999, TextFileLimits::kLanguageWords);
    std::string word;
    while (texts.Count() < TextFileLimits::kLanguageEntries && reader.Next(word)) {
        if (word[0] == '/' || (word.size() > 1 && word[1] == '/')) continue;
        for (char& c : word) {
            if (c == '_')
                c = ' ';
            else if (c == '-')
                c = '\n';
        }
        texts.Append(new std::string(word));
    }
}

const char* LanguageLetter(int language) {
    return language == 0 ? "d" : "e";
}

const char* UiLanguageFileName(int language) {
    return language == 1 ? "english.lng" : "deutsch.lng";
}

bool LanguageTexts::LoadUiTexts(int language, const std::filesystem::path& folder) {
    uiTexts.Clear();
    std::string bytes;
    if (RegularFile::Read(folder / UiLanguageFileName(language), TextFileLimits::kLanguageBytes,
                          bytes) != RegularFile::Status::ok)
        return false;
    std::istringstream input(std::move(bytes), std::ios::binary);
    ReadWordList(input, uiTexts);
    return true;
}

const std::string& LanguageTexts::UiTextOrEmpty(int index) const {
    static const std::string empty;
    const std::string* text = UiText(index);
    return text ? *text : empty;
}

bool LanguageTexts::LoadGameTexts(const ArchiveFamily& games, const std::string& categoryPath,
                                  const std::string& gamePath, int language) {
    std::string name =
        categoryPath + "\\" + gamePath + "\\" + gamePath + "_" + LanguageLetter(language) + ".lng";
    ArchiveMemberStream stream;
    if (!stream.Open(games, name, TextFileLimits::kLanguageBytes)) {
        gameTexts.Clear();
        return false;
    }
    ReadWordList(*stream.Stream(), gameTexts);
    return true;
}
