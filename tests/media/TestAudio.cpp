// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestAudio.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace testaudio {

namespace {
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
} // namespace

std::vector<uint8_t> MakeWav(double seconds, int sampleRate) {
    auto samples = uint32_t(seconds * sampleRate);
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, 36 + samples * 2);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, 1);
    Put32(out, uint32_t(sampleRate));
    Put32(out, uint32_t(sampleRate) * 2);
    Put16(out, 2);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, samples * 2);
    for (uint32_t i = 0; i < samples; ++i)
        Put16(out, uint16_t(int16_t(1000.0 * std::sin(i * 0.05))));
    return out;
}

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path ShortMp3() {
    return std::filesystem::path(KH_BINARY_DIR) / "test-fixtures" / "short.mp3";
}

ScratchDirectory::ScratchDirectory(const std::string& name) {
    previous = std::filesystem::current_path();
    // The process id keeps parallel runs (other build trees too) apart.
    path = std::filesystem::temp_directory_path() /
           ("kh-media-" + name + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    std::filesystem::current_path(path);
}

ScratchDirectory::~ScratchDirectory() {
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

} // namespace testaudio
