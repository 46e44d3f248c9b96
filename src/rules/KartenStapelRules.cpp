// SPDX-License-Identifier: GPL-3.0-or-later
// The two questions of a drag: may a card leave this pile, may a run be laid here.
#include "rules/KartenStapel.h"

namespace {

bool SameColour(const Card* a, const Card* b) {
    return a->IsRed() == b->IsRed();
}

// Every card of the run has the colour of its lowest card.
bool RunAllSameColour(const Card* card) {
    for (const Card* c = card->cardAbove; c != nullptr; c = c->cardAbove)
        if (!SameColour(c, card)) return false;
    return true;
}

// Every card of the run has the given suit.
bool RunAllOfSuit(const Card* card, int suit) {
    for (const Card* c = card; c != nullptr; c = c->cardAbove)
        if (c->suit != suit) return false;
    return true;
}

// Along the run each card's colour differs from the card under it.
bool RunAlternatesColour(const Card* card) {
    for (const Card* c = card; c->cardAbove != nullptr; c = c->cardAbove)
        if (SameColour(c->cardAbove, c)) return false;
    return true;
}

// A complete run of count 13 from ASS up to KÖNIG (step +1) or down (step -1).
bool CompleteRun(const Card* card, int count, int firstRank, int step) {
    if (count != 13 || card->rank != firstRank) return false;
    for (const Card* c = card; c->cardAbove != nullptr; c = c->cardAbove)
        if (c->cardAbove->rank != c->rank + step) return false;
    return true;
}

bool IsBelow(const Card* card, const Card* top, bool wrap) {
    return card->rank == top->rank - 1 ||
           (wrap && card->rank == Rank::KÖNIG && top->rank == Rank::ASS);
}

bool IsAbove(const Card* card, const Card* top, bool wrap) {
    return card->rank == top->rank + 1 ||
           (wrap && card->rank == Rank::ASS && top->rank == Rank::KÖNIG);
}

} // namespace

bool KartenStapel::CanGiveCard(const Card* card) const {
    if (card == nullptr) return false;
    if (!LinkConditionsAllowActivity()) return false;
    int index = visibleCards.IndexOf(card);
    if (index < 0) return true; // not one of ours: only the link condition decides
    int runLength = visibleCards.Count() - index;
    if (VERSCH_GRÖSSE != -1 && runLength > VERSCH_GRÖSSE) return false;
    if (CHECK_MOVE_STAPEL) {
        for (int i = index + 1; i < visibleCards.Count(); ++i)
            if (!FitsMoveOrder(visibleCards[i], i - 1)) return false;
    }
    return true;
}

bool KartenStapel::FitsMoveOrder(const Card* card, int index) const {
    if (card == nullptr) return false;
    const Card* under = visibleCards.Get(index);
    bool suitFits;
    switch (AF_MOVE) {
    case SuitA::KREUZ:
    case SuitA::KARO:
    case SuitA::PIK:
    case SuitA::HERZ:
        suitFits = card->suit == AF_MOVE;
        break;
    case SuitA::ROT:
        suitFits = card->IsRed();
        break;
    case SuitA::SCHWARZ:
        suitFits = !card->IsRed();
        break;
    case SuitA::ROT_SCHWARZ:
        suitFits = under != nullptr && !SameColour(card, under);
        break;
    case SuitA::VORHERIGE:
    case SuitA::ALLE_VORHERIGE:
        suitFits = under != nullptr && card->suit == under->suit;
        break;
    case SuitA::VORHERIGE_FARBE:
    case SuitA::ALLE_SELBE:
    case SuitA::ALLE_WECHSEL:
    case SuitA::ALLES:
        suitFits = true;
        break;
    default:
        suitFits = false;
        break; // NICHTS, and values no table has
    }
    if (!suitFits) return false;
    switch (AW_MOVE) {
    case RankA::ZAHLEN:
        return IsZahl(card->rank);
    case RankA::FIGUREN:
        return IsFigur(card->rank);
    case RankA::VORHERIGE:
        return under != nullptr && card->rank == under->rank;
    case RankA::VORHERIGE_MINUS:
        return under != nullptr && card->rank == under->rank - 1;
    case RankA::VORHERIGE_PLUS:
        return under != nullptr && card->rank == under->rank + 1;
    case RankA::PLUS_MINUS:
    case RankA::STAPEL_PLUS:
    case RankA::STAPEL_MINUS:
    case RankA::ALLES:
        return true;
    default:
        return AW_MOVE >= Rank::ASS && AW_MOVE <= Rank::KÖNIG && card->rank == AW_MOVE;
    }
}

bool KartenStapel::SuitRuleAllows(const Card* card, const Card* top, int /*count*/) const {
    if (top != nullptr) {
        switch (AF) {
        case SuitA::KREUZ:
        case SuitA::KARO:
        case SuitA::PIK:
        case SuitA::HERZ:
            return card->suit == AF;
        case SuitA::ROT:
            return card->IsRed();
        case SuitA::SCHWARZ:
            return !card->IsRed();
        case SuitA::ROT_SCHWARZ:
            return !SameColour(card, top);
        case SuitA::VORHERIGE:
            return card->suit == top->suit;
        case SuitA::VORHERIGE_FARBE:
            return SameColour(card, top);
        case SuitA::ALLE_SELBE:
            return RunAllSameColour(card);
        case SuitA::ALLE_WECHSEL:
            return RunAlternatesColour(card);
        case SuitA::ALLE_VORHERIGE:
            return RunAllOfSuit(card, top->suit);
        case SuitA::ALLES:
            return true;
        default:
            return false;
        }
    }
    switch (AFLS) {
    case SuitB::KREUZ:
    case SuitB::KARO:
    case SuitB::PIK:
    case SuitB::HERZ:
        return card->suit == AFLS;
    case SuitB::ROT:
        return card->IsRed();
    case SuitB::SCHWARZ:
        return !card->IsRed();
    case SuitB::ALLE_SELBE:
        return RunAllSameColour(card);
    case SuitB::ALLE_WECHSEL:
        return RunAlternatesColour(card);
    case SuitB::ALLE_VORHERIGE:
        return RunAllOfSuit(card, card->suit);
    case SuitB::ALLES:
        return true;
    default:
        return false;
    }
}

bool KartenStapel::RankRuleAllows(const Card* card, const Card* top, int count, int rule) const {
    if (top != nullptr) {
        switch (rule) {
        case RankA::ZAHLEN:
            return IsZahl(card->rank);
        case RankA::FIGUREN:
            return IsFigur(card->rank);
        case RankA::VORHERIGE:
            return card->rank == top->rank;
        case RankA::VORHERIGE_MINUS:
            return IsBelow(card, top, WRAPING);
        case RankA::VORHERIGE_PLUS:
            return IsAbove(card, top, WRAPING);
        case RankA::PLUS_MINUS:
            return IsBelow(card, top, WRAPING) || IsAbove(card, top, WRAPING);
        case RankA::STAPEL_PLUS:
            return CompleteRun(card, count, Rank::ASS, +1);
        case RankA::STAPEL_MINUS:
            return CompleteRun(card, count, Rank::KÖNIG, -1);
        case RankA::ALLES:
            return true;
        default:
            return rule >= Rank::ASS && rule <= Rank::KÖNIG && card->rank == rule;
        }
    }
    switch (rule) {
    case RankB::ZAHLEN:
        return IsZahl(card->rank);
    case RankB::FIGUREN:
        return IsFigur(card->rank);
    case RankB::STAPEL_PLUS:
        return CompleteRun(card, count, Rank::ASS, +1);
    case RankB::STAPEL_MINUS:
        return CompleteRun(card, count, Rank::KÖNIG, -1);
    case RankB::ALLES:
        return true;
    case RankB::BASIS: {
        int base = BaseRank();
        return base < 0 || card->rank == base;
    }
    default:
        return rule >= Rank::ASS && rule <= Rank::KÖNIG && card->rank == rule;
    }
}

int KartenStapel::BaseRank() const {
    if (allPiles == nullptr) return -1;
    for (const KartenStapel* pile : *allPiles)
        if (pile->AWLS == RankB::BASIS && !pile->visibleCards.Empty())
            return pile->visibleCards[0]->rank;
    return -1;
}

int KartenStapel::RankRuleInEffect() const {
    return visibleCards.Empty() ? AWLS : AW;
}

bool KartenStapel::AcceptsCards(Card* card, int count) {
    if (card == nullptr) return false;
    const KartenStapel* source = card->owner;
    // 1. Link activity (AKTIV_IF_VERKN_LEER).
    if (!LinkConditionsAllowActivity()) return false;
    // A card that lies in no pile has no source whose id could be checked.
    if (source == nullptr) return false;
    int sourceId = source->pileId;
    // 2. The empty place.
    if (visibleCards.Empty()) {
        if (faceDownCards.Empty()) {
            if (!LEER_ACCEPTS_KARTEN) return false;
            if (!LinkConditionsAllowEmptyFrom(sourceId)) return false;
        } else if (!VERDECKT_ACCEPTS_KARTEN) {
            return false;
        }
    }
    // 3. and 4. Where cards may come from and go to.
    if (!ContainsValue(sourceIds, sourceId)) return false;
    if (!ContainsValue(source->targetIds, pileId)) return false;
    // 5. Room on the linked piles (ANZ_VERKN_LEER).
    if (!LinkConditionsAllowRun(sourceId, count)) return false;
    // 6. and 7. Suit and rank rule, by AF/AW on cards and AFLS/AWLS on the empty place.
    const Card* top = visibleCards.Last();
    if (!SuitRuleAllows(card, top, count)) return false;
    int rankRule = RankRuleInEffect();
    if (!RankRuleAllows(card, top, count, rankRule)) return false;
    // 8. The rest of the run, judged as if the card already lay here.
    bool completeRunRule = top != nullptr
                               ? rankRule == RankA::STAPEL_PLUS || rankRule == RankA::STAPEL_MINUS
                               : rankRule == RankB::STAPEL_PLUS || rankRule == RankB::STAPEL_MINUS;
    if (CHECK_MOVE_STAPEL && !completeRunRule && card->cardAbove != nullptr) {
        // Only the list changes for the check; owner and links stay untouched,
        // and the card is taken out again from the very end where it was put.
        visibleCards.Append(card);
        bool restFits = AcceptsCards(card->cardAbove, count - 1);
        visibleCards.RemoveAt(visibleCards.Count() - 1);
        if (!restFits) return false;
    }
    // 9. Capacity.
    if (MAX_GRÖSSE_SICHTBAR != -1 && visibleCards.Count() + count > MAX_GRÖSSE_SICHTBAR)
        return false;
    return true;
}

bool KartenStapel::RulesMightAllowOn(const Card* card, const Card* top) const {
    if (card == nullptr || top == nullptr) return false;
    if (sourceIds.empty()) return false;
    if (MAX_GRÖSSE_SICHTBAR != -1 && MAX_GRÖSSE_SICHTBAR <= 1) return false;
    // Rules that look along the moved run depend on cards not known here.
    if (AF == SuitA::ALLE_SELBE || AF == SuitA::ALLE_WECHSEL) return true;
    if (AW == RankA::STAPEL_PLUS || AW == RankA::STAPEL_MINUS) return true;
    return SuitRuleAllows(card, top, 1) && RankRuleAllows(card, top, 1, AW);
}
