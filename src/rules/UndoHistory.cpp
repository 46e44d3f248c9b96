// SPDX-License-Identifier: GPL-3.0-or-later
// Undo history, score and time of the running game. Every move records the whole
// table; undo and redo walk the history without changing it, and a move after an
// undo throws away the steps that were undone.
#include <algorithm>
#include <climits>
#include <cmath>

#include "rules/KartenTisch.h"

namespace {

constexpr double kPointsPerGoalCard = 50;
constexpr double kPointsPerUndoStep = 20;
constexpr double kPointsPerFailedDoubleClick = 40;

} // namespace

void KartenTisch::ResetProgress() {
    undoHistory.clear();
    undoIndex = -1;
    undoCount = 0;
    failedDoubleClicks = 0;
    goalBonus = 0;
    timeScore = 1000;
    gameTime = 0;
    rulesRelaxed = false;
}

void KartenTisch::PushUndoSnapshot() {
    const size_t keep = static_cast<size_t>(undoIndex + 1);
    if (undoHistory.size() > keep) undoHistory.resize(keep);
    undoHistory.push_back(std::make_unique<TableSnapshot>(piles));
    undoIndex += 1;
    ++movesCounted;
}

void KartenTisch::RestoreSnapshot(const TableSnapshot& snapshot) {
    snapshot.Restore(piles);
}

bool KartenTisch::UndoToStart() {
    if (undoHistory.empty() || undoIndex == 0) return false;
    undoIndex = 0;
    RestoreSnapshot(*undoHistory.front());
    ++undoCount;
    ++undosCounted;
    return true;
}

bool KartenTisch::UndoStep() {
    if (undoIndex <= 0) return false;
    undoIndex -= 1;
    RestoreSnapshot(*undoHistory[static_cast<size_t>(undoIndex)]);
    ++undoCount;
    ++undosCounted;
    return true;
}

bool KartenTisch::RedoStep() {
    if (undoIndex >= static_cast<int>(undoHistory.size()) - 1) return false;
    undoIndex += 1;
    RestoreSnapshot(*undoHistory[static_cast<size_t>(undoIndex)]);
    ++undoCount;
    ++undosCounted;
    return true;
}

bool KartenTisch::RedoToEnd() {
    const int last = static_cast<int>(undoHistory.size()) - 1;
    if (last < 0 || undoIndex == last) return false;
    undoIndex = last;
    RestoreSnapshot(*undoHistory.back());
    ++undoCount;
    ++undosCounted;
    return true;
}

void KartenTisch::UpdateTimeScore(double frameTime) {
    goalBonus = 0;
    for (int id : goalPileIds)
        for (const KartenStapel* pile : piles)
            if (pile->pileId == id) goalBonus += kPointsPerGoalCard * pile->VisibleCount();
    if (IsGameWon()) return; // the time allowance freezes with the win
    timeScore -= frameTime;
    timeScore = std::max(timeScore, -goalBonus);
}

int KartenTisch::ComputeScore() const {
    if (forceWin || rulesRelaxed) return 0;
    double score = goalBonus + timeScore - kPointsPerUndoStep * undoCount -
                   kPointsPerFailedDoubleClick * failedDoubleClicks;
    // A hand-edited quick save can hold any value; the score stays a valid int.
    if (!std::isfinite(score)) return 0;
    score = std::clamp(score, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX));
    return static_cast<int>(std::trunc(score));
}

void KartenTisch::RelaxAllRules() {
    for (KartenStapel* pile : piles)
        pile->RelaxRules();
    rulesRelaxed = true;
}
