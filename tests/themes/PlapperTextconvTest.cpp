// SPDX-License-Identifier: GPL-3.0-or-later
// The chatter sources of content/chatter become the sectioned files the characters read;
// what a character could never use is refused with the line that holds it.
#include "themes/PlapperPhrasen.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path tool = fs::path(KH_BINARY_DIR) / "tools" / "textconv" / "textconv";

struct Result {
    int code = -1;
    std::string output, converted;
};

Result Convert(const std::string& source) {
    const fs::path dir =
        fs::temp_directory_path() / ("kh_plapper_textconv_" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "in.txt", std::ios::binary) << source;
    fs::remove(dir / "out.lng");
    const std::string command = "'" + tool.string() + "' chatter '" + (dir / "in.txt").string() +
                                "' '" + (dir / "out.lng").string() + "' 2>'" +
                                (dir / "err.txt").string() + "'";
    Result r;
    const int status = std::system(command.c_str());
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(dir / "err.txt"), out(dir / "out.lng", std::ios::binary);
    std::ostringstream e, o;
    e << err.rdbuf();
    o << out.rdbuf();
    r.output = e.str();
    r.converted = o.str();
    fs::remove_all(dir);
    return r;
}

TEST(PlapperTextconv, KeywordsAndTextsBecomeTheSectionsTheCharactersRead) {
    if (!fs::exists(tool)) GTEST_SKIP() << "textconv is not built";
    const Result r = Convert("# Kommentar\n"
                             "[KEYWORDS]\n"
                             "0 hallo = Hallo, schön!\n"
                             "1 wie spät ist es = Es ist %d:%02d Uhr.\n"
                             "[KA]\n"
                             "Wie bitte?\\nNoch mal.\n"
                             "[BLABLA]\n"
                             "Was ist grün? | Ein Frosch!\n"
                             "[KA]\n"
                             "100%% sicher\n");
    ASSERT_EQ(r.code, 0) << r.output;
    std::istringstream in(r.converted);
    PlapperPhrasen phrases;
    phrases.Read(in);
    ASSERT_EQ(phrases.keywords.Count(), 2);
    EXPECT_EQ(*phrases.keywords[1], "wie sp\xE4t ist es");
    ASSERT_EQ(phrases.answers.Count(), 2);
    EXPECT_EQ(*phrases.answers[0], "Hallo, sch\xF6n!");
    ASSERT_EQ(phrases.unmatched.Count(), 2);
    EXPECT_EQ(*phrases.unmatched[0], "Wie bitte?\nNoch mal.");
    EXPECT_EQ(*phrases.unmatched[1], "100%% sicher");
    ASSERT_EQ(phrases.jokes.Count(), 2);
    EXPECT_EQ(*phrases.jokes[1], "Ein Frosch!");
}

TEST(PlapperTextconv, WhatACharacterCouldNeverUseIsRefused) {
    if (!fs::exists(tool)) GTEST_SKIP() << "textconv is not built";
    const std::pair<const char*, const char*> cases[] = {
        {"[KEYWORDS]\n0 a = x\n2 b = y\n", "expected index 1"},
        {"[KEYWORDS]\n0 Hallo = x\n", "lower-case"},
        {"[KEYWORDS]\n0 hallo? = x\n", "lower-case"},
        {"[KEYWORDS]\n0 gute  nacht = x\n", "lower-case"},
        {"[KEYWORDS]\n0 straße = x\n", "lower-case"},
        {"[KEYWORDS]\n0 hallo\n", "INDEX keyword = answer"},
        {"[KA]\nein Bindestrich-Wort\n", "minus"},
        {"[KA]\nmit_Unterstrich\n", "underscore"},
        {"[KA]\n50% Rabatt\n", "%%"},
        {"[BLABLA]\nnur der Anfang\n", "opening | follow-up"},
        {"[WITZE]\nx\n", "unknown section"},
        {"vor allem\n", "before the first section"},
    };
    for (const auto& [source, message] : cases) {
        const Result r = Convert(source);
        EXPECT_EQ(r.code, 1) << source;
        EXPECT_NE(r.output.find(message), std::string::npos) << source << "\n" << r.output;
    }
}

} // namespace
