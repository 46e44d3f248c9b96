// SPDX-License-Identifier: GPL-3.0-or-later
// Every game of the collection plays the rules its name promises: each replays a won game
// (a table of its own deck and the moves that win it, tests/fixtures/content/won/, made by
// scripts/make-won-games), and each is checked for one rule that tells it from its
// neighbours, on its real deal or on a small position set up in the quick-save format.
#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "rules/KartenTisch.h"
#include "rules/MovePlayer.h"
#include "rules/MoveScript.h"

using namespace content;

namespace {

constexpr int KREUZ = 0, KARO = 1, PIK = 2, HERZ = 3;
constexpr int ASS = 0, ZEHN = 9, BUBE = 10, DAME = 11, KOENIG = 12;

std::string Definition(const std::string& game) {
    const std::string name = game.substr(game.find('/') + 1);
    std::string bytes;
    ReadFile(StageGamesDir() + "/" + game + "/" + name + ".game", bytes);
    return bytes;
}

std::unique_ptr<KartenTisch> Deal(const std::string& game, uint32_t seed = 4711) {
    auto table = std::make_unique<KartenTisch>();
    table->LoadGameDefinition(Definition(game), seed);
    return table;
}

SavedCard Up(int suit, int rank) {
    return {suit, rank, false};
}
SavedCard Down(int suit, int rank) {
    return {suit, rank, true};
}

// A table of the game holding only the cards given, lowest first, on the piles given.
std::unique_ptr<KartenTisch> Position(const std::string& game,
                                      const std::map<int, std::vector<SavedCard>>& piles) {
    QuickSaveFile save;
    for (const auto& [id, cards] : piles)
        save.piles.push_back({id, cards, true, 0});
    auto table = std::make_unique<KartenTisch>();
    table->LoadPosition(save, Definition(game), 1);
    return table;
}

// Plays one move the way the card scene does; false when the rules refuse it.
bool Play(KartenTisch& table, const std::string& line) {
    std::vector<ScriptMove> moves;
    std::string error;
    EXPECT_TRUE(MoveScript::ParseLine(line, 1, moves, error)) << error;
    if (moves.empty()) return false;
    return MovePlayer(table).Apply(moves.front(), error);
}

KartenStapel& PileOf(KartenTisch& table, int id) {
    auto piles = table.PilesWithId(id);
    EXPECT_FALSE(piles.empty()) << "no pile " << id;
    return *piles.front();
}

int CountSuit(const KartenTisch& table, int suit) {
    int n = 0;
    for (const Card* card : table.deck)
        n += card->suit == suit;
    return n;
}

// Visible and face-down counts of the piles first … last.
std::vector<std::pair<int, int>> Counts(KartenTisch& table, int first, int last) {
    std::vector<std::pair<int, int>> out;
    for (int id = first; id <= last; ++id)
        out.emplace_back(PileOf(table, id).VisibleCount(), PileOf(table, id).FaceDownCount());
    return out;
}

std::vector<std::pair<int, int>> Repeat(int n, int visible, int faceDown) {
    return std::vector<std::pair<int, int>>(static_cast<size_t>(n), {visible, faceDown});
}

// The distinguishing rule of each game.
const std::map<std::string, std::function<void()>>& Checks() {
    static const std::map<std::string, std::function<void()>> checks = {
        // ---- Klondike ----
        {"klondike/klondike",
         [] {
             auto t = Deal("klondike/klondike");
             ASSERT_TRUE(Play(*t, "click 1"));
             EXPECT_EQ(PileOf(*t, 2).VisibleCount(), 1); // one card at a time
         }},
        {"klondike/klondike3",
         [] {
             auto t = Deal("klondike/klondike3");
             ASSERT_TRUE(Play(*t, "click 1"));
             KartenStapel& waste = PileOf(*t, 2);
             ASSERT_EQ(waste.VisibleCount(), 3);
             // All three show, fanned to the right; only the top one may be played.
             EXPECT_LT(waste.visibleCards[0]->target.x, waste.visibleCards[1]->target.x);
             EXPECT_LT(waste.visibleCards[1]->target.x, waste.visibleCards[2]->target.x);
             EXPECT_TRUE(waste.CanGiveCard(waste.visibleCards[2]));
             EXPECT_FALSE(waste.CanGiveCard(waste.visibleCards[1]));
             ASSERT_TRUE(Play(*t, "click 1"));
             EXPECT_FLOAT_EQ(waste.visibleCards[0]->target.x, waste.visibleCards[3]->target.x);
         }},
        {"klondike/thoughtful",
         [] {
             auto t = Deal("klondike/thoughtful");
             std::vector<std::pair<int, int>> open;
             for (int n = 1; n <= 7; ++n)
                 open.emplace_back(n, 0); // every card of the columns face up
             EXPECT_EQ(Counts(*t, 7, 13), open);
         }},
        {"klondike/whitehead",
         [] {
             // Red on red: the nine of diamonds on the ten of hearts.
             auto t = Position("klondike/whitehead", {{7, {Up(HERZ, ZEHN)}},
                                                      {8, {Up(KARO, ZEHN - 1)}},
                                                      {9, {Up(PIK, ZEHN - 1)}}});
             EXPECT_FALSE(Play(*t, "drag 9 1 7"));
             EXPECT_TRUE(Play(*t, "drag 8 1 7"));
         }},
        {"klondike/doubleklondike",
         [] {
             auto t = Deal("klondike/doubleklondike");
             EXPECT_EQ(t->deck.Count(), 104);
             EXPECT_EQ(PileOf(*t, 19).FaceDownCount(), 8);
             EXPECT_EQ(t->goalPileIds.size(), 8u);
         }},
        {"klondike/westcliff",
         [] {
             auto t = Deal("klondike/westcliff");
             EXPECT_EQ(Counts(*t, 7, 16), Repeat(10, 1, 3));
             // An empty column takes any card, not only a king.
             auto p = Position("klondike/westcliff", {{8, {Up(PIK, 4)}}});
             EXPECT_TRUE(Play(*p, "drag 8 1 7"));
         }},
        {"klondike/easthaven",
         [] {
             auto t = Deal("klondike/easthaven");
             EXPECT_EQ(Counts(*t, 7, 13), Repeat(7, 1, 2));
             ASSERT_TRUE(Play(*t, "click 1")); // one card onto every column, no waste
             EXPECT_EQ(Counts(*t, 7, 13), Repeat(7, 2, 2));
         }},
        // ---- FreeCell ----
        {"freecell/freecell",
         [] {
             // Two free cells and one empty column carry a run of five.
             std::map<int, std::vector<SavedCard>> piles = {
                 {1, {Up(KREUZ, KOENIG)}},
                 {2, {Up(HERZ, DAME), Up(PIK, BUBE), Up(KARO, ZEHN), Up(KREUZ, 8), Up(HERZ, 7)}},
                 {9, {Up(KARO, 1)}},
                 {10, {Up(KARO, 2)}}};
             for (int id = 3; id <= 7; ++id)
                 piles[id] = {Up(PIK, id)};
             auto t = Position("freecell/freecell", piles);
             EXPECT_TRUE(Play(*t, "drag 2 5 1"));
             // With column 8 filled too, three cards at most.
             piles[8] = {Up(PIK, 1)};
             auto full = Position("freecell/freecell", piles);
             EXPECT_FALSE(Play(*full, "drag 2 5 1"));
         }},
        {"freecell/bakersgame",
         [] {
             auto t = Position("freecell/bakersgame",
                               {{1, {Up(PIK, ZEHN)}}, {2, {Up(KREUZ, 8)}}, {3, {Up(PIK, 8)}}});
             EXPECT_FALSE(Play(*t, "drag 2 1 1")); // in suit, not by colour
             EXPECT_TRUE(Play(*t, "drag 3 1 1"));
         }},
        {"freecell/eightoff",
         [] {
             auto t = Deal("freecell/eightoff");
             EXPECT_EQ(Counts(*t, 9, 16), (std::vector<std::pair<int, int>>{
                                             {1, 0}, {1, 0}, {1, 0}, {1, 0},
                                             {0, 0}, {0, 0}, {0, 0}, {0, 0}}));
             auto p = Position("freecell/eightoff", {{2, {Up(HERZ, 4)}}, {3, {Up(HERZ, KOENIG)}}});
             EXPECT_FALSE(Play(*p, "drag 2 1 1")); // an empty column takes only a king
             EXPECT_TRUE(Play(*p, "drag 3 1 1"));
         }},
        {"freecell/seahaven",
         [] {
             auto t = Deal("freecell/seahaven");
             EXPECT_EQ(Counts(*t, 1, 10), Repeat(10, 5, 0));
             EXPECT_EQ(Counts(*t, 11, 14), (std::vector<std::pair<int, int>>{
                                               {1, 0}, {1, 0}, {0, 0}, {0, 0}}));
         }},
        {"freecell/twocells",
         [] {
             auto t = Deal("freecell/twocells");
             EXPECT_TRUE(t->PilesWithId(11).empty());
             // Two cells, no empty column: a run of three, not four.
             std::map<int, std::vector<SavedCard>> piles = {
                 {1, {Up(KREUZ, KOENIG)}},
                 {2, {Up(HERZ, DAME), Up(PIK, BUBE), Up(KARO, ZEHN), Up(KREUZ, 8)}}};
             for (int id = 3; id <= 8; ++id)
                 piles[id] = {Up(PIK, id)};
             auto p = Position("freecell/twocells", piles);
             EXPECT_FALSE(Play(*p, "drag 2 4 1"));
             piles.erase(8); // one empty column doubles it
             auto q = Position("freecell/twocells", piles);
             EXPECT_TRUE(Play(*q, "drag 2 4 1"));
         }},
        // ---- Spider ----
        {"spider/spider1",
         [] {
             auto t = Deal("spider/spider1");
             EXPECT_EQ(CountSuit(*t, PIK), 104);
         }},
        {"spider/spider2",
         [] {
             auto t = Deal("spider/spider2");
             EXPECT_EQ(CountSuit(*t, PIK), 52);
             EXPECT_EQ(CountSuit(*t, HERZ), 52);
         }},
        {"spider/spider4",
         [] {
             auto t = Deal("spider/spider4");
             for (int suit = 0; suit < 4; ++suit)
                 EXPECT_EQ(CountSuit(*t, suit), 26);
             // No new row of cards while a column is empty.
             std::map<int, std::vector<SavedCard>> piles;
             for (int id = 11; id <= 19; ++id)
                 piles[id] = {Up(PIK, 5)};
             for (int i = 0; i < 10; ++i)
                 piles[1].push_back(Down(HERZ, i));
             auto p = Position("spider/spider4", piles);
             EXPECT_FALSE(Play(*p, "click 1"));
             piles[10] = {Up(KARO, 3)};
             auto q = Position("spider/spider4", piles);
             EXPECT_TRUE(Play(*q, "click 1"));
         }},
        {"spider/spiderette",
         [] {
             auto t = Deal("spider/spiderette");
             EXPECT_EQ(t->deck.Count(), 52);
             std::vector<std::pair<int, int>> klondike;
             for (int n = 0; n < 7; ++n)
                 klondike.emplace_back(1, n);
             EXPECT_EQ(Counts(*t, 6, 12), klondike);
         }},
        {"spider/willothewisp",
         [] {
             auto t = Deal("spider/willothewisp");
             EXPECT_EQ(Counts(*t, 6, 12), Repeat(7, 1, 2));
         }},
        {"spider/scorpion",
         [] {
             // A run of one colour but two suits does not go home.
             std::vector<SavedCard> mixed;
             for (int rank = KOENIG; rank >= ASS; --rank)
                 mixed.push_back(Up(rank == 6 ? KARO : HERZ, rank));
             std::vector<SavedCard> pure;
             for (int rank = KOENIG; rank >= ASS; --rank)
                 pure.push_back(Up(PIK, rank));
             auto t = Position("spider/scorpion", {{6, mixed}, {7, pure}});
             EXPECT_FALSE(Play(*t, "drag 6 13 2"));
             EXPECT_TRUE(Play(*t, "drag 7 13 2"));
             // Any face-up card moves with everything on it, in order or not.
             auto p = Position("spider/scorpion", {{8, {Up(HERZ, 10)}},
                                                   {9, {Up(HERZ, 9), Up(KREUZ, 3), Up(PIK, 2)}}});
             EXPECT_TRUE(Play(*p, "drag 9 3 8"));
         }},
        {"spider/simplesimon",
         [] {
             auto t = Deal("spider/simplesimon");
             std::vector<std::pair<int, int>> steps;
             for (int n : {8, 8, 8, 7, 6, 5, 4, 3, 2, 1})
                 steps.emplace_back(n, 0);
             EXPECT_EQ(Counts(*t, 6, 15), steps);
         }},
        // ---- Yukon ----
        {"yukon/yukon",
         [] {
             auto t = Position("yukon/yukon",
                               {{5, {Up(PIK, 8)}}, {6, {Up(HERZ, 7), Up(KREUZ, 2), Up(KARO, 12)}}});
             EXPECT_TRUE(Play(*t, "drag 6 3 5")); // unordered cards ride along
         }},
        {"yukon/russian",
         [] {
             auto t = Position("yukon/russian",
                               {{5, {Up(PIK, 8)}}, {6, {Up(KREUZ, 7)}}, {7, {Up(PIK, 7)}}});
             EXPECT_FALSE(Play(*t, "drag 6 1 5")); // in suit, not by colour
             EXPECT_TRUE(Play(*t, "drag 7 1 5"));
         }},
        {"yukon/alaska",
         [] {
             auto t = Position("yukon/alaska",
                               {{5, {Up(PIK, 8)}}, {6, {Up(PIK, 9)}}, {7, {Up(KREUZ, 7)}}});
             EXPECT_TRUE(Play(*t, "drag 6 1 5")); // up as well as down
             EXPECT_FALSE(Play(*t, "drag 7 1 5"));
         }},
        // ---- Golf ----
        {"golf/golf",
         [] {
             auto t = Position("golf/golf", {{1, {Up(KREUZ, KOENIG)}},
                                             {3, {Up(KARO, ASS)}},
                                             {4, {Up(HERZ, DAME)}}});
             EXPECT_FALSE(Play(*t, "drag 3 1 1")); // no turning the corner
             EXPECT_TRUE(Play(*t, "drag 4 1 1"));
         }},
        {"golf/puttputt",
         [] {
             auto t = Position("golf/puttputt", {{1, {Up(KREUZ, KOENIG)}}, {3, {Up(KARO, ASS)}}});
             EXPECT_TRUE(Play(*t, "drag 3 1 1"));
         }},
        {"golf/blackhole",
         [] {
             auto t = Deal("golf/blackhole");
             KartenStapel& hole = PileOf(*t, 1);
             ASSERT_EQ(hole.VisibleCount(), 1);
             EXPECT_EQ(hole.visibleCards[0]->suit, PIK);
             EXPECT_EQ(hole.visibleCards[0]->rank, ASS);
             EXPECT_EQ(Counts(*t, 2, 18), Repeat(17, 3, 0));
         }},
        {"golf/allinarow",
         [] {
             auto t = Position("golf/allinarow", {{2, {Up(HERZ, 7)}}});
             EXPECT_TRUE(Play(*t, "drag 2 1 1")); // any card starts the pile
         }},
        // ---- Beleaguered Castle ----
        {"castle/beleagueredcastle",
         [] {
             auto t = Deal("castle/beleagueredcastle");
             for (int id = 1; id <= 4; ++id) {
                 ASSERT_EQ(PileOf(*t, id).VisibleCount(), 1);
                 EXPECT_EQ(PileOf(*t, id).visibleCards[0]->rank, ASS);
             }
         }},
        {"castle/streetsandalleys",
         [] {
             auto t = Deal("castle/streetsandalleys");
             EXPECT_EQ(PileOf(*t, 1).TotalCount(), 0); // the aces lie in the rows
             EXPECT_EQ(PileOf(*t, 5).VisibleCount(), 7);
         }},
        {"castle/stronghold",
         [] {
             auto t = Position("castle/stronghold", {{5, {Up(HERZ, 5)}}, {6, {Up(HERZ, 6)}}});
             EXPECT_TRUE(Play(*t, "drag 5 1 13")); // the free cell
             EXPECT_FALSE(Play(*t, "drag 6 1 13"));
         }},
        {"castle/fortress",
         [] {
             auto t = Position("castle/fortress",
                               {{5, {Up(HERZ, 8)}}, {6, {Up(HERZ, 9)}}, {7, {Up(PIK, 7)}}});
             EXPECT_TRUE(Play(*t, "drag 6 1 5")); // up or down in suit
             EXPECT_FALSE(Play(*t, "drag 7 1 5"));
         }},
        // ---- Forty Thieves ----
        {"forty/fortythieves",
         [] {
             auto t = Deal("forty/fortythieves");
             EXPECT_EQ(Counts(*t, 11, 20), Repeat(10, 4, 0));
             auto p = Position("forty/fortythieves",
                               {{11, {Up(PIK, 8), Up(PIK, 7)}}, {12, {Up(PIK, 9)}}});
             EXPECT_FALSE(Play(*p, "drag 11 2 12")); // one card at a time
         }},
        {"forty/lucas",
         [] {
             auto t = Deal("forty/lucas");
             for (int id = 3; id <= 10; ++id)
                 EXPECT_EQ(PileOf(*t, id).visibleCards[0]->rank, ASS);
             EXPECT_EQ(Counts(*t, 11, 23), Repeat(13, 3, 0));
         }},
        {"forty/gypsy",
         [] {
             auto t = Deal("forty/gypsy");
             ASSERT_TRUE(Play(*t, "click 1")); // a card onto every column
             EXPECT_EQ(Counts(*t, 11, 18), Repeat(8, 2, 2));
             auto p = Position("forty/gypsy",
                               {{11, {Up(PIK, 8), Up(HERZ, 7)}}, {12, {Up(KARO, 9)}}});
             EXPECT_TRUE(Play(*p, "drag 11 2 12")); // ordered runs move
         }},
        {"forty/limited",
         [] {
             auto t = Deal("forty/limited");
             EXPECT_EQ(Counts(*t, 11, 22), Repeat(12, 3, 0));
         }},
        {"forty/busyaces",
         [] {
             auto t = Deal("forty/busyaces");
             EXPECT_EQ(Counts(*t, 11, 22), Repeat(12, 1, 0));
         }},
        // ---- La Belle Lucie ----
        {"fan/labellelucie",
         [] {
             auto t = Deal("fan/labellelucie");
             for (int pass = 0; pass < 2; ++pass)
                 EXPECT_TRUE(Play(*t, "click 23")) << "redeal " << pass + 1;
             EXPECT_FALSE(Play(*t, "click 23")); // two redeals only
             int cards = 0;
             for (int id = 5; id <= 22; ++id)
                 cards += PileOf(*t, id).TotalCount();
             EXPECT_EQ(cards, 52);
             EXPECT_EQ(Counts(*t, 5, 21), Repeat(17, 3, 0));
         }},
        {"fan/fan",
         [] {
             auto t = Position("fan/fan", {{6, {Up(HERZ, DAME)}}, {7, {Up(HERZ, KOENIG)}}});
             EXPECT_FALSE(Play(*t, "drag 6 1 5")); // only a king fills a fan
             EXPECT_TRUE(Play(*t, "drag 7 1 5"));
         }},
        {"fan/bisley",
         [] {
             auto t = Position("fan/bisley", {{9, {Up(KREUZ, KOENIG)}}, {10, {Up(KARO, DAME)}}});
             EXPECT_TRUE(Play(*t, "drag 9 1 5")); // kings start their own foundations
             EXPECT_FALSE(Play(*t, "drag 10 1 6"));
         }},
        {"fan/bakersdozen",
         [] {
             for (uint32_t seed = 1; seed <= 20; ++seed) {
                 auto t = Deal("fan/bakersdozen", seed);
                 for (int id = 5; id <= 17; ++id) {
                     const KartenStapel& column = PileOf(*t, id);
                     bool aboveOther = false;
                     for (const Card* card : column.visibleCards) {
                         if (card->rank != KOENIG)
                             aboveOther = true;
                         else
                             EXPECT_FALSE(aboveOther)
                                 << "seed " << seed << ": a king over other cards";
                     }
                 }
             }
         }},
        {"fan/flowergarden",
         [] {
             auto t = Deal("fan/flowergarden");
             EXPECT_EQ(Counts(*t, 11, 26), Repeat(16, 1, 0));
             auto p = Position("fan/flowergarden", {{5, {Up(PIK, 8)}}, {11, {Up(HERZ, 7)}}});
             EXPECT_TRUE(Play(*p, "drag 11 1 5")); // any bouquet card may be played
         }},
        {"fan/eaglewing",
         [] {
             auto t = Position("fan/eaglewing", {{3, {Up(KARO, 5)}},
                                                 {7, {Up(KREUZ, 5)}},
                                                 {8, {Up(KREUZ, ASS)}},
                                                 {9, {Up(KARO, 6)}}});
             EXPECT_FALSE(Play(*t, "drag 8 1 4")); // the foundations start with a six
             EXPECT_TRUE(Play(*t, "drag 7 1 4"));
             EXPECT_TRUE(Play(*t, "drag 9 1 3"));
         }},
    };
    return checks;
}

// Category/game of every game staged from the collection.
std::vector<std::string> StagedGames() {
    std::vector<std::string> games;
    for (const auto& category : std::filesystem::directory_iterator(StageGamesDir())) {
        if (!category.is_directory()) continue;
        for (const auto& game : std::filesystem::directory_iterator(category.path()))
            if (game.is_directory())
                games.push_back(category.path().filename().string() + "/" +
                                game.path().filename().string());
    }
    std::sort(games.begin(), games.end());
    return games;
}

std::string LastLine(std::string text) {
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    const size_t at = text.rfind('\n');
    return at == std::string::npos ? text : text.substr(at + 1);
}

} // namespace

TEST(StandardRules, EveryGameReplaysAWonGame) {
    const auto games = StagedGames();
    EXPECT_EQ(games.size(), 41u);
    for (const std::string& game : games) {
        const std::string name = game.substr(game.find('/') + 1);
        const std::string fixture = std::string(KH_SOURCE_DIR) + "/tests/fixtures/content/won/" + name;
        const auto run = RunTool(Cli() + " replay --game-file " + StageGamesDir() + "/" + game +
                                 "/" + name + ".game --layout " + fixture + ".sav --moves " +
                                 fixture + ".moves");
        EXPECT_EQ(run.exitCode, 0) << game << "\n" << run.output;
        EXPECT_EQ(LastLine(run.output), "won") << game;
    }
}

TEST(StandardRules, EveryGameKeepsTheRuleThatSetsItApart) {
    const auto games = StagedGames();
    std::set<std::string> checked;
    for (const auto& [game, check] : Checks()) {
        SCOPED_TRACE(game);
        check();
        checked.insert(game);
    }
    for (const std::string& game : games)
        EXPECT_TRUE(checked.count(game)) << game << " has no rule check";
}
