// SPDX-License-Identifier: GPL-3.0-or-later
// The double click: the card goes, with the cards lying on it, to the first pile
// that takes it, goal piles first, then the others, each group in pile order.
// There is no search ahead and no other preference.
#include "rules/KartenStapel.h"

bool KartenStapel::AutoMoveCard(Card* card) {
    // Only a face-up card of this pile can be sent; the scene offers no other.
    if (!card || WhereIs(card) != CardPlace::Visible || !allPiles) return false;
    if (!CanGiveCard(card)) return false;
    const int count = MoveCountFor(card);
    for (bool goalPiles : {true, false}) {
        for (KartenStapel* pile : *allPiles) {
            if (pile == this || pile->isGoalPile != goalPiles) continue;
            if (pile->AcceptsCards(card, count)) {
                pile->AddVisible(card, -1, true, -1);
                return true;
            }
        }
    }
    return false;
}
