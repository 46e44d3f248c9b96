// SPDX-License-Identifier: GPL-3.0-or-later
// The soak player: through the binary (options, summary, repeatable seeds, the
// data directory) and its table checks on their own, each fed a table with
// one fault put in by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "CliRun.h"
#include "cli/SoakAudit.h"
#include "cli/SoakPlayer.h"
#include "rules/KartenTisch.h"

namespace {

const std::string kLadder = Fixture("ladder.game");

// Klondike-like: a stock that deals onto a waste, two columns, a foundation;
// two of the columns share an id, as some definitions do.
const char* kSmallGame = R"(
SPIEL_ANZ_KARTEN: 24 SPIEL_AF: ALLES SPIEL_AW: ALLES
STAPEL_START ID: 1 INIT_ANZ_VERDECKT: 10 KOVA: AUFDECKEN_VERKN_1 ANZ_AUFDECKEN: 1
  VERK_STAPEL_START 2 VERK_STAPEL_ENDE ZIELSTAPEL_START 2 ZIELSTAPEL_ENDE STAPEL_ENDE
STAPEL_START ID: 2 AF: ALLES AW: ALLES AFLS: ALLES AWLS: ALLES
  ZIELSTAPEL_START 3 4 ZIELSTAPEL_ENDE QUELLSTAPEL_START 1 QUELLSTAPEL_ENDE STAPEL_ENDE
STAPEL_START ID: 3 INIT_ANZ_SICHTBAR: 3 INIT_ANZ_VERDECKT: 2 AF: ALLE_WECHSEL AW: VORHERIGE_MINUS
  AFLS: ALLES AWLS: ALLES MOVE_STAPEL: 1 ZIELSTAPEL_START 3 4 ZIELSTAPEL_ENDE
  QUELLSTAPEL_START 2 3 QUELLSTAPEL_ENDE STAPEL_ENDE
STAPEL_START ID: 3 INIT_ANZ_SICHTBAR: 4 INIT_ANZ_VERDECKT: 5 AF: ALLES AW: ALLES
  AFLS: ALLES AWLS: ALLES ZIELSTAPEL_START 3 4 ZIELSTAPEL_ENDE
  QUELLSTAPEL_START 2 3 QUELLSTAPEL_ENDE STAPEL_ENDE
STAPEL_START ID: 4 AF: VORHERIGE AW: VORHERIGE_PLUS AFLS: ALLES AWLS: ASS
  QUELLSTAPEL_START 2 3 QUELLSTAPEL_ENDE STAPEL_ENDE
SPIEL_ZIEL_START ZIELSTAPEL_START 4 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE
)";

std::unique_ptr<KartenTisch> Dealt(const std::string& game, uint32_t seed = 3) {
    auto table = std::make_unique<KartenTisch>();
    table->LoadGameDefinition(std::string_view(game), seed);
    return table;
}

// The first pile with at least two visible cards.
KartenStapel* PileShowingTwo(KartenTisch& table) {
    for (KartenStapel* pile : table.piles)
        if (pile->VisibleCount() >= 2) return pile;
    return nullptr;
}

} // namespace

TEST(Soak, OptionsAndUsageErrors) {
    CliResult help = RunCli({"soak", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: kartenhaus-cli soak"), std::string::npos);
    EXPECT_NE(RunCli({"--help"}).out.find("soak"), std::string::npos);

    EXPECT_EQ(RunCli({"soak"}).status, 2);
    EXPECT_EQ(RunCli({"soak", "--games", "0", kLadder}).status, 2);
    EXPECT_EQ(RunCli({"soak", "--steps", "ten", kLadder}).status, 2);
    EXPECT_EQ(RunCli({"soak", "--data", "/tmp", kLadder}).status, 2);
    EXPECT_EQ(RunCli({"soak", "--game-file", kLadder}).status, 2);
    CliResult missing = RunCli({"soak", "/nonexistent/x.game"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot read /nonexistent/x.game"), std::string::npos);
    TempDir empty;
    CliResult noCatalog = RunCli({"soak", "--data", empty / ""});
    EXPECT_EQ(noCatalog.status, 2);
    EXPECT_NE(noCatalog.err.find("names a game"), std::string::npos);
}

TEST(Soak, PlaysEveryFileAndTheSameSeedPlaysTheSameGames) {
    TempDir dir;
    const std::string small = dir.Write("small.game", kSmallGame).string();
    const std::vector<std::string> args = {"soak",   "--games", "20",    "--steps", "150",
                                           "--seed", "77",      kLadder, small};
    CliResult first = RunCli(args);
    ASSERT_EQ(first.status, 0) << first.out << first.err;
    std::smatch counts;
    const std::regex summary("soak: 40 games of 2 definitions, seed 77: ([0-9]+) steps, "
                             "([0-9]+) moves made, [0-9]+ refused, ([0-9]+) undo/redo steps, "
                             "([0-9]+) quick saves loaded, [0-9]+ games won.*no invariant "
                             "broken\n");
    ASSERT_TRUE(std::regex_search(first.out, counts, summary)) << first.out;
    // Enough of every kind of step that the run means something.
    EXPECT_GT(std::stoi(counts[1]), 1000);
    EXPECT_GT(std::stoi(counts[2]), 200);
    EXPECT_GT(std::stoi(counts[3]), 50);
    EXPECT_GT(std::stoi(counts[4]), 20);
    EXPECT_EQ(RunCli(args).out, first.out);
}

TEST(Soak, PlaysTheCatalogOfADataDirectory) {
    const std::filesystem::path data = std::filesystem::path(KH_BINARY_DIR) / "data";
    if (!std::filesystem::exists(data / "games.gob") ||
        !std::filesystem::exists(data / "Games.kat"))
        GTEST_SKIP() << "no generated data directory in this build";
    CliResult run =
        RunCli({"soak", "--data", data.string(), "--games", "1", "--steps", "40", "--seed", "5"});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find(" definitions, seed 5: "), std::string::npos) << run.out;
}

TEST(SoakAudit, ASoundTableAfterTheDealAndAfterMoves) {
    auto table = Dealt(kSmallGame);
    SoakAudit audit;
    audit.TakeCensus(*table);
    EXPECT_EQ(audit.CensusSize(), 24 - 10 + 10); // every card is dealt
    EXPECT_EQ(audit.Check(*table), "");
    KartenStapel* from = PileShowingTwo(*table);
    ASSERT_NE(from, nullptr);
    KartenStapel* to = table->piles.Last();
    to->AddVisible(from->TopVisible(), -1, false);
    EXPECT_EQ(audit.Check(*table), "");
}

TEST(SoakAudit, CatchesEveryKindOfBrokenTable) {
    {
        auto table = Dealt(kSmallGame);
        SoakAudit audit;
        audit.TakeCensus(*table);
        KartenStapel* pile = PileShowingTwo(*table);
        table->piles.Last()->visibleCards.Append(pile->TopVisible()); // on two piles at once
        EXPECT_NE(audit.Check(*table).find("twice"), std::string::npos) << audit.Check(*table);
    }
    {
        auto table = Dealt(kSmallGame);
        SoakAudit audit;
        audit.TakeCensus(*table);
        KartenStapel* pile = PileShowingTwo(*table);
        pile->visibleCards.RemoveAt(pile->VisibleCount() - 1); // the top card falls off
        pile->TopVisible()->cardAbove = nullptr;
        EXPECT_EQ(audit.Check(*table), "the piles hold 23 cards instead of 24");
    }
    {
        auto table = Dealt(kSmallGame);
        SoakAudit audit;
        audit.TakeCensus(*table);
        PileShowingTwo(*table)->TopVisible()->owner = table->piles.Last();
        EXPECT_NE(audit.Check(*table).find("another pile as its owner"), std::string::npos);
    }
    {
        auto table = Dealt(kSmallGame);
        SoakAudit audit;
        audit.TakeCensus(*table);
        KartenStapel* pile = PileShowingTwo(*table);
        pile->TopVisible()->cardBelow = nullptr;
        EXPECT_NE(audit.Check(*table).find("wrong card below"), std::string::npos);
    }
    {
        auto table = Dealt(kSmallGame);
        Card stranger(0, 0);
        stranger.owner = table->piles.Last();
        table->piles.Last()->visibleCards.Append(&stranger); // not a card of the deck
        EXPECT_NE(SoakAudit::CheckPlacement(*table).find("not in the deck"), std::string::npos);
        table->piles.Last()->visibleCards.RemoveAt(0);
    }
}

TEST(SoakAudit, ComparesTheCardsOfTwoTables) {
    auto a = Dealt(kSmallGame, 3);
    auto b = Dealt(kSmallGame, 3);
    EXPECT_EQ(SoakAudit::CompareCards(*a, *b), "");
    auto c = Dealt(kSmallGame, 4);
    EXPECT_NE(SoakAudit::CompareCards(*a, *c), "");
}

TEST(SoakPlayer, ReportsTheGameSeedAndStepOfAFailure) {
    SoakPlayer player("small", kSmallGame);
    SoakFailure failure;
    for (uint32_t seed = 0; seed < 30; ++seed)
        ASSERT_TRUE(player.PlayGame(seed, 200, failure)) << failure.Text();
    EXPECT_EQ(player.Counts().games, 30);
    EXPECT_GT(player.Counts().quickSaves, 0);
    failure = {"klondike\\klondike.game", 12, 34, "drag 3 1 5", "a card lies twice"};
    EXPECT_EQ(failure.Text(), "klondike\\klondike.game, seed 12, step 34 (drag 3 1 5): a card "
                              "lies twice");
}
