// SPDX-License-Identifier: GPL-3.0-or-later
// The intro reader and player with hostile files: pictures that change size
// midway, bogus timestamps, a sound track stored all at once, special files,
// and a player who wants out at once.
#include "platform/IntroReader.h"
#include "platform/IntroVideo.h"

#include "IntroFiles.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class IntroReaderTest : public ::testing::Test {
protected:
    fs::path Path(const std::string& name) {
        fs::path folder = fs::temp_directory_path() / ("kh_intro_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        return folder / name;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(fs::temp_directory_path() / ("kh_intro_" + std::to_string(::getpid())),
                       ignored);
    }

    // Reads the whole file; every picture's planes are read end to end, so a
    // conversion that wrote outside them shows under the sanitizers.
    struct Result {
        std::vector<double> dues;
        size_t largestSoundStep = 0, sound = 0;
    };
    static Result ReadAll(IntroReader& reader) {
        Result result;
        IntroReader::Picture picture;
        std::vector<uint8_t> sound;
        for (int steps = 0; steps < 100000; ++steps) {
            sound.clear();
            const IntroReader::Step step = reader.Next(picture, sound);
            result.largestSoundStep = std::max(result.largestSoundStep, sound.size());
            result.sound += sound.size();
            if (step == IntroReader::Step::end) break;
            if (step != IntroReader::Step::picture) continue;
            unsigned sum = 0;
            for (int plane = 0; plane < 3; ++plane) {
                const int rows = plane == 0 ? reader.Height() : (reader.Height() + 1) / 2;
                for (int y = 0; y < rows; ++y)
                    for (int x = 0; x < picture.pitches[plane]; ++x)
                        sum += picture.planes[plane][y * picture.pitches[plane] + x];
            }
            EXPECT_GT(sum, 0u);
            result.dues.push_back(picture.due);
        }
        return result;
    }
};

TEST_F(IntroReaderTest, PicturesThatChangeSizeMidwayAreScaledToTheFirstSize) {
    const fs::path file = Path("sizes.avi");
    ASSERT_TRUE(IntroFiles::Write(file, {{32, 24, 0}, {96, 64, 1}, {16, 8, 2}, {32, 24, 3}}));
    IntroReader reader;
    ASSERT_TRUE(reader.Open(file));
    EXPECT_EQ(reader.Width(), 32);
    EXPECT_EQ(reader.Height(), 24);
    const Result result = ReadAll(reader);
    ASSERT_EQ(result.dues.size(), 4u);
    EXPECT_DOUBLE_EQ(result.dues[1], 0.04);
}

TEST_F(IntroReaderTest, ABogusTimestampNeitherStallsNorStretchesTheIntro) {
    const fs::path jump = Path("jump.avi");
    ASSERT_TRUE(IntroFiles::Write(jump, {{16, 16, 0}, {16, 16, 1}, {16, 16, 25'000'000'000}}, {},
                                  "matroska"));
    IntroReader reader;
    ASSERT_TRUE(reader.Open(jump));
    Result result = ReadAll(reader);
    ASSERT_EQ(result.dues.size(), 3u);
    EXPECT_LE(result.dues[2], 0.04 + IntroReader::kMaxFrameGap + 1e-9);

    // A picture every 1.5 s for 90 s: the intro ends after kMaxSeconds.
    std::vector<IntroFiles::PictureShape> slow;
    for (int i = 0; i < 60; ++i)
        slow.push_back({16, 16, int64_t{i} * 75 / 2});
    const fs::path longFile = Path("long.avi");
    ASSERT_TRUE(IntroFiles::Write(longFile, slow, {}, "matroska"));
    IntroReader longReader;
    ASSERT_TRUE(longReader.Open(longFile));
    result = ReadAll(longReader);
    ASSERT_FALSE(result.dues.empty());
    EXPECT_LE(result.dues.back(), IntroReader::kMaxSeconds);
    EXPECT_LT(result.dues.size(), slow.size());
}

TEST_F(IntroReaderTest, ASoundTrackStoredAllAtOnceComesInBoundedSteps) {
    const fs::path file = Path("sound.avi");
    IntroFiles::SoundSpec sound{44100, 2, 20.0, true}; // 3.5 MB before the first picture
    ASSERT_TRUE(IntroFiles::Write(file, {{16, 16, 0}, {16, 16, 1}}, sound));
    IntroReader reader;
    ASSERT_TRUE(reader.Open(file));
    EXPECT_EQ(reader.SampleRate(), 44100);
    EXPECT_EQ(reader.Channels(), 2);
    const Result result = ReadAll(reader);
    EXPECT_EQ(result.dues.size(), 2u);
    EXPECT_GT(result.sound, 0u);
    EXPECT_LE(result.largestSoundStep, IntroReader::kMaxSoundBytesPerStep);

    // Interleaved sound arrives whole.
    const fs::path mixed = Path("mixed.avi");
    ASSERT_TRUE(IntroFiles::Write(mixed, {{16, 16, 0}, {16, 16, 1}, {16, 16, 2}},
                                  IntroFiles::SoundSpec{22050, 1, 0.12, false}));
    IntroReader mixedReader;
    ASSERT_TRUE(mixedReader.Open(mixed));
    EXPECT_EQ(ReadAll(mixedReader).sound, 3u * 882 * 2);
}

TEST_F(IntroReaderTest, SpecialFilesAreRefusedWithoutWaiting) {
    IntroReader device;
    EXPECT_FALSE(device.Open("/dev/zero"));
    const fs::path fifo = Path("fifo.avi");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    IntroReader pipe; // no writer: opening it would block
    EXPECT_FALSE(pipe.Open(fifo));
    const fs::path text = Path("text.avi");
    { std::ofstream(text) << "no video here"; }
    IntroReader notVideo;
    EXPECT_FALSE(notVideo.Open(text));
    EXPECT_EQ(IntroVideo::Play(Path("missing.avi")), IntroVideo::Outcome::notPlayed);
}

// A 30-second intro that the player ends after a moment.
class IntroPlayTest : public IntroReaderTest {
protected:
    void SetUp() override {
        std::vector<IntroFiles::PictureShape> pictures;
        for (int i = 0; i <= 30; ++i)
            pictures.push_back({16, 16, int64_t{i} * 25});
        ASSERT_TRUE(IntroFiles::Write(Path("long.avi"), pictures, {}, "matroska"));
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    }
    void TearDown() override {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        IntroReaderTest::TearDown();
    }
    // Plays while `act` runs on another thread after 200 ms; the seconds it took.
    double PlayWhile(const std::function<void()>& act, IntroVideo::Outcome& outcome) {
        std::thread actor([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            act();
        });
        const auto start = std::chrono::steady_clock::now();
        outcome = IntroVideo::Play(Path("long.avi"));
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        actor.join();
        return seconds;
    }
};

TEST_F(IntroPlayTest, EscapeAndAQuitRequestEndTheIntroAtOnce) {
    IntroVideo::Outcome outcome{};
    double seconds = PlayWhile(
        [] {
            SDL_Event event{};
            event.type = SDL_KEYDOWN;
            event.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
            event.key.keysym.sym = SDLK_ESCAPE;
            SDL_PushEvent(&event);
        },
        outcome);
    EXPECT_EQ(outcome, IntroVideo::Outcome::escaped);
    EXPECT_LT(seconds, 5.0);

    seconds = PlayWhile(
        [] {
            SDL_Event event{};
            event.type = SDL_QUIT;
            SDL_PushEvent(&event);
        },
        outcome);
    EXPECT_EQ(outcome, IntroVideo::Outcome::quit);
    EXPECT_LT(seconds, 5.0);
}

TEST_F(IntroPlayTest, SigtermEndsTheIntroAsAQuitRequest) {
    // SDL turns SIGTERM into a quit request when nobody else handles it.
    struct sigaction current {};
    ::sigaction(SIGTERM, nullptr, &current);
    if (current.sa_handler == SIG_DFL) GTEST_SKIP() << "no SIGTERM handler installed";
    IntroVideo::Outcome outcome{};
    const double seconds = PlayWhile([] { ::kill(::getpid(), SIGTERM); }, outcome);
    EXPECT_EQ(outcome, IntroVideo::Outcome::quit);
    EXPECT_LT(seconds, 5.0);
}

} // namespace
