// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/SolverTask.h"

#include "rules/KartenTisch.h"
#include "rules/RandomGenerator.h"

void SolverTask::Start(const KartenTisch& table, const std::string& definitionBytes,
                       SolverLimits limits) {
    Start(table.ToQuickSave(), definitionBytes, table.rulesRelaxed, limits);
}

void SolverTask::Start(const QuickSaveFile& start, const std::string& definitionBytes,
                       bool relaxed, SolverLimits limits) {
    Stop();
    cancel = false;
    done = false;
    thread = std::thread([this, start, definitionBytes, relaxed, limits]() {
        RandomGenerator generator;
        KartenTisch copy(generator);
        copy.ReadQuickSave(start, definitionBytes, 1);
        if (relaxed) copy.RelaxAllRules();
        result = Solver(copy, limits).Solve(&cancel);
        done = true;
    });
}

void SolverTask::Stop() {
    if (!thread.joinable()) return;
    cancel = true;
    thread.join();
}

SolverResult SolverTask::TakeResult() {
    if (thread.joinable()) thread.join();
    return result;
}
