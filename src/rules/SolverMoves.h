// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The moves a search may try on a table, asked of the engine's own rules as the
// card scene asks them: drags that the source lets go and the target takes,
// and clicks on piles that show no visible card. Piles are reached as the move
// language reaches them (the first pile of every id); cards of a pile whose
// cards lie on one another without an offset can be picked only from the top.
//
// Safe moves are the ones a search may make at once without losing a win:
// turning the top card of a pile that can do nothing else, and sending a card
// home that no card left on the table could ever be laid on.
#include <optional>
#include <vector>

#include "rules/MoveScript.h"
#include "rules/PileRoles.h"

class Card;
class KartenStapel;
class KartenTisch;

class SolverMoves {
public:
    SolverMoves(const KartenTisch& table, const PileRoles& roles);

    void Legal(std::vector<ScriptMove>& out) const;
    std::optional<ScriptMove> Safe() const;

    // False when some pile cannot be reached by the move language (it shares
    // its id with an earlier pile): a search then never proves a deal lost.
    bool ReachesEveryPile() const { return reachesAll; }

private:
    bool SafeToTurn(const KartenStapel& pile) const;
    bool SafeHome(KartenStapel& source, ScriptMove& move) const;
    bool NeededAsBase(const Card* card) const;

    const KartenTisch& table;
    const PileRoles& roles;
    std::vector<KartenStapel*> reachable;
    std::vector<KartenStapel*> goals;    // reachable goal piles
    std::vector<KartenStapel*> nonGoals; // reachable piles that are no goal pile
    std::vector<bool> actedOn;           // by pile index: another pile deals, fetches or fills it
    bool reachesAll = true;
};
