// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/CardCascade.h"

#include "media/CardDrawing.h"
#include "rules/RandomGenerator.h"

#include <algorithm>

namespace {
constexpr float verticalSpeed = 50.0f;
const Vec2 gravity{0.0f, 100.0f};
} // namespace

CardCascade::CardCascade(RandomGenerator& random, int screenWidth) : random(random) {
    for (int copy = 0; copy < 2; ++copy)
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 0; rank < 13; ++rank)
                deck.push_back(std::make_unique<Card>(rank, suit));
    // 208 moves: a random card out of the deck, back in at a random place.
    for (int i = 0; i < 2 * DeckCards; ++i) {
        const int from = random.Below(DeckCards);
        std::unique_ptr<Card> card = std::move(deck[static_cast<size_t>(from)]);
        deck.erase(deck.begin() + from);
        const int to = random.Below(DeckCards);
        deck.insert(deck.begin() + to, std::move(card));
    }
    for (auto& card : deck) {
        Chain* current = chains.empty() ? nullptr : &chains.back();
        const size_t held = current ? current->cards.size() : 0;
        const bool full = held >= 6 || ((held == 4 || held == 5) && random.Below(3) == 0);
        if (!current || full) {
            chains.emplace_back();
            current = &chains.back();
        }
        current->cards.push_back(card.get());
    }
    for (Chain& chain : chains) {
        chain.wait = random.Below(1000) / 100.0;
        chain.start = {static_cast<float>(random.Below(screenWidth - 50)), -200.0f};
        const float speed = static_cast<float>(random.Below(100) + 50);
        for (Card* card : chain.cards)
            card->position = chain.start;
        Throw(chain, speed);
    }
}

void CardCascade::Throw(Chain& chain, float speed) {
    const float sign = random.Below(2) == 0 ? -1.0f : 1.0f;
    chain.velocity = {sign * speed, verticalSpeed};
    // Card i flies (1 + i × d) − 1 seconds after the first, so the chain strings out
    // along one arc.
    const double d = (random.Below(100) + 50) * 0.075 / 100.0;
    chain.launchIn.assign(chain.cards.size(), 0.0);
    for (size_t i = 0; i < chain.cards.size(); ++i)
        chain.launchIn[i] = (1.0 + static_cast<double>(i) * d) - 1.0;
    chain.thrown = false;
}

void CardCascade::Launch(Card& card, const Chain& chain, float screenWidth) {
    // A start point near the right edge would leave the card half outside for a frame.
    card.position = {std::min(chain.start.x, std::max(0.0f, screenWidth - card.size.x)),
                     chain.start.y};
    card.StartBounce(0.0, chain.velocity, gravity);
}

bool CardCascade::ChainAtRest(const Chain& chain) const {
    if (!chain.thrown) return false;
    for (size_t i = 0; i < chain.cards.size(); ++i)
        if (chain.launchIn[i] > 0.0 || !chain.cards[i]->FinishedBouncing()) return false;
    return true;
}

void CardCascade::Update(double dt, int screenWidth, int screenHeight) {
    const auto w = static_cast<float>(screenWidth);
    const auto h = static_cast<float>(screenHeight);
    for (Chain& chain : chains) {
        if (chain.wait > 0.0) {
            chain.wait -= dt;
            continue;
        }
        chain.thrown = true;
        for (size_t i = 0; i < chain.cards.size(); ++i) {
            Card* card = chain.cards[i];
            if (chain.launchIn[i] > 0.0) {
                chain.launchIn[i] -= dt;
                if (chain.launchIn[i] > 0.0) continue;
                // Its turn: the card leaves wherever it lay and flies from the start point.
                Launch(*card, chain, w);
                continue;
            }
            if (!card->bouncing) Launch(*card, chain, w);
            card->StepBounce(dt, w, h);
        }
        if (ChainAtRest(chain)) {
            chain.wait = random.Below(1000) / 100.0;
            chain.start = {static_cast<float>(random.Below(screenWidth - 50)),
                           static_cast<float>(random.Below(screenHeight - 200))};
            Throw(chain, static_cast<float>(random.Below(100) + 75));
            for (Card* card : chain.cards)
                card->bouncing = false;
            // The cards stay where they lie until their turn in the next throw.
            for (double& launch : chain.launchIn)
                launch = std::max(launch, 1e-9);
        }
    }
}

double CardCascade::NextChangeIn() const {
    double next = 1.0e30;
    for (const Chain& chain : chains) {
        if (chain.wait > 0.0) {
            next = std::min(next, chain.wait);
            continue;
        }
        for (size_t i = 0; i < chain.cards.size(); ++i) {
            if (chain.launchIn[i] > 0.0)
                next = std::min(next, chain.launchIn[i]);
            else if (!chain.cards[i]->FinishedBouncing() || !chain.cards[i]->bouncing)
                return 0.0;
        }
        if (ChainAtRest(chain)) return 0.0; // throws again at the next frame
    }
    return next;
}

void CardCascade::Draw(AppState& app) const {
    for (auto chain = chains.rbegin(); chain != chains.rend(); ++chain)
        for (const Card* card : chain->cards)
            DrawCard(app, *card);
}
