// SPDX-License-Identifier: GPL-3.0-or-later
// Malformed definition files: loading always ends, never crashes, and never
// grows without bound.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "RulesTestSupport.h"
#include "rules/RandomGenerator.h"
#include "rules/ByteWordReader.h"

namespace {

std::string Fixture(const std::string& name) {
    std::ifstream in(std::string(KH_SOURCE_DIR "/tests/fixtures/games/") + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int CardsInPiles(const KartenTisch& table) {
    int n = 0;
    for (KartenStapel* p : table.piles)
        n += p->TotalCount();
    return n;
}

} // namespace

TEST(BadInput, RandomBytes) {
    RandomGenerator rng(31337);
    const char* words[] = {"STAPEL_START",
                           "STAPEL_ENDE",
                           "ID:",
                           "INIT_ANZ_SICHTBAR:",
                           "SPIEL_ANZ_KARTEN:",
                           "VERK_STAPEL_START",
                           "ZIELSTAPEL_START",
                           "SPIEL_ZIEL_START",
                           "AF:",
                           "-1",
                           "99999"};
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        int length = rng.Below(4000);
        for (int i = 0; i < length; ++i) {
            if (round % 2 == 1 && rng.Below(8) == 0) {
                bytes += words[rng.Below(11)];
                bytes += ' ';
            } else {
                bytes += static_cast<char>(rng.Below(256));
            }
        }
        KartenTisch table;
        table.LoadGameDefinition(std::string_view(bytes), static_cast<uint32_t>(round));
        EXPECT_LE(table.deck.Count(), GameDefinition::MaxDeckSize);
        EXPECT_LE(table.piles.Count(), GameDefinition::MaxPiles);
        EXPECT_LE(CardsInPiles(table), table.deck.Count());
    }
}

TEST(BadInput, FileEndingAnywhereKeepsWhatWasRead) {
    // Cut after every word: inside pile blocks, value keys, id lists and the goal group.
    for (const char* name : {"klondike.game", "spider.game", "freecell.game", "aces.game"}) {
        const std::string full = Fixture(name);
        KartenTisch whole;
        whole.LoadGameDefinition(std::string_view(full), 5);
        for (size_t cut = 0; cut <= full.size(); ++cut) {
            if (cut < full.size() && full[cut] != ' ' && full[cut] != '\n') continue;
            KartenTisch table;
            table.LoadGameDefinition(std::string_view(full).substr(0, cut), 5);
            EXPECT_LE(table.piles.Count(), whole.piles.Count());
            EXPECT_LE(CardsInPiles(table), whole.deck.Count());
        }
    }
    // A block cut inside its target list: the ids read so far stay.
    auto table = LoadTable("STAPEL_START ID: 4 ZIELSTAPEL_START 1 2");
    ASSERT_EQ(table->piles.Count(), 1);
    EXPECT_EQ(table->piles[0]->targetIds, (std::vector<int>{1, 2}));
    EXPECT_EQ(table->piles[0]->pileId, 4);
    auto goals = LoadTable("SPIEL_ZIEL_START ZIELSTAPEL_START 3 4");
    EXPECT_EQ(goals->goalPileIds, (std::vector<int>{3, 4}));
    auto open = LoadTable("STAPEL_START ID:");
    EXPECT_EQ(open->piles[0]->pileId, -1);
}

TEST(BadInput, FlagsAsWordsAndNumbersWithLetters) {
    auto table = LoadTable("SPIEL_ANZ_KARTEN: 12x STAPEL_START ID: 3abc WRAPING: ja MOVE_STAPEL: 1 "
                           "LEER_ACCEPTS_KARTEN: nein INIT_ANZ_SICHTBAR: zwei "
                           "POSITION: 10px 20 VERSCH_GR\xD6SSE: STAPEL_ENDE "
                           "STAPEL_START ID: 5 STAPEL_ENDE");
    EXPECT_EQ(table->deckSize, 12);     // the leading number of "12x"
    ASSERT_EQ(table->piles.Count(), 2); // a key word is never swallowed as a value
    KartenStapel& p = *table->piles[0];
    EXPECT_EQ(p.pileId, 3);
    EXPECT_FALSE(p.WRAPING);            // "ja" is no flag: the value stays
    EXPECT_TRUE(p.LEER_ACCEPTS_KARTEN); // "nein" neither
    EXPECT_TRUE(p.MOVE_STAPEL);
    EXPECT_EQ(p.INIT_ANZ_SICHTBAR, 0);
    EXPECT_EQ(p.position, (Vec2{10.0f, 20.0f}));
    EXPECT_EQ(p.VERSCH_GRÖSSE, -1);
    EXPECT_EQ(table->piles[1]->pileId, 5);
}

TEST(BadInput, AbsurdCounts) {
    auto huge =
        LoadTable("SPIEL_ANZ_KARTEN: 1000000000 STAPEL_START ID: 1 INIT_ANZ_SICHTBAR: 1000000 "
                  "STAPEL_ENDE");
    EXPECT_EQ(huge->deckSize, GameDefinition::MaxDeckSize);
    EXPECT_EQ(huge->deck.Count(), GameDefinition::MaxDeckSize);
    EXPECT_EQ(huge->piles[0]->VisibleCount(), GameDefinition::MaxDeckSize);

    auto negative =
        LoadTable("SPIEL_ANZ_KARTEN: -5 STAPEL_START INIT_ANZ_VERDECKT: -3 STAPEL_ENDE");
    EXPECT_EQ(negative->deckSize, 0);
    EXPECT_EQ(negative->deck.Count(), 0);
    EXPECT_FALSE(negative->IsGameWon());

    auto overflow =
        LoadTable("SPIEL_ANZ_KARTEN: 99999999999999999999 SPIEL_KARTEN_GR\xD6SSE: 1e999 -4");
    EXPECT_EQ(overflow->deckSize, GameDefinition::MaxDeckSize);
    EXPECT_EQ(overflow->cardSize, (Vec2{1024.0f, 1.0f})); // clamped to a drawable size
}

TEST(BadInput, ManyBlocksAndLongListsStayBounded) {
    std::string many;
    for (int i = 0; i < 2000; ++i)
        many += "STAPEL_START ID: 1 STAPEL_ENDE ";
    auto table = LoadTable(many);
    EXPECT_EQ(table->piles.Count(), GameDefinition::MaxPiles);
    std::string ids = "STAPEL_START ZIELSTAPEL_START ";
    for (int i = 0; i < 5000; ++i)
        ids += "7 ";
    ids += "ZIELSTAPEL_ENDE ID: 2 STAPEL_ENDE";
    auto longList = LoadTable(ids);
    EXPECT_EQ(longList->piles[0]->targetIds.size(), 1024u);
    EXPECT_EQ(longList->piles[0]->pileId, 2); // the words after the cap are still read
}

TEST(ByteWordReaderTest, WordsNumbersAndLongRuns) {
    std::string text = " a\tb\r\nc\v\fd ";
    text += std::string(1500, 'x');
    text += " e";
    ByteWordReader r(text);
    for (const char* expected : {"a", "b", "c", "d"})
        EXPECT_EQ(*r.Next(), expected);
    EXPECT_EQ(r.Next()->size(), ByteWordReader::MaxWordLength); // cut at 999
    EXPECT_EQ(*r.Next(), "e");
    EXPECT_FALSE(r.Next());
    EXPECT_EQ(ByteWordReader::LeadingInt("+42z"), 42);
    EXPECT_EQ(ByteWordReader::LeadingInt("-7"), -7);
    EXPECT_FALSE(ByteWordReader::LeadingInt("-"));
    EXPECT_FALSE(ByteWordReader::LeadingInt("x1"));
    EXPECT_EQ(ByteWordReader::IdValue("x1"), 0);
    EXPECT_EQ(ByteWordReader::LeadingInt("-99999999999"), INT32_MIN);
    EXPECT_FLOAT_EQ(*ByteWordReader::LeadingFloat("12.5"), 12.5f);
    EXPECT_FLOAT_EQ(*ByteWordReader::LeadingFloat("-.5"), -0.5f);
    EXPECT_FLOAT_EQ(*ByteWordReader::LeadingFloat("2e2"), 200.0f);
    EXPECT_FLOAT_EQ(*ByteWordReader::LeadingFloat("3e"), 3.0f);
    EXPECT_FALSE(ByteWordReader::LeadingFloat("."));
    EXPECT_FALSE(ByteWordReader::LeadingFloat("nan"));
}
