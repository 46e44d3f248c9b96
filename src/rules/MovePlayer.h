// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays moves of the move language on a table exactly as the card scene does
// with the mouse: a drag asks the source whether it may give the card and the
// target whether it may give and accept it (with the count the scene passes),
// a double click runs the automatic move, a click on a pile without visible
// cards runs its click rule, and every successful move records an undo state.
// After each move the per-frame pile updates run until the table is still, so
// automatic fills happen as they would in the following frames.
#include <string>

#include "rules/MoveScript.h"

class Card;
class KartenStapel;
class KartenTisch;

// Whether the moves are the player's (recorded in the undo history and counted)
// or a search's trials, which leave history and counters alone and settle the
// fills without stepping the cards' motion.
enum class MoveHistory { Record, Skip };

class MovePlayer {
public:
    explicit MovePlayer(KartenTisch& table, MoveHistory history = MoveHistory::Record)
        : table(table), history(history) {}

    // Applies one move and then settles the table. Returns false when the move is
    // refused, with the reason in reason; the table is then as before the move
    // (a refused double click still counts as a failed one, as in the game).
    bool Apply(const ScriptMove& move, std::string& reason);

    // Runs the per-frame pile updates until a round changes no card list.
    // Returns false when the fills did not come to rest within kMaxSettleRounds.
    bool Settle();

    // False after a Settle whose fills did not come to rest (two piles that fill
    // each other back and forth do so in the game too, one card per frame).
    bool Settled() const { return settled; }

    static constexpr int kMaxSettleRounds = 1000;

private:
    KartenStapel* Pile(int id, std::string& reason) const;
    Card* VisibleFromTop(KartenStapel& pile, int id, int depth, std::string& reason) const;
    bool Drag(const ScriptMove& move, std::string& reason);
    bool Auto(const ScriptMove& move, std::string& reason);
    bool Click(const ScriptMove& move, std::string& reason);

    void Recorded();

    KartenTisch& table;
    MoveHistory history;
    bool settled = true;
};
