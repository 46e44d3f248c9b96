#include "data/LanguageTexts.h"

#include "data/ArchiveMemberStream.h"
#include "data/WordReader.h"

#include <fstream>

void ReadWordList(std::istream& input, TextList& texts) {
    texts.Clear();
    WordReader reader(input, 9999);
    std::string word;
    while (reader.Next(word)) {
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
    std::ifstream input(folder / UiLanguageFileName(language), std::ios::binary);
    if (!input) return false;
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
    if (!stream.Open(games, name)) {
        gameTexts.Clear();
        return false;
    }
    ReadWordList(*stream.Stream(), gameTexts);
    return true;
}
