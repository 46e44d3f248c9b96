// SPDX-License-Identifier: GPL-3.0-or-later
// The flying cards behind the menu: two decks in chains of four to six, thrown from above the
// screen, coming to rest inside it and thrown again.
#include "menu/CardCascade.h"

#include "rules/RandomGenerator.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(CardCascade, TwoDecksInChainsOfFourToSix) {
    RandomGenerator random(11);
    CardCascade cascade(random, 1024);
    std::map<std::pair<int, int>, int> seen;
    int cards = 0;
    for (const CardCascade::Chain& chain : cascade.Chains()) {
        if (&chain != &cascade.Chains().back()) {
            EXPECT_GE(chain.cards.size(), 4u);
        }
        EXPECT_LE(chain.cards.size(), 6u);
        EXPECT_GE(chain.wait, 0.0);
        EXPECT_LT(chain.wait, 10.0);
        EXPECT_EQ(chain.start.y, -200.0f) << "the first throw comes from above the screen";
        EXPECT_GE(chain.start.x, 0.0f);
        EXPECT_LT(chain.start.x, 1024.0f - 50.0f);
        EXPECT_EQ(chain.velocity.y, 50.0f);
        const float speed = std::abs(chain.velocity.x);
        EXPECT_GE(speed, 50.0f);
        EXPECT_LT(speed, 150.0f);
        for (const Card* card : chain.cards)
            ++seen[{card->suit, card->rank}];
        cards += static_cast<int>(chain.cards.size());
    }
    EXPECT_EQ(cards, 104);
    EXPECT_EQ(seen.size(), 52u);
    for (const auto& [card, count] : seen)
        EXPECT_EQ(count, 2);
}

TEST(CardCascade, CardsComeToRestOnScreenAndAreThrownAgain) {
    RandomGenerator random(5);
    CardCascade cascade(random, 1024);
    std::vector<int> throws(cascade.Chains().size(), 0);
    std::vector<bool> wasThrown(cascade.Chains().size(), false);
    for (int frame = 0; frame < 60 * 90; ++frame) {
        cascade.Update(1.0 / 60.0, 1024, 768);
        for (size_t i = 0; i < cascade.Chains().size(); ++i) {
            const CardCascade::Chain& chain = cascade.Chains()[i];
            if (wasThrown[i] && !chain.thrown) ++throws[i];
            wasThrown[i] = chain.thrown;
            for (const Card* card : chain.cards) {
                if (!card->bouncing) continue; // waiting above the screen or lying still
                ASSERT_GE(card->position.x, 0.0f);
                ASSERT_LE(card->position.x, 1024.0f - card->size.x);
                ASSERT_LE(card->position.y, 768.0f - card->size.y);
            }
        }
    }
    int chainsThrownAgain = 0;
    for (int n : throws)
        if (n > 0) ++chainsThrownAgain;
    EXPECT_GT(chainsThrownAgain, 0) << "chains at rest wait and fly again";
}

} // namespace
