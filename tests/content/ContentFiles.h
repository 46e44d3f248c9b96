// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers of the content tests: read the converted data files the way the game reads them.

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace content {

inline std::string DataDir() {
    return std::string(KH_BINARY_DIR) + "/data";
}
inline std::string StageGamesDir() {
    return std::string(KH_BINARY_DIR) + "/stage/games";
}
inline std::string SourceDir() {
    return std::string(KH_SOURCE_DIR) + "/content";
}

inline bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

inline std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    std::string word;
    while (in >> word)
        words.push_back(word);
    return words;
}

// A word list as the language files hold it: "_" is a blank, "-" a line break, and a word
// whose first or second character is a slash is a comment.
inline std::vector<std::string> ReadWordList(const std::string& path, bool& opened) {
    std::string text;
    opened = ReadFile(path, text);
    std::vector<std::string> entries;
    for (std::string word : Words(text)) {
        if (word[0] == '/' || (word.size() > 1 && word[1] == '/')) continue;
        for (char& c : word) {
            if (c == '_')
                c = ' ';
            else if (c == '-')
                c = '\n';
        }
        entries.push_back(word);
    }
    return entries;
}

struct ToolRun {
    int exitCode = -1;
    std::string output; // stdout and stderr together
};

// Runs a command line of the build's own tools and collects what it prints.
inline ToolRun RunTool(const std::string& commandLine) {
    ToolRun run;
    FILE* pipe = popen((commandLine + " 2>&1").c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

inline std::string Cli() {
    return std::string(KH_BINARY_DIR) + "/kartenhaus-cli";
}

// Latin-1 to UTF-8, for readable failure messages.
inline std::string Utf8(const std::string& latin1) {
    std::string out;
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace content
