// SPDX-License-Identifier: GPL-3.0-or-later
// The features of a pile that work through its linked piles: the click rules on
// the face-down cards (KOVA) and on the empty place (KOLA), the per-frame fill of
// emptied linked piles, and the link conditions inside the move rules.
//
// A pile without a VERK_STAPEL group is linked to itself. Moving cards from a
// pile onto itself has no meaning, so every action below skips the pile itself
// among its linked piles; its cards stay where they are.
#include "rules/KartenStapel.h"

#include <algorithm>
#include <vector>

#include "rules/RandomGenerator.h"

namespace {

// Takes the lowest card of a list, one at a time, and puts it under everything
// in the receiving face-down list. The cards end in reverse order: the source's
// top card lies lowest, its lowest card on top.
void FetchUnder(PtrList<Card>& from, PtrList<Card>& into) {
    while (!from.Empty()) {
        Card* card = from.RemoveAt(0, false);
        into.Insert(card, 0);
    }
}

} // namespace

bool KartenStapel::LinkConditionsAllowActivity() const {
    if (!AKTIV_IF_VERKN_LEER) return true;
    for (const KartenStapel* linked : linkedPiles)
        if (linked != this && !linked->IsCompletelyEmpty()) return false;
    return true;
}

bool KartenStapel::LinkConditionsAllowEmptyFrom(int sourceId) const {
    return !LEER_ACCEPTS_ONLY_VERKN || ContainsValue(linkIds, sourceId);
}

bool KartenStapel::LinkConditionsAllowRun(int sourceId, int count) const {
    if (!ANZ_VERKN_LEER || ContainsValue(linkIds, sourceId)) return true;
    // The free room of the linked piles: a pile without a limit holds any run,
    // a limited one what is left of its limit. A pile that only holds face-down
    // cards and does not accept cards then offers nothing.
    long long room = 0;
    for (const KartenStapel* linked : linkedPiles) {
        if (linked->FaceDownCount() > 0 && !linked->VERDECKT_ACCEPTS_KARTEN) continue;
        if (linked->MAX_GRÖSSE_SICHTBAR == -1)
            room = count;
        else
            room += linked->MAX_GRÖSSE_SICHTBAR - linked->VisibleCount();
    }
    // The free room carries room + 1 cards. Each empty pile of the doubling list
    // (other than this one, which is the target) doubles that: the run can be
    // parked there in halves. Without the list this is room >= count - 1.
    long long most = room + 1;
    if (!doublingIds.empty() && allPiles != nullptr) {
        for (const KartenStapel* other : *allPiles) {
            if (most >= count) break; // enough already; also keeps the number small
            if (other == this || !other->IsCompletelyEmpty()) continue;
            if (ContainsValue(doublingIds, other->pileId)) most *= 2;
        }
    }
    return most >= static_cast<long long>(count);
}

bool KartenStapel::FillLinkedPiles() {
    if (!AUTO_FILL_VERKN) return false;
    bool moved = false;
    for (KartenStapel* linked : linkedPiles) {
        if (VisibleCount() == 0) break;
        if (linked == this || !linked->IsCompletelyEmpty()) continue;
        linked->AddVisible(TopVisible(), -1, false, 0);
        moved = true;
    }
    return moved;
}

void KartenStapel::TurnVisibleFaceDown() {
    if (visibleCards.Empty()) return;
    while (!visibleCards.Empty())
        faceDownCards.Append(visibleCards.RemoveAt(0, false));
    LayoutFaceDown();
    LayoutVisible();
}

bool KartenStapel::UncoverByRule() {
    switch (KOVA) {
    case Kova::AUFDECKEN: {
        // The column turns its own top card; that is no move of its own, so no
        // undo state is recorded for it.
        Card* card = faceDownCards.Last();
        if (!card) return false;
        faceDownCards.RemoveAt(faceDownCards.Count() - 1, false);
        visibleCards.Append(card);
        Layout();
        return false;
    }
    case Kova::AUFDECKEN_VERKN_MULT:
    case Kova::AUFDECKEN_VERKN_1:
    case Kova::AUFDECKEN_VERKN_MULT_U:
    case Kova::AUFDECKEN_VERKN_1_U: {
        // Spider: no new row of cards while a column is empty.
        if (KOVA_NICHT_WENN_LEER)
            for (const KartenStapel* linked : linkedPiles)
                if (linked != this && linked->IsCompletelyEmpty()) return false;
        bool turnFirst = KOVA == Kova::AUFDECKEN_VERKN_MULT_U || KOVA == Kova::AUFDECKEN_VERKN_1_U;
        bool oneEach = KOVA == Kova::AUFDECKEN_VERKN_1 || KOVA == Kova::AUFDECKEN_VERKN_1_U;
        if (turnFirst)
            for (KartenStapel* linked : linkedPiles)
                if (linked != this) linked->TurnVisibleFaceDown();
        int perPile = oneEach ? 1 : ANZ_AUFDECKEN;
        for (KartenStapel* linked : linkedPiles) {
            if (linked == this) continue;
            for (int i = 0; i < perPile && !faceDownCards.Empty(); ++i)
                linked->AddVisible(faceDownCards.Last(), -1, true, -1);
        }
        return true;
    }
    default:
        return false;
    }
}

bool KartenStapel::FetchFromLinked() {
    if (KOLA != Kola::HOLEN_VERKN_VERDECKT && KOLA != Kola::HOLEN_VERKN_SICHTBAR &&
        KOLA != Kola::HOLEN_VERKN_ALLE && KOLA != Kola::MISCHEN_VERKN)
        return false;
    if (MAX_HOLEN >= 0 && holenCount >= MAX_HOLEN) return false;
    if (KOLA == Kola::MISCHEN_VERKN) {
        if (!ShuffleLinkedAndDeal()) return false;
        ++holenCount;
        return true;
    }
    for (KartenStapel* linked : linkedPiles) {
        if (linked == this) continue;
        if (KOLA != Kola::HOLEN_VERKN_SICHTBAR) FetchUnder(linked->faceDownCards, faceDownCards);
        if (KOLA != Kola::HOLEN_VERKN_VERDECKT) FetchUnder(linked->visibleCards, faceDownCards);
        linked->Layout();
    }
    Layout();
    ++holenCount;
    return true;
}

bool KartenStapel::ShuffleLinkedAndDeal() {
    std::vector<Card*> gathered;
    std::vector<KartenStapel*> receivers;
    for (KartenStapel* linked : linkedPiles) {
        if (linked == this) continue;
        receivers.push_back(linked);
        for (PtrList<Card>* list : {&linked->visibleCards, &linked->faceDownCards}) {
            while (!list->Empty()) {
                Card* card = list->RemoveAt(0, false);
                card->owner = nullptr;
                card->cardAbove = card->cardBelow = nullptr;
                gathered.push_back(card);
            }
        }
    }
    if (gathered.empty()) return false;
    RandomGenerator& random = RandomGenerator::Shared();
    for (size_t i = gathered.size() - 1; i > 0; --i) {
        const size_t j = static_cast<size_t>(random.Below(static_cast<int>(i + 1)));
        std::swap(gathered[i], gathered[j]);
    }
    // The new fans go out from the first linked pile on; piles past the last
    // card stay empty.
    const size_t perPile = static_cast<size_t>(std::max(1, ANZ_AUFDECKEN));
    size_t next = 0;
    for (KartenStapel* receiver : receivers) {
        for (size_t k = 0; k < perPile && next < gathered.size(); ++k)
            receiver->AddVisible(gathered[next++], -1, false, 0);
        receiver->Layout();
    }
    // Fewer links than fans need (a file with too small ANZ_AUFDECKEN): the rest
    // goes onto the first pile, so no card is ever lost.
    while (next < gathered.size())
        receivers.front()->AddVisible(gathered[next++], -1, false, 0);
    return true;
}
