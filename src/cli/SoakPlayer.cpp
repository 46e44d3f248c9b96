// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SoakPlayer.h"

#include <memory>
#include <sstream>
#include <vector>

#include "cli/SoakAudit.h"
#include "rules/KartenTisch.h"
#include "rules/MovePlayer.h"

namespace {

// Odds of the steps, out of 100.
constexpr int kDragOdds = 45;
constexpr int kAutoOdds = 20;
constexpr int kClickOdds = 12;
constexpr int kUndoOdds = 9;
constexpr int kRedoOdds = 6;
constexpr int kUndoAllOdds = 2;
constexpr int kRedoAllOdds = 2;
// The rest: quick save and load.

// Tables up to this many (visible card, pile) pairs have every legal drag
// listed; on larger ones kDragTries random cards are tried against every pile,
// which keeps a step cheap on the huge tables a damaged definition can make.
constexpr size_t kDragListLimit = 20000;
constexpr int kDragTries = 8;

// The piles the move language reaches: the first pile of every id.
std::vector<KartenStapel*> ReachablePiles(const KartenTisch& table) {
    std::vector<KartenStapel*> reachable;
    for (KartenStapel* pile : table.piles)
        if (table.PilesWithId(pile->pileId).front() == pile) reachable.push_back(pile);
    return reachable;
}

// The drags of a card to every other reachable pile that takes it, asked as
// the card scene asks: the source lets it go, the target gives and accepts it.
void DragsOf(KartenStapel* source, int depth, const std::vector<KartenStapel*>& piles,
             std::vector<ScriptMove>& out) {
    Card* card = source->visibleCards[source->VisibleCount() - depth];
    if (!source->CanGiveCard(card)) return;
    const int count = source->MoveCountFor(card);
    for (KartenStapel* target : piles)
        if (target != source && target->CanGiveCard(card) && target->AcceptsCards(card, count)) {
            ScriptMove move;
            move.kind = MoveKind::Drag;
            move.source = source->pileId;
            move.depth = depth;
            move.target = target->pileId;
            out.push_back(move);
        }
}

template <typename T> T* Pick(RandomGenerator& random, const std::vector<T*>& list) {
    return list.empty() ? nullptr : list[static_cast<size_t>(random.Below(int(list.size())))];
}

} // namespace

std::string SoakFailure::Text() const {
    return game + ", seed " + std::to_string(seed) + ", step " + std::to_string(step) + " (" +
           action + "): " + problem;
}

bool SoakPlayer::PlayGame(uint32_t seed, int steps, SoakFailure& failure) {
    failure = SoakFailure{name, seed, 0, "deal", {}};
    auto table = std::make_unique<KartenTisch>();
    table->LoadGameDefinition(std::string_view(definition), seed);
    choice.Seed(seed ^ 0x5EEDu);
    ++counts.games;

    SoakAudit audit;
    audit.TakeCensus(*table);
    failure.problem = SoakAudit::CheckPlacement(*table);
    if (!failure.problem.empty()) return false;
    auto player = std::make_unique<MovePlayer>(*table);
    // The frames after the deal already fill emptied piles.
    player->Settle();

    for (int step = 1; step <= steps && !table->IsGameWon(); ++step) {
        failure.step = step;
        ++counts.steps;
        const std::vector<KartenStapel*> piles = ReachablePiles(*table);
        std::vector<KartenStapel*> showing;
        for (KartenStapel* pile : piles)
            if (pile->VisibleCount() > 0) showing.push_back(pile);

        ScriptMove move;
        const int roll = choice.Below(100);
        int odds = kDragOdds;
        if (roll < odds && !showing.empty()) {
            // Mostly a drag that the piles allow; sometimes any drag, which the
            // piles must refuse without changing anything.
            std::vector<ScriptMove> legal;
            size_t visible = 0;
            for (KartenStapel* pile : showing)
                visible += static_cast<size_t>(pile->VisibleCount());
            if (choice.Below(10) != 0) {
                if (visible * piles.size() <= kDragListLimit) {
                    for (KartenStapel* source : showing)
                        for (int depth = 1; depth <= source->VisibleCount(); ++depth)
                            DragsOf(source, depth, piles, legal);
                } else {
                    for (int attempt = 0; attempt < kDragTries && legal.empty(); ++attempt) {
                        KartenStapel* source = Pick(choice, showing);
                        DragsOf(source, 1 + choice.Below(source->VisibleCount()), piles, legal);
                    }
                }
            }
            if (!legal.empty()) {
                move = legal[static_cast<size_t>(choice.Below(int(legal.size())))];
            } else {
                KartenStapel* source = Pick(choice, showing);
                move.kind = MoveKind::Drag;
                move.source = source->pileId;
                move.depth = 1 + choice.Below(source->VisibleCount());
                move.target = Pick(choice, piles)->pileId;
            }
        } else if (roll < (odds += kAutoOdds) && !showing.empty()) {
            KartenStapel* source = Pick(choice, showing);
            move.kind = MoveKind::Auto;
            move.source = source->pileId;
            move.depth = 1 + choice.Below(source->VisibleCount());
        } else if (roll < (odds += kClickOdds) && !piles.empty()) {
            std::vector<KartenStapel*> bare;
            for (KartenStapel* pile : piles)
                if (pile->VisibleCount() == 0) bare.push_back(pile);
            KartenStapel* pile = Pick(choice, bare.empty() ? piles : bare);
            move.kind = MoveKind::Click;
            move.source = pile->pileId;
        } else if (roll < (odds += kUndoOdds)) {
            move.kind = MoveKind::Undo;
        } else if (roll < (odds += kRedoOdds)) {
            move.kind = MoveKind::Redo;
        } else if (roll < (odds += kUndoAllOdds)) {
            move.kind = MoveKind::UndoAll;
        } else if (roll < (odds += kRedoAllOdds)) {
            move.kind = MoveKind::RedoAll;
        } else {
            // Quick save and load: the table is rebuilt from the saved text.
            failure.action = "quick save and load";
            std::stringstream text;
            table->ToQuickSave().Write(text);
            QuickSaveFile save;
            save.Read(text);
            auto loaded = std::make_unique<KartenTisch>();
            loaded->ReadQuickSave(save, definition, seed + static_cast<uint32_t>(step));
            failure.problem = SoakAudit::CompareCards(*table, *loaded);
            if (failure.problem.empty() && loaded->undoCount != table->undoCount)
                failure.problem = "the undo count was not kept";
            if (!failure.problem.empty()) return false;
            player.reset();
            table = std::move(loaded);
            player = std::make_unique<MovePlayer>(*table);
            audit.TakeCensus(*table);
            ++counts.quickSaves;
            failure.problem = audit.Check(*table);
            if (!failure.problem.empty()) return false;
            continue;
        }

        failure.action = move.Text();
        if (move.kind == MoveKind::Undo || move.kind == MoveKind::Redo ||
            move.kind == MoveKind::UndoAll || move.kind == MoveKind::RedoAll) {
            // The history buttons, checked before the fills of the next frames run.
            bool changed = move.kind == MoveKind::Undo      ? table->UndoStep()
                           : move.kind == MoveKind::Redo    ? table->RedoStep()
                           : move.kind == MoveKind::UndoAll ? table->UndoToStart()
                                                            : table->RedoToEnd();
            if (changed) {
                ++counts.history;
                const int index = table->undoIndex;
                if (index < 0 || index >= static_cast<int>(table->undoHistory.size())) {
                    failure.problem =
                        "the undo index " + std::to_string(index) + " lies outside the history";
                    return false;
                }
                if (!(TableSnapshot(table->piles) == *table->undoHistory[size_t(index)])) {
                    failure.problem = "the table is not the snapshot " + std::to_string(index) +
                                      " that the history step restored";
                    return false;
                }
            }
            player->Settle();
        } else {
            std::string reason;
            if (player->Apply(move, reason))
                ++counts.moves;
            else
                ++counts.refused;
        }
        if (!player->Settled()) ++counts.restless;
        failure.problem = audit.Check(*table);
        if (!failure.problem.empty()) return false;
    }
    if (table->IsGameWon()) ++counts.won;
    failure = SoakFailure{};
    return true;
}
