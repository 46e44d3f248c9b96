// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds a ".gob" archive: header, directory in the order given, then the
// member data in the same order. The file is replaced in one step.
#include <filesystem>
#include <string>
#include <vector>

class GameArchiveWriter {
public:
    struct Member {
        std::string name; // Latin-1, backslash-separated, 1 … 259 bytes
        std::string data;
    };

    // The archive's bytes, or an empty string with *error set when there are no
    // members, a name is empty, too long or holds a zero byte, or the archive
    // would pass 4 GiB.
    static std::string Build(const std::vector<Member>& members, std::string* error = nullptr);

    static bool Write(const std::filesystem::path& path, const std::vector<Member>& members,
                      std::string* error = nullptr);
};
