// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of kartenhaus-cli. Each returns the process exit status.
class CliOptions;

constexpr int kExitOk = 0;
constexpr int kExitProblems = 1; // lint found problems, soak broke an invariant
constexpr int kExitUsage = 2;    // usage error, unreadable file, malformed moves file
constexpr int kExitRefused = 3;  // replay: a move was refused

int RunDeal(const CliOptions& options);
int RunReplay(const CliOptions& options);
int RunLint(const CliOptions& options);
int RunSoak(const CliOptions& options);
int RunSolve(const CliOptions& options);
int RunSurvey(const CliOptions& options);
