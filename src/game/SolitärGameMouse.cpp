// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse play on the table: hover, grab, drag, drop, click rules and the double click.
#include "app/AppState.h"
#include "app/SoundHooks.h"
#include "game/SolitärGame.h"
#include "game/ThemeHooks.h"
#include "menu/GUIElement.h"

namespace {

Vec2 At(uint32_t x, uint32_t y) {
    return {static_cast<float>(x), static_cast<float>(y)};
}

} // namespace

KartenStapel* SolitärGame::DropTarget(int x, int y, bool& onPlace) const {
    KartenStapel* source = grabbedCard ? grabbedCard->owner : nullptr;
    if (!source) return nullptr;
    const int n = source->MoveCountFor(grabbedCard);
    for (int i = piles.Count() - 1; i >= 0; --i) {
        KartenStapel* pile = piles[i];
        if (pile == source) continue;
        const bool overCards = pile->HitVisibleCard(x, y);
        if (overCards && pile->CanGiveCard(grabbedCard) && pile->AcceptsCards(grabbedCard, n)) {
            onPlace = false;
            return pile;
        }
        if (pile->HitPlace(x, y) && pile->CanGiveCard(grabbedCard) &&
            pile->AcceptsCards(grabbedCard, n)) {
            onPlace = true;
            return pile;
        }
    }
    return nullptr;
}

void SolitärGame::UpdateHighlights() {
    const int x = app->mouseX, y = app->mouseY;
    if (!buttonHeld) {
        KartenStapel* found = nullptr;
        Card* card = nullptr;
        for (int i = piles.Count() - 1; i >= 0 && !found; --i) {
            KartenStapel* pile = piles[i];
            if (!pile->HitVisibleCard(x, y)) continue;
            found = pile;
            card = pile->TopVisible(pile->VisibleCardAt(x, y));
        }
        // Every pile's hovered card is cleared and the one under the pointer set; a pile is
        // laid out again only when its hovered card changes.
        for (int i = piles.Count() - 1; i >= 0; --i) {
            KartenStapel* pile = piles[i];
            Card* wanted = pile == found ? card : nullptr;
            if (pile->hoveredCard != wanted) pile->SetHoveredCard(wanted);
        }
        grabbedCard = card;
        if (card) card->markState = found->CanGiveCard(card) ? 1 : 0;
        return;
    }
    if (!grabbedCard || !grabbedCard->owner || !grabbedCard->owner->CanGiveCard(grabbedCard))
        return;
    grabbedCard->markState = 2;
    bool onPlace = false;
    if (KartenStapel* target = DropTarget(x, y, onPlace)) {
        if (onPlace)
            target->dropHighlight = true;
        else if (Card* top = target->TopVisible())
            top->markState = 1;
    }
}

void SolitärGame::OnMouseMove(uint32_t x, uint32_t y) {
    idleTime = 0.0;
    if (buttonHeld) {
        if (app->paused) return;
        if (At(x, y) != pressPoint) dragMoved = true;
        if (grabbedCard && grabbedCard->owner && grabbedCard->owner->CanGiveCard(grabbedCard))
            grabbedCard->SetTarget(At(x, y) + grabOffset, app->mousePileSpeed, 2);
    } else {
        HitTestElements(-1);
    }
    // The background animation is offered pointer moves in play only.
    if (sceneMode == ModePlaying)
        ThemeHooks::BackgroundMouseMove(*app, x, y);
    else
        app->targetHover = 0;
}

void SolitärGame::PassPressToThemes(uint32_t x, uint32_t y, bool release) {
    if (sceneMode != ModePlaying) return;
    PlapperMaschine* a = app->chatterLeft.get();
    PlapperMaschine* b = app->chatterRight.get();
    auto pass = release ? ThemeHooks::ChatterButtonUp : ThemeHooks::ChatterButtonDown;
    if (!ThemeHooks::ChatterBusy(b)) pass(a, x, y);
    if (!ThemeHooks::ChatterBusy(a)) pass(b, x, y);
    if (release)
        ThemeHooks::BackgroundButtonUp(*app, x, y);
    else
        ThemeHooks::BackgroundButtonDown(*app, x, y);
}

void SolitärGame::OnLeftButtonDown(uint32_t x, uint32_t y) {
    if (HitTestElements(-1)) {
        PassPressToThemes(x, y, false);
        return;
    }
    if (app->paused) return;
    pressPoint = At(x, y);
    buttonHeld = true;
    for (int i = piles.Count() - 1; i >= 0; --i) {
        KartenStapel* pile = piles[i];
        if (!pile->HitVisibleCard(static_cast<int>(x), static_cast<int>(y))) continue;
        grabbedCard =
            pile->TopVisible(pile->VisibleCardAt(static_cast<int>(x), static_cast<int>(y)));
        if (grabbedCard) {
            grabbedCard->markState = 1;
            grabOffset = grabbedCard->position - pressPoint;
        }
        break;
    }
}

void SolitärGame::DropGrabbedCard(int x, int y) {
    KartenStapel* source = grabbedCard->owner;
    bool onPlace = false;
    KartenStapel* target = DropTarget(x, y, onPlace);
    if (target) {
        target->AddVisible(grabbedCard, -1, true, source->MoveDepth());
        PlaySound(*app, SoundCardsMoved);
        PushUndoSnapshot();
    } else {
        source->LayoutVisible(); // the held cards go back to their places
    }
}

void SolitärGame::ClickPile(int x, int y) {
    for (int i = piles.Count() - 1; i >= 0; --i) {
        KartenStapel* pile = piles[i];
        if (pile->HitVisibleCard(x, y)) return;
        if (pile->HitFaceDownCard(x, y)) {
            if (pile->UncoverByRule()) PushUndoSnapshot();
            return;
        }
        if (pile->HitPlace(x, y)) {
            if (pile->FetchFromLinked()) PushUndoSnapshot();
            return;
        }
    }
}

void SolitärGame::OnLeftButtonUp(uint32_t x, uint32_t y) {
    const int ix = static_cast<int>(x), iy = static_cast<int>(y);
    if (HitTestElements(1)) {
        PlaySound(*app, SoundMenuClick);
        if (hoveredElement) ElementAction(hoveredElement->GetId());
    } else if (doubleClickLockout <= 0.0) {
        if (app->paused) return;
        if (grabbedCard && dragMoved && grabbedCard->owner &&
            grabbedCard->owner->CanGiveCard(grabbedCard))
            DropGrabbedCard(ix, iy);
        else if (!dragMoved)
            ClickPile(ix, iy);
    }
    PassPressToThemes(x, y, true);
    SyncStatistics();
    pressPoint = At(x, y);
    buttonHeld = false;
    dragMoved = false;
    if (gameState == StateWon && doubleClickLockout <= 0.0) skipWinAnimation = true;
}

void SolitärGame::OnLeftDoubleClick(uint32_t x, uint32_t y) {
    if (!grabbedCard) {
        // A double click on the empty table belongs to the background animation.
        ThemeHooks::BackgroundDoubleClick(*app, x, y);
        return;
    }
    if (app->paused) return;
    KartenStapel* pile = grabbedCard->owner;
    if (pile && pile->AutoMoveCard(grabbedCard)) {
        PushUndoSnapshot();
        PlaySound(*app, SoundCardsMoved);
    } else {
        table.failedDoubleClicks += 1;
        PlaySound(*app, SoundNothingMoved);
    }
    SyncStatistics();
    doubleClickLockout = 0.3;
}
