// SPDX-License-Identifier: GPL-3.0-or-later
// Plays random moves on every game of the collection and checks after each one
// that no card was lost or doubled and that every card knows its pile; at the
// end the whole history must lead back to the deal and forward again.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "ProgressTestSupport.h"
#include "rules/RandomGenerator.h"

namespace {

std::string Latin1(std::string text) {
    for (size_t at; (at = text.find("\xC3\x96")) != std::string::npos;)
        text.replace(at, 2, "\xD6");
    for (size_t at; (at = text.find("\xC3\x9C")) != std::string::npos;)
        text.replace(at, 2, "\xDC");
    return text;
}

void ExpectSound(const KartenTisch& table, const std::string& where) {
    std::set<const Card*> seen;
    for (const KartenStapel* pile : table.piles) {
        for (const PtrList<Card>* list : {&pile->visibleCards, &pile->faceDownCards})
            for (const Card* card : *list) {
                ASSERT_TRUE(seen.insert(card).second) << where << ": a card lies twice";
                ASSERT_EQ(card->owner, pile) << where;
                ASSERT_TRUE(table.deck.Contains(card)) << where;
            }
    }
}

} // namespace

TEST(MoveSoak, RandomMovesOnEveryGameKeepEveryCardAndTheHistoryWalksBack) {
    const std::filesystem::path games = std::filesystem::path(KH_SOURCE_DIR) / "content" / "games";
    if (!std::filesystem::exists(games)) GTEST_SKIP() << "no game collection in this tree";
    int played = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(games)) {
        if (entry.path().extension() != ".game") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        const std::string definition = Latin1(text.str());
        const std::string name = entry.path().filename().string();
        auto table = LoadTable(definition, 11);
        const std::string dealt = TableText(*table);
        const int onPiles = [&] {
            int n = 0;
            for (KartenStapel* pile : table->piles)
                n += pile->TotalCount();
            return n;
        }();
        MovePlayer player(*table);
        RandomGenerator random(97);
        const int pileCount = table->piles.Count();
        int accepted = 0;
        for (int step = 0; step < 400 && pileCount > 0; ++step) {
            ScriptMove move;
            KartenStapel* source = table->piles[random.Below(pileCount)];
            move.source = source->pileId;
            move.target = table->piles[random.Below(pileCount)]->pileId;
            move.depth = 1 + random.Below(std::max(1, source->VisibleCount()));
            int kind = random.Below(10);
            move.kind = kind < 5   ? MoveKind::Drag
                        : kind < 8 ? MoveKind::Auto
                        : kind < 9 ? MoveKind::Click
                                   : MoveKind::Undo;
            std::string reason;
            if (player.Apply(move, reason)) ++accepted;
            ExpectSound(*table, name + " after " + move.Text());
            int now = 0;
            for (KartenStapel* pile : table->piles)
                now += pile->TotalCount();
            ASSERT_EQ(now, onPiles) << name << " after " + move.Text();
        }
        auto piles = [](const std::string& text) { return text.substr(text.find("STAPEL_START")); };
        EXPECT_GT(accepted, 20) << name;
        table->UndoToStart();
        EXPECT_TRUE(piles(TableText(*table)) == piles(dealt)) << name;
        // The end of the history is the last recorded move (a column turning its
        // own card records none, so it may differ from the table before).
        table->RedoToEnd();
        EXPECT_TRUE(TableSnapshot(table->piles) == *table->undoHistory.back()) << name;
        ExpectSound(*table, name + " after redo-all");
        ++played;
    }
    EXPECT_GT(played, 0);
}
