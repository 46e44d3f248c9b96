// SPDX-License-Identifier: GPL-3.0-or-later
// Quick saves ("quick.sav"): any bytes read within the reader's limits, write
// back to text that reads as the same save, and load onto a real game without
// putting more cards on the piles than the file held; a short random game on
// the loaded table keeps every card.
#include "FuzzSupport.h"
#include "cli/SoakAudit.h"
#include "rules/KartenTisch.h"
#include "rules/MovePlayer.h"

#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream input = InputStream(data, size);
    QuickSaveFile save;
    save.Read(input);
    FUZZ_CHECK(save.CardCount() <= QuickSaveFile::kMaxCards, "too many cards kept");
    FUZZ_CHECK(static_cast<int>(save.piles.size()) <= QuickSaveFile::kMaxPiles,
               "too many piles kept");
    for (const SavedPile& pile : save.piles)
        for (const SavedCard& card : pile.cards)
            FUZZ_CHECK(card.suit >= 0 && card.suit <= 3 && card.rank >= 0 && card.rank <= 12,
                       "a card outside the deck kept");

    const std::string text = save.ToText();
    std::istringstream written(text);
    QuickSaveFile again;
    again.Read(written);
    FUZZ_CHECK(again.ToText() == text, "a written save reads back differently");

    // A save is taken only when its cards are exactly the deck; a refused one
    // leaves the table as it was. Klondike's deck holds every card once, so the
    // save made the deck (first copies kept, missing cards on a last block)
    // must be taken.
    KartenTisch table;
    const bool accepted = table.ReadQuickSave(save, KlondikeDefinition(), 1);
    FUZZ_CHECK(accepted == table.QuickSaveMatchesDeck(save, KlondikeDefinition()),
               "taken or refused against the deck check");
    if (!accepted) {
        FUZZ_CHECK(table.piles.Count() == 0 && table.deck.Count() == 0,
                   "a refused save changed the table");
        bool seen[52] = {};
        for (SavedPile& pile : save.piles)
            std::erase_if(pile.cards, [&](const SavedCard& card) {
                return std::exchange(seen[card.suit * 13 + card.rank], true);
            });
        if (save.piles.empty()) save.piles.push_back({1, {}, true});
        for (int card = 0; card < 52; ++card)
            if (!seen[card]) save.piles.back().cards.push_back({card / 13, card % 13, card % 2 == 0});
        FUZZ_CHECK(table.ReadQuickSave(save, KlondikeDefinition(), 1), "the deck was refused");
    }
    int onPiles = 0;
    for (const KartenStapel* pile : table.piles)
        onPiles += pile->TotalCount();
    FUZZ_CHECK(onPiles <= save.CardCount(), "more cards on the piles than the file held");
    FUZZ_CHECK(table.deck.Count() == save.CardCount(), "the deck is not the saved cards");
    FUZZ_CHECK(SoakAudit::CheckPlacement(table).empty(), "the loaded table is broken");

    // A few moves on the loaded table: double clicks on the top cards, then
    // back to the loaded state.
    SoakAudit audit;
    audit.TakeCensus(table);
    MovePlayer player(table);
    for (int p = 0; p < table.piles.Count() && p < 8; ++p) {
        std::string reason;
        ScriptMove move;
        move.kind = MoveKind::Auto;
        move.source = table.piles[p]->pileId;
        move.depth = 1;
        (void)player.Apply(move, reason);
    }
    FUZZ_CHECK(audit.Check(table).empty(), "a move on the loaded table broke it");
    table.UndoToStart();
    FUZZ_CHECK(audit.Check(table).empty(), "undo on the loaded table broke it");
    return 0;
}
