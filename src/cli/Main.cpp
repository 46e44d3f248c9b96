// SPDX-License-Identifier: GPL-3.0-or-later
// kartenhaus-cli: deals, replays, checks and soaks games with the rules engine alone,
// without a window or sound.
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    CliOptions options;
    std::string error;
    if (!options.Parse(argc, argv, error)) {
        std::fprintf(stderr, "kartenhaus-cli: %s\n\n%s", error.c_str(),
                     CliOptions::CommandHelp(options.command));
        return kExitUsage;
    }
    if (options.help) {
        std::fputs(CliOptions::CommandHelp(options.command), stdout);
        return 0;
    }
    switch (options.command) {
    case CliCommand::Deal:
        return RunDeal(options);
    case CliCommand::Replay:
        return RunReplay(options);
    case CliCommand::Lint:
        return RunLint(options);
    case CliCommand::Soak:
        return RunSoak(options);
    case CliCommand::Solve:
        return RunSolve(options);
    case CliCommand::Survey:
        return RunSurvey(options);
    case CliCommand::None:
        break;
    }
    std::fputs(CliOptions::Usage(), stdout);
    return 0;
}
