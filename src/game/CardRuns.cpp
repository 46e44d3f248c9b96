// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/CardRuns.h"

#include "rules/KartenStapel.h"

#include <cmath>

namespace {

int RemainingDistance(const Card* card) {
    const float dx = card->target.x - card->position.x;
    const float dy = card->target.y - card->position.y;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

struct MovingRun {
    CardRun run;
    int distance = 0;
    bool dragged = false;
};

// Cuts one list into runs and sorts each into its list.
void CutList(const PtrList<Card>& list, std::vector<CardRun>& resting,
             std::vector<MovingRun>& moving) {
    const int n = list.Count();
    int i = 0;
    while (i < n) {
        Card* first = list[i];
        int j = i + 1;
        while (j < n && list[j]->moveMode == first->moveMode)
            ++j;
        const CardRun run{first, j - i};
        if (first->moveMode == 0) {
            resting.push_back(run);
        } else if (first->moveMode == 2) {
            moving.push_back({run, 0, true});
        } else {
            const int distance = RemainingDistance(first);
            auto at = moving.begin();
            while (at != moving.end() && !at->dragged && at->distance <= distance)
                ++at;
            moving.insert(at, {run, distance, false});
        }
        i = j;
    }
}

} // namespace

void OrderCardRuns(const PtrList<KartenStapel, true>& piles, std::vector<CardRun>& out) {
    out.clear();
    static thread_local std::vector<MovingRun> moving;
    moving.clear();
    for (const KartenStapel* pile : piles) {
        CutList(pile->faceDownCards, out, moving);
        CutList(pile->visibleCards, out, moving);
    }
    for (const MovingRun& m : moving)
        out.push_back(m.run);
}

std::vector<CardRun> OrderCardRuns(const PtrList<KartenStapel, true>& piles) {
    std::vector<CardRun> runs;
    OrderCardRuns(piles, runs);
    return runs;
}
