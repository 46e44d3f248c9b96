// SPDX-License-Identifier: GPL-3.0-or-later
// Both language files against the slot table content/texts/slots.tsv: every slot is there,
// and every text carries exactly the printf conversions its callers pass.
#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <map>

using namespace content;

namespace {

struct Slot {
    std::string role;
    std::string conversions; // "d d", "s", or "" for a plain text
};

std::map<int, Slot> ReadSlotTable() {
    std::map<int, Slot> slots;
    std::string text;
    if (!ReadFile(SourceDir() + "/texts/slots.tsv", text)) return slots;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("slot\t", 0) == 0) continue;
        const size_t tab1 = line.find('\t');
        const size_t tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string::npos || tab2 == std::string::npos) continue;
        Slot slot{line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)};
        if (slot.conversions == "-") slot.conversions.clear();
        slots[std::stoi(line.substr(0, tab1))] = slot;
    }
    return slots;
}

// The conversions of a printf format in order ("d d d"); a literal "%%" is none. A
// conversion that the safe formatter of the game cannot fill gives "?".
std::string Conversions(const std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') continue;
        if (i + 1 < text.size() && text[i + 1] == '%') {
            ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < text.size() && std::string("-+ #0123456789").find(text[j]) != std::string::npos)
            ++j;
        const char conversion = j < text.size() ? text[j] : '?';
        if (!result.empty()) result += ' ';
        result += (conversion == 'd' || conversion == 's') ? conversion : '?';
        i = j;
    }
    return result;
}

void CheckLanguage(const std::string& file) {
    const auto slots = ReadSlotTable();
    ASSERT_EQ(slots.size(), 118u) << "slot table";
    bool opened = false;
    const auto texts = ReadWordList(DataDir() + "/" + file, opened);
    ASSERT_TRUE(opened) << file;
    ASSERT_EQ(texts.size(), slots.size()) << file << " holds a different number of slots";
    for (const auto& [index, slot] : slots) {
        ASSERT_LT(index, static_cast<int>(texts.size()));
        const std::string& text = texts[index];
        EXPECT_EQ(Conversions(text), slot.conversions)
            << file << " slot " << index << " (" << slot.role << "): \"" << Utf8(text) << "\"";
        if (slot.conversions.empty()) {
            EXPECT_EQ(text.find('%'), std::string::npos)
                << file << " slot " << index << " is drawn as it is and shows a percent sign";
        }
        if (slot.role != "placeholder") {
            EXPECT_NE(text.find_first_not_of(" \n"), std::string::npos)
                << file << " slot " << index << " (" << slot.role << ") is empty";
        }
    }
}

} // namespace

TEST(UiTextSlots, ConversionCounterKnowsLiteralPercentAndFlags) {
    EXPECT_EQ(Conversions("Zeit: %d:%02d"), "d d");
    EXPECT_EQ(Conversions("Quote: %d %%"), "d");
    EXPECT_EQ(Conversions("Name: %s"), "s");
    EXPECT_EQ(Conversions("100%"), "?");
    EXPECT_EQ(Conversions("%f"), "?");
}

TEST(UiTextSlots, GermanFileMatchesTheSlotTable) {
    CheckLanguage("deutsch.lng");
}

TEST(UiTextSlots, EnglishFileMatchesTheSlotTable) {
    CheckLanguage("english.lng");
}

TEST(UiTextSlots, LanguagesAgreeOnWhichSlotsArePlaceholders) {
    bool openedDe = false, openedEn = false;
    const auto de = ReadWordList(DataDir() + "/deutsch.lng", openedDe);
    const auto en = ReadWordList(DataDir() + "/english.lng", openedEn);
    ASSERT_TRUE(openedDe && openedEn);
    ASSERT_EQ(de.size(), en.size());
    for (size_t i = 0; i < de.size(); ++i)
        EXPECT_EQ(de[i] == " ", en[i] == " ") << "slot " << i << " is empty in one language only";
}

TEST(UiTextSlots, HelpPagesAreRealPages) {
    for (const char* file : {"deutsch.lng", "english.lng"}) {
        bool opened = false;
        const auto texts = ReadWordList(DataDir() + "/" + file, opened);
        ASSERT_TRUE(opened) << file;
        ASSERT_GE(texts.size(), 114u);
        for (int slot : {112, 113}) {
            EXPECT_GT(texts[slot].size(), 300u) << file << " slot " << slot;
            // The page shows about 25 lines of 50 characters at the help page's text size.
            EXPECT_LT(texts[slot].size(), 1200u) << file << " slot " << slot;
        }
    }
}
