// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ArchiveSet.h"
#include "data/ArchiveMemberStream.h"
#include "data/GameArchiveWriter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

void Pack(const TempDir& dir, const std::string& file,
          const std::vector<GameArchiveWriter::Member>& members) {
    ASSERT_TRUE(GameArchiveWriter::Write(dir / file, members));
}

std::string Text(const std::optional<std::vector<uint8_t>>& bytes) {
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<none>";
}

} // namespace

TEST(ArchiveSet, AddOnsWithGapsAndInvalidFilesKeepTheirPlaces) {
    TempDir dir;
    Pack(dir, "games.gob", {{"main.txt", "main"}});
    Pack(dir, "games_3.gob", {{"three.txt", "three"}, {"shared.txt", "from 3"}});
    dir.Write("games_5.gob", "not an archive");
    Pack(dir, "games_7.gob", {{"shared.txt", "from 7"}, {"seven.txt", "seven"}});
    Pack(dir, "games_100.gob", {{"hundred.txt", "too far"}});
    Pack(dir, "base.gob", {{"splash.PNG", "png"}});
    Pack(dir, "cards_99.gob", {{"karten.png", "cards"}});

    ArchiveSet set;
    set.OpenArchives(dir.path);
    ASSERT_TRUE(set.baseArchive);
    ASSERT_TRUE(set.gamesArchive);
    ASSERT_EQ(set.gameAddOnArchives.Count(), 3); // 3, 5 (null), 7
    EXPECT_NE(set.gameAddOnArchives[0], nullptr);
    EXPECT_EQ(set.gameAddOnArchives[1], nullptr);
    EXPECT_NE(set.gameAddOnArchives[2], nullptr);
    EXPECT_FALSE(set.cardsArchive);
    EXPECT_EQ(set.cardAddOnArchives.Count(), 1);
    EXPECT_FALSE(set.backgroundArchive);
    EXPECT_EQ(set.backgroundAddOnArchives.Count(), 0);

    ArchiveFamily games(set.gamesArchive, set.gameAddOnArchives);
    EXPECT_EQ(Text(ReadFamilyMember(games, "MAIN.TXT", false)), "main");
    EXPECT_EQ(Text(ReadFamilyMember(games, "three.txt", false)), "three");
    EXPECT_EQ(Text(ReadFamilyMember(games, "seven.txt", false)), "seven");
    EXPECT_EQ(Text(ReadFamilyMember(games, "shared.txt", false)), "from 3");
    EXPECT_EQ(Text(ReadFamilyMember(games, "hundred.txt", false)), "<none>");
    EXPECT_EQ(Text(ReadFamilyMember(ArchiveFamily(set.cardsArchive, set.cardAddOnArchives),
                                    "karten.png", false)),
              "cards");

    set.CloseArchives();
    EXPECT_FALSE(set.gamesArchive);
    EXPECT_EQ(set.gameAddOnArchives.Count(), 0);
}

TEST(ArchiveSet, LooseFileWinsOverAddOnsOnlyWhereAllowed) {
    TempDir dir;
    Pack(dir, "cards.gob", {{"other.png", "x"}});
    Pack(dir, "cards_1.gob", {{"Karten\\Klassik.png", "archive"}});
    dir.Write("Karten/Klassik.png", "loose");
    dir.Write("Karten/Größe.png", "umlaut");

    std::unique_ptr<GameArchive> main;
    ArchiveList addOns;
    OpenArchiveFamily(dir.path, "cards", main, addOns);
    ArchiveFamily cards(main, addOns);
    EXPECT_EQ(Text(ReadFamilyMember(cards, "Karten\\Klassik.png", true, dir.path)), "loose");
    EXPECT_EQ(Text(ReadFamilyMember(cards, "Karten\\Klassik.png", false, dir.path)), "archive");
    EXPECT_EQ(Text(ReadFamilyMember(cards,
                                    "Karten\\Gr\xF6\xDF"
                                    "e.png",
                                    true, dir.path)),
              "umlaut");

    // A consumer that refuses the bytes sends the search on to the next place.
    std::vector<std::string> offered;
    bool taken = SearchArchiveFamily(
        cards, "Karten\\Klassik.png", true,
        [&](std::span<const uint8_t> bytes) {
            offered.emplace_back(bytes.begin(), bytes.end());
            return offered.size() == 3;
        },
        dir.path);
    EXPECT_TRUE(taken);
    // main (no member) → loose file → add-on 1
    EXPECT_EQ(offered, (std::vector<std::string>{"loose", "archive", "loose"}));

    // Without any archive, the loose file is still found when allowed.
    EXPECT_EQ(Text(ReadFamilyMember(ArchiveFamily(), "Karten\\Klassik.png", true, dir.path)),
              "loose");
    EXPECT_EQ(Text(ReadFamilyMember(ArchiveFamily(), "Karten\\Klassik.png", false, dir.path)),
              "<none>");
}

TEST(ArchiveMemberStream, OpensFromMemoryAndRefusesEmptyMembers) {
    TempDir dir;
    Pack(dir, "games.gob", {{"leer_d.lng", ""}, {"text_d.lng", "Hallo Welt"}});
    Pack(dir, "games_2.gob", {{"leer_d.lng", "aus dem Add-on"}});
    std::unique_ptr<GameArchive> main;
    ArchiveList addOns;
    OpenArchiveFamily(dir.path, "games", main, addOns);

    ArchiveMemberStream stream;
    EXPECT_FALSE(stream.Open(main.get(), "leer_d.lng"));
    EXPECT_FALSE(stream.IsOpen());
    EXPECT_EQ(stream.Stream(), nullptr);

    ASSERT_TRUE(stream.Open(main.get(), "TEXT_D.lng"));
    std::string first, second;
    *stream.Stream() >> first >> second;
    EXPECT_EQ(first + "|" + second, "Hallo|Welt");

    // Over the family, the empty main member counts as absent.
    ASSERT_TRUE(stream.Open(ArchiveFamily(main, addOns), "leer_d.lng"));
    std::getline(*stream.Stream(), first);
    EXPECT_EQ(first, "aus dem Add-on");

    // A second stream may be open at the same time; nothing is left on disk.
    ArchiveMemberStream other;
    EXPECT_TRUE(other.Open(main.get(), "text_d.lng"));
    EXPECT_TRUE(stream.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(dir / "tmp.file"));
    EXPECT_FALSE(stream.Open(nullptr, "text_d.lng"));
    EXPECT_FALSE(stream.IsOpen());
    other.Close();
    EXPECT_FALSE(other.IsOpen());
}
