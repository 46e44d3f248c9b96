// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flying cards behind the menu pages: two full decks, shuffled and dealt into chains of
// four to six cards (the last chain takes what is left). After a random wait a chain throws its
// cards one after another from a start point; they fall, bounce off the floor and the sides and
// come to rest, and once all of them lie still the chain waits again and throws them from a new
// point.
#include "rules/Card.h"

#include <memory>
#include <vector>

class AppState;
class RandomGenerator;

class CardCascade {
public:
    static constexpr int DeckCards = 104;

    // Draws every number from `random`; the screen width gives the first start points (above the
    // top edge).
    CardCascade(RandomGenerator& random, int screenWidth);

    // One frame of dt wall-clock seconds.
    void Update(double dt, int screenWidth, int screenHeight);
    // Chains in reverse order, each chain's cards in throw order.
    void Draw(AppState& app) const;
    // Seconds until a card moves again: 0 while one flies, else the shortest wait of a chain.
    double NextChangeIn() const;

    struct Chain {
        std::vector<Card*> cards;
        double wait = 0.0;            // seconds until the chain throws
        std::vector<double> launchIn; // per card: seconds after the throw until it flies
        Vec2 start;
        Vec2 velocity;
        bool thrown = false;
    };
    const std::vector<Chain>& Chains() const { return chains; }
    int CardCount() const { return static_cast<int>(deck.size()); }

private:
    void Throw(Chain& chain, float speed);
    void Launch(Card& card, const Chain& chain, float screenWidth);
    bool ChainAtRest(const Chain& chain) const;

    RandomGenerator& random;
    std::vector<std::unique_ptr<Card>> deck;
    std::vector<Chain> chains;
};
