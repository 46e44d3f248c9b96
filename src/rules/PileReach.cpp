// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/PileReach.h"

#include <algorithm>

#include "rules/KartenStapel.h"

void ReachRect::Include(Vec2 corner, Vec2 size) {
    left = std::min(left, corner.x);
    top = std::min(top, corner.y);
    right = std::max(right, corner.x + size.x);
    bottom = std::max(bottom, corner.y + size.y);
}

namespace {

bool GivesTo(const KartenStapel& from, const KartenStapel& to) {
    return ContainsValue(from.targetIds, to.pileId) && ContainsValue(to.sourceIds, from.pileId);
}

bool UncoversOnto(const KartenStapel& from, const KartenStapel& to) {
    return from.KOVA >= Kova::AUFDECKEN_VERKN_MULT && from.KOVA <= Kova::AUFDECKEN_VERKN_1_U &&
           &from != &to && from.linkedPiles.Contains(&to);
}

bool TurnsOver(const KartenStapel& from, const KartenStapel& to) {
    return (from.KOVA == Kova::AUFDECKEN_VERKN_MULT_U || from.KOVA == Kova::AUFDECKEN_VERKN_1_U) &&
           &from != &to && from.linkedPiles.Contains(&to);
}

} // namespace

PileCapacity LargestCapacity(const KartenStapel& pile, int deckSize) {
    PileCapacity capacity;
    // Deal counts of a hand-written file can be huge; no pile holds more than the deck.
    const int dealtDown = std::clamp(pile.INIT_ANZ_VERDECKT, 0, deckSize);
    const int dealtUp = std::clamp(pile.INIT_ANZ_SICHTBAR, 0, deckSize);
    bool receives = false, gathers = pile.KOLA != Kola::NICHTS, filled = false;
    if (pile.allPiles) {
        for (const KartenStapel* other : *pile.allPiles) {
            if (other == &pile) continue;
            receives = receives || GivesTo(*other, pile) || UncoversOnto(*other, pile);
            gathers = gathers || TurnsOver(*other, pile);
            filled = filled || (other->AUTO_FILL_VERKN && other->linkedPiles.Contains(&pile));
        }
    }
    capacity.faceDown = gathers ? deckSize : std::min(dealtDown, deckSize);
    // A pile's own face-down cards may be turned up onto it.
    int visible = dealtUp + dealtDown;
    if (receives)
        visible =
            pile.MAX_GRÖSSE_SICHTBAR >= 0 ? std::max(visible, pile.MAX_GRÖSSE_SICHTBAR) : deckSize;
    if (gathers) visible = std::max(visible, deckSize); // gathered cards come back up
    if (filled) visible = std::max(visible, 1);
    capacity.visible = std::min(visible, deckSize);
    return capacity;
}

ReachRect LargestReach(const KartenStapel& pile, PileCapacity capacity,
                       const TableSettings& settings) {
    const Vec2 size = pile.cardSize;
    const Vec2 screen{static_cast<float>(settings.screenWidth),
                      static_cast<float>(settings.screenHeight)};
    ReachRect reach{pile.position.x, pile.position.y, pile.position.x, pile.position.y};
    reach.Include(pile.position, size); // the empty place
    const Vec2 down = pile.faceDownOffset;
    const Vec2 up = pile.visibleOffset;
    for (int d = 0; d <= capacity.faceDown; ++d) {
        const Vec2 base = pile.position + static_cast<float>(d) * down;
        if (d > 0) reach.Include(base - down, size); // the top face-down card
        // A pile that fans only its top cards (VERSCH_NUR_OBERSTE) never shows more.
        const int fanned = pile.VERSCH_NUR_OBERSTE >= 1
                               ? std::min(capacity.visible, pile.VERSCH_NUR_OBERSTE)
                               : capacity.visible;
        for (int n = 1; n <= fanned; ++n) {
            const Vec2 step = SqueezedOffset(up, base, n, size, screen, pile.tableMargins);
            const float last = static_cast<float>(n - 1);
            reach.Include(base, size);
            reach.Include(base + last * step, size);
            if (n >= 2) {
                // The pointer on the lowest card spreads the cards above it: each lies
                // one squeezed step further than the card before, the first of them a
                // whole double offset from the lowest card.
                reach.Include(base + 2.0f * up, size);
                reach.Include(base + (last - 1.0f) * step + 2.0f * up, size);
            }
        }
    }
    return reach;
}
