// SPDX-License-Identifier: GPL-3.0-or-later
// Where a desktop keeps a user's files, and the one-time copy of the files an older version
// kept beside its data.
#include "data/Configuration.h"
#include "data/GlobalStatistics.h"
#include "data/UserFiles.h"

#include <pwd.h>
#include <unistd.h>

#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramFolder = "kartenhaus";

// An XDG base folder: the variable when it holds an absolute path, else HOME/fallback.
fs::path BaseFolder(const char* (*getEnvironment)(const char*), const char* variable,
                    const fs::path& home, const char* fallback) {
    const char* value = getEnvironment(variable);
    if (value && value[0] == '/') return value;
    if (home.empty()) return {};
    return home / fallback;
}

fs::path HomeFolder(const char* (*getEnvironment)(const char*)) {
    const char* home = getEnvironment("HOME");
    if (home && home[0] == '/') return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir && entry->pw_dir[0] == '/')
        return entry->pw_dir;
    return {};
}

bool IsRegularFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(path, ec));
}

bool CopyOne(const fs::path& from, const fs::path& to) {
    if (!IsRegularFile(from)) return false;
    std::error_code ec;
    fs::create_directories(to.parent_path(), ec);
    return fs::copy_file(from, to, fs::copy_options::skip_existing, ec) && !ec;
}

// Sub-folders of `folder` that are real folders (links are not followed).
std::vector<fs::path> RealSubFolders(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (fs::is_directory(fs::symlink_status(it->path(), ignored))) found.push_back(it->path());
    }
    return found;
}

} // namespace

namespace UserFiles {

DesktopFolders FindDesktopFolders(const char* (*getEnvironment)(const char*)) {
    const fs::path home = HomeFolder(getEnvironment);
    DesktopFolders folders;
    const fs::path config = BaseFolder(getEnvironment, "XDG_CONFIG_HOME", home, ".config");
    const fs::path data = BaseFolder(getEnvironment, "XDG_DATA_HOME", home, ".local/share");
    if (!config.empty()) folders.settings = config / kProgramFolder;
    if (!data.empty()) folders.files = data / kProgramFolder;
    return folders;
}

int CopyOldPlayerFiles(const fs::path& oldFolder) {
    std::error_code ec;
    // Player files of this version already there: nothing is copied, ever again.
    if (fs::exists(SettingsPath(), ec) || fs::exists(PathOf(kGlobalStatisticsFileName), ec))
        return 0;
    if (fs::equivalent(oldFolder, Folder(), ec)) return 0;
    int copied = 0;
    copied += CopyOne(oldFolder / kConfigurationFileName, SettingsPath());
    copied += CopyOne(oldFolder / kGlobalStatisticsFileName, PathOf(kGlobalStatisticsFileName));
    for (const fs::path& category : RealSubFolders(oldFolder)) {
        for (const fs::path& game : RealSubFolders(category)) {
            const fs::path relative = category.filename() / game.filename();
            for (const char* name : {"stats.hs", "quick.sav"})
                copied += CopyOne(game / name, PathOf(relative / name));
        }
    }
    return copied;
}

} // namespace UserFiles
