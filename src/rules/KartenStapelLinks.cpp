// The features of a pile that work through its linked piles: the click rules on
// the face-down cards (KOVA) and on the empty place (KOLA), the per-frame fill of
// emptied linked piles, and the link conditions inside the move rules.
//
// A pile without a VERK_STAPEL group is linked to itself. Moving cards from a
// pile onto itself has no meaning, so every action below skips the pile itself
// among its linked piles; its cards stay where they are.
#include "rules/KartenStapel.h"

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
    return room >= static_cast<long long>(count) - 1;
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
        KOLA != Kola::HOLEN_VERKN_ALLE)
        return false;
    for (KartenStapel* linked : linkedPiles) {
        if (linked == this) continue;
        if (KOLA != Kola::HOLEN_VERKN_SICHTBAR) FetchUnder(linked->faceDownCards, faceDownCards);
        if (KOLA != Kola::HOLEN_VERKN_VERDECKT) FetchUnder(linked->visibleCards, faceDownCards);
        linked->Layout();
    }
    Layout();
    return true;
}
