// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player's files go on a desktop, and the one-time copy of an older version's files.
#include "TempDir.h"

#include "data/UserFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> environment;

const char* FakeEnvironment(const char* name) {
    auto it = environment.find(name);
    return it == environment.end() ? nullptr : it->second.c_str();
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Points the player's files at two folders of `dir` for one test, and back afterwards.
struct DesktopFoldersIn {
    explicit DesktopFoldersIn(const TempDir& dir) {
        UserFiles::SetFolder(dir / "share");
        UserFiles::SetSettingsFolder(dir / "config");
    }
    ~DesktopFoldersIn() {
        UserFiles::SetFolder({});
        UserFiles::SetSettingsFolder({});
    }
};

TEST(DesktopFolders, FollowTheXdgVariablesAndFallBackToHome) {
    environment = {{"HOME", "/home/lotte"}};
    UserFiles::DesktopFolders folders = UserFiles::FindDesktopFolders(FakeEnvironment);
    EXPECT_EQ(folders.settings, fs::path("/home/lotte/.config/kartenhaus"));
    EXPECT_EQ(folders.files, fs::path("/home/lotte/.local/share/kartenhaus"));

    environment = {{"HOME", "/home/lotte"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/d"}};
    folders = UserFiles::FindDesktopFolders(FakeEnvironment);
    EXPECT_EQ(folders.settings, fs::path("/cfg/kartenhaus"));
    EXPECT_EQ(folders.files, fs::path("/d/kartenhaus"));

    // A relative value is no base folder: the default stands.
    environment = {{"HOME", "/home/mia"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", ""}};
    folders = UserFiles::FindDesktopFolders(FakeEnvironment);
    EXPECT_EQ(folders.settings, fs::path("/home/mia/.config/kartenhaus"));
    EXPECT_EQ(folders.files, fs::path("/home/mia/.local/share/kartenhaus"));
}

TEST(DesktopFolders, SettingsLiveApartFromTheOtherFilesUnlessOneFolderIsGiven) {
    TempDir dir;
    {
        DesktopFoldersIn desktop(dir);
        EXPECT_EQ(UserFiles::SettingsPath(), dir / "config" / "solitär.cfg");
        EXPECT_EQ(UserFiles::PathOf("stats.hs"), dir / "share" / "stats.hs");
    }
    UserFiles::SetFolder(dir / "portable");
    EXPECT_EQ(UserFiles::SettingsPath(), dir / "portable" / "solitär.cfg");
    UserFiles::SetFolder({});
    EXPECT_EQ(UserFiles::SettingsPath(), fs::path("solitär.cfg"));
}

TEST(DesktopFolders, AnOlderVersionsFilesAreCopiedOnceAndNeverDeleted) {
    TempDir dir;
    dir.Write("old/solitär.cfg", "SPRACHE:\t1\n");
    dir.Write("old/stats.hs", "ANZ_KLICK:\t7\n");
    dir.Write("old/klondike/klondike/stats.hs", "ANZ_WIN:\t3\n");
    dir.Write("old/klondike/klondike/quick.sav", "SCORE:\t10\n");
    dir.Write("old/klondike/klondike/other.txt", "not a player file");
    dir.Write("old/base.gob", "data");
    DesktopFoldersIn desktop(dir);

    EXPECT_EQ(UserFiles::CopyOldPlayerFiles(dir / "old"), 4);
    EXPECT_EQ(Read(dir / "config" / "solitär.cfg"), "SPRACHE:\t1\n");
    EXPECT_EQ(Read(dir / "share" / "stats.hs"), "ANZ_KLICK:\t7\n");
    EXPECT_EQ(Read(dir / "share" / "klondike" / "klondike" / "stats.hs"), "ANZ_WIN:\t3\n");
    EXPECT_EQ(Read(dir / "share" / "klondike" / "klondike" / "quick.sav"), "SCORE:\t10\n");
    EXPECT_FALSE(fs::exists(dir / "share" / "klondike" / "klondike" / "other.txt"));
    EXPECT_FALSE(fs::exists(dir / "share" / "base.gob"));
    EXPECT_TRUE(fs::exists(dir / "old" / "stats.hs")) << "the old files stay";

    // Once the player has files of their own, the old ones are never copied again.
    dir.Write("old/stats.hs", "ANZ_KLICK:\t99\n");
    EXPECT_EQ(UserFiles::CopyOldPlayerFiles(dir / "old"), 0);
    EXPECT_EQ(Read(dir / "share" / "stats.hs"), "ANZ_KLICK:\t7\n");
}

} // namespace
