// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ArchiveMemberStream.h"

bool ArchiveMemberStream::Open(GameArchive* archive, const std::string& name, size_t maxBytes) {
    return Open(ArchiveFamily(archive, nullptr), name, maxBytes);
}

bool ArchiveMemberStream::Open(const ArchiveFamily& family, const std::string& name,
                               size_t maxBytes) {
    Close();
    std::string text;
    // An empty member is rejected here so the search goes on to the next archive.
    bool found = SearchArchiveFamily(family, name, false, [&](std::span<const uint8_t> bytes) {
        if (bytes.empty() || bytes.size() > maxBytes) return false;
        text.assign(bytes.begin(), bytes.end());
        return true;
    });
    if (found) stream = std::make_unique<std::istringstream>(std::move(text));
    return found;
}
