// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replaces a file in one step: the contents go to a temporary file beside the
// target ("NAME.XXXXXX"), which is flushed, closed and then renamed over the
// target. A crash or a full disk leaves either the old file or the new one,
// never a truncated one. Used for every file the program writes at exit.
#include <filesystem>
#include <string>
#include <string_view>

class SafeFileWriter {
public:
    // True when the whole contents reached the target's name. On failure the old file is
    // untouched, no temporary file is left, and `reason` (when given) says what failed.
    static bool WriteWhole(const std::filesystem::path& target, std::string_view contents,
                           std::string* reason = nullptr);
};
