// SPDX-License-Identifier: GPL-3.0-or-later
// Reading game catalogs at their limits: 1,000 categories, each defined again
// by an add-on catalog (every block merges into its namesake), and 10,000
// games that all merge into one category. Both should grow linearly with
// the number of blocks.
#include "data/GameCatalog.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

namespace {

std::string Categories(int count, const char* game) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "KATEGORIE_START NAME: Kategorie_" + std::to_string(i) + " PATH: k" +
                std::to_string(i) + " GAME_START PATH: " + game + " GAME_ENDE KATEGORIE_ENDE\n";
    return text;
}

void MergeCategories(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::string main = Categories(count, "a"), addOn = Categories(count, "b");
    for (auto _ : state) {
        GameCategoryList categories;
        std::istringstream first(main), second(addOn);
        GameCatalog::ReadCatalog(first, 0, categories);
        GameCatalog::ReadCatalog(second, 1, categories);
        benchmark::DoNotOptimize(categories.Count());
    }
    state.SetComplexityN(count);
}
BENCHMARK(MergeCategories)->Arg(250)->Arg(500)->Arg(1000)->Complexity();

void MergeGamesIntoOneCategory(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "KATEGORIE_START NAME: Alle PATH: alle GAME_START PATH: g" + std::to_string(i) +
                " GAME_ENDE KATEGORIE_ENDE\n";
    for (auto _ : state) {
        GameCategoryList categories;
        std::istringstream input(text);
        GameCatalog::ReadCatalog(input, 0, categories);
        benchmark::DoNotOptimize(categories.Count());
    }
    state.SetComplexityN(count);
}
BENCHMARK(MergeGamesIntoOneCategory)->Arg(2500)->Arg(5000)->Arg(10000)->Complexity();

} // namespace
