// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for the media tests: WAV files made in memory, a temporary working
// directory, and the generator's short test piece.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testaudio {

// A mono 16-bit PCM WAV file of the given length holding a quiet tone.
std::vector<uint8_t> MakeWav(double seconds, int sampleRate = 22050);
void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFile(const std::filesystem::path& path);

// The short MP3 piece (about a quarter of a second) the sound generator
// writes for these tests.
std::filesystem::path ShortMp3();

// Changes into a fresh empty directory for the lifetime of the object.
class ScratchDirectory {
public:
    explicit ScratchDirectory(const std::string& name);
    ~ScratchDirectory();
    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path path;
    std::filesystem::path previous;
};

// The program's shared random generator (state × 214013 + 2531011, bits 16 … 30).
struct Lcg {
    uint32_t state = 1;
    int32_t operator()() {
        state = state * 214013u + 2531011u;
        return int32_t((state >> 16) & 0x7FFF);
    }
};

} // namespace testaudio
