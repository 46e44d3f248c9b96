// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the game program itself headless, as CI and the other tests' scripts do.
#include "../platform/PngBytes.h"
#include "app/TextureTable.h"
#include "data/GameArchiveWriter.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string program = std::string(KH_BINARY_DIR) + "/kartenhaus";

struct RunResult {
    int code = -1;
    std::string output; // stdout and stderr
};

fs::path ScratchDir(const std::string& name) {
    const fs::path dir =
        fs::temp_directory_path() / ("kh_headless_" + name + "_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

RunResult RunProgram(const std::string& arguments, const fs::path& workDir) {
    const fs::path log = workDir / "output.txt";
    // The scratch folder is the data folder, so that the build's own data directory (which
    // holds a complete base.gob once the pictures are packed) never stands in for it.
    const std::string command = "cd '" + workDir.string() +
                                "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '" + program +
                                "' --data . --user-dir . " + arguments + " >'" + log.string() + "' 2>&1";
    RunResult result;
    const int status = std::system(command.c_str());
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(log);
    result.output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return result;
}

// Size and one pixel of a PNG file.
struct Picture {
    int width = 0, height = 0;
    uint32_t pixel = 0;
};

Picture ReadPicture(const fs::path& file, int x, int y) {
    Picture p;
    SDL_Surface* loaded = IMG_Load(file.string().c_str());
    if (!loaded) return p;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    p.width = argb->w;
    p.height = argb->h;
    p.pixel = static_cast<uint32_t*>(argb->pixels)[y * argb->pitch / 4 + x];
    SDL_FreeSurface(argb);
    return p;
}

TEST(HeadlessRun, FiveFramesWriteAScreenshotOfTheWholeLayout) {
    const fs::path dir = ScratchDir("shot");
    const RunResult r = RunProgram("--frames 5 --screenshot shot.png", dir);
    ASSERT_EQ(r.code, 0) << r.output;
    const Picture p = ReadPicture(dir / "shot.png", 2, 760);
    EXPECT_EQ(p.width, 1024);
    EXPECT_EQ(p.height, 768);
    EXPECT_EQ(p.pixel, 0xFF646464u) << "the frame is cleared to grey 100";
    // Without base.gob the run says so but goes on.
    EXPECT_NE(r.output.find("missing"), std::string::npos) << r.output;
}

TEST(HeadlessRun, MissingPicturesStopARunThatRequiresThem) {
    const fs::path dir = ScratchDir("strict");
    const RunResult r = RunProgram("--frames 5 --require-content --screenshot shot.png", dir);
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.output.find("Fehler!: Es wurden nicht alle notwendigen Texturdateien gefunden"),
              std::string::npos)
        << r.output;
    EXPECT_FALSE(fs::exists(dir / "shot.png"));
}

TEST(HeadlessRun, ACompleteBaseArchiveStartsWithoutComplaint) {
    const fs::path dir = ScratchDir("content");
    SDL_Init(0);
    std::vector<GameArchiveWriter::Member> members;
    for (int slot : TextureTable::LoadOrder())
        members.push_back(
            {TextureTable::SlotName(slot), MakePng(4, 4, [](int, int) { return 0xFF808080u; })});
    ASSERT_TRUE(GameArchiveWriter::Write(dir / "base.gob", members));
    const RunResult r = RunProgram("--frames 3 --require-content --screenshot shot.png", dir);
    EXPECT_EQ(r.code, 0) << r.output;
    EXPECT_EQ(r.output.find("missing"), std::string::npos) << r.output;
    EXPECT_TRUE(fs::exists(dir / "shot.png"));
    // The settings are written back when the program ends.
    EXPECT_TRUE(fs::exists(dir / "solit\xC3\xA4r.cfg"));
}

TEST(HeadlessRun, ScriptedClicksReachTheScene) {
    const fs::path dir = ScratchDir("script");
    std::ofstream(dir / "input.txt") << "# three clicks on the side panel, then a picture\n"
                                        "1 click 150 200\n"
                                        "2 click 150 200\n"
                                        "2 dblclick 150 200\n"
                                        "3 screenshot mid.png\n";
    const RunResult r = RunProgram("--frames 6 --script input.txt --step 0.02 --test-scene", dir);
    ASSERT_EQ(r.code, 0) << r.output;
    // The test scene draws one yellow square per click received (a double click releases twice).
    const Picture p = ReadPicture(dir / "mid.png", 300 + 14 * 3 + 5, 705);
    EXPECT_EQ(p.width, 1024);
    EXPECT_EQ(p.pixel, 0xFFFFFF00u);
    EXPECT_EQ(ReadPicture(dir / "mid.png", 300 + 14 * 4 + 5, 705).pixel, 0xFF646464u);
}

TEST(HeadlessRun, ScriptQuitEndsTheRun) {
    const fs::path dir = ScratchDir("quit");
    std::ofstream(dir / "input.txt") << "2 quit\n";
    const RunResult r = RunProgram("--script input.txt --screenshot last.png", dir);
    EXPECT_EQ(r.code, 0) << r.output;
    EXPECT_EQ(ReadPicture(dir / "last.png", 0, 0).width, 1024);
}

TEST(HeadlessRun, HelpAndVersionExitZero) {
    const fs::path dir = ScratchDir("help");
    RunResult r = RunProgram("--help", dir);
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.output.find("--screenshot FILE"), std::string::npos);
    r = RunProgram("--version", dir);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.output.rfind("kartenhaus ", 0), 0u) << r.output;
}

TEST(HeadlessRun, BadCommandLinesExitTwoWithAReason) {
    const fs::path dir = ScratchDir("bad");
    RunResult r = RunProgram("--fly", dir);
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.output.find("unknown option '--fly'"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Usage:"), std::string::npos);
    r = RunProgram("--frames", dir);
    EXPECT_EQ(r.code, 2);
    r = RunProgram("--frames 0", dir);
    EXPECT_EQ(r.code, 2);
    r = RunProgram("--script nowhere.txt --frames 1", dir);
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.output.find("cannot read script file 'nowhere.txt'"), std::string::npos)
        << r.output;
    r = RunProgram("--script . --frames 1", dir);
    EXPECT_EQ(r.code, 2) << "a directory is no script";
    r = RunProgram("--data " + (dir / "absent").string() + " --frames 1", dir);
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.output.find("cannot use data directory"), std::string::npos) << r.output;
}

TEST(HeadlessRun, ABadScriptLineIsNamedByNumber) {
    const fs::path dir = ScratchDir("badline");
    std::ofstream(dir / "input.txt") << "0 move 1 2\n\n# fine so far\n3 jump 4 5\n";
    const RunResult r = RunProgram("--script input.txt --frames 5", dir);
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.output.find("input.txt:4: unknown command 'jump'"), std::string::npos) << r.output;
}

} // namespace
