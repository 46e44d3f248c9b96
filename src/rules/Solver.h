// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A search for a winning line of any game, over the game's own table model:
// the moves it tries are the ones the engine's rules allow (SolverMoves), the
// automatic fills run after each as in the game, and a line it returns is a
// list of moves in the move language that replays to a won table.
//
// The search sees every card, face-down ones included. It is best-first: the
// table with the most cards home and the fewest face-down and out-of-order
// cards is tried next; safe moves are made at once; a transposition table
// skips tables seen before. Verdicts: won (with the line), impossible (every
// table reachable from the start was searched) or unknown (a limit was hit).
#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "rules/MoveScript.h"

class KartenTisch;

enum class SolverVerdict { Won, Impossible, Unknown };

struct SolverLimits {
    long long maxNodes = 300000;           // tables kept by the search
    double maxSeconds = 30.0;              // wall-clock time
    size_t maxBytes = size_t(512) << 20;   // memory of the search's own tables
};

struct SolverResult {
    SolverVerdict verdict = SolverVerdict::Unknown;
    std::vector<ScriptMove> line; // the winning line from the start table
    long long nodes = 0;          // tables kept
    double seconds = 0.0;
    std::string limit; // the limit that ended an unknown search ("nodes", "time", ...)
};

// "won", "impossible", "unknown".
const char* VerdictName(SolverVerdict verdict);

class Solver {
public:
    // The table is the search's to change while Solve runs; it is back in its
    // start state when Solve returns. The table must hold the deck its piles use.
    Solver(KartenTisch& table, SolverLimits limits) : table(table), limits(limits) {}

    // Searches from the table as it is, after letting its automatic fills run.
    // A set cancel flag ends the search as unknown ("cancelled").
    SolverResult Solve(const std::atomic<bool>* cancel = nullptr);

private:
    KartenTisch& table;
    SolverLimits limits;
};
