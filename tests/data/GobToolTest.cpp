// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/GameArchive.h"
#include "data/GameArchiveWriter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sys/wait.h>

namespace {

struct Result {
    int exitCode = -1;
    std::string output;
};

// Runs the real gobtool with the given arguments (each quoted for the shell).
Result RunGobTool(const std::vector<std::string>& args) {
    std::string command = "'" KH_GOBTOOL "'";
    for (const std::string& arg : args)
        command += " '" + arg + "'";
    command += " 2>&1";
    Result result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, got);
    int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// Every regular file below a folder, by relative path, with its contents.
std::map<std::string, std::string> Tree(const std::filesystem::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(root).generic_string()] =
                TempDir::Read(entry.path());
    return files;
}

} // namespace

TEST(GobTool, CreateListExtractRoundTripsATreeByteExactly) {
    TempDir dir;
    dir.Write("in/Sounds/win.wav", RandomBytes(70000, 3));
    dir.Write("in/hintergrund/urwald/frösch.PNG", RandomBytes(1234, 4));
    dir.Write("in/einfach/erstes/erstes.game", "SPIEL_START\nSPIEL_ENDE\n");
    dir.Write("in/leer.lng", "");
    dir.Write("in/splash.PNG", std::string("\0\xFF\r\n\x1A", 5));

    Result created = RunGobTool({"create", (dir / "out.gob").string(), (dir / "in").string()});
    ASSERT_EQ(created.exitCode, 0) << created.output;

    // Members are named with backslashes and Latin-1, sorted.
    auto archive = OpenArchive(dir / "out.gob");
    ASSERT_TRUE(archive);
    std::vector<std::string> names;
    for (const auto& entry : archive->Entries())
        names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Sounds\\win.wav", "einfach\\erstes\\erstes.game",
                                               "hintergrund\\urwald\\fr\xF6sch.PNG", "leer.lng",
                                               "splash.PNG"}));

    Result listed = RunGobTool({"list", (dir / "out.gob").string()});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_NE(listed.output.find("     70000  Sounds\\win.wav\n"), std::string::npos)
        << listed.output;
    EXPECT_NE(listed.output.find("hintergrund\\urwald\\frösch.PNG"), std::string::npos);

    Result extracted = RunGobTool({"extract", (dir / "out.gob").string(), (dir / "back").string()});
    ASSERT_EQ(extracted.exitCode, 0) << extracted.output;
    EXPECT_EQ(Tree(dir / "back"), Tree(dir / "in"));

    // The same tree packs to the same bytes.
    ASSERT_EQ(
        RunGobTool({"create", (dir / "again.gob").string(), (dir / "back").string()}).exitCode, 0);
    EXPECT_EQ(TempDir::Read(dir / "again.gob"), TempDir::Read(dir / "out.gob"));
}

TEST(GobTool, BadInputExitsWithTwoAndAMessage) {
    TempDir dir;
    EXPECT_EQ(RunGobTool({}).exitCode, 2);
    EXPECT_EQ(RunGobTool({"pack", "x"}).exitCode, 2);
    EXPECT_EQ(RunGobTool({"--help"}).exitCode, 0);

    Result missing = RunGobTool({"list", (dir / "none.gob").string()});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.output.find("no such file"), std::string::npos);

    dir.Write("foreign.gob", "PK\3\4 not an archive");
    Result foreign = RunGobTool({"extract", (dir / "foreign.gob").string(), (dir / "x").string()});
    EXPECT_EQ(foreign.exitCode, 2);
    EXPECT_NE(foreign.output.find("wrong magic"), std::string::npos);

    std::filesystem::create_directories(dir / "empty");
    EXPECT_EQ(RunGobTool({"create", (dir / "e.gob").string(), (dir / "empty").string()}).exitCode,
              2);
    EXPECT_FALSE(std::filesystem::exists(dir / "e.gob"));
    EXPECT_EQ(RunGobTool({"create", (dir / "e.gob").string(), (dir / "nodir").string()}).exitCode,
              2);

    dir.Write("clash/A.png", "1");
    dir.Write("clash/a.PNG", "2");
    EXPECT_EQ(RunGobTool({"create", (dir / "c.gob").string(), (dir / "clash").string()}).exitCode,
              2);
}

TEST(GobTool, ExtractStaysInsideTheTargetAndSkipsDamagedEntries) {
    TempDir dir;
    std::string bytes = GameArchiveWriter::Build(
        {{"..\\..\\escape.txt", "bad"}, {"ok\\file.txt", "good"}, {"broken", "xxxx"}});
    // Point the third entry's data past the end of the file.
    size_t sizeField = 8 + 2 * 268 + 4;
    for (int i = 0; i < 4; ++i)
        bytes[sizeField + i] = '\x7F';
    dir.Write("hostile.gob", bytes);
    Result result = RunGobTool({"extract", (dir / "hostile.gob").string(), (dir / "out").string()});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(TempDir::Read(dir / "out/ok/file.txt"), "good");
    EXPECT_FALSE(std::filesystem::exists(dir.path.parent_path() / "escape.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out/broken"));
    EXPECT_EQ(RunGobTool({"list", (dir / "hostile.gob").string()}).exitCode, 2);
}
