// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the real kartenhaus-cli binary of this build and captures what it says.
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../data/TempDir.h"

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::string Fixture(const std::string& name) {
    return std::string(KH_SOURCE_DIR) + "/tests/fixtures/cli/" + name;
}

inline CliResult RunCli(const std::vector<std::string>& args) {
    static TempDir scratch;
    static int runs = 0;
    const std::string errFile = (scratch / ("stderr_" + std::to_string(runs++))).string();
    std::string command = ShellQuoted(std::string(KH_BINARY_DIR) + "/kartenhaus-cli");
    for (const std::string& arg : args)
        command += " " + ShellQuoted(arg);
    command += " 2>" + ShellQuoted(errFile);
    CliResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.out.append(buffer, n);
    int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = TempDir::Read(errFile);
    return result;
}

inline bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}
