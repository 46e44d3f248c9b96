// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text input stream over one archive member, for the word readers of the
// text formats (game definitions, language and chatter files). The member is
// read into memory; no temporary file is involved, so any number of member
// streams may be open at once.
#include "data/ArchiveSet.h"

#include <memory>
#include <sstream>
#include <string>

class ArchiveMemberStream {
public:
    ArchiveMemberStream() = default;
    ArchiveMemberStream(const ArchiveMemberStream&) = delete;
    ArchiveMemberStream& operator=(const ArchiveMemberStream&) = delete;

    // Closes what was open, then opens the member. The stream is open exactly
    // when the member was found and read; a member of size 0 or of more than
    // maxBytes is not opened.
    bool Open(GameArchive* archive, const std::string& name,
              size_t maxBytes = static_cast<size_t>(-1));
    // The same over a family: the first archive that has the member (no loose files).
    bool Open(const ArchiveFamily& family, const std::string& name,
              size_t maxBytes = static_cast<size_t>(-1));

    bool IsOpen() const { return stream != nullptr; }
    void Close() { stream.reset(); }

    // The open stream, or null when closed.
    std::istream* Stream() { return stream.get(); }

private:
    std::unique_ptr<std::istringstream> stream;
};
