// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/GameArchiveWriter.h"

#include "data/GameArchive.h"
#include "data/SafeFileWriter.h"

#include <cstdint>

namespace {

void AppendLittleEndian32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>(value >> shift));
}

bool Fail(std::string* error, std::string message) {
    if (error) *error = std::move(message);
    return false;
}

std::string Refuse(std::string* error, std::string message) {
    Fail(error, std::move(message));
    return {};
}

} // namespace

std::string GameArchiveWriter::Build(const std::vector<Member>& members, std::string* error) {
    if (members.empty()) return Refuse(error, "an archive needs at least one member");
    uint64_t offset = GameArchive::kHeaderSize + uint64_t(members.size()) * GameArchive::kEntrySize;
    for (const Member& member : members) {
        if (member.name.empty()) return Refuse(error, "empty member name");
        if (member.name.size() >= GameArchive::kNameFieldSize)
            return Refuse(error, "member name longer than 259 bytes: " + member.name);
        if (member.name.find('\0') != std::string::npos)
            return Refuse(error, "member name with a zero byte");
        offset += member.data.size();
    }
    if (offset > UINT32_MAX) return Refuse(error, "archive larger than 4 GiB");

    std::string out;
    out.reserve(static_cast<size_t>(offset));
    out.append("GOB", 4);
    AppendLittleEndian32(out, static_cast<uint32_t>(members.size()));
    uint32_t dataOffset =
        GameArchive::kHeaderSize + static_cast<uint32_t>(members.size()) * GameArchive::kEntrySize;
    for (const Member& member : members) {
        AppendLittleEndian32(out, dataOffset);
        AppendLittleEndian32(out, static_cast<uint32_t>(member.data.size()));
        std::string field = member.name;
        field.resize(GameArchive::kNameFieldSize, '\0');
        out += field;
        dataOffset += static_cast<uint32_t>(member.data.size());
    }
    for (const Member& member : members)
        out += member.data;
    return out;
}

bool GameArchiveWriter::Write(const std::filesystem::path& path, const std::vector<Member>& members,
                              std::string* error) {
    std::string bytes = Build(members, error);
    if (bytes.empty()) return false;
    if (!SafeFileWriter::WriteWhole(path, bytes))
        return Fail(error, "cannot write " + path.string());
    return true;
}
