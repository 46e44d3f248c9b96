// SPDX-License-Identifier: GPL-3.0-or-later
// Reading game definition files: keys, order rules, keyword tables, id lists,
// links, goals and the win test.
#include <gtest/gtest.h>

#include "RulesTestSupport.h"
#include "rules/ByteWordReader.h"

namespace {

// A one-pile table built from the words of one block.
std::unique_ptr<KartenTisch> OneBlock(const std::string& block) {
    return LoadTable("STAPEL_START " + block + " STAPEL_ENDE");
}

KartenStapel& OnlyPile(const KartenTisch& table) {
    EXPECT_EQ(table.piles.Count(), 1);
    return *table.piles[0];
}

} // namespace

TEST(KeywordTables, EachTableHasItsOwnNumbers) {
    EXPECT_EQ(LookupSuitA("ALLES"), 11);
    EXPECT_EQ(LookupSuitB("ALLES"), 8);
    EXPECT_EQ(LookupRankA("ALLES"), 21);
    EXPECT_EQ(LookupRankB("ALLES"), 17);
    EXPECT_EQ(LookupSuitA("ROT/SCHWARZ"), SuitA::ROT_SCHWARZ);
    EXPECT_EQ(LookupSuitB("ROT/SCHWARZ"), SuitB::NICHTS); // not in table B
    EXPECT_EQ(LookupSuitB("ALLE_WECHSEL"), 7);
    EXPECT_EQ(LookupRankA("F\xDCNF"), 4);
    EXPECT_EQ(LookupRankA("K\xD6NIG"), 12);
    EXPECT_EQ(LookupRankB("STAPEL_MINUS"), 16);
    EXPECT_EQ(LookupRankA("STAPEL_MINUS"), 20);
    EXPECT_EQ(LookupRankA("PLUS_MINUS"), 18);
    EXPECT_EQ(LookupKova("AUFDECKEN_VERKN_1_U"), 4);
    EXPECT_EQ(LookupKola("HOLEN_VERKN_ALLE"), 2);
}

TEST(KeywordTables, UnknownWordsBecomeNichts) {
    EXPECT_EQ(LookupSuitA("GR\xDCN"), SuitA::NICHTS);
    EXPECT_EQ(LookupSuitB("kreuz"), SuitB::NICHTS); // case matters
    EXPECT_EQ(LookupRankA("KÖNIG"), RankA::NICHTS); // UTF-8 is not the file's spelling
    EXPECT_EQ(LookupRankB(""), RankB::NICHTS);
    EXPECT_EQ(LookupKova("AUFDECKEN_"), Kova::NICHTS);
    EXPECT_EQ(LookupKola("HOLEN"), Kola::NICHTS);
}

TEST(PileBlock, AfMoveWinsOverTheCopyAfMakes) {
    EXPECT_EQ(OnlyPile(*OneBlock("AF_MOVE: KARO AF: HERZ")).AF, 3);
    EXPECT_EQ(OnlyPile(*OneBlock("AF_MOVE: KARO AF: HERZ")).AF_MOVE, 1);
    EXPECT_EQ(OnlyPile(*OneBlock("AF: HERZ AF_MOVE: KARO")).AF_MOVE, 1);
    EXPECT_EQ(OnlyPile(*OneBlock("AF: HERZ AF_MOVE: KARO")).AF, 3);
    auto alone = OneBlock("AF: KARO AF: HERZ");
    EXPECT_EQ(OnlyPile(*alone).AF, 3);
    EXPECT_EQ(OnlyPile(*alone).AF_MOVE, 3); // the last AF
}

TEST(PileBlock, AwMoveWinsOverTheCopyAwMakes) {
    auto before = OneBlock("AW_MOVE: VORHERIGE_PLUS AW: VORHERIGE_MINUS");
    EXPECT_EQ(OnlyPile(*before).AW, RankA::VORHERIGE_MINUS);
    EXPECT_EQ(OnlyPile(*before).AW_MOVE, RankA::VORHERIGE_PLUS);
    auto after = OneBlock("AW: VORHERIGE_MINUS AW_MOVE: VORHERIGE_PLUS");
    EXPECT_EQ(OnlyPile(*after).AW_MOVE, RankA::VORHERIGE_PLUS);
    EXPECT_EQ(OnlyPile(*OneBlock("AW: K\xD6NIG")).AW_MOVE, Rank::KÖNIG);
}

TEST(PileBlock, IdLinksItselfUnlessAVerkGroupIsGiven) {
    auto self = LoadTable("STAPEL_START ID: 7 STAPEL_ENDE STAPEL_START ID: 2 STAPEL_ENDE");
    KartenStapel& p = *self->piles[0];
    EXPECT_EQ(p.linkIds, std::vector<int>{7});
    ASSERT_EQ(p.linkedPiles.Count(), 1);
    EXPECT_EQ(p.linkedPiles[0], &p);

    const std::string others = "STAPEL_START ID: 2 STAPEL_ENDE STAPEL_START ID: 3 STAPEL_ENDE ";
    for (std::string block : {"ID: 7 VERK_STAPEL_START 2 3 VERK_STAPEL_ENDE",
                              "VERK_STAPEL_START 2 3 VERK_STAPEL_ENDE ID: 7"}) {
        auto table = LoadTable("STAPEL_START " + block + " STAPEL_ENDE " + others);
        KartenStapel& pile = *table->piles[0];
        EXPECT_EQ(pile.pileId, 7);
        EXPECT_EQ(pile.linkIds, (std::vector<int>{2, 3})) << block;
        ASSERT_EQ(pile.linkedPiles.Count(), 2);
        EXPECT_EQ(pile.linkedPiles[0], table->piles[1]);
        EXPECT_EQ(pile.linkedPiles[1], table->piles[2]);
    }
}

TEST(PileBlock, LinksFollowPileOrderSharedIdsAndRepeats) {
    auto table =
        LoadTable("STAPEL_START ID: 1 VERK_STAPEL_START 5 4 4 9 1 VERK_STAPEL_ENDE STAPEL_ENDE "
                  "STAPEL_START ID: 4 STAPEL_ENDE STAPEL_START ID: 5 STAPEL_ENDE "
                  "STAPEL_START ID: 4 STAPEL_ENDE");
    KartenStapel& p = *table->piles[0];
    // Pile order, not list order; both piles with id 4; id 9 names nothing; 4 twice links once.
    ASSERT_EQ(p.linkedPiles.Count(), 4);
    EXPECT_EQ(p.linkedPiles[0], table->piles[0]);
    EXPECT_EQ(p.linkedPiles[1], table->piles[1]);
    EXPECT_EQ(p.linkedPiles[2], table->piles[2]);
    EXPECT_EQ(p.linkedPiles[3], table->piles[3]);
    for (KartenStapel* pile : table->piles)
        EXPECT_EQ(pile->allPiles, &table->piles);
}

TEST(PileBlock, IdListsEndOnlyAtTheirOwnClosingWord) {
    auto table = OneBlock("QUELLSTAPEL_START 0 1 2 3 4 5 ZIELSTAPEL_ENDE QUELLSTAPEL_ENDE "
                          "ZIELSTAPEL_START 8 x9 12abc -3 ZIELSTAPEL_ENDE "
                          "ZIELSTAPEL_START 4 ZIELSTAPEL_ENDE");
    KartenStapel& p = OnlyPile(*table);
    EXPECT_EQ(p.sourceIds, (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(p.targetIds, (std::vector<int>{8, 0, 12, -3, 4})); // groups append
}

TEST(PileBlock, EveryKeyReachesItsField) {
    auto table = OneBlock(
        "ID: 3 POSITION: 120 200.5 SICHTBAREKARTEN_VERSCH: 0 25 VERDECKTEKARTEN_VERSCH: 0 8 "
        "AF: ROT/SCHWARZ AW: VORHERIGE_MINUS AFLS: ALLES AWLS: K\xD6NIG WRAPING: 1 "
        "CHECK_MOVE_STAPEL: 1 VERSCH_GR\xD6SSE: -1 MAX_GR\xD6SSE_SICHTBAR: 4 "
        "MAX_GR\xD6SSE_VERDECKT: 9 MOVE_STAPEL: 1 LEER_ACCEPTS_KARTEN: 0 "
        "VERDECKT_ACCEPTS_KARTEN: 0 LEER_ACCEPTS_ONLY_VERKN: 1 ANZ_VERKN_LEER: 1 "
        "AKTIV_IF_VERKN_LEER: 1 AUTO_FILL_VERKN: 1 KOVA: AUFDECKEN_VERKN_MULT "
        "KOLA: HOLEN_VERKN_SICHTBAR ANZ_AUFDECKEN: 3 INIT_AF: SCHWARZ INIT_AW: FIGUREN "
        "INIT_ANZ_VERDECKT: 2 INIT_ANZ_SICHTBAR: 1");
    KartenStapel& p = OnlyPile(*table);
    EXPECT_EQ(p.pileId, 3);
    EXPECT_EQ(p.position, (Vec2{120.0f, 200.5f}));
    EXPECT_EQ(p.visibleOffset, (Vec2{0.0f, 25.0f}));
    EXPECT_EQ(p.faceDownOffset, (Vec2{0.0f, 8.0f}));
    EXPECT_EQ(p.AF, SuitA::ROT_SCHWARZ);
    EXPECT_EQ(p.AF_MOVE, SuitA::ROT_SCHWARZ);
    EXPECT_EQ(p.AW, RankA::VORHERIGE_MINUS);
    EXPECT_EQ(p.AFLS, SuitB::ALLES);
    EXPECT_EQ(p.AWLS, Rank::KÖNIG);
    EXPECT_TRUE(p.WRAPING);
    EXPECT_TRUE(p.CHECK_MOVE_STAPEL);
    EXPECT_EQ(p.VERSCH_GRÖSSE, -1);
    EXPECT_EQ(p.MAX_GRÖSSE_SICHTBAR, 4);
    EXPECT_EQ(p.MAX_GRÖSSE_VERDECKT, 9);
    EXPECT_TRUE(p.MOVE_STAPEL);
    EXPECT_FALSE(p.LEER_ACCEPTS_KARTEN);
    EXPECT_FALSE(p.VERDECKT_ACCEPTS_KARTEN);
    EXPECT_TRUE(p.LEER_ACCEPTS_ONLY_VERKN);
    EXPECT_TRUE(p.ANZ_VERKN_LEER);
    EXPECT_TRUE(p.AKTIV_IF_VERKN_LEER);
    EXPECT_TRUE(p.AUTO_FILL_VERKN);
    EXPECT_EQ(p.KOVA, Kova::AUFDECKEN_VERKN_MULT);
    EXPECT_EQ(p.KOLA, Kola::HOLEN_VERKN_SICHTBAR);
    EXPECT_EQ(p.ANZ_AUFDECKEN, 3);
    EXPECT_EQ(p.INIT_AF, SuitA::SCHWARZ);
    EXPECT_EQ(p.INIT_AW, RankA::FIGUREN);
    EXPECT_EQ(p.INIT_ANZ_VERDECKT, 2);
    EXPECT_EQ(p.INIT_ANZ_SICHTBAR, 1);
}

TEST(PileBlock, DefaultsAndSafeValuesForMissingKeys) {
    auto table = OneBlock("");
    KartenStapel& p = OnlyPile(*table);
    EXPECT_EQ(p.position, (Vec2{0.0f, 0.0f}));
    EXPECT_EQ(p.visibleOffset, (Vec2{10.0f, 20.0f}));
    EXPECT_EQ(p.faceDownOffset, (Vec2{0.0f, 0.0f}));
    EXPECT_EQ(p.MAX_GRÖSSE_SICHTBAR, -1);
    EXPECT_EQ(p.MAX_GRÖSSE_VERDECKT, -1);
    EXPECT_TRUE(p.LEER_ACCEPTS_KARTEN);
    EXPECT_TRUE(p.VERDECKT_ACCEPTS_KARTEN);
    EXPECT_FALSE(p.WRAPING);
    EXPECT_FALSE(p.MOVE_STAPEL);
    EXPECT_EQ(p.KOVA, Kova::NICHTS);
    EXPECT_EQ(p.KOLA, Kola::NICHTS);
    // Keys without a default: rule words NICHTS, counts 0, no limit, no order check.
    EXPECT_EQ(p.AF, SuitA::NICHTS);
    EXPECT_EQ(p.AW, RankA::NICHTS);
    EXPECT_EQ(p.AFLS, SuitB::NICHTS);
    EXPECT_EQ(p.AWLS, RankB::NICHTS);
    EXPECT_EQ(p.VERSCH_GRÖSSE, -1);
    EXPECT_FALSE(p.CHECK_MOVE_STAPEL);
    EXPECT_EQ(p.INIT_ANZ_SICHTBAR, 0);
    EXPECT_EQ(p.ANZ_AUFDECKEN, 0);
    EXPECT_EQ(p.pileId, -1);
    EXPECT_TRUE(p.linkIds.empty());
    EXPECT_TRUE(p.sourceIds.empty());
    EXPECT_TRUE(p.targetIds.empty());
}

TEST(Definition, TopLevelKeysCardSizeAndGoals) {
    auto table = LoadTable("Titel: Mein_Spiel SPIEL_ANZ_KARTEN: 8 SPIEL_AF: HERZ SPIEL_AW: ASS "
                           "SPIEL_KARTEN_GR\xD6SSE: 70 100 "
                           "STAPEL_START ID: 1 AF: KREUZ STAPEL_ENDE "
                           "STAPEL_START ID: 2 STAPEL_ENDE "
                           "SPIEL_ZIEL_START kommentar ZIELSTAPEL_START 2 SPIEL_ZIEL_ENDE "
                           "ZIELSTAPEL_ENDE 1 ZIELSTAPEL_START 9 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE "
                           "AF: HERZ");
    EXPECT_EQ(table->deckSize, 8);
    EXPECT_EQ(table->deckSuitFilter, SuitA::HERZ);
    EXPECT_EQ(table->deckRankFilter, Rank::ASS);
    EXPECT_EQ(table->cardSize, (Vec2{70.0f, 100.0f}));
    EXPECT_EQ(table->goalPileIds, (std::vector<int>{2, 0, 9}));
    ASSERT_EQ(table->piles.Count(), 2);
    EXPECT_EQ(table->piles[0]->AF, SuitA::KREUZ); // the top-level AF: is just a word
    EXPECT_FALSE(table->piles[0]->isGoalPile);
    EXPECT_TRUE(table->piles[1]->isGoalPile);
    for (KartenStapel* p : table->piles)
        EXPECT_EQ(p->cardSize, (Vec2{70.0f, 100.0f}));
    ASSERT_EQ(table->deck.Count(), 8);
    for (Card* c : table->deck) {
        EXPECT_EQ(c->Id(), (CardId{Suit::HERZ, Rank::ASS}));
        EXPECT_EQ(c->size, (Vec2{70.0f, 100.0f}));
    }
}

TEST(Definition, EmptyFileAndReload) {
    auto table = LoadTable("SPIEL_ANZ_KARTEN: 52 SPIEL_KARTEN_GR\xD6SSE: 70 100 "
                           "STAPEL_START ID: 1 INIT_ANZ_SICHTBAR: 52 STAPEL_ENDE");
    table->forceWin = true;
    table->LoadGameDefinition(std::string_view(""), 5);
    EXPECT_EQ(table->piles.Count(), 0);
    EXPECT_EQ(table->deck.Count(), 0);
    EXPECT_EQ(table->deckSize, 0); // nothing inherited from the previous game
    EXPECT_EQ(table->cardSize, (Vec2{88.0f, 128.0f}));
    EXPECT_FALSE(table->forceWin);
    EXPECT_FALSE(table->IsGameWon()); // no cards: nothing won
}

TEST(WinTest, CountsCardsOfTheGoalPiles) {
    const std::string game = "SPIEL_ANZ_KARTEN: 4 SPIEL_AF: ALLES SPIEL_AW: ASS "
                             "STAPEL_START ID: 1 INIT_ANZ_SICHTBAR: 2 STAPEL_ENDE "
                             "STAPEL_START ID: 2 INIT_ANZ_VERDECKT: 1 INIT_ANZ_SICHTBAR: 1 "
                             "STAPEL_ENDE ";
    EXPECT_FALSE(
        LoadTable(game + "SPIEL_ZIEL_START ZIELSTAPEL_START 1 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE")
            ->IsGameWon());
    // Face-down cards of a goal pile count too.
    EXPECT_TRUE(
        LoadTable(game + "SPIEL_ZIEL_START ZIELSTAPEL_START 1 2 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE")
            ->IsGameWon());
    // A goal id named twice counts its pile twice: 2 + 2 = 4.
    EXPECT_TRUE(
        LoadTable(game + "SPIEL_ZIEL_START ZIELSTAPEL_START 1 1 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE")
            ->IsGameWon());
    auto table = LoadTable(game);
    EXPECT_FALSE(table->IsGameWon());
    table->forceWin = true;
    EXPECT_TRUE(table->IsGameWon());
}

TEST(WinTest, PilesSharingAGoalIdAllCount) {
    auto table =
        LoadTable("SPIEL_ANZ_KARTEN: 4 STAPEL_START ID: 5 INIT_ANZ_SICHTBAR: 2 STAPEL_ENDE "
                  "STAPEL_START ID: 5 INIT_ANZ_SICHTBAR: 2 STAPEL_ENDE "
                  "SPIEL_ZIEL_START ZIELSTAPEL_START 5 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE");
    EXPECT_TRUE(table->piles[0]->isGoalPile);
    EXPECT_TRUE(table->piles[1]->isGoalPile);
    EXPECT_TRUE(table->IsGameWon());
}

TEST(Definition, LoadsFromStreamAndFile) {
    std::istringstream stream(
        "SPIEL_ANZ_KARTEN: 3 STAPEL_START ID: 1 INIT_ANZ_SICHTBAR: 3 STAPEL_ENDE");
    KartenTisch table;
    EXPECT_EQ(table.LoadGameDefinition(stream, 3), KartenTisch::ResultOk);
    EXPECT_EQ(table.piles[0]->VisibleCount(), 3);
    EXPECT_EQ(table.LoadGameDefinitionFile("/nonexistent/x.game", 3), KartenTisch::ResultFail);
    EXPECT_EQ(table.piles.Count(), 1); // a missing file changes nothing
    EXPECT_EQ(table.LoadGameDefinitionFile(KH_SOURCE_DIR "/tests/fixtures/games/klondike.game", 3),
              KartenTisch::ResultOk);
    EXPECT_EQ(table.deck.Count(), 52);
}
