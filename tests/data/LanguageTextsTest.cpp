// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/LanguageTexts.h"
#include "data/GameArchiveWriter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> Words(const TextList& texts) {
    std::vector<std::string> out;
    for (const std::string* text : texts)
        out.push_back(*text);
    return out;
}

std::vector<std::string> Read(const std::string& text) {
    TextList texts;
    texts.Append(new std::string("stale"));
    std::istringstream input(text);
    ReadWordList(input, texts);
    return Words(texts);
}

} // namespace

TEST(ReadWordList, TransformsWordsAndSkipsCommentsWithoutShiftingIndices) {
    EXPECT_EQ(Read("Neues_Spiel Zeile_eins-Zeile_zwei //Kommentar_hier x/y_kommentar Ende"),
              (std::vector<std::string>{"Neues Spiel", "Zeile eins\nZeile zwei", "Ende"}));
    // Lines mean nothing, duplicates stay, a lone slash is a comment too.
    EXPECT_EQ(Read("a\n\n\tb\r\na / b"), (std::vector<std::string>{"a", "b", "a", "b"}));
    EXPECT_EQ(Read("ab/ a/b -"), (std::vector<std::string>{"ab/", "\n"}));
    EXPECT_TRUE(Read("").empty());
    std::ifstream closed("/nonexistent/file");
    TextList texts;
    texts.Append(new std::string("x"));
    ReadWordList(closed, texts);
    EXPECT_EQ(texts.Count(), 0);
}

TEST(LanguageTexts, UiTextsByLanguageAndIndexBounds) {
    TempDir dir;
    dir.Write("deutsch.lng", "//_UI-Texte\nSpielen Beenden\n// zwei_Wörter\nStatistik");
    dir.Write("english.lng", "Play Quit Statistics");
    LanguageTexts texts;
    ASSERT_TRUE(texts.LoadUiTexts(0, dir.path));
    ASSERT_EQ(texts.uiTexts.Count(), 4); // "zwei_Wörter" is a word of its own after "//"
    EXPECT_EQ(*texts.UiText(0), "Spielen");
    EXPECT_EQ(*texts.UiText(2), "zwei Wörter");
    EXPECT_EQ(texts.UiText(4), nullptr);
    EXPECT_EQ(texts.UiText(-1), nullptr);
    EXPECT_EQ(texts.UiTextOrEmpty(99), "");

    ASSERT_TRUE(texts.LoadUiTexts(1, dir.path));
    EXPECT_EQ(*texts.UiText(0), "Play");
    EXPECT_EQ(texts.uiTexts.Count(), 3);

    // Any other value reads the German file and nothing else.
    EXPECT_TRUE(texts.LoadUiTexts(7, dir.path));
    EXPECT_EQ(*texts.UiText(0), "Spielen");
    EXPECT_STREQ(LanguageLetter(7), "e");
    EXPECT_STREQ(LanguageLetter(0), "d");
    EXPECT_STREQ(LanguageLetter(1), "e");

    std::filesystem::remove(dir / "english.lng");
    EXPECT_FALSE(texts.LoadUiTexts(1, dir.path));
    EXPECT_EQ(texts.uiTexts.Count(), 0);
    EXPECT_EQ(texts.UiText(0), nullptr);
}

TEST(LanguageTexts, GameTextsComeFromTheGamesFamily) {
    TempDir dir;
    ASSERT_TRUE(GameArchiveWriter::Write(
        dir / "games.gob", {{"einfach\\erstes\\erstes_d.lng", "Lege_alle_Karten-ab."}}));
    ASSERT_TRUE(GameArchiveWriter::Write(
        dir / "games_4.gob", {{"mehr\\zweites\\zweites_e.lng", "Second //note rules"}}));
    std::unique_ptr<GameArchive> games;
    ArchiveList addOns;
    OpenArchiveFamily(dir.path, "games", games, addOns);
    ArchiveFamily family(games, addOns);

    LanguageTexts texts;
    EXPECT_EQ(texts.FirstGameText(), nullptr);
    ASSERT_TRUE(texts.LoadGameTexts(family, "einfach", "erstes", 0));
    EXPECT_EQ(*texts.FirstGameText(), "Lege alle Karten\nab.");
    ASSERT_TRUE(texts.LoadGameTexts(family, "mehr", "zweites", 1));
    EXPECT_EQ(texts.gameTexts.Count(), 2);
    EXPECT_EQ(*texts.FirstGameText(), "Second");
    // A game without its own text does not show the previous game's rules.
    EXPECT_FALSE(texts.LoadGameTexts(family, "einfach", "erstes", 1));
    EXPECT_EQ(texts.FirstGameText(), nullptr);
}

TEST(LanguageTexts, RandomBytesNeverHang) {
    TempDir dir;
    for (unsigned seed = 1; seed <= 10; ++seed) {
        dir.Write("deutsch.lng", RandomBytes(256 * 1024, seed));
        LanguageTexts texts;
        EXPECT_TRUE(texts.LoadUiTexts(0, dir.path));
        for (const std::string* text : texts.uiTexts)
            EXPECT_LT(text->size(), 10000u);
    }
    dir.Write("deutsch.lng", std::string(1000 * 1024, 'w') + " kurz");
    LanguageTexts texts;
    ASSERT_TRUE(texts.LoadUiTexts(0, dir.path));
    ASSERT_EQ(texts.uiTexts.Count(), 2);
    EXPECT_EQ(*texts.UiText(1), "kurz");
}
