// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/WavMember.h"

#include <cstring>

namespace {

uint32_t Read32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t Read16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void PutTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(tag[i]));
}

struct Chunk {
    size_t offset; // first byte of the chunk's data
    uint32_t size;
};

// Searches the chunks between begin and end for one with the given id, the
// way a RIFF reader descends: chunk after chunk, each padded to an even size.
std::optional<Chunk> FindChunk(std::span<const uint8_t> bytes, size_t begin, size_t end,
                               const char* id) {
    size_t pos = begin;
    while (pos + 8 <= end) {
        uint32_t size = Read32(bytes.data() + pos + 4);
        size_t dataStart = pos + 8;
        if (size > end - dataStart) return std::nullopt; // the chunk runs past the member
        if (std::memcmp(bytes.data() + pos, id, 4) == 0) return Chunk{dataStart, size};
        pos = dataStart + size + (size & 1u);
    }
    return std::nullopt;
}

} // namespace

std::optional<WavMember> WavMember::Parse(std::span<const uint8_t> bytes) {
    if (bytes.size() < 12) return std::nullopt;
    if (std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    // A RIFF size larger than the member is tolerated (many writers get it
    // wrong); the chunks themselves must still lie inside the member.
    size_t riffEnd = std::min<size_t>(bytes.size(), size_t(Read32(bytes.data() + 4)) + 8);
    if (riffEnd < 12) return std::nullopt;

    auto fmt = FindChunk(bytes, 12, riffEnd, "fmt ");
    if (!fmt || fmt->size < 16) return std::nullopt;
    WavMember wav;
    const uint8_t* f = bytes.data() + fmt->offset;
    wav.format.formatTag = Read16(f);
    wav.format.channels = Read16(f + 2);
    wav.format.samplesPerSecond = Read32(f + 4);
    wav.format.averageBytesPerSecond = Read32(f + 8);
    wav.format.blockAlign = Read16(f + 12);
    wav.format.bitsPerSample = Read16(f + 14);
    if (wav.format.formatTag != 1) {
        // Other formats carry an extra-size field and that many bytes.
        if (fmt->size < 18) return std::nullopt;
        uint16_t extraSize = Read16(f + 16);
        if (extraSize > fmt->size - 18) return std::nullopt;
        wav.format.extra.assign(f + 18, f + 18 + extraSize);
    }

    auto data = FindChunk(bytes, 12, riffEnd, "data");
    if (!data) return std::nullopt;
    wav.data.assign(bytes.begin() + long(data->offset),
                    bytes.begin() + long(data->offset + data->size));
    return wav;
}

std::vector<uint8_t> WavMember::ToRiff() const {
    bool pcm = format.formatTag == 1;
    uint32_t fmtSize = pcm ? 16 : uint32_t(18 + format.extra.size());
    std::vector<uint8_t> out;
    out.reserve(44 + format.extra.size() + data.size());
    PutTag(out, "RIFF");
    Put32(out, uint32_t(4 + 8 + fmtSize + (fmtSize & 1u) + 8 + data.size() + (data.size() & 1u)));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, fmtSize);
    Put16(out, format.formatTag);
    Put16(out, format.channels);
    Put32(out, format.samplesPerSecond);
    Put32(out, format.averageBytesPerSecond);
    Put16(out, format.blockAlign);
    Put16(out, format.bitsPerSample);
    if (!pcm) {
        Put16(out, uint16_t(format.extra.size()));
        out.insert(out.end(), format.extra.begin(), format.extra.end());
    }
    if (fmtSize & 1u) out.push_back(0);
    PutTag(out, "data");
    Put32(out, uint32_t(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() & 1u) out.push_back(0);
    return out;
}
