// SPDX-License-Identifier: GPL-3.0-or-later
// ".gob" archives: any file opens or is refused; every member a lookup finds
// is read whole from inside the file, damaged members are never read, and a
// member read through a family or as a text stream gives the same bytes.
#include "FuzzSupport.h"
#include "data/ArchiveMemberStream.h"
#include "data/ArchiveSet.h"
#include "data/GameArchive.h"

#include <unistd.h>

#include <fstream>

namespace {

// The archive reader opens files by name: the input is written to a file of
// this process in memory-backed storage.
const std::filesystem::path& ScratchFile() {
    static const std::filesystem::path path = [] {
        std::filesystem::path folder = std::filesystem::exists("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
        return folder / ("kh-fuzz-archive-" + std::to_string(::getpid()) + ".gob");
    }();
    return path;
}

struct RemoveAtExit {
    ~RemoveAtExit() {
        std::error_code ignored;
        std::filesystem::remove(ScratchFile(), ignored);
    }
} removeAtExit;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        std::ofstream out(ScratchFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        FUZZ_CHECK(out.good(), "scratch file not written");
    }
    std::unique_ptr<GameArchive> archive = OpenArchive(ScratchFile());
    if (!archive) return 0;
    FUZZ_CHECK(archive->FileSize() == size, "wrong file size");
    FUZZ_CHECK(!archive->Entries().empty(), "an archive without members opened");
    FUZZ_CHECK(GameArchive::kHeaderSize +
                       uint64_t(archive->Entries().size()) * GameArchive::kEntrySize <=
                   size,
               "a directory larger than the file");

    ArchiveList noAddOns;
    const ArchiveFamily family(archive, noAddOns);
    int read = 0;
    for (const GameArchive::Entry& entry : archive->Entries()) {
        if (entry.Usable())
            FUZZ_CHECK(uint64_t(entry.offset) + entry.size <= size, "usable data past the end");
        const GameArchive::Entry* found = archive->Find(entry.name);
        if (!entry.nameTerminated || entry.name.empty()) {
            // A name without its terminator is damaged; an empty one names nothing.
            FUZZ_CHECK(!found || !entry.nameTerminated, "an empty name found");
            continue;
        }
        FUZZ_CHECK(found, "a member name that is not found");
        FUZZ_CHECK(GameArchive::FoldCase(found->name) == GameArchive::FoldCase(entry.name),
                   "a lookup found another name");
        if (found != &entry || ++read > 64) continue; // each name once, and a few per input
        std::optional<std::vector<uint8_t>> bytes = ReadMember(archive.get(), entry.name);
        FUZZ_CHECK(bytes.has_value() == entry.Usable(),
                   "a damaged member read, or a sound one refused");
        if (!bytes) continue;
        FUZZ_CHECK(bytes->size() == entry.size, "a member of the wrong size");
        FUZZ_CHECK(std::equal(bytes->begin(), bytes->end(), data + entry.offset),
                   "a member's bytes differ from the file");
        auto viaFamily = ReadFamilyMember(family, entry.name, false);
        FUZZ_CHECK(viaFamily && *viaFamily == *bytes, "the family read differs");
        ArchiveMemberStream stream;
        if (stream.Open(archive.get(), entry.name)) {
            std::string text((std::istreambuf_iterator<char>(*stream.Stream())), {});
            FUZZ_CHECK(text.size() == bytes->size(), "the text stream differs");
        } else {
            FUZZ_CHECK(bytes->empty(), "a member that does not open as text");
        }
    }
    return 0;
}
