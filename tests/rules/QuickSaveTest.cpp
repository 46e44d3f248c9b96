// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <filesystem>
#include <functional>

#include <unistd.h>

#include "ProgressTestSupport.h"

namespace {

std::string SavePath(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("kh_table_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

std::string Piles(const std::string& text) {
    return text.substr(text.find("STAPEL_START"));
}

} // namespace

TEST(QuickSave, SaveMoveLoadBringsBackTableScoreAndClock) {
    const std::string game = LadderGame();
    auto table = LoadTable(game);
    Play(*table, "auto 4 1\nauto 4 1\nundo\nredo");
    table->gameTime = 95.4321;
    table->failedDoubleClicks = 1;
    table->UpdateTimeScore(3.0);
    const std::string saved = TableText(*table);
    const std::string path = SavePath("roundtrip.sav");
    ASSERT_TRUE(table->WriteQuickSave(path));

    Play(*table, "auto 3 1\nclick 3");
    table->gameTime = 200;
    const long long movesBefore = table->movesCounted;
    ASSERT_EQ(table->ReadQuickSave(path, game, 5), KartenTisch::ResultOk);
    EXPECT_EQ(TableText(*table), saved);
    EXPECT_EQ(table->gameTime, 95.4321);
    EXPECT_EQ(table->undoCount, 2);
    EXPECT_EQ(table->failedDoubleClicks, 1);
    EXPECT_EQ(table->timeScore, 997);
    EXPECT_EQ(table->goalBonus, 200);
    // The loaded table is the only undo state; the fresh deal and the loaded
    // table count as two moves.
    EXPECT_EQ(table->undoHistory.size(), 1u);
    EXPECT_EQ(table->undoIndex, 0);
    EXPECT_FALSE(table->UndoStep());
    EXPECT_EQ(table->movesCounted, movesBefore + 2);
    // The loaded cards belong to their piles and to the deck.
    EXPECT_EQ(table->deck.Count(), 8);
    for (KartenStapel* pile : table->piles)
        for (Card* card : pile->visibleCards) {
            EXPECT_EQ(card->owner, pile);
            EXPECT_TRUE(table->deck.Contains(card));
        }
    // The game goes on from there.
    Play(*table, "auto 3 1\nclick 3\nauto 3 1\nclick 1\nauto 2 1\nclick 1\nauto 2 1");
    EXPECT_TRUE(table->IsGameWon());
    std::remove(path.c_str());
}

TEST(QuickSave, LargeClockKeepsSixSignificantDigitsAndTheGameFoldersAreMade) {
    const std::string game = LadderGame();
    auto table = LoadTable(game);
    table->gameTime = 1234567.8;
    const std::string root = SavePath("folders");
    const std::string path = root + "/" + QuickSaveFile::PathFor("einfach", "leiter");
    ASSERT_TRUE(table->WriteQuickSave(path));
    ASSERT_EQ(table->ReadQuickSave(path, game, 1), KartenTisch::ResultOk);
    EXPECT_EQ(table->gameTime, 1.23457e+06);
    std::filesystem::remove_all(root);
}

TEST(QuickSave, ABlockWithAnUnknownIdLeavesItsCardsInTheDeckOnNoPile) {
    const std::string game = LadderGame();
    auto table = LoadTable(game);
    // The ladder's deck: ace to four of diamonds (suit 1) and of hearts (suit 3).
    QuickSaveFile save;
    save.piles.push_back({99, {{1, 0, false}, {3, 0, false}}, true});
    save.piles.push_back({5, {{1, 1, false}}, true});
    save.piles.push_back({5, {{1, 2, true}}, true}); // the same id again adds to that pile
    save.piles.push_back({1, {{3, 1, true}, {3, 2, true}, {1, 3, true}, {3, 3, true}}, true});
    ASSERT_TRUE(table->ReadQuickSave(save, game, 1));
    EXPECT_EQ(table->deck.Count(), 8);
    int onPiles = 0;
    for (KartenStapel* pile : table->piles)
        onPiles += pile->TotalCount();
    EXPECT_EQ(onPiles, 6);
    KartenStapel* five = table->PilesWithId(5).front();
    EXPECT_EQ(five->VisibleCount(), 1);
    EXPECT_EQ(five->FaceDownCount(), 1);
    EXPECT_FALSE(table->IsGameWon());
}

TEST(QuickSave, SavingTwiceKeepsOnlyTheSecondAndAMissingFileChangesNothing) {
    const std::string game = LadderGame();
    auto table = LoadTable(game);
    const std::string path = SavePath("twice.sav");
    ASSERT_TRUE(table->WriteQuickSave(path));
    Play(*table, "auto 4 1\nauto 4 1");
    ASSERT_TRUE(table->WriteQuickSave(path));
    const std::string second = TableText(*table);
    Play(*table, "auto 3 1");
    ASSERT_EQ(table->ReadQuickSave(path, game, 3), KartenTisch::ResultOk);
    EXPECT_EQ(Piles(TableText(*table)), Piles(second));

    const std::string before = TableText(*table);
    EXPECT_EQ(table->ReadQuickSave(path + ".missing", game, 3), KartenTisch::ResultFail);
    EXPECT_EQ(TableText(*table), before);
    EXPECT_EQ(table->undoIndex, 0);
    std::remove(path.c_str());
}

TEST(QuickSave, ASaveIsTakenOnlyWhenItsCardsAreExactlyTheDeck) {
    const std::string game = LadderGame();
    auto table = LoadTable(game);
    Play(*table, "auto 4 1");
    const QuickSaveFile good = table->ToQuickSave();
    ASSERT_EQ(good.CardCount(), 8);
    EXPECT_TRUE(table->QuickSaveMatchesDeck(good, game));

    // Changes the first pile block that holds cards.
    auto changed = [&](const std::function<void(std::vector<SavedCard>&)>& change) {
        QuickSaveFile save = good;
        for (SavedPile& pile : save.piles)
            if (!pile.cards.empty()) {
                change(pile.cards);
                break;
            }
        return save;
    };
    const std::vector<QuickSaveFile> refused = {
        // Extra aces conjured onto a pile.
        changed([](auto& cards) { cards.insert(cards.end(), 50, SavedCard{3, 0, false}); }),
        // A card gone.
        changed([](auto& cards) { cards.pop_back(); }),
        // The right count, but a black king in place of a red card.
        changed([](auto& cards) { cards.front() = SavedCard{0, 12, false}; }),
        // A card that is no card at all.
        changed([](auto& cards) { cards.front() = SavedCard{4, 0, false}; }),
    };
    const std::string before = TableText(*table);
    for (size_t i = 0; i < refused.size(); ++i) {
        EXPECT_FALSE(table->QuickSaveMatchesDeck(refused[i], game)) << i;
        EXPECT_FALSE(table->ReadQuickSave(refused[i], game, 2)) << i;
        EXPECT_EQ(TableText(*table), before) << i; // the game goes on unchanged
    }
    // Blocks may be reordered and cards moved between piles: still the same deck.
    QuickSaveFile shuffled = good;
    std::reverse(shuffled.piles.begin(), shuffled.piles.end());
    EXPECT_TRUE(table->ReadQuickSave(shuffled, game, 2));
}
