// SPDX-License-Identifier: GPL-3.0-or-later
// Undo snapshots of a two-deck table (104 cards on 19 piles): one move's push
// (which discards the redo branch) plus one undo's restore, and the memory one
// snapshot holds.
#include <benchmark/benchmark.h>

#include <string>

#include "rules/KartenTisch.h"

namespace {

std::string TwoDeckGame() {
    std::string text = "SPIEL_ANZ_KARTEN: 104 SPIEL_AF: ALLES SPIEL_AW: ALLES\n";
    int id = 1;
    // Ten columns with face-down and face-up cards, eight foundations, a stock.
    for (int i = 0; i < 10; ++i, ++id)
        text += "STAPEL_START ID: " + std::to_string(id) +
                " INIT_ANZ_VERDECKT: 4 INIT_ANZ_SICHTBAR: 2 STAPEL_ENDE\n";
    for (int i = 0; i < 8; ++i, ++id)
        text += "STAPEL_START ID: " + std::to_string(id) +
                " INIT_AW: ASS INIT_ANZ_SICHTBAR: 1 "
                "STAPEL_ENDE\n";
    text += "STAPEL_START ID: " + std::to_string(id) + " INIT_ANZ_VERDECKT: 104 STAPEL_ENDE\n";
    return text;
}

void BM_PushAndRestoreSnapshot(benchmark::State& state) {
    const std::string game = TwoDeckGame();
    KartenTisch table;
    table.LoadGameDefinition(std::string_view(game), 1);
    int cards = 0;
    for (const KartenStapel* pile : table.piles)
        cards += pile->TotalCount();
    if (cards != 104) state.SkipWithError("the table does not hold 104 cards");
    for (auto _ : state) {
        table.PushUndoSnapshot(); // the move
        table.UndoStep();         // and its undo, restoring the dealt table
        benchmark::DoNotOptimize(table.undoHistory.data());
    }
    state.counters["bytes_per_snapshot"] =
        static_cast<double>(table.undoHistory.front()->MemoryBytes());
    state.counters["piles"] = table.piles.Count();
}
BENCHMARK(BM_PushAndRestoreSnapshot);

void BM_CaptureOnly(benchmark::State& state) {
    const std::string game = TwoDeckGame();
    KartenTisch table;
    table.LoadGameDefinition(std::string_view(game), 1);
    for (auto _ : state) {
        TableSnapshot snapshot(table.piles);
        benchmark::DoNotOptimize(&snapshot);
    }
}
BENCHMARK(BM_CaptureOnly);

} // namespace
