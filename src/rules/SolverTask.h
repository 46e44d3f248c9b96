// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One search on a thread of its own, over a copy of a table, so that a window
// never waits for it: the copy is made from the table's quick save and its
// definition, and the search never touches the table it was started from.
// Destroying the task cancels the search and waits for the thread.
#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "rules/QuickSaveFile.h"
#include "rules/Solver.h"

class KartenTisch;

class SolverTask {
public:
    SolverTask() = default;
    SolverTask(const SolverTask&) = delete;
    SolverTask& operator=(const SolverTask&) = delete;
    ~SolverTask() { Stop(); }

    // Starts a search from the table as it is now (any running one is stopped).
    void Start(const KartenTisch& table, const std::string& definitionBytes,
               SolverLimits limits);
    // The same from a saved table; relaxed: the joker relaxed the table's rules,
    // and the copy gets them relaxed too.
    void Start(const QuickSaveFile& start, const std::string& definitionBytes, bool relaxed,
               SolverLimits limits);
    // Cancels a running search and waits for it; the task is then idle.
    void Stop();

    bool Running() const { return thread.joinable() && !done.load(); }
    // True once a started search has finished; the result may then be read.
    bool Finished() const { return thread.joinable() && done.load(); }
    // The result of a finished search (and the task becomes idle).
    SolverResult TakeResult();

private:
    std::thread thread;
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    SolverResult result;
};
