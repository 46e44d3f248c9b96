// SPDX-License-Identifier: GPL-3.0-or-later
// Loading, building, shuffling and dealing a two-pack (104-card) game.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "rules/KartenTisch.h"

namespace {

std::string SpiderBytes() {
    std::ifstream in(KH_SOURCE_DIR "/tests/fixtures/games/spider.game", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void BM_LoadBuildShuffleDeal104(benchmark::State& state) {
    const std::string bytes = SpiderBytes();
    KartenTisch table;
    uint32_t seed = 1;
    for (auto _ : state) {
        table.LoadGameDefinition(std::string_view(bytes), seed++);
        benchmark::DoNotOptimize(table.deck.Count());
    }
    if (table.deck.Count() != 104) state.SkipWithError("the fixture did not build 104 cards");
}
BENCHMARK(BM_LoadBuildShuffleDeal104)->Unit(benchmark::kMicrosecond);

} // namespace
