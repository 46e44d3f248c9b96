// SPDX-License-Identifier: GPL-3.0-or-later
// The chatter files the game ships: every character finds its texts in both languages,
// every keyword can be typed and reaches its own answer, the keyword indices that carry
// meaning are there, and every text fits its speech bubble.
#include "PlapperTestSupport.h"
#include "data/TextFormatter.h"
#include "platform/SystemFont.h"
#include "themes/PlapperMädel1.h"
#include "themes/PlapperMädel2.h"
#include "themes/PlapperTarzan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

namespace {

using plappertest::Stage;

struct Character {
    std::string prefix;
    int needKeywords; // the highest index that carries meaning, plus one
    bool idleTalk;
};

const Character kCharacters[] = {
    {"blabla_links", 37, true},
    {"blabla_rechts", 38, true},
    {"blabla_tarzan_rechts", 5, false},
};

std::filesystem::path StagedFile(const std::string& name) {
    return std::filesystem::path(KH_BINARY_DIR) / "stage" / "games" / name;
}

// The texts of one chatter file, loaded the way the characters load them.
std::unique_ptr<PlapperPhrasen> Load(const std::string& name) {
    std::ifstream in(StagedFile(name), std::ios::binary);
    if (!in) return nullptr;
    auto phrases = std::make_unique<PlapperPhrasen>();
    phrases->Read(in);
    return phrases;
}

bool Typeable(const std::string& keyword) {
    for (unsigned char c : keyword) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' || c == 0xE4 ||
                        c == 0xF6 || c == 0xFC;
        if (!ok) return false;
    }
    return !keyword.empty();
}

// How the keyboard sends a typed character.
uint32_t KeyOf(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if (c == 0xFC) return VirtualKey::OemUUmlaut;
    if (c == 0xF6) return VirtualKey::OemOUmlaut;
    if (c == 0xE4) return VirtualKey::OemAUmlaut;
    return c;
}

TEST(PlapperInhalt, EveryCharacterHasItsTextsInBothLanguages) {
    for (const Character& character : kCharacters) {
        for (int language : {0, 1}) {
            const std::string name = PlapperMaschine::ChatterFileName(character.prefix, language);
            const auto phrases = Load(name);
            if (!phrases) GTEST_SKIP() << "the content build has not staged " << name;
            SCOPED_TRACE(name);
            EXPECT_GE(phrases->keywords.Count(), character.needKeywords);
            EXPECT_EQ(phrases->answers.Count(), phrases->keywords.Count());
            EXPECT_GE(phrases->unmatched.Count(), 3);
            if (!character.idleTalk) continue;
            EXPECT_GE(phrases->sayings.Count(), 5);
            EXPECT_GE(phrases->angryEnds.Count(), 2);
            EXPECT_GE(phrases->jokingEnds.Count(), 2);
            EXPECT_GE(phrases->gameWaiting.Count(), 2);
            if (character.prefix == "blabla_links") {
                EXPECT_GE(phrases->jokes.Count(), 8);
                EXPECT_EQ(phrases->jokes.Count() % 2, 0) << "jokes come in pairs";
            }
        }
    }
}

TEST(PlapperInhalt, EveryKeywordCanBeTypedAndReachesItsOwnAnswer) {
    for (const Character& character : kCharacters) {
        for (int language : {0, 1}) {
            const std::string name = PlapperMaschine::ChatterFileName(character.prefix, language);
            const auto phrases = Load(name);
            if (!phrases) GTEST_SKIP() << "the content build has not staged " << name;
            SCOPED_TRACE(name);
            std::set<std::string> seen;
            for (int i = 0; i < phrases->keywords.Count(); ++i) {
                const std::string& keyword = *phrases->keywords[i];
                EXPECT_TRUE(Typeable(keyword)) << i << " '" << keyword << "'";
                EXPECT_TRUE(seen.insert(keyword).second) << "keyword " << i << " hides behind "
                                                         << "an earlier one: " << keyword;
            }
            // One keyword typed on the keyboard, the way a player would.
            Stage stage;
            std::unique_ptr<PlapperMaschine> talker;
            if (character.prefix == "blabla_links")
                talker = std::make_unique<PlapperMädel1>(stage.app);
            else if (character.prefix == "blabla_rechts")
                talker = std::make_unique<PlapperMädel2>(stage.app);
            else
                talker = std::make_unique<PlapperTarzan>(stage.app);
            std::ifstream in(StagedFile(name), std::ios::binary);
            talker->LoadPhrases(in);
            const int index = character.prefix == "blabla_tarzan_rechts" ? 6 : 2;
            talker->state = PlapperMaschine::Listening;
            for (unsigned char c : *talker->phrases.keywords[index])
                talker->OnKeyDown(KeyOf(c));
            talker->OnKeyDown(VirtualKey::Return);
            EXPECT_EQ(talker->speechText, FormatText(*talker->phrases.answers[index]));
        }
    }
}

TEST(PlapperInhalt, TheTimeAnswersTakeTheClockAndNoOtherTextHasAConversion) {
    for (const Character& character : kCharacters) {
        for (int language : {0, 1}) {
            const std::string name = PlapperMaschine::ChatterFileName(character.prefix, language);
            const auto phrases = Load(name);
            if (!phrases) GTEST_SKIP() << "the content build has not staged " << name;
            SCOPED_TRACE(name);
            const int timeIndex = character.prefix == "blabla_links"    ? 29
                                  : character.prefix == "blabla_rechts" ? 26
                                                                        : -1;
            for (int i = 0; i < phrases->answers.Count(); ++i) {
                const std::string& answer = *phrases->answers[i];
                if (i == timeIndex) {
                    EXPECT_NE(FormatText(answer, {9, 5}).find("9:05"), std::string::npos) << answer;
                } else {
                    EXPECT_EQ(FormatText(answer, {1, 2}), FormatText(answer))
                        << "answer " << i << " would print a conversion: " << answer;
                }
            }
        }
    }
}

TEST(PlapperInhalt, EveryTextFitsItsSpeechBubble) {
    const auto font = SystemFont::Create(static_cast<int>(0.5 * 46));
    if (!font) GTEST_SKIP() << "no system font";
    const uint32_t format = TextFormat::Centre | TextFormat::VerticalCentre | TextFormat::WordBreak;
    for (const Character& character : kCharacters) {
        // The bubbles of all three characters have the same size.
        const IntRect rect{0, 0, 213, 131};
        for (int language : {0, 1}) {
            const std::string name = PlapperMaschine::ChatterFileName(character.prefix, language);
            const auto phrases = Load(name);
            if (!phrases) GTEST_SKIP() << "the content build has not staged " << name;
            SCOPED_TRACE(name);
            auto check = [&](const PtrList<std::string, true>& list) {
                for (int i = 0; i < list.Count(); ++i) {
                    const std::string text = FormatText(*list[i], {12, 34});
                    const auto lines = font->Layout(text, rect, format);
                    EXPECT_LE(static_cast<int>(lines.size()) * font->LineHeight(), rect.Height())
                        << text;
                    for (const PlacedTextLine& line : lines)
                        EXPECT_LE(line.width, rect.Width()) << line.text;
                }
            };
            check(phrases->answers);
            check(phrases->unmatched);
            check(phrases->sayings);
            check(phrases->jokes);
            check(phrases->angryEnds);
            check(phrases->jokingEnds);
            check(phrases->gameWaiting);
        }
    }
}

} // namespace
