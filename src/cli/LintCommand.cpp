// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "cli/CliCommands.h"
#include "cli/CliGame.h"
#include "cli/CliOptions.h"
#include "rules/GameLint.h"

int RunLint(const CliOptions& options) {
    bool problems = false;
    bool unreadable = false;
    for (const std::string& path : options.files) {
        std::string bytes;
        if (!ReadDefinitionFile(path, bytes)) {
            std::cerr << path << ": cannot read the file\n";
            unreadable = true;
            continue;
        }
        GameLint lint;
        std::vector<LintProblem> found = lint.Check(bytes);
        for (const LintProblem& problem : found) {
            std::cout << path << ':';
            if (problem.line > 0) std::cout << problem.line << ':' << problem.column << ':';
            std::cout << ' ' << problem.message << '\n';
        }
        if (found.empty()) std::cout << path << ": ok\n";
        problems = problems || !found.empty();
    }
    if (unreadable) return kExitUsage;
    return problems ? kExitProblems : kExitOk;
}
