// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioFiles.h"

#include <lame/lame.h>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace audiofiles {

namespace {

int16_t ToPcm(float v) {
    double scaled = std::round(double(v) * 32767.0);
    return int16_t(std::clamp(scaled, -32767.0, 32767.0));
}

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

std::unique_ptr<FILE, FileCloser> Create(const std::string& path) {
    std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
    return std::unique_ptr<FILE, FileCloser>(std::fopen(path.c_str(), "wb"));
}

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

bool WriteWav(const std::string& path, const dsp::Buffer& mono) {
    auto dataBytes = uint32_t(mono.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, 1);
    Put32(out, 44100);
    Put32(out, 88200);
    Put16(out, 2);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (float v : mono) Put16(out, uint16_t(ToPcm(v)));
    auto file = Create(path);
    return file && std::fwrite(out.data(), 1, out.size(), file.get()) == out.size();
}

bool WriteMp3(const std::string& path, const dsp::Buffer& left, const dsp::Buffer& right,
              int kbps) {
    lame_global_flags* lame = lame_init();
    if (!lame) return false;
    lame_set_in_samplerate(lame, 44100);
    lame_set_out_samplerate(lame, 44100);
    lame_set_num_channels(lame, 2);
    lame_set_mode(lame, JOINT_STEREO);
    lame_set_brate(lame, kbps);
    lame_set_VBR(lame, vbr_off);
    lame_set_quality(lame, 5);
    lame_set_write_id3tag_automatic(lame, 0);
    lame_set_bWriteVbrTag(lame, 1); // the Info frame carries the delay for gapless decoders
    if (lame_init_params(lame) < 0) {
        lame_close(lame);
        return false;
    }
    size_t count = std::min(left.size(), right.size());
    std::vector<short> l(count), r(count);
    for (size_t i = 0; i < count; ++i) {
        l[i] = ToPcm(left[i]);
        r[i] = ToPcm(right[i]);
    }
    std::vector<unsigned char> mp3;
    const size_t block = 8192;
    std::vector<unsigned char> chunk(block * 5 / 4 + 7200);
    for (size_t at = 0; at < count; at += block) {
        int n = int(std::min(block, count - at));
        int written = lame_encode_buffer(lame, l.data() + at, r.data() + at, n, chunk.data(),
                                         int(chunk.size()));
        if (written < 0) {
            lame_close(lame);
            return false;
        }
        mp3.insert(mp3.end(), chunk.begin(), chunk.begin() + written);
    }
    int tail = lame_encode_flush(lame, chunk.data(), int(chunk.size()));
    if (tail > 0) mp3.insert(mp3.end(), chunk.begin(), chunk.begin() + tail);
    // The Info frame at the start is filled in once the length is known.
    std::vector<unsigned char> info(2880);
    size_t infoSize = lame_get_lametag_frame(lame, info.data(), info.size());
    lame_close(lame);
    if (infoSize > 0 && infoSize <= mp3.size()) std::copy_n(info.begin(), infoSize, mp3.begin());
    auto file = Create(path);
    return file && std::fwrite(mp3.data(), 1, mp3.size(), file.get()) == mp3.size();
}

} // namespace audiofiles
