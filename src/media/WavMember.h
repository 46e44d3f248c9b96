// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A WAV sound held in memory: the RIFF/WAVE member of an archive split into
// its format record and its sample data.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct WavFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t averageBytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    // The extra format bytes of a non-PCM format (empty for PCM).
    std::vector<uint8_t> extra;
};

struct WavMember {
    WavFormat format;
    std::vector<uint8_t> data;

    // Reads a RIFF file of form type "WAVE" with a "fmt " chunk of at least
    // 16 bytes and a "data" chunk. Every chunk must lie inside the bytes given:
    // a truncated file, a chunk that claims more than the member holds or a
    // short format record yields nothing.
    static std::optional<WavMember> Parse(std::span<const uint8_t> bytes);

    // The sound written back as a minimal RIFF/WAVE file (fmt and data only),
    // the form the mixer loads.
    std::vector<uint8_t> ToRiff() const;
};
