// SPDX-License-Identifier: GPL-3.0-or-later
// The random generator, building the deck and shuffling it.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "RulesTestSupport.h"
#include "rules/RandomGenerator.h"

namespace {

std::unique_ptr<KartenTisch> TableWithDeck(int size, const char* suitWord, const char* rankWord) {
    auto table = std::make_unique<KartenTisch>();
    table->deckSize = size;
    table->deckSuitFilter = LookupSuitA(suitWord);
    table->deckRankFilter = LookupRankA(rankWord);
    table->random.Seed(7);
    table->BuildDeck(70.0f, 100.0f);
    return table;
}

std::map<std::pair<int, int>, int> CountIds(const KartenTisch& table) {
    std::map<std::pair<int, int>, int> counts;
    for (Card* c : table.deck)
        ++counts[{c->suit, c->rank}];
    return counts;
}

} // namespace

TEST(RandomGenerator, FollowsTheLinearCongruentialSequence) {
    RandomGenerator r(0);
    // state 0 -> 2531011 -> 2531011*214013+2531011 ...
    EXPECT_EQ(r.Next(), (2531011u >> 16) & 0x7FFF);
    uint32_t state = 2531011u;
    state = state * 214013u + 2531011u;
    EXPECT_EQ(r.Next(), static_cast<int>((state >> 16) & 0x7FFF));
    EXPECT_EQ(r.State(), state);
    r.Seed(12345);
    RandomGenerator same(12345);
    for (int i = 0; i < 100; ++i) {
        int v = r.Next();
        EXPECT_EQ(v, same.Next());
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 32767);
    }
    EXPECT_EQ(r.Below(0), 0);
}

TEST(BuildDeck, FullPackIsRankMajorWithOneOfEach) {
    auto table = TableWithDeck(52, "ALLES", "ALLES");
    ASSERT_EQ(table->deck.Count(), 52);
    for (int i = 0; i < 52; ++i) {
        EXPECT_EQ(table->deck[i]->rank, i / 4);
        EXPECT_EQ(table->deck[i]->suit, i % 4);
        EXPECT_EQ(table->deck[i]->size, (Vec2{70.0f, 100.0f}));
        EXPECT_GE(table->deck[i]->jitter.x, -5.0f);
        EXPECT_LE(table->deck[i]->jitter.x, 4.0f);
        EXPECT_EQ(table->deck[i]->position, table->deck[i]->target);
        EXPECT_LT(table->deck[i]->position.x, 1024.0f);
        EXPECT_EQ(table->deck[i]->owner, nullptr);
    }
}

TEST(BuildDeck, RepeatedPassesAndPartialLastPass) {
    auto twice = TableWithDeck(104, "ALLES", "ALLES");
    for (auto [id, n] : CountIds(*twice))
        EXPECT_EQ(n, 2);
    EXPECT_EQ(CountIds(*twice).size(), 52u);

    auto red = TableWithDeck(52, "ROT", "ALLES");
    for (auto [id, n] : CountIds(*red)) {
        EXPECT_TRUE(IsRedSuit(id.first));
        EXPECT_EQ(n, 2);
    }
    EXPECT_EQ(CountIds(*red).size(), 26u);

    auto extra = TableWithDeck(54, "ALLES", "ALLES");
    EXPECT_EQ(extra->deck[52]->Id(), (CardId{Suit::KREUZ, Rank::ASS}));
    EXPECT_EQ(extra->deck[53]->Id(), (CardId{Suit::KARO, Rank::ASS}));
}

TEST(BuildDeck, RankFilters) {
    auto numbers = TableWithDeck(40, "ALLES", "ZAHLEN");
    EXPECT_EQ(CountIds(*numbers).size(), 40u);
    for (Card* c : numbers->deck)
        EXPECT_LE(c->rank, Rank::ZEHN);
    auto faces = TableWithDeck(12, "ALLES", "FIGUREN");
    EXPECT_EQ(CountIds(*faces).size(), 12u);
    for (Card* c : faces->deck)
        EXPECT_GE(c->rank, Rank::BUBE);
    auto kings = TableWithDeck(8, "PIK", "K\xD6NIG");
    for (Card* c : kings->deck)
        EXPECT_EQ(c->Id(), (CardId{Suit::PIK, Rank::KÖNIG}));
    EXPECT_EQ(kings->deck.Count(), 8);
    // VORHERIGE and the like restrict nothing in the deck.
    auto all = TableWithDeck(52, "VORHERIGE", "VORHERIGE_MINUS");
    EXPECT_EQ(CountIds(*all).size(), 52u);
}

TEST(ShuffleDeck, PermutesWithoutLosingCards) {
    auto table = TableWithDeck(104, "ALLES", "ALLES");
    std::set<Card*> before(table->deck.begin(), table->deck.end());
    table->ShuffleDeck();
    std::set<Card*> after(table->deck.begin(), table->deck.end());
    EXPECT_EQ(before, after);
    EXPECT_EQ(table->deck.Count(), 104);
    int inPlace = 0;
    for (int i = 0; i < 104; ++i)
        inPlace += table->deck[i]->rank == i / 4 && table->deck[i]->suit == i % 4;
    EXPECT_LT(inPlace, 104);
}

TEST(ShuffleDeck, SmallDecksAreLeftAlone) {
    auto none = TableWithDeck(0, "ALLES", "ALLES");
    uint32_t state = none->random.State();
    none->ShuffleDeck();
    EXPECT_EQ(none->deck.Count(), 0);
    EXPECT_EQ(none->random.State(), state);
    auto one = TableWithDeck(1, "ALLES", "ALLES");
    state = one->random.State();
    one->ShuffleDeck();
    EXPECT_EQ(one->random.State(), state);
}

TEST(ShuffleDeck, RemovesAtOneRandomIndexAndInsertsBeforeAnother) {
    // The same steps on a plain vector, drawn from a generator with the same seed.
    auto table = TableWithDeck(5, "ALLES", "ALLES");
    std::vector<Card*> expected(table->deck.begin(), table->deck.end());
    RandomGenerator mirror(table->random.State());
    for (int step = 0; step < 10; ++step) {
        int i = mirror.Below(static_cast<int>(expected.size()));
        Card* c = expected[static_cast<size_t>(i)];
        expected.erase(expected.begin() + i);
        int j = mirror.Below(static_cast<int>(expected.size()));
        EXPECT_LT(j, static_cast<int>(expected.size())); // never the last place
        expected.insert(expected.begin() + j, c);
    }
    table->ShuffleDeck();
    EXPECT_EQ(std::vector<Card*>(table->deck.begin(), table->deck.end()), expected);
}

TEST(ShuffleDeck, SameSeedSameOrder) {
    const std::string game = "SPIEL_ANZ_KARTEN: 52 SPIEL_AF: ALLES SPIEL_AW: ALLES";
    auto first = LoadTable(game, 99);
    auto second = LoadTable(game, 99);
    auto third = LoadTable(game, 100);
    bool differs = false;
    for (int i = 0; i < 52; ++i) {
        EXPECT_EQ(first->deck[i]->Id(), second->deck[i]->Id());
        differs |= !(first->deck[i]->Id() == third->deck[i]->Id());
    }
    EXPECT_TRUE(differs);
}
