// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One of the player's files (settings, statistics, a quick save) as this run knows it.
// Writing goes through a temporary file and a rename, and is skipped when the contents are
// what the file already holds as far as this run knows (read at start or written since), so
// a run that changed nothing leaves the file alone. A failed write is never silent: it is
// reported on stderr with the file and the reason, and kept in a list the program shows the
// player before it ends.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class PlayerFile {
public:
    // The contents `file` holds on disk now.
    void Known(const std::filesystem::path& file, std::string contents) {
        knownFile = file;
        known = std::move(contents);
    }
    // Whether `file` holds these contents as far as this run knows.
    bool Holds(const std::filesystem::path& file, std::string_view contents) const {
        return known && knownFile == file && *known == contents;
    }
    // Forgets them: the next Write writes whatever it is given.
    void Forget() { known.reset(); }

    // Writes `contents` unless they are the known ones. False only when a write failed.
    bool Write(const std::filesystem::path& file, std::string_view contents);

    // Writes at once, without the comparison (a quick save the player asked for).
    static bool WriteNow(const std::filesystem::path& file, std::string_view contents);

    // "FILE: reason" of every file whose last write failed (a later successful write of the
    // same file takes it off the list).
    static std::vector<std::string> Failures();
    static void ClearFailures();

private:
    std::filesystem::path knownFile;
    std::optional<std::string> known;
};
