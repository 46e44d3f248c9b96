// SPDX-License-Identifier: GPL-3.0-or-later
// Special and oversized files where the program expects its text files: FIFOs
// and links to endless devices are refused without blocking, files beyond
// their size limit are not read, and the lists the readers fill stop at their
// limits.
#include "data/CatalogReader.h"
#include "data/Configuration.h"
#include "data/GameCatalog.h"
#include "data/GameStatistics.h"
#include "data/GlobalStatistics.h"
#include "data/LanguageTexts.h"
#include "data/RegularFile.h"
#include "data/TextFileLimits.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using TextFileLimits::kKiB;

// Puts a FIFO (without a writer), a link to /dev/zero or one to /dev/urandom at a name.
enum class Special { fifo, zero, urandom };
void MakeSpecial(const fs::path& at, Special kind) {
    fs::create_directories(at.parent_path());
    if (kind == Special::fifo)
        ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0);
    else
        fs::create_symlink(kind == Special::zero ? "/dev/zero" : "/dev/urandom", at);
}

} // namespace

TEST(RegularFile, ReadsOnlyRegularFilesWithinTheLimit) {
    TempDir dir;
    std::string bytes = "untouched";
    EXPECT_EQ(RegularFile::Read(dir / "missing", 100, bytes), RegularFile::Status::missing);
    EXPECT_EQ(RegularFile::Read(dir.path, 100, bytes), RegularFile::Status::notRegular);
    EXPECT_EQ(RegularFile::Read("/dev/zero", 100, bytes), RegularFile::Status::notRegular);
    MakeSpecial(dir / "fifo", Special::fifo);
    EXPECT_EQ(RegularFile::Read(dir / "fifo", 100, bytes), RegularFile::Status::notRegular);
    dir.Write("big", std::string(101, 'x'));
    EXPECT_EQ(RegularFile::Read(dir / "big", 100, bytes), RegularFile::Status::tooLarge);
    EXPECT_EQ(bytes, "untouched");
    dir.Write("fits", std::string(100, 'y'));
    fs::create_symlink(dir / "fits", dir / "link");
    ASSERT_EQ(RegularFile::Read(dir / "link", 100, bytes), RegularFile::Status::ok);
    EXPECT_EQ(bytes, std::string(100, 'y'));
    dir.Write("empty", "");
    ASSERT_EQ(RegularFile::Read(dir / "empty", 100, bytes), RegularFile::Status::ok);
    EXPECT_EQ(bytes, "");
}

// Every start-up reader at once, with each kind of special file: nothing
// blocks, nothing is read, and the defaults stay.
TEST(SpecialFiles, StartUpReadersRefuseFifosAndEndlessDevices) {
    for (Special kind : {Special::fifo, Special::zero, Special::urandom}) {
        TempDir dir;
        MakeSpecial(dir / "solitär.cfg", kind);
        MakeSpecial(dir / "stats.hs", kind);
        MakeSpecial(dir / "deutsch.lng", kind);
        MakeSpecial(dir / "Cards.typ", kind);
        MakeSpecial(dir / "Background_3.typ", kind);
        MakeSpecial(dir / "Games_1.kat", kind);
        MakeSpecial(dir / "karten" / "klondike" / "stats.hs", kind);
        dir.Write("Games.kat", "KATEGORIE_START NAME: Karten PATH: karten "
                               "GAME_START NAME: Klondike PATH: klondike GAME_ENDE KATEGORIE_ENDE");

        Configuration settings;
        settings.soundVolume = 7;
        EXPECT_FALSE(settings.ReadConfigurationFile(dir / "solitär.cfg"));
        EXPECT_EQ(settings.soundVolume, 100); // the defaults
        GlobalStatistics global;
        global.Read(dir / "stats.hs");
        EXPECT_EQ(global.clicks, 0);
        LanguageTexts texts;
        EXPECT_FALSE(texts.LoadUiTexts(0, dir.path));
        CardSetList cardSets;
        CatalogReader::ReadCardSetCatalog(cardSets, dir.path);
        EXPECT_EQ(cardSets.Count(), 0);
        BackgroundList backgrounds;
        CatalogReader::ReadBackgroundCatalog(backgrounds, dir.path);
        EXPECT_EQ(backgrounds.Count(), 0);
        GameCategoryList categories;
        GameCatalog::Load(categories, dir.path,
                          [&](GameInfo& game) { game.statistics->Read(dir.path); });
        ASSERT_EQ(categories.Count(), 1);
        EXPECT_EQ(categories[0]->Game(0)->statistics->wins, 0);
    }
}

TEST(SpecialFiles, FilesBeyondTheirSizeLimitAreNotRead) {
    TempDir dir;
    const std::string padding(TextFileLimits::kSettingsBytes, ' ');
    dir.Write("solitär.cfg", "SOUND: 0\n" + padding);
    Configuration settings;
    EXPECT_FALSE(settings.ReadConfigurationFile(dir / "solitär.cfg"));
    EXPECT_EQ(settings.soundVolume, 100);
    dir.Write("solitär.cfg", "SOUND: 0\n" + padding.substr(20));
    EXPECT_TRUE(settings.ReadConfigurationFile(dir / "solitär.cfg"));
    EXPECT_EQ(settings.soundVolume, 0);

    dir.Write("deutsch.lng", "Hallo " + std::string(TextFileLimits::kLanguageBytes, '\n'));
    LanguageTexts texts;
    EXPECT_FALSE(texts.LoadUiTexts(0, dir.path));
    dir.Write("stats.hs", "ANZ_KLICK: 5 " + std::string(TextFileLimits::kStatisticsBytes, '\t'));
    GlobalStatistics global;
    global.Read(dir / "stats.hs");
    EXPECT_EQ(global.clicks, 0);
}

TEST(SpecialFiles, ListsStopAtTheirEntryLimits) {
    std::string words;
    for (int i = 0; i < TextFileLimits::kLanguageEntries + 500; ++i)
        words += "w" + std::to_string(i) + " ";
    std::istringstream language(words);
    TextList texts;
    ReadWordList(language, texts);
    ASSERT_EQ(texts.Count(), TextFileLimits::kLanguageEntries);
    EXPECT_EQ(*texts.Last(), "w" + std::to_string(TextFileLimits::kLanguageEntries - 1));

    std::string cardBlocks;
    for (int i = 0; i < TextFileLimits::kCatalogEntries + 10; ++i)
        cardBlocks += "TYP_START NAME: n" + std::to_string(i) + " TYP_ENDE ";
    std::istringstream cards(cardBlocks);
    CardSetList cardSets;
    CatalogReader::ReadCardSetBlocks(cards, cardSets);
    EXPECT_EQ(cardSets.Count(), TextFileLimits::kCatalogEntries);

    // Categories of distinct names beyond the limit are dropped with their
    // games; games beyond the limit are dropped too, even in known categories.
    std::string catalog;
    for (int i = 0; i < TextFileLimits::kGameCategories + 5; ++i)
        catalog += "KATEGORIE_START NAME: c" + std::to_string(i) + " PATH: c GAME_START NAME: g "
                   "PATH: g GAME_ENDE KATEGORIE_ENDE ";
    catalog += "KATEGORIE_START NAME: c0 PATH: c ";
    for (int i = 0; i < TextFileLimits::kGames; ++i)
        catalog += "GAME_START PATH: x" + std::to_string(i) + " GAME_ENDE ";
    catalog += "KATEGORIE_ENDE";
    std::istringstream input(catalog);
    GameCategoryList categories;
    int hooked = 0;
    GameCatalog::ReadCatalog(input, 0, categories, [&](GameInfo&) { ++hooked; });
    ASSERT_EQ(categories.Count(), TextFileLimits::kGameCategories);
    int games = 0;
    for (const GameCategory* category : categories)
        games += category->GameCount();
    EXPECT_EQ(games, TextFileLimits::kGames);
    EXPECT_EQ(categories[0]->GameCount(), 1 + TextFileLimits::kGames - TextFileLimits::kGameCategories);
    EXPECT_LE(hooked, TextFileLimits::kGames + 5);
}

TEST(SpecialFiles, MergingManyCategoriesKeepsOrderAndOwners) {
    // Every category twice, the second time from an add-on: the merge finds
    // its namesake by name and folder, whatever bytes they hold.
    std::string first, second;
    for (int i = 0; i < 500; ++i) {
        const std::string name = "k" + std::to_string(i);
        first += "KATEGORIE_START NAME: " + name + " PATH: p GAME_START PATH: a GAME_ENDE KATEGORIE_ENDE ";
        second += "KATEGORIE_START NAME: " + name + " PATH: p GAME_START PATH: b GAME_ENDE KATEGORIE_ENDE ";
    }
    // Same bytes split differently between name and folder: not the same category.
    second += "KATEGORIE_START NAME: k PATH: 1p KATEGORIE_ENDE";
    GameCategoryList categories;
    std::istringstream main(first), addOn(second);
    GameCatalog::ReadCatalog(main, 0, categories);
    GameCatalog::ReadCatalog(addOn, 1, categories);
    ASSERT_EQ(categories.Count(), 501);
    for (int i = 0; i < 500; ++i) {
        const GameCategory& category = *categories[i];
        EXPECT_EQ(category.name, "k" + std::to_string(i));
        ASSERT_EQ(category.GameCount(), 2);
        EXPECT_EQ(category.Game(1)->path, "b");
        EXPECT_EQ(category.Game(1)->category, &category);
        EXPECT_EQ(category.Game(1)->catalogIndex, 1);
    }
}

TEST(SpecialFiles, AGameGetsAFolderOnlyWhenItHasSomethingToKeep) {
    TempDir dir;
    dir.Write("Games.kat", "KATEGORIE_START NAME: K PATH: karten "
                           "GAME_START PATH: eins GAME_ENDE GAME_START PATH: zwei GAME_ENDE "
                           "KATEGORIE_ENDE");
    GameCategoryList categories;
    GameCatalog::Load(categories, dir.path);
    ASSERT_EQ(categories[0]->GameCount(), 2);
    GameStatistics& played = *categories[0]->Game(0)->statistics;
    GameStatistics& untouched = *categories[0]->Game(1)->statistics;
    played.losses = 1;
    played.Write(dir.path);
    untouched.Write(dir.path);
    EXPECT_TRUE(fs::exists(dir / "karten/eins/stats.hs"));
    EXPECT_FALSE(fs::exists(dir / "karten/zwei"));

    // A reset record still replaces the file it had.
    played.Reset();
    played.Write(dir.path);
    GameStatistics reread;
    reread.gameInfo = categories[0]->Game(0);
    reread.losses = 9;
    reread.Read(dir.path);
    EXPECT_EQ(reread.losses, 0);
}
