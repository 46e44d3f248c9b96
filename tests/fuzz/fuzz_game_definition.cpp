// SPDX-License-Identifier: GPL-3.0-or-later
// Game definitions (".game"): any bytes load into a table with bounded piles
// and deck; the deal puts every card in at most one list of one pile; a short
// random game on it keeps every card (see SoakAudit), and the lint reads the
// same bytes without trouble. The first four bytes seed the deal.
#include "FuzzSupport.h"
#include "cli/SoakAudit.h"
#include "cli/SoakPlayer.h"
#include "rules/GameLint.h"
#include "rules/KartenTisch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint32_t seed = TakeSeed(data, size);
    const std::string bytes = InputText(data, size);
    {
        KartenTisch table;
        table.LoadGameDefinition(std::string_view(bytes), seed);
        FUZZ_CHECK(table.piles.Count() <= GameDefinition::MaxPiles, "too many piles");
        FUZZ_CHECK(table.deck.Count() <= GameDefinition::MaxDeckSize, "too large a deck");
        FUZZ_CHECK(static_cast<int>(table.goalPileIds.size()) <= GameDefinition::MaxGoalIds,
                   "too many goal ids");
        const std::string problem = SoakAudit::CheckPlacement(table);
        if (!problem.empty()) std::fprintf(stderr, "%s\n", problem.c_str());
        FUZZ_CHECK(problem.empty(), "the deal broke the table");
        FUZZ_CHECK(table.undoHistory.size() == 1, "the deal is not the one undo state");
    }
    // A short game with every kind of step, quick saves included, for a quarter
    // of the inputs; the lint, which deals sixteen times, for small ones.
    if ((seed >> 3) % 4 == 0) {
        SoakPlayer player("input", bytes);
        SoakFailure failure;
        const bool sound = player.PlayGame(seed, 16, failure);
        if (!sound) std::fprintf(stderr, "%s\n", failure.Text().c_str());
        FUZZ_CHECK(sound, "a random game broke the table");
    }
    if (size < 2048 && (seed & 7) == 0) (void)GameLint().Check(bytes);
    return 0;
}
