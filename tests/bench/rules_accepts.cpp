// SPDX-License-Identifier: GPL-3.0-or-later
// AcceptsCards on a Spider-like column: a descending run checked card by card.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "rules/KartenStapel.h"

namespace {

std::unique_ptr<KartenStapel> Column(int id) {
    auto pile = std::make_unique<KartenStapel>(Vec2{100.0f * id, 150.0f});
    pile->pileId = id;
    pile->linkIds = {id};
    pile->sourceIds = {1, 2};
    pile->targetIds = {1, 2};
    pile->AF = SuitA::ALLES;
    pile->AFLS = SuitB::ALLES;
    pile->AW = RankA::VORHERIGE_MINUS;
    pile->AF_MOVE = SuitA::VORHERIGE;
    pile->AW_MOVE = RankA::VORHERIGE_MINUS;
    pile->AWLS = RankB::ALLES;
    pile->CHECK_MOVE_STAPEL = true;
    pile->MOVE_STAPEL = true;
    pile->visibleOffset = {0.0f, 25.0f};
    return pile;
}

void BM_AcceptsCardsSpiderColumn(benchmark::State& state) {
    const int runLength = static_cast<int>(state.range(0));
    std::vector<std::unique_ptr<Card>> cards;
    auto source = Column(1);
    auto target = Column(2);
    // Target: five face-down cards, then a KÖNIG; source: a run from DAME downwards.
    for (int i = 0; i < 5; ++i) {
        cards.push_back(std::make_unique<Card>(i, Suit::PIK));
        target->AddFaceDown(cards.back().get());
    }
    cards.push_back(std::make_unique<Card>(Rank::KÖNIG, Suit::PIK));
    target->AddVisible(cards.back().get());
    Card* lowest = nullptr;
    for (int i = 0; i < runLength; ++i) {
        cards.push_back(std::make_unique<Card>(Rank::DAME - i, Suit::PIK));
        source->AddVisible(cards.back().get());
        if (lowest == nullptr) lowest = cards.back().get();
    }
    bool accepted = false;
    for (auto _ : state) {
        accepted = target->AcceptsCards(lowest, runLength);
        benchmark::DoNotOptimize(accepted);
    }
    if (!accepted) state.SkipWithError("the run was refused");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AcceptsCardsSpiderColumn)->Arg(1)->Arg(6)->Arg(12);

} // namespace
