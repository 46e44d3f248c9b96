// SPDX-License-Identifier: GPL-3.0-or-later
// Where a pile's cards lie on the screen, what lies under a point, and what the
// empty place shows.
#include "rules/KartenStapel.h"

namespace {

// Links the cards of one list to each other and to their pile.
void Relink(const PtrList<Card>& list, KartenStapel* owner, Vec2 size) {
    int n = list.Count();
    for (int i = 0; i < n; ++i) {
        Card* c = list[i];
        c->owner = owner;
        c->size = size;
        c->cardAbove = list.Get(i + 1);
        c->cardBelow = list.Get(i - 1);
    }
}

bool CardContains(const Card* c, int x, int y) {
    float fx = static_cast<float>(x);
    float fy = static_cast<float>(y);
    return c->position.x <= fx && fx <= c->position.x + c->size.x && c->position.y <= fy &&
           fy <= c->position.y + c->size.y;
}

int TopmostAt(const PtrList<Card>& list, int x, int y) {
    for (int i = list.Count() - 1; i >= 0; --i)
        if (CardContains(list[i], x, y)) return i;
    return -1;
}

} // namespace

void KartenStapel::LayoutFaceDown() {
    Relink(faceDownCards, this, cardSize);
    effectiveFaceDownOffset = faceDownOffset;
    int n = faceDownCards.Count();
    for (int j = 0; j < n; ++j) {
        Card* c = faceDownCards[j];
        c->target = position + static_cast<float>(j) * faceDownOffset;
        c->speed = app->pileSpeed;
        c->moveMode = 1;
    }
}

void KartenStapel::LayoutVisible() {
    Relink(visibleCards, this, cardSize);
    int n = visibleCards.Count();
    int d = faceDownCards.Count();
    const Vec2 screen{static_cast<float>(app->screenWidth), static_cast<float>(app->screenHeight)};
    Vec2 base = position + static_cast<float>(d) * faceDownOffset;
    // With VERSCH_NUR_OBERSTE only the top cards fan out (a three-card waste);
    // the cards under them lie square under the lowest of them.
    int fanFrom = VERSCH_NUR_OBERSTE >= 1 && n > VERSCH_NUR_OBERSTE ? n - VERSCH_NUR_OBERSTE : 0;
    int shown = n - fanFrom;
    effectiveVisibleOffset =
        SqueezedOffset(visibleOffset, base, shown, cardSize, screen, tableMargins);

    int hovered = hoveredCard != nullptr ? visibleCards.IndexOf(hoveredCard) : -1;
    for (int j = 0; j < n; ++j) {
        Card* c = visibleCards[j];
        // Targets are assigned directly: the drag-together recursion of
        // Card::SetTarget would re-target the cards above, but the loop gives
        // each of them its own target afterwards, so the result is the same.
        int place = j > fanFrom ? j - fanFrom : 0;
        if (hovered >= 0 && j > hovered) {
            c->target = base + static_cast<float>(place > 0 ? place - 1 : 0) * effectiveVisibleOffset +
                        2.0f * visibleOffset;
            c->moveMode = 2;
        } else {
            c->target = base + static_cast<float>(place) * effectiveVisibleOffset;
            c->moveMode = 1;
        }
        c->speed = app->pileSpeed;
        c->dragTogether = MOVE_STAPEL;
    }
}

void KartenStapel::SetHoveredCard(Card* card) {
    hoveredCard = card;
    LayoutVisible();
}

bool KartenStapel::HitVisibleCard(int x, int y) const {
    return VisibleCardAt(x, y) >= 0;
}

bool KartenStapel::HitFaceDownCard(int x, int y) const {
    if (!visibleCards.Empty()) return false;
    return FaceDownCardAt(x, y) >= 0;
}

bool KartenStapel::HitPlace(int x, int y) const {
    float fx = static_cast<float>(x);
    float fy = static_cast<float>(y);
    return position.x <= fx && fx <= position.x + cardSize.x && position.y <= fy &&
           fy <= position.y + cardSize.y;
}

int KartenStapel::VisibleCardAt(int x, int y) const {
    return TopmostAt(visibleCards, x, y);
}

int KartenStapel::FaceDownCardAt(int x, int y) const {
    return TopmostAt(faceDownCards, x, y);
}

EmptyMarker KartenStapel::EmptyMarkerCells() const {
    EmptyMarker marker;
    if (AFLS == SuitB::NICHTS || AWLS == RankB::NICHTS) return marker;
    switch (AFLS) {
    case SuitB::KREUZ:
        marker.suit = {5, 1};
        break;
    case SuitB::KARO:
        marker.suit = {5, 3};
        break;
    case SuitB::PIK:
        marker.suit = {5, 0};
        break;
    case SuitB::HERZ:
        marker.suit = {5, 2};
        break;
    case SuitB::ALLES:
        marker.suit = {5, 5};
        break;
    default:
        return marker; // ROT, SCHWARZ, ALLE_SELBE, ALLE_WECHSEL have no symbol
    }
    marker.hasSuit = true;
    const int startRank = AWLS == RankB::BASIS ? BaseRank() : AWLS;
    if (startRank >= Rank::ASS && startRank <= Rank::KÖNIG)
        marker.rank = {4, 12 - startRank};
    else if (AWLS == RankB::ALLES)
        marker.rank = {5, 4};
    else
        return marker; // ZAHLEN, FIGUREN, STAPEL_PLUS, STAPEL_MINUS have no symbol
    marker.hasRank = true;
    marker.hasHighlight = dropHighlight;
    return marker;
}

Vec2 KartenStapel::MarkerScale(float cellWidth, float cellHeight) const {
    if (cellWidth <= 0.0f || cellHeight <= 0.0f) return {1.0f, 1.0f};
    if (cellWidth / cellHeight == 0.6875f) return {cardSize.x / cellWidth, cardSize.y / cellHeight};
    float scale = cellWidth > cellHeight ? cardSize.y / cellHeight : cardSize.x / cellWidth;
    return {scale, scale};
}
