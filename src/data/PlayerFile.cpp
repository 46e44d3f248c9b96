// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/PlayerFile.h"

#include "data/SafeFileWriter.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// The failed files with their reasons, in the order they first failed.
std::vector<std::pair<std::string, std::string>>& FailureList() {
    static std::vector<std::pair<std::string, std::string>> failures;
    return failures;
}

void NoteOutcome(const std::string& file, bool ok, const std::string& reason) {
    auto& failures = FailureList();
    auto it = std::find_if(failures.begin(), failures.end(),
                           [&](const auto& entry) { return entry.first == file; });
    if (ok) {
        if (it != failures.end()) failures.erase(it);
        return;
    }
    std::fprintf(stderr, "kartenhaus: cannot save '%s': %s\n", file.c_str(), reason.c_str());
    if (it != failures.end())
        it->second = reason;
    else
        failures.emplace_back(file, reason);
}

} // namespace

bool PlayerFile::Write(const std::filesystem::path& file, std::string_view contents) {
    if (Holds(file, contents)) return true;
    if (!WriteNow(file, contents)) return false;
    Known(file, std::string(contents));
    return true;
}

bool PlayerFile::WriteNow(const std::filesystem::path& file, std::string_view contents) {
    std::string reason;
    const bool ok = SafeFileWriter::WriteWhole(file, contents, &reason);
    NoteOutcome(file.string(), ok, reason);
    return ok;
}

std::vector<std::string> PlayerFile::Failures() {
    std::vector<std::string> lines;
    for (const auto& [file, reason] : FailureList())
        lines.push_back(file + ": " + reason);
    return lines;
}

void PlayerFile::ClearFailures() {
    FailureList().clear();
}
