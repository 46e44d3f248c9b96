// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <sstream>

#include "cli/CliCommands.h"
#include "cli/CliGame.h"
#include "cli/CliOptions.h"
#include "data/RegularFile.h"
#include "data/TextFileLimits.h"
#include "rules/KartenTisch.h"
#include "rules/MovePlayer.h"
#include "rules/MoveScript.h"

int RunReplay(const CliOptions& options) {
    std::string bytes, error;
    if (!ReadDefinitionBytes(options, bytes, error)) {
        std::cerr << "kartenhaus-cli replay: " << error << '\n';
        return kExitUsage;
    }
    // Only a regular file of bounded size: a device such as /dev/zero or a
    // FIFO would never end.
    std::string movesText;
    switch (RegularFile::Read(options.moves, TextFileLimits::kMoveFileBytes, movesText)) {
    case RegularFile::Status::ok:
        break;
    case RegularFile::Status::notRegular:
        std::cerr << "kartenhaus-cli replay: " << options.moves << " is not a regular file\n";
        return kExitUsage;
    case RegularFile::Status::tooLarge:
        std::cerr << "kartenhaus-cli replay: " << options.moves << " is larger than "
                  << TextFileLimits::kMoveFileBytes / TextFileLimits::kMiB << " MB\n";
        return kExitUsage;
    default:
        std::cerr << "kartenhaus-cli replay: cannot read " << options.moves << '\n';
        return kExitUsage;
    }
    std::istringstream movesFile(std::move(movesText), std::ios::binary);
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
    } else {
        QuickSaveFile save;
        if (!save.ReadFile(options.layout)) {
            std::cerr << "kartenhaus-cli replay: cannot read " << options.layout << '\n';
            return kExitUsage;
        }
        if (!table.ReadQuickSave(save, bytes, seed)) {
            std::cerr << "kartenhaus-cli replay: " << options.layout
                      << ": its cards are not the deck of the game\n";
            return kExitUsage;
        }
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
