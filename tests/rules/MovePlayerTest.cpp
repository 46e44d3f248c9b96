// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/MovePlayer.h"

#include <gtest/gtest.h>

#include "RulesTestSupport.h"

// Three reserves that fill each other in a ring against the pile order: the one
// card lies on another pile after every frame, as it would in the game, so
// settling stops after its limit and says so.
TEST(MovePlayer, FillsThatNeverComeToRestAreStoppedAndReported) {
    auto table = LoadTable(R"(
SPIEL_ANZ_KARTEN: 1 SPIEL_AF: ALLES SPIEL_AW: ALLES
STAPEL_START ID: 1 AUTO_FILL_VERKN: 1 VERK_STAPEL_START 3 VERK_STAPEL_ENDE
  INIT_ANZ_SICHTBAR: 1 STAPEL_ENDE
STAPEL_START ID: 2 AUTO_FILL_VERKN: 1 VERK_STAPEL_START 1 VERK_STAPEL_ENDE STAPEL_ENDE
STAPEL_START ID: 3 AUTO_FILL_VERKN: 1 VERK_STAPEL_START 2 VERK_STAPEL_ENDE STAPEL_ENDE)");
    MovePlayer player(*table);
    EXPECT_FALSE(player.Settle());
    EXPECT_FALSE(player.Settled());
    int cards = 0;
    for (KartenStapel* pile : table->piles)
        cards += pile->TotalCount();
    EXPECT_EQ(cards, 1);

    // With two cards each reserve keeps one and the table is still.
    auto calm = LoadTable(R"(
SPIEL_ANZ_KARTEN: 2 SPIEL_AF: ALLES SPIEL_AW: ALLES
STAPEL_START ID: 1 AUTO_FILL_VERKN: 1 VERK_STAPEL_START 2 VERK_STAPEL_ENDE
  INIT_ANZ_SICHTBAR: 2 STAPEL_ENDE
STAPEL_START ID: 2 AUTO_FILL_VERKN: 1 VERK_STAPEL_START 1 VERK_STAPEL_ENDE STAPEL_ENDE)");
    MovePlayer calmPlayer(*calm);
    EXPECT_TRUE(calmPlayer.Settle());
    EXPECT_EQ(calm->piles[1]->VisibleCount(), 1);
    // Fills are no moves of their own: the history holds only the deal.
    EXPECT_EQ(calm->undoHistory.size(), 1u);
}
