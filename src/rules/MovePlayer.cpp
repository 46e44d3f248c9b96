// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/MovePlayer.h"

#include "rules/KartenTisch.h"
#include "rules/TableSnapshot.h"

namespace {

constexpr double kFrameTime = 1.0 / 60.0;

} // namespace

KartenStapel* MovePlayer::Pile(int id, std::string& reason) const {
    // Several piles may share an id; the move language reaches the first of them.
    for (KartenStapel* pile : table.piles)
        if (pile->pileId == id) return pile;
    reason = "no pile has ID " + std::to_string(id);
    return nullptr;
}

Card* MovePlayer::VisibleFromTop(KartenStapel& pile, int id, int depth, std::string& reason) const {
    int count = pile.VisibleCount();
    if (depth < 1 || depth > count) {
        reason = "pile " + std::to_string(id) + " shows " + std::to_string(count) +
                 (count == 1 ? " visible card" : " visible cards") + ", not " +
                 std::to_string(depth);
        return nullptr;
    }
    return pile.visibleCards[count - depth];
}

bool MovePlayer::Drag(const ScriptMove& move, std::string& reason) {
    KartenStapel* source = Pile(move.source, reason);
    if (!source) return false;
    KartenStapel* target = Pile(move.target, reason);
    if (!target) return false;
    Card* card = VisibleFromTop(*source, move.source, move.depth, reason);
    if (!card) return false;
    if (target == source) {
        reason = "a card cannot be dropped on its own pile";
        return false;
    }
    if (!source->CanGiveCard(card)) {
        reason = "pile " + std::to_string(move.source) + " may not give this card";
        return false;
    }
    const int count = source->MoveCountFor(card);
    if (!target->CanGiveCard(card) || !target->AcceptsCards(card, count)) {
        reason = "pile " + std::to_string(move.target) + " does not accept " +
                 std::to_string(count) + (count == 1 ? " card" : " cards") + " here";
        return false;
    }
    target->AddVisible(card, -1, true, source->MoveDepth());
    Recorded();
    return true;
}

bool MovePlayer::Auto(const ScriptMove& move, std::string& reason) {
    KartenStapel* source = Pile(move.source, reason);
    if (!source) return false;
    Card* card = VisibleFromTop(*source, move.source, move.depth, reason);
    if (!card) return false;
    if (!source->AutoMoveCard(card)) {
        if (history == MoveHistory::Record) ++table.failedDoubleClicks;
        reason = "no pile takes this card";
        return false;
    }
    Recorded();
    return true;
}

bool MovePlayer::Click(const ScriptMove& move, std::string& reason) {
    KartenStapel* pile = Pile(move.source, reason);
    if (!pile) return false;
    if (pile->VisibleCount() > 0) {
        reason = "pile " + std::to_string(move.source) +
                 " shows visible cards; a click there does nothing";
        return false;
    }
    TableSnapshot before(table.piles);
    bool recorded = pile->FaceDownCount() > 0 ? pile->UncoverByRule() : pile->FetchFromLinked();
    if (recorded) {
        Recorded();
        return true;
    }
    if (TableSnapshot(table.piles) == before) {
        reason = "the click rule of pile " + std::to_string(move.source) + " does nothing here";
        return false;
    }
    return true;
}

void MovePlayer::Recorded() {
    if (history == MoveHistory::Record) table.PushUndoSnapshot();
}

bool MovePlayer::Apply(const ScriptMove& move, std::string& reason) {
    bool done = true;
    switch (move.kind) {
    case MoveKind::Drag:
        done = Drag(move, reason);
        break;
    case MoveKind::Auto:
        done = Auto(move, reason);
        break;
    case MoveKind::Click:
        done = Click(move, reason);
        break;
    // The history buttons do nothing at the start or the end of the history;
    // that is no error, as in the game.
    case MoveKind::Undo:
        table.UndoStep();
        break;
    case MoveKind::Redo:
        table.RedoStep();
        break;
    case MoveKind::UndoAll:
        table.UndoToStart();
        break;
    case MoveKind::RedoAll:
        table.RedoToEnd();
        break;
    }
    if (!done) return false;
    Settle();
    return true;
}

bool MovePlayer::Settle() {
    if (history == MoveHistory::Skip) {
        settled = table.SettleFills(kMaxSettleRounds);
        return settled;
    }
    settled = false;
    for (int round = 0; round < kMaxSettleRounds && !settled; ++round) {
        TableSnapshot before(table.piles);
        table.UpdatePiles(kFrameTime);
        settled = TableSnapshot(table.piles) == before;
    }
    return settled;
}
