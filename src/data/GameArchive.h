// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An open ".gob" archive: a file "GOB\0", an unsigned 32-bit entry count (at
// least 1), then one 268-byte directory entry per member (data offset, data
// size, zero-terminated Latin-1 name of up to 259 bytes), then the member data,
// all little-endian and stored as is.
//
// The directory is read and checked once when the archive is opened: an archive
// whose directory does not fit in the file is rejected, and an entry whose data
// runs past the end of the file or whose name lacks its terminator is marked
// damaged, so looking it up fails instead of reading garbage. Member names are
// matched ignoring the case of the ASCII letters; the first entry of a name wins.
//
// A null archive pointer stands for a missing archive and is accepted by every
// free function below as an archive without members.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class GameArchive {
public:
    static constexpr uint32_t kHeaderSize = 8;
    static constexpr uint32_t kEntrySize = 268;
    static constexpr uint32_t kNameFieldSize = 260;

    struct Entry {
        uint32_t offset = 0;
        uint32_t size = 0;
        std::string name; // Latin-1, backslash-separated
        bool nameTerminated = true;
        bool dataInFile = true; // offset + size lies within the file
        bool Usable() const { return nameTerminated && dataInFile; }
    };

    // Null when the file is missing, shorter than its header or its directory,
    // has the wrong magic, or says it holds no members.
    static std::unique_ptr<GameArchive> Open(const std::filesystem::path& path);

    // The entry a lookup of this name finds (the first of that name, possibly
    // damaged), or null.
    const Entry* Find(std::string_view name) const;

    // Reads an entry's data whole; false for a damaged entry or a short read.
    bool Read(const Entry& entry, std::vector<uint8_t>& data);

    // Positions the file at an entry's first data byte.
    bool Seek(const Entry& entry);
    std::istream& File() { return file; }

    const std::vector<Entry>& Entries() const { return entries; }
    uint64_t FileSize() const { return fileSize; }

    // The ASCII-lower-case form under which names are compared.
    static std::string FoldCase(std::string_view name);

private:
    GameArchive() = default;

    std::ifstream file;
    uint64_t fileSize = 0;
    std::vector<Entry> entries;
    std::unordered_map<std::string, uint32_t> firstByName;
};

std::unique_ptr<GameArchive> OpenArchive(const std::filesystem::path& path);
void CloseArchive(std::unique_ptr<GameArchive>& archive);

// Looks a member up and leaves the archive's file at its first data byte.
// Returns the archive, or null when the archive is null, the name empty or the
// member missing or damaged. Stores the member size into *size when given.
GameArchive* FindMember(GameArchive* archive, std::string_view name, uint32_t* size = nullptr);

// The whole member, or nothing when it is missing, damaged or cannot be read.
std::optional<std::vector<uint8_t>> ReadMember(GameArchive* archive, std::string_view name);
