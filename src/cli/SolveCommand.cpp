// SPDX-License-Identifier: GPL-3.0-or-later
#include <fstream>
#include <iostream>

#include "cli/CliCommands.h"
#include "cli/CliGame.h"
#include "cli/CliOptions.h"
#include "rules/KartenTisch.h"
#include "rules/Solver.h"

int RunSolve(const CliOptions& options) {
    std::string bytes, error;
    if (!ReadDefinitionBytes(options, bytes, error)) {
        std::cerr << "kartenhaus-cli solve: " << error << '\n';
        return kExitUsage;
    }
    KartenTisch table;
    const uint32_t seed = ChooseSeed(options);
    if (options.layout.empty()) {
        if (!DealTable(table, bytes, seed, options.microsoft, error)) {
            std::cerr << "kartenhaus-cli solve: " << error << '\n';
            return kExitUsage;
        }
    } else if (table.ReadQuickSave(options.layout, bytes, seed) != KartenTisch::ResultOk) {
        std::cerr << "kartenhaus-cli solve: cannot read " << options.layout << '\n';
        return kExitUsage;
    }

    SolverLimits limits;
    limits.maxNodes = options.maxNodes;
    limits.maxSeconds = options.maxSeconds;
    const SolverResult result = Solver(table, limits).Solve();

    std::cout << VerdictName(result.verdict);
    if (result.verdict == SolverVerdict::Won) std::cout << ' ' << result.line.size() << " moves";
    if (result.verdict == SolverVerdict::Unknown) std::cout << " (" << result.limit << ")";
    std::cout << "\n" << result.nodes << " tables searched in " << result.seconds
              << " s (all cards seen, face-down ones too)\n";

    if (!options.movesOut.empty() && result.verdict == SolverVerdict::Won) {
        std::ofstream out(options.movesOut, std::ios::binary | std::ios::trunc);
        out << "# A winning line found by kartenhaus-cli solve\n";
        for (const ScriptMove& move : result.line)
            out << move.Text() << '\n';
        if (!out.flush()) {
            std::cerr << "kartenhaus-cli solve: cannot write " << options.movesOut << '\n';
            return kExitUsage;
        }
    }
    return kExitOk;
}
