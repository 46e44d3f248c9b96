// SPDX-License-Identifier: GPL-3.0-or-later
// The frame loop left alone: a dealt table whose cards have come to rest is drawn only when
// the clock of its top bar ticks, while every frame still runs (scripts count frames).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path buildData = fs::path(KH_BINARY_DIR) / "data";

// The build's data with settings of a quiet table: no music, no sounds, no background
// animations, no chatter, no rule hints.
fs::path QuietWorkingDirectory() {
    const fs::path dir = fs::temp_directory_path() / ("kh_idlerun_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& entry : fs::directory_iterator(buildData))
        fs::create_symlink(entry.path(), dir / entry.path().filename());
    std::ofstream(dir / "solit\xC3\xA4r.cfg")
        << "FULLSCREEN:\t0\nINTRO:\t0\nMUSIK:\t0\nSOUND:\t0\nSPRUECHE:\t0\nINFOS:\t0\n"
           "HINTERGRUNDANIS:\t0\nHINTERGRUNDANIS_PROP:\t0\n";
    return dir;
}

struct FrameReport {
    int run = -1;
    std::vector<int> drawn;
};

FrameReport RunReported(const fs::path& dir, const std::string& arguments) {
    const std::string command =
        "cd '" + dir.string() + "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 120 '" +
        std::string(KH_BINARY_DIR) + "/kartenhaus' --data . --user-dir . --frame-report " + arguments +
        " >report.txt 2>/dev/null";
    FrameReport report;
    if (std::system(command.c_str()) != 0) return report;
    std::ifstream in(dir / "report.txt");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        words >> key;
        if (line.rfind("frames run:", 0) == 0) {
            std::string second;
            words >> second >> report.run;
        } else if (key == "drawn:") {
            for (int frame; words >> frame;)
                report.drawn.push_back(frame);
        }
    }
    return report;
}

TEST(IdleRun, AStillTableIsDrawnOnlyWhenItsClockTicks) {
    if (!fs::exists(buildData / "base.gob")) GTEST_SKIP() << "the build's data is not made";
    const fs::path dir = QuietWorkingDirectory();
    // 100 frames a second of game time; the dealt cards come to rest within three seconds.
    const FrameReport report =
        RunReported(dir, "--game klondike/klondike --seed 3 --step 0.01 --frames 800");
    ASSERT_EQ(report.run, 800);
    ASSERT_FALSE(report.drawn.empty());
    EXPECT_EQ(report.drawn.front(), 0);
    EXPECT_EQ(report.drawn.back(), 799); // the last frame is drawn for the screenshot
    // The deal glides: many frames are drawn at first.
    int early = 0, late = 0;
    for (int frame : report.drawn) {
        if (frame < 50) ++early;
        if (frame < 300 || frame == 799) continue;
        ++late;
        // From then on only the whole seconds of the clock (give or take a frame for the
        // sum of the steps) bring a picture.
        EXPECT_TRUE(frame % 100 <= 1 || frame % 100 >= 99) << "frame " << frame;
    }
    EXPECT_GE(early, 40);
    EXPECT_GE(late, 5);  // the ticks at 300 … 700
    EXPECT_LE(late, 10); // at most two pictures a tick
    fs::remove_all(dir);
}

TEST(IdleRun, ScriptedInputIsDrawnAtOnce) {
    if (!fs::exists(buildData / "base.gob")) GTEST_SKIP() << "the build's data is not made";
    const fs::path dir = QuietWorkingDirectory();
    std::ofstream(dir / "input.txt") << "450 move 600 300\n"
                                        "650 move 610 310\n";
    const FrameReport report = RunReported(
        dir, "--game klondike/klondike --seed 3 --step 0.01 --frames 700 --script input.txt");
    ASSERT_EQ(report.run, 700);
    auto drawn = [&](int frame) {
        return std::find(report.drawn.begin(), report.drawn.end(), frame) != report.drawn.end();
    };
    EXPECT_TRUE(drawn(450));
    EXPECT_TRUE(drawn(650));
    EXPECT_FALSE(drawn(451)); // the pointer stands still again
    EXPECT_FALSE(drawn(550 - 20));
    fs::remove_all(dir);
}

} // namespace
