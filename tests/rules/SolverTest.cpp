// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Solver.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "RulesTestSupport.h"
#include "SolverTestSupport.h"
#include "rules/MicrosoftDeal.h"
#include "rules/PileRoles.h"
#include "rules/TableCodec.h"

namespace {

SolverResult SolveCopy(KartenTisch& table, long long maxNodes = 300000) {
    SolverLimits limits;
    limits.maxNodes = maxNodes;
    limits.maxSeconds = 60;
    return Solver(table, limits).Solve();
}

} // namespace

TEST(Solver, FreeCellDealsAreWonAndEveryLineReplaysToAWin) {
    const std::string definition = CollectionGame("freecell/freecell");
    for (uint32_t number : {1u, 2u, 3u, 4u, 5u}) {
        KartenTisch table;
        table.LoadGameDefinition(definition, 1);
        ASSERT_TRUE(DealMicrosoft(table, definition, number));
        const QuickSaveFile start = table.ToQuickSave();
        SolverResult result = SolveCopy(table);
        ASSERT_EQ(result.verdict, SolverVerdict::Won) << "deal " << number;
        ExpectLineWins(definition, start, result.line);
        // The search leaves the table as it found it.
        EXPECT_EQ(table.ToQuickSave().ToText(), start.ToText());
    }
}

TEST(Solver, KlondikeLinesUseTheStockAndReplayToAWin) {
    const std::string definition = CollectionGame("klondike/klondike");
    int won = 0;
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        KartenTisch table;
        table.LoadGameDefinition(definition, seed);
        const QuickSaveFile start = table.ToQuickSave();
        SolverResult result = SolveCopy(table, 30000);
        if (result.verdict != SolverVerdict::Won) continue;
        ++won;
        bool clicks = false;
        for (const ScriptMove& move : result.line)
            clicks = clicks || move.kind == MoveKind::Click;
        EXPECT_TRUE(clicks) << "seed " << seed;
        ExpectLineWins(definition, start, result.line);
    }
    EXPECT_GE(won, 3);
}

// Two cards on two piles; only the pile of the ace may give to the foundation,
// so the two can never leave its pile.
TEST(Solver, AStuckDealIsProvedImpossible) {
    const char* stuck = R"(
SPIEL_ANZ_KARTEN: 2 SPIEL_AF: KREUZ SPIEL_AW: ALLES
SPIEL_ZIEL_START ZIELSTAPEL_START 9 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE
STAPEL_START ID: 9 AF: VORHERIGE AW: VORHERIGE_PLUS AFLS: ALLES AWLS: ASS VERSCH_GRÖSSE: 1
  SICHTBAREKARTEN_VERSCH: 0 0
  QUELLSTAPEL_START 1 2 QUELLSTAPEL_ENDE STAPEL_ENDE
STAPEL_START ID: 1 AF: NICHTS AW: NICHTS AFLS: NICHTS AWLS: NICHTS VERSCH_GRÖSSE: 1
  ZIELSTAPEL_START 9 ZIELSTAPEL_ENDE INIT_AW: ASS INIT_ANZ_SICHTBAR: 1 STAPEL_ENDE
STAPEL_START ID: 2 AF: NICHTS AW: NICHTS AFLS: NICHTS AWLS: NICHTS VERSCH_GRÖSSE: 1
  INIT_AW: ZWEI INIT_ANZ_SICHTBAR: 1 STAPEL_ENDE)";
    std::string text = stuck;
    text.replace(text.find("GRÖSSE"), 7, "GR\xD6SSE");
    text.replace(text.find("GRÖSSE"), 7, "GR\xD6SSE");
    auto table = LoadTable(text);
    SolverResult lost = SolveCopy(*table);
    EXPECT_EQ(lost.verdict, SolverVerdict::Impossible);

    // Let pile 2 give to the foundation as well and the deal is won in two moves.
    auto open = LoadTable(text.replace(text.rfind("INIT_AW: ZWEI"), 0,
                                       "ZIELSTAPEL_START 9 ZIELSTAPEL_ENDE "));
    SolverResult won = SolveCopy(*open);
    ASSERT_EQ(won.verdict, SolverVerdict::Won);
    EXPECT_EQ(won.line.size(), 2u);
    EXPECT_EQ(won.line[0].Text(), "drag 1 1 9");
}

TEST(Solver, LimitsEndTheSearchAsUnknownAndCancellingToo) {
    const std::string definition = CollectionGame("freecell/freecell");
    KartenTisch table;
    table.LoadGameDefinition(definition, 1);
    ASSERT_TRUE(DealMicrosoft(table, definition, 1));
    SolverResult few = SolveCopy(table, 20);
    EXPECT_EQ(few.verdict, SolverVerdict::Unknown);
    EXPECT_EQ(few.limit, "nodes");

    SolverLimits tight;
    tight.maxBytes = 1000;
    EXPECT_EQ(Solver(table, tight).Solve().limit, "memory");

    std::atomic<bool> cancel{true};
    SolverResult cancelled = Solver(table, SolverLimits{}).Solve(&cancel);
    EXPECT_EQ(cancelled.verdict, SolverVerdict::Unknown);
}

TEST(Solver, PilesOfOneRoleShareAClassAndTheirContentsSortInTheKey) {
    const std::string definition = CollectionGame("freecell/freecell");
    KartenTisch table;
    table.LoadGameDefinition(definition, 5);
    TableCodec codec(table);
    const PileRoles& roles = codec.Roles();
    // Foundations, columns and free cells: three classes of 4, 8 and 4 piles.
    ASSERT_EQ(roles.SharedClasses().size(), 3u);
    EXPECT_EQ(roles.SharedClasses()[0].size(), 4u);
    EXPECT_EQ(roles.SharedClasses()[1].size(), 8u);
    EXPECT_EQ(roles.SharedClasses()[2].size(), 4u);

    KartenStapel* column = table.PilesWithId(1).front();
    KartenStapel* cellA = table.PilesWithId(9).front();
    KartenStapel* cellB = table.PilesWithId(10).front();
    const StateKey dealt = codec.Key();
    Card* top = column->TopVisible();
    cellA->AddVisible(top);
    const StateKey inA = codec.Key();
    EXPECT_FALSE(inA == dealt);
    cellB->AddVisible(top);
    EXPECT_EQ(codec.Key(), inA);

    // A state puts back the very cards it took.
    TableState state;
    codec.Encode(state);
    column->AddVisible(top);
    codec.Restore(state);
    EXPECT_EQ(cellB->TopVisible(), top);
    EXPECT_EQ(top->owner, cellB);
}

// A stock deals onto the columns in their order, so columns a stock deals to
// are not interchangeable.
TEST(Solver, PilesAStockDealsToKeepTheirPlaces) {
    const std::string definition = CollectionGame("spider/spider1");
    KartenTisch table;
    table.LoadGameDefinition(definition, 5);
    PileRoles roles(table);
    for (const std::vector<int>& members : roles.SharedClasses())
        for (int index : members)
            EXPECT_TRUE(table.piles[index]->isGoalPile) << "pile " << table.piles[index]->pileId;
}

// Every game of the collection, a few deals each with a small budget: whatever
// the search returns as won must replay to a win through the engine.
TEST(Solver, EveryLineFoundInTheCollectionReplaysToAWin) {
    namespace fs = std::filesystem;
    int games = 0, lines = 0;
    for (const auto& category : fs::directory_iterator(std::string(KH_SOURCE_DIR) + "/content/games"))
        for (const auto& game : fs::directory_iterator(category.path())) {
            const std::string name =
                category.path().filename().string() + "/" + game.path().filename().string();
            const std::string definition = CollectionGame(name);
            ++games;
            for (uint32_t seed = 1; seed <= 2; ++seed) {
                KartenTisch table;
                table.LoadGameDefinition(definition, seed);
                const QuickSaveFile start = table.ToQuickSave();
                SolverResult result = SolveCopy(table, 4000);
                if (result.verdict != SolverVerdict::Won) continue;
                ++lines;
                SCOPED_TRACE(name + " seed " + std::to_string(seed));
                ExpectLineWins(definition, start, result.line);
            }
        }
    EXPECT_GE(games, 30);
    EXPECT_GE(lines, 20);
}
