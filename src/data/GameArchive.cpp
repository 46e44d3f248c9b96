// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/GameArchive.h"

#include <cstring>

namespace {

uint32_t ReadLittleEndian32(const unsigned char* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

} // namespace

std::string GameArchive::FoldCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

std::unique_ptr<GameArchive> GameArchive::Open(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return nullptr;
    uint64_t fileSize = std::filesystem::file_size(path, error);
    if (error || fileSize < kHeaderSize) return nullptr;

    std::unique_ptr<GameArchive> archive(new GameArchive());
    archive->file.open(path, std::ios::binary);
    if (!archive->file) return nullptr;
    archive->fileSize = fileSize;

    unsigned char header[kHeaderSize];
    if (!archive->file.read(reinterpret_cast<char*>(header), kHeaderSize)) return nullptr;
    if (std::memcmp(header, "GOB\0", 4) != 0) return nullptr;
    uint32_t count = ReadLittleEndian32(header + 4);
    if (count < 1) return nullptr;
    if (uint64_t(kHeaderSize) + uint64_t(count) * kEntrySize > fileSize) return nullptr;

    std::vector<unsigned char> directory(size_t(count) * kEntrySize);
    if (!archive->file.read(reinterpret_cast<char*>(directory.data()),
                            static_cast<std::streamsize>(directory.size())))
        return nullptr;

    archive->entries.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        const unsigned char* raw = directory.data() + size_t(i) * kEntrySize;
        Entry& entry = archive->entries[i];
        entry.offset = ReadLittleEndian32(raw);
        entry.size = ReadLittleEndian32(raw + 4);
        const char* name = reinterpret_cast<const char*>(raw + 8);
        const void* terminator = std::memchr(name, 0, kNameFieldSize);
        entry.nameTerminated = terminator != nullptr;
        entry.name.assign(name, terminator ? static_cast<const char*>(terminator) - name
                                           : kNameFieldSize);
        entry.dataInFile = uint64_t(entry.offset) + entry.size <= fileSize;
        if (entry.nameTerminated && !entry.name.empty())
            archive->firstByName.emplace(FoldCase(entry.name), i);
    }
    return archive;
}

const GameArchive::Entry* GameArchive::Find(std::string_view name) const {
    if (name.empty()) return nullptr;
    auto found = firstByName.find(FoldCase(name));
    return found == firstByName.end() ? nullptr : &entries[found->second];
}

bool GameArchive::Seek(const Entry& entry) {
    if (!entry.Usable()) return false;
    file.clear();
    return static_cast<bool>(file.seekg(entry.offset));
}

bool GameArchive::Read(const Entry& entry, std::vector<uint8_t>& data) {
    if (!Seek(entry)) return false;
    data.resize(entry.size);
    if (entry.size == 0) return true;
    if (!file.read(reinterpret_cast<char*>(data.data()), entry.size)) {
        data.clear();
        file.clear();
        return false;
    }
    return true;
}

std::unique_ptr<GameArchive> OpenArchive(const std::filesystem::path& path) {
    return GameArchive::Open(path);
}

void CloseArchive(std::unique_ptr<GameArchive>& archive) {
    archive.reset();
}

GameArchive* FindMember(GameArchive* archive, std::string_view name, uint32_t* size) {
    if (!archive) return nullptr;
    const GameArchive::Entry* entry = archive->Find(name);
    if (!entry || !archive->Seek(*entry)) return nullptr;
    if (size) *size = entry->size;
    return archive;
}

std::optional<std::vector<uint8_t>> ReadMember(GameArchive* archive, std::string_view name) {
    if (!archive) return std::nullopt;
    const GameArchive::Entry* entry = archive->Find(name);
    std::vector<uint8_t> data;
    if (!entry || !archive->Read(*entry, data)) return std::nullopt;
    return data;
}
