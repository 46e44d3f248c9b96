// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/KartenStapel.h"

#include <vector>

KartenStapel::KartenStapel(Vec2 position, const TableSettings* settings)
    : app(settings != nullptr ? settings : &TableSettings::Defaults()), position(position) {}

void KartenStapel::AddVisible(Card* card, int position, bool withCardsAbove, int depth) {
    if (card == nullptr) return;
    if (position < 0 || position >= visibleCards.Count()) position = visibleCards.Count();

    // The card and the cards that come with it, lowest first. Inserting them in
    // this order at one position is the same as inserting the highest first and
    // each lower one under it.
    std::vector<Card*> moving{card};
    if (withCardsAbove) {
        int left = depth;
        for (Card* above = card->cardAbove; above != nullptr && left != 0;
             above = above->cardAbove) {
            if (static_cast<int>(moving.size()) >
                visibleCards.Count() + faceDownCards.Count() + 4096)
                break; // a corrupted cycle; a real run is never this long
            moving.push_back(above);
            --left;
        }
    }

    // Cards of this very pile are taken out first, so a move onto the own pile
    // reorders the pile and never loses or doubles a card.
    for (Card* c : moving) {
        if (c->owner != this) continue;
        int index = visibleCards.IndexOf(c);
        if (index >= 0) {
            visibleCards.RemoveAt(index);
            if (index < position) --position;
        } else {
            faceDownCards.Remove(c);
        }
        c->owner = nullptr;
    }

    for (size_t i = 0; i < moving.size(); ++i)
        visibleCards.Insert(moving[i], position + static_cast<int>(i));

    for (Card* c : moving) {
        KartenStapel* oldOwner = c->owner;
        if (oldOwner != nullptr && oldOwner != this) {
            oldOwner->RemoveVisible(c);
            oldOwner->RemoveFaceDown(c);
        }
        c->owner = this;
    }
    LayoutFaceDown();
    LayoutVisible();
}

void KartenStapel::AddFaceDown(Card* card, int position) {
    if (card == nullptr) return;
    if (card->owner == this) {
        // Re-inserting a card of this pile: take it out first so it is never doubled.
        int index = faceDownCards.IndexOf(card);
        if (index >= 0) {
            faceDownCards.RemoveAt(index);
            if (position > index) --position;
        } else {
            visibleCards.Remove(card);
        }
        card->owner = nullptr;
    }
    faceDownCards.Insert(card, position);
    card->position = this->position;
    card->target = this->position;
    card->speed = 1.0;
    KartenStapel* oldOwner = card->owner;
    if (oldOwner != nullptr) {
        oldOwner->RemoveVisible(card);
        // Also its face-down list: a card must never lie in two lists.
        oldOwner->RemoveFaceDown(card);
    }
    card->owner = this;
    LayoutFaceDown();
    LayoutVisible();
}

void KartenStapel::RemoveVisible(Card* card) {
    int index = visibleCards.IndexOf(card);
    if (index < 0) return;
    visibleCards.RemoveAt(index);
    if (hoveredCard == card) hoveredCard = nullptr;
    LayoutVisible();
}

void KartenStapel::RemoveFaceDown(Card* card) {
    int index = faceDownCards.IndexOf(card);
    if (index < 0) return;
    faceDownCards.RemoveAt(index);
    LayoutFaceDown();
    LayoutVisible();
}

void KartenStapel::CountCards(int& visibleCount, int& faceDownCount) const {
    visibleCount = visibleCards.Count();
    faceDownCount = faceDownCards.Count();
}

Card* KartenStapel::TopVisible(int index) const {
    if (index == -1) return visibleCards.Last();
    return visibleCards.Get(index);
}

CardPlace KartenStapel::WhereIs(const Card* card) const {
    if (visibleCards.Contains(card)) return CardPlace::Visible;
    if (faceDownCards.Contains(card)) return CardPlace::FaceDown;
    return CardPlace::None;
}

void KartenStapel::ClearMarks() {
    for (Card* c : visibleCards)
        c->markState = 0;
    for (Card* c : faceDownCards)
        c->markState = 0;
}

void KartenStapel::RelaxRules() {
    AF = AF_MOVE = SuitA::ALLES;
    AW = AW_MOVE = RankA::ALLES;
    AFLS = SuitB::ALLES;
    AWLS = RankB::ALLES;
    MAX_GRÖSSE_SICHTBAR = -1;
    MAX_GRÖSSE_VERDECKT = -1;
    VERSCH_GRÖSSE = -1;
}

void KartenStapel::UpdatePile(double realFrameTime) {
    for (Card* c : visibleCards)
        c->Step(realFrameTime);
    for (Card* c : faceDownCards)
        c->Step(realFrameTime);
    FillLinkedPiles();
}

int KartenStapel::MoveCountFor(const Card* card) const {
    if (VERSCH_GRÖSSE != -1) return VERSCH_GRÖSSE;
    return card != nullptr ? card->RunLength() : 0;
}
