// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One card on the table. The table's deck owns every card; piles hold
// non-owning pointers and keep owner, cardAbove and cardBelow up to date
// whenever their lists change.
#include "rules/CardId.h"
#include "rules/Vec2.h"

class KartenStapel;

class Card {
public:
    Card(int rank, int suit) : rank(rank), suit(suit) {}

    int rank;                      // 0 (ASS) .. 12 (KÖNIG)
    int suit;                      // 0 KREUZ, 1 KARO, 2 PIK, 3 HERZ
    KartenStapel* owner = nullptr; // pile whose visible or face-down list holds the card
    Card* cardAbove = nullptr;     // next higher card of the same list, null on top
    Card* cardBelow = nullptr;     // next lower card of the same list, null at index 0
    Vec2 size{88.0f, 128.0f};      // drawn width and height
    Vec2 position;                 // where the card is drawn now
    Vec2 target;                   // where it is moving to
    double speed = 10.0;           // glide speed towards target
    int moveMode = 0;              // 0 resting, 1 ordinary move, 2 spread / follower move
    bool faceDown = false;         // lies in its owner's face-down list
    bool dragTogether = false;     // the cards above follow this one (MOVE_STAPEL)
    int markState = 0;             // 0 none, 1 picked / drop target, 2 dragged
    Vec2 jitter;                   // fixed small offset, scaled by the deviation setting

    // The win animation (CardBounce.cpp): after its delay the card leaves its place and
    // bounces across the screen under gravity until it comes to rest.
    bool bouncing = false;
    double bounceDelay = 0.0; // seconds of game time until it starts
    Vec2 velocity;            // pixels per half second
    Vec2 gravity;

    CardId Id() const { return {suit, rank}; }
    bool IsRed() const { return IsRedSuit(suit); }

    // The card together with all cards lying on it: 1 + the cards above.
    int RunLength() const;

    // Gives the card a new target. When dragTogether is set the card above is
    // re-targeted too, recursively: shifted by twice the owner's visibleOffset
    // while this card is being dragged (markState 2), otherwise by the owner's
    // effectiveVisibleOffset, always with moveMode 2.
    void SetTarget(Vec2 newTarget, double newSpeed, int newMoveMode);

    // One frame of motion: glide towards the target, refresh faceDown from the
    // owner's lists, and come to rest within one pixel of the target in mode 1.
    void Step(double realFrameTime);

    void StartBounce(double delay, Vec2 startVelocity, Vec2 startGravity);
    // Once the delay has run out the card no longer glides towards its target.
    bool BounceActive() const { return bouncing && bounceDelay <= 0.0; }
    // A card that never started bouncing counts as finished.
    bool FinishedBouncing() const;
    // One frame of the bounce in a screen of the given size: the delay runs down, then
    // gravity, damping, the floor and the side walls act on the card.
    void StepBounce(double frameTime, float screenWidth, float screenHeight);
};
