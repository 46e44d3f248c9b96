// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/SolverMoves.h"

#include "rules/KartenTisch.h"

namespace {

bool ActsOnLinked(const KartenStapel& pile) {
    bool kova = pile.KOVA >= Kova::AUFDECKEN_VERKN_MULT && pile.KOVA <= Kova::AUFDECKEN_VERKN_1_U;
    bool kola = pile.KOLA >= Kola::HOLEN_VERKN_VERDECKT && pile.KOLA <= Kola::HOLEN_VERKN_ALLE;
    return kova || kola || pile.AUTO_FILL_VERKN;
}

bool Stacked(const KartenStapel& pile) {
    return pile.visibleOffset.x == 0.0f && pile.visibleOffset.y == 0.0f;
}

ScriptMove Drag(const KartenStapel& source, int depth, const KartenStapel& target) {
    ScriptMove move;
    move.kind = MoveKind::Drag;
    move.source = source.pileId;
    move.depth = depth;
    move.target = target.pileId;
    return move;
}

ScriptMove Click(const KartenStapel& pile) {
    ScriptMove move;
    move.kind = MoveKind::Click;
    move.source = pile.pileId;
    return move;
}

} // namespace

SolverMoves::SolverMoves(const KartenTisch& table, const PileRoles& roles)
    : table(table), roles(roles) {
    const int n = table.piles.Count();
    actedOn.assign(static_cast<size_t>(n), false);
    for (int i = 0; i < n; ++i) {
        KartenStapel* pile = table.piles[i];
        bool first = true;
        for (int j = 0; j < i && first; ++j)
            first = table.piles[j]->pileId != pile->pileId;
        if (!first) {
            reachesAll = false;
            continue;
        }
        reachable.push_back(pile);
        (pile->isGoalPile ? goals : nonGoals).push_back(pile);
    }
    for (const KartenStapel* pile : table.piles) {
        if (!ActsOnLinked(*pile)) continue;
        actedOn[size_t(table.IndexOfPile(pile))] = true;
        for (const KartenStapel* linked : pile->linkedPiles)
            actedOn[size_t(table.IndexOfPile(linked))] = true;
    }
}

void SolverMoves::Legal(std::vector<ScriptMove>& out) const {
    out.clear();
    for (KartenStapel* source : reachable) {
        const int visible = source->VisibleCount();
        if (visible == 0) {
            bool acts = source->FaceDownCount() > 0 ? source->KOVA != Kova::NICHTS
                                                    : source->KOLA != Kola::NICHTS;
            if (acts) out.push_back(Click(*source));
            continue;
        }
        const int deepest = Stacked(*source) ? 1 : visible;
        for (int depth = 1; depth <= deepest; ++depth) {
            Card* card = source->visibleCards[visible - depth];
            // A deeper card's run holds this one's: if this run may not leave
            // the pile, no deeper one may.
            if (!source->CanGiveCard(card)) break;
            const int count = source->MoveCountFor(card);
            for (KartenStapel* target : reachable)
                if (target != source && target->CanGiveCard(card) &&
                    target->AcceptsCards(card, count))
                    out.push_back(Drag(*source, depth, *target));
        }
    }
}

bool SolverMoves::SafeToTurn(const KartenStapel& pile) const {
    // A pile that shows nothing, accepts nothing on its face-down cards and is
    // dealt or fetched by no other pile has nothing to lose by turning its card.
    return !pile.isGoalPile && pile.VisibleCount() == 0 && pile.FaceDownCount() > 0 &&
           pile.KOVA == Kova::AUFDECKEN && !pile.VERDECKT_ACCEPTS_KARTEN &&
           !actedOn[size_t(table.IndexOfPile(&pile))];
}

bool SolverMoves::NeededAsBase(const Card* card) const {
    for (const KartenStapel* pile : table.piles) {
        if (pile->isGoalPile) continue;
        for (const PtrList<Card>* list : {&pile->visibleCards, &pile->faceDownCards})
            for (const Card* other : *list) {
                if (other == card) continue;
                for (const KartenStapel* target : nonGoals)
                    if (target->RulesMightAllowOn(other, card)) return true;
            }
    }
    return false;
}

bool SolverMoves::SafeHome(KartenStapel& source, ScriptMove& move) const {
    if (source.isGoalPile || actedOn[size_t(table.IndexOfPile(&source))]) return false;
    Card* card = source.TopVisible();
    if (!card || !source.CanGiveCard(card)) return false;
    const int count = source.MoveCountFor(card);
    KartenStapel* home = nullptr;
    bool oneChoice = true;
    for (KartenStapel* goal : goals) {
        if (!goal->CanGiveCard(card) || !goal->AcceptsCards(card, count)) continue;
        if (!home) {
            home = goal;
            continue;
        }
        // Of several homes only empty ones of one role are the same choice.
        oneChoice = oneChoice && home->IsCompletelyEmpty() && goal->IsCompletelyEmpty() &&
                    roles.ClassOf(table.IndexOfPile(home)) == roles.ClassOf(table.IndexOfPile(goal));
    }
    if (!home || !oneChoice) return false;
    if (NeededAsBase(card)) return false;
    move = Drag(source, 1, *home);
    return true;
}

std::optional<ScriptMove> SolverMoves::Safe() const {
    for (KartenStapel* pile : nonGoals)
        if (SafeToTurn(*pile)) return Click(*pile);
    ScriptMove move;
    for (KartenStapel* pile : nonGoals)
        if (pile->VisibleCount() > 0 && SafeHome(*pile, move)) return move;
    return std::nullopt;
}
