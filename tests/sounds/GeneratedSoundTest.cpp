// SPDX-License-Identifier: GPL-3.0-or-later
// Measurements of the generated content: every effect of the sound table and
// every music track, as the program will play them.
#include "media/DiskPath.h"
#include "media/SoundTable.h"
#include "media/WavMember.h"
#include "platform/IntroVideo.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path binary = KH_BINARY_DIR;

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Level {
    double peak = 0;    // of full scale
    double mean = 0;    // DC offset, of full scale
    double rms = 0;
};

Level Measure(const std::vector<float>& x, size_t begin, size_t end) {
    Level level;
    end = std::min(end, x.size());
    if (begin >= end) return level;
    double sum = 0, squares = 0;
    for (size_t i = begin; i < end; ++i) {
        level.peak = std::max(level.peak, double(std::fabs(x[i])));
        sum += x[i];
        squares += double(x[i]) * x[i];
    }
    level.mean = sum / double(end - begin);
    level.rms = std::sqrt(squares / double(end - begin));
    return level;
}

double Db(double value) { return 20.0 * std::log10(std::max(value, 1e-12)); }

// Decoded music: the mixer decodes an MP3 file whole into its device format
// (44.1 kHz, 16-bit stereo).
struct Decoded {
    std::vector<float> left, right;
};

class Mixer {
public:
    Mixer() {
        ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
        Mix_Init(MIX_INIT_MP3);
    }
    ~Mixer() {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    Decoded Decode(const fs::path& path) const {
        Decoded out;
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        if (!chunk) return out;
        auto* samples = reinterpret_cast<const int16_t*>(chunk->abuf);
        size_t frames = chunk->alen / 4;
        out.left.resize(frames);
        out.right.resize(frames);
        for (size_t i = 0; i < frames; ++i) {
            out.left[i] = samples[2 * i] / 32768.0f;
            out.right[i] = samples[2 * i + 1] / 32768.0f;
        }
        Mix_FreeChunk(chunk);
        return out;
    }
    bool ok = false;
};

TEST(GeneratedEffects, EverySlotHasAClean16BitSound) {
    for (const auto& entry : SoundTable::Entries()) {
        fs::path path = binary / "stage" / "base" / DiskPathOf(entry.memberName);
        SCOPED_TRACE(path.string());
        auto wav = WavMember::Parse(ReadFile(path));
        ASSERT_TRUE(wav);
        EXPECT_EQ(wav->format.formatTag, 1);
        EXPECT_EQ(wav->format.channels, 1);
        EXPECT_EQ(wav->format.samplesPerSecond, 44100u);
        EXPECT_EQ(wav->format.bitsPerSample, 16);
        size_t count = wav->data.size() / 2;
        std::vector<float> x(count);
        for (size_t i = 0; i < count; ++i)
            x[i] = int16_t(wav->data[2 * i] | wav->data[2 * i + 1] << 8) / 32768.0f;
        double seconds = double(count) / 44100.0;
        EXPECT_GE(seconds, 0.05);
        EXPECT_LE(seconds, 5.0);
        Level level = Measure(x, 0, count);
        EXPECT_LT(Db(level.peak), -0.5);   // below 0 dBFS with headroom
        EXPECT_GT(Db(level.peak), -12.0);  // and clearly audible
        EXPECT_LT(std::fabs(level.mean), 0.001); // no DC offset
        // Starts and ends at rest: no click when the voice starts or stops.
        EXPECT_LT(std::fabs(x.front()), 0.01);
        EXPECT_LT(std::fabs(x.back()), 0.01);
    }
}

TEST(GeneratedMusic, TracksAreLongCleanAndLoopWithoutAClick) {
    Mixer mixer;
    ASSERT_TRUE(mixer.ok);
    for (const char* name : {"musik_menu", "jungle1", "jungle2", "jungle3", "western1", "western2",
                             "western3"}) {
        fs::path path = binary / "data" / "musik" / (std::string(name) + ".mp3");
        SCOPED_TRACE(path.string());
        Decoded track = mixer.Decode(path);
        ASSERT_FALSE(track.left.empty());
        size_t n = track.left.size();
        EXPECT_GE(double(n) / 44100.0, 60.0);
        for (const auto* side : {&track.left, &track.right}) {
            Level all = Measure(*side, 0, n);
            EXPECT_LT(Db(all.peak), 0.0);   // no sample reaches full scale
            EXPECT_GT(Db(all.rms), -30.0);  // and it is music, not near-silence
            EXPECT_LT(std::fabs(all.mean), 0.001);
            // Looping: the piece fades in and out over a few milliseconds, so the
            // restart after its end cannot click: the first and last millisecond
            // are near silence without an abrupt step, and the last sample meets
            // the first.
            const size_t edge = 44; // 1 ms
            EXPECT_LT(Measure(*side, 0, edge).peak, 0.02);
            EXPECT_LT(Measure(*side, n - edge, n).peak, 0.02);
            double steepest = 0;
            for (size_t i = 0; i + 1 < edge; ++i)
                steepest = std::max({steepest, double(std::fabs((*side)[i + 1] - (*side)[i])),
                                     double(std::fabs((*side)[n - 1 - i] - (*side)[n - 2 - i]))});
            EXPECT_LT(steepest, 0.005);
            EXPECT_LT(std::fabs(side->back() - side->front()), 0.01);
            // … and the music goes on at the same strength across the loop point:
            // the second after the start is as loud as the second before the end.
            double head = Measure(*side, 44100 / 10, 44100 + 44100 / 10).rms;
            double tail = Measure(*side, n - 44100 - 44100 / 10, n - 44100 / 10).rms;
            EXPECT_LT(std::fabs(Db(head) - Db(tail)), 6.0);
        }
    }
}

TEST(GeneratedContent, TheGeneratorWritesTheSameBytesEveryRun) {
    fs::path tool = binary / "tools" / "soundgen" / "soundgen";
    fs::path scratch = fs::temp_directory_path() / ("kh-soundgen-again-" + std::to_string(getpid()));
    fs::remove_all(scratch);
    std::string command = tool.string() + " effects " + scratch.string() + " && " + tool.string() +
                          " track western2 " + (scratch / "western2.mp3").string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const auto& entry : SoundTable::Entries()) {
        std::string member = DiskPathOf(entry.memberName);
        EXPECT_EQ(ReadFile(scratch / member), ReadFile(binary / "stage" / "base" / member)) << member;
    }
    EXPECT_EQ(ReadFile(scratch / "western2.mp3"), ReadFile(binary / "data" / "musik" / "western2.mp3"));
    fs::remove_all(scratch);
}

TEST(GeneratedContent, TheIntroPlaysToItsEnd) {
#ifndef KH_WITH_INTRO
    GTEST_SKIP() << "built without the intro video";
#endif
    fs::path intro = binary / "data" / "intro.avi";
    auto bytes = ReadFile(intro);
    ASSERT_GT(bytes.size(), 12u);
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "AVI ");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    Uint64 start = SDL_GetTicks64();
    EXPECT_EQ(IntroVideo::Play(intro.string()), IntroVideo::Outcome::finished);
    double seconds = double(SDL_GetTicks64() - start) / 1000.0;
    EXPECT_GT(seconds, 3.0); // shown at its own pace, not skipped through
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace
