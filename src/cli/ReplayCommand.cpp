#include <fstream>
#include <iostream>

#include "cli/CliCommands.h"
#include "cli/CliGame.h"
#include "cli/CliOptions.h"
#include "rules/KartenTisch.h"
#include "rules/MovePlayer.h"
#include "rules/MoveScript.h"

int RunReplay(const CliOptions& options) {
    std::string bytes, error;
    if (!ReadDefinitionBytes(options, bytes, error)) {
        std::cerr << "kartenhaus-cli replay: " << error << '\n';
        return kExitUsage;
    }
    std::ifstream movesFile(options.moves, std::ios::binary);
    if (!movesFile) {
        std::cerr << "kartenhaus-cli replay: cannot read " << options.moves << '\n';
        return kExitUsage;
    }
    MoveScript script;
    if (!script.Parse(movesFile, error)) {
        std::cerr << options.moves << ": " << error << '\n';
        return kExitUsage;
    }

    KartenTisch table;
    const uint32_t seed = ChooseSeed(options);
    if (options.layout.empty()) {
        if (!DealTable(table, bytes, seed, options.microsoft, error)) {
            std::cerr << "kartenhaus-cli replay: " << error << '\n';
            return kExitUsage;
        }
    } else if (table.ReadQuickSave(options.layout, bytes, seed) != KartenTisch::ResultOk) {
        std::cerr << "kartenhaus-cli replay: cannot read " << options.layout << '\n';
        return kExitUsage;
    }

    MovePlayer player(table);
    // The frames after the deal already fill emptied piles.
    player.Settle();
    if (options.print) {
        std::cout << "start\n";
        PrintCompactTable(std::cout, table);
    }
    for (const ScriptMove& move : script.moves) {
        std::string reason;
        if (!player.Apply(move, reason)) {
            std::cout << "line " << move.line << ": refused: " << move.Text() << '\n';
            PrintCompactTable(std::cout, table);
            std::cerr << options.moves << ": line " << move.line << ": " << reason << '\n';
            return kExitRefused;
        }
        if (!player.Settled())
            std::cerr << options.moves << ": line " << move.line
                      << ": the automatic fills do not come to rest; stopped after "
                      << MovePlayer::kMaxSettleRounds << " frames\n";
        if (options.print) {
            std::cout << "line " << move.line << ": " << move.Text() << "\n";
            PrintCompactTable(std::cout, table);
        }
    }
    table.UpdateTimeScore(0.0);
    if (options.print) std::cout << "score " << table.ComputeScore() << '\n';
    std::cout << (table.IsGameWon() ? "won" : "not won") << '\n';
    return kExitOk;
}
