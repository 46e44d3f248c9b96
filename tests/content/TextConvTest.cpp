// SPDX-License-Identifier: GPL-3.0-or-later
// The text converter refuses what the Latin-1 word-list files cannot hold, naming file and line.
#include "ContentFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

using namespace content;

namespace {

// Each test runs in its own process under ctest -j: one folder per process.
std::filesystem::path TestDir() {
    return std::filesystem::temp_directory_path() /
           ("kh_textconv_test_" + std::to_string(getpid()));
}

struct RunResult {
    int exitCode;
    std::string output; // stderr of the tool
    std::string converted;
};

RunResult Convert(const std::string& kind, const std::string& source) {
    const auto dir = TestDir();
    std::filesystem::create_directories(dir);
    const auto in = dir / ("source_" + kind + ".txt");
    const auto out = dir / ("out_" + kind + ".lng");
    const auto err = dir / "stderr.txt";
    std::filesystem::remove(out);
    {
        std::ofstream file(in, std::ios::binary);
        file << source;
    }
    const std::string command = std::string(KH_BINARY_DIR) + "/tools/textconv/textconv " + kind +
                                " " + in.string() + " " + out.string() + " 2>" + err.string();
    const int status = std::system(command.c_str());
    RunResult result{WEXITSTATUS(status), {}, {}};
    ReadFile(err.string(), result.output);
    ReadFile(out.string(), result.converted);
    return result;
}

} // namespace

TEST(TextConv, UiTextsBecomeOneWordPerSlot) {
    const auto r = Convert("uitexts", "# comment\n0 Karo\n1 Zeit: %d\n2\n3 zwei\\nZeilen\n4 lang\n"
                                      "  fortgesetzt\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.converted.find("\nKaro\nZeit:_%d\n_\nzwei-Zeilen\nlang_fortgesetzt\n"),
              std::string::npos)
        << r.converted;
}

TEST(TextConv, UmlautsAreWrittenAsLatin1) {
    const auto r = Convert("uitexts", "0 K\xC3\xB6nig\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.converted.find("K\xF6nig\n"), std::string::npos);
}

TEST(TextConv, RefusesAMinusSignInsideAnEntry) {
    const auto r = Convert("uitexts", "0 Karo\n1 face-down\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.output.find("source_uitexts.txt:2:"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("minus"), std::string::npos) << r.output;
    EXPECT_TRUE(r.converted.empty()) << "no half-written output";
}

TEST(TextConv, RefusesCharactersOutsideLatin1AndOutsideTheFont) {
    auto r = Convert("rules", "Goal.\n\nA card \xE2\x80\x94 any card.\n"); // an em dash
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.output.find("source_rules.txt:3: character U+2014 is outside Latin-1"),
              std::string::npos)
        << r.output;
    r = Convert("uitexts", "0 wei\xC3\x9F\n"); // the sharp s is Latin-1 but has no glyph
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.output.find(":1:"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("bitmap font"), std::string::npos) << r.output;
}

TEST(TextConv, RefusesEntriesTheWordListWouldMisread) {
    EXPECT_EQ(Convert("uitexts", "0 /Pfad\n").exitCode, 1);                // a comment
    EXPECT_EQ(Convert("uitexts", "0 a/b\n").exitCode, 1);                  // also a comment
    EXPECT_EQ(Convert("uitexts", "0 snake_case\n").exitCode, 1);           // would show a blank
    EXPECT_EQ(Convert("uitexts", "0 a\n2 b\n").exitCode, 1);               // a slot left out
    EXPECT_EQ(Convert("uitexts", "0 a\\tb\n").exitCode, 1);                // unknown escape
    EXPECT_EQ(Convert("plain", "NAME: Gr\xC5\x91\xC3\x9F\n").exitCode, 1); // U+0151
}

TEST(TextConv, RulesTextIsOneEntryWithParagraphs) {
    const auto r = Convert("rules", "# about\nFirst line\ncontinues.\n\nSecond.\n* item\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    bool opened = false;
    const auto dir = TestDir();
    const auto entries = ReadWordList((dir / "out_rules.lng").string(), opened);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], "First line continues.\n\nSecond.\n* item");
}

TEST(TextConv, PlainFilesDropCommentLinesOnly) {
    const auto r = Convert("plain", "# title\nSTAPEL_START # keeps this\nID: 1\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(r.converted, "STAPEL_START # keeps this\nID: 1\n");
}
