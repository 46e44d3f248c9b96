// SPDX-License-Identifier: GPL-3.0-or-later
// Faults the fuzz targets and the soak player found in the readers, each kept
// as the smallest input that showed it.
#include <gtest/gtest.h>

#include "ProgressTestSupport.h"
#include "rules/GameLint.h"

namespace {

// Two columns share id 2 (the move language reaches the first; the game and
// the automatic moves reach both), and each is dealt its own cards.
const char* kSharedIdGame = R"(
SPIEL_ANZ_KARTEN: 12 SPIEL_AF: ALLES SPIEL_AW: ALLES
STAPEL_START ID: 1 INIT_ANZ_SICHTBAR: 2 INIT_ANZ_VERDECKT: 0 STAPEL_ENDE
STAPEL_START ID: 2 INIT_ANZ_SICHTBAR: 3 INIT_ANZ_VERDECKT: 1 STAPEL_ENDE
STAPEL_START ID: 2 INIT_ANZ_SICHTBAR: 4 INIT_ANZ_VERDECKT: 2 STAPEL_ENDE
)";

std::string PileCards(const KartenStapel& pile) {
    std::string text;
    for (const PtrList<Card>* list : {&pile.visibleCards, &pile.faceDownCards}) {
        for (const Card* card : *list)
            text += std::to_string(card->suit) + "/" + std::to_string(card->rank) + " ";
        text += "| ";
    }
    return text;
}

} // namespace

TEST(ReaderRegression, QuickSaveGivesEachPileOfASharedIdItsOwnCardsBack) {
    auto dealt = LoadTable(kSharedIdGame, 5);
    ASSERT_EQ(dealt->piles.Count(), 3);
    std::istringstream text(TableText(*dealt));
    QuickSaveFile save;
    save.Read(text);
    auto loaded = LoadTable(kSharedIdGame, 9);
    ASSERT_TRUE(loaded->ReadQuickSave(save, kSharedIdGame, 9));
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(PileCards(*loaded->piles[p]), PileCards(*dealt->piles[p])) << "pile " << p;
    // A third block of the shared id has no pile of its own and joins the first.
    const SavedCard moved = save.piles[0].cards.back();
    save.piles[0].cards.pop_back();
    save.piles.push_back({2, {moved}, true});
    ASSERT_TRUE(loaded->ReadQuickSave(save, kSharedIdGame, 9));
    EXPECT_EQ(loaded->piles[1]->VisibleCount(), 4);
    EXPECT_EQ(loaded->piles[2]->VisibleCount(), 4);
}

TEST(ReaderRegression, LintSumsHugeDealCountsWithoutOverflow) {
    const std::string game = "SPIEL_ANZ_KARTEN: 52 SPIEL_AF: ALLES SPIEL_AW: ALLES\n"
                             "STAPEL_START ID: 1 INIT_ANZ_VERDECKT: 2147483647 "
                             "INIT_ANZ_SICHTBAR: 3 STAPEL_ENDE\n";
    bool reported = false;
    for (const LintProblem& problem : GameLint().Check(game))
        reported |= problem.message == "the deal asks for 2147483650 cards but the deck holds 52";
    EXPECT_TRUE(reported);
}
