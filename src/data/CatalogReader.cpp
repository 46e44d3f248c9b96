// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/CatalogReader.h"

#include "data/RegularFile.h"
#include "data/TextFileLimits.h"
#include "data/WordReader.h"

#include <sstream>
#include <string>

namespace {

constexpr size_t kMaxText = 999;

std::string DisplayName(std::string word) {
    for (char& c : word)
        if (c == '_') c = ' ';
    return word;
}

int32_t NextInt(WordReader& reader) {
    std::string word;
    int32_t value = 0;
    if (reader.Next(word)) WordReader::ParseInt(word, value);
    return value;
}

// "HÖHE:" with the Latin-1 Ö; the UTF-8 spelling of a catalog saved by a
// modern editor is accepted as well.
bool IsHeightKey(const std::string& word) {
    return word == "H\xD6HE:" || word == "HÖHE:";
}

template <typename List, typename ReadBlock>
void ReadCatalogFiles(List& list, const std::filesystem::path& folder, const std::string& stem,
                      ReadBlock readBlocks) {
    list.Clear();
    for (int number = 0; number < 100; ++number) {
        std::string name =
            number == 0 ? stem + ".typ" : stem + "_" + std::to_string(number) + ".typ";
        std::string bytes;
        if (RegularFile::Read(folder / name, TextFileLimits::kCatalogBytes, bytes) !=
            RegularFile::Status::ok)
            continue;
        std::istringstream input(std::move(bytes), std::ios::binary);
        readBlocks(input, list);
    }
}

} // namespace

void CatalogReader::ReadCardSetBlocks(std::istream& input, CardSetList& cardSets) {
    WordReader reader(input, kMaxText, TextFileLimits::kCatalogWords);
    std::string word;
    while (cardSets.Count() < TextFileLimits::kCatalogEntries && reader.Next(word)) {
        if (word != "TYP_START") continue;
        auto* entry = new CardSetEntry();
        while (reader.Next(word) && word != "TYP_ENDE") {
            if (word == "NAME:") {
                if (reader.Next(word)) entry->name = DisplayName(word);
            } else if (word == "NAME_EN:") {
                if (reader.Next(word)) entry->nameEnglish = DisplayName(word);
            } else if (word == "PATH:") {
                if (reader.Next(word)) entry->path = word;
            } else if (word == "BREITE:") {
                entry->width = NextInt(reader);
            } else if (IsHeightKey(word)) {
                entry->height = NextInt(reader);
            }
        }
        cardSets.Append(entry);
    }
}

void CatalogReader::ReadBackgroundBlocks(std::istream& input, BackgroundList& backgrounds) {
    WordReader reader(input, kMaxText, TextFileLimits::kCatalogWords);
    std::string word;
    while (backgrounds.Count() < TextFileLimits::kCatalogEntries && reader.Next(word)) {
        if (word != "HG_START") continue;
        auto* entry = new BackgroundEntry();
        while (reader.Next(word) && word != "HG_ENDE") {
            if (word == "NAME:") {
                if (reader.Next(word)) entry->name = DisplayName(word);
            } else if (word == "NAME_EN:") {
                if (reader.Next(word)) entry->nameEnglish = DisplayName(word);
            } else if (word == "PATH:") {
                if (reader.Next(word)) entry->path = word;
            } else if (word == "RECT:") {
                entry->sourceRect.left = NextInt(reader);
                entry->sourceRect.top = NextInt(reader);
                entry->sourceRect.right = NextInt(reader);
                entry->sourceRect.bottom = NextInt(reader);
            } else if (word == "KACHELN:") {
                if (reader.Next(word)) WordReader::ParseBool(word, entry->tiled);
            }
        }
        backgrounds.Append(entry);
    }
}

void CatalogReader::ReadCardSetCatalog(CardSetList& cardSets, const std::filesystem::path& folder) {
    ReadCatalogFiles(cardSets, folder, "Cards", ReadCardSetBlocks);
}

void CatalogReader::ReadBackgroundCatalog(BackgroundList& backgrounds,
                                          const std::filesystem::path& folder) {
    ReadCatalogFiles(backgrounds, folder, "Background", ReadBackgroundBlocks);
}
