// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "cli/CliCommands.h"
#include "cli/CliGame.h"
#include "cli/CliOptions.h"
#include "rules/KartenTisch.h"

int RunDeal(const CliOptions& options) {
    std::string bytes, error;
    if (!ReadDefinitionBytes(options, bytes, error)) {
        std::cerr << "kartenhaus-cli deal: " << error << '\n';
        return kExitUsage;
    }
    KartenTisch table;
    if (!DealTable(table, bytes, ChooseSeed(options), options.microsoft, error)) {
        std::cerr << "kartenhaus-cli deal: " << error << '\n';
        return kExitUsage;
    }
    // The goal bonus the first frame would show; no time has passed yet.
    table.UpdateTimeScore(0.0);
    table.ToQuickSave().Write(std::cout);
    return std::cout ? kExitOk : kExitUsage;
}
