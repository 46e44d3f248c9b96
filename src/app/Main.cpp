// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the command line, the working directory, then the game.
#include "app/AppState.h"
#include "app/Application.h"
#include "app/InputScript.h"
#include "app/RunOptions.h"
#include "data/Configuration.h"
#include "data/UserFiles.h"
#include "data/UserFolderLock.h"
#include "game/DirectGameScene.h"
#include "platform/Platform.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Absolute(const std::string& path) {
    if (path.empty()) return path;
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return ec ? path : absolute.string();
}

// The data directory when none is given: the current directory if it holds the base
// archive, else the first that does of "data" beside the program (a build folder), the
// installed data folder relative to the program (a relocated install) and the installed
// data folder where it was installed.
void ChooseDefaultDataDirectory() {
    std::error_code ec;
    if (fs::exists("base.gob", ec)) return;
    std::vector<fs::path> candidates;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        candidates.push_back(program.parent_path() / "data");
#ifdef KH_DATADIR_FROM_BINDIR
        candidates.push_back(program.parent_path() / KH_DATADIR_FROM_BINDIR);
#endif
    }
#ifdef KH_INSTALL_FULL_DATADIR
    candidates.push_back(KH_INSTALL_FULL_DATADIR);
#endif
    for (const fs::path& data : candidates) {
        if (fs::exists(data / "base.gob", ec)) {
            fs::current_path(data, ec);
            return;
        }
    }
}

// The folders of the player's files: DIR of --user-dir, else the desktop's folders for a
// user's settings and files. Files an older version kept in the data folder are copied over
// on the first start. Without a home folder they stay in the data folder, as they used to.
void ChooseUserFolders(const RunOptions& options) {
    std::error_code ec;
    if (!options.userDir.empty()) {
        fs::create_directories(options.userDir, ec);
        UserFiles::SetFolder(fs::absolute(options.userDir, ec));
        return;
    }
    const UserFiles::DesktopFolders folders = UserFiles::FindDesktopFolders(
        [](const char* name) -> const char* { return std::getenv(name); });
    if (folders.files.empty() || folders.settings.empty()) {
        std::fprintf(stderr, "kartenhaus: no home folder; the player's files stay in the data "
                             "folder\n");
        return;
    }
    fs::create_directories(folders.files, ec);
    fs::create_directories(folders.settings, ec);
    UserFiles::SetFolder(folders.files);
    UserFiles::SetSettingsFolder(folders.settings);
    UserFiles::CopyOldPlayerFiles(fs::current_path(ec));
}

// Says that another copy runs on these files, in the language of the settings.
void TellAlreadyRunning() {
    Configuration settings;
    settings.ReadConfigurationFile(UserFiles::SettingsPath());
    Platform::ShowErrorBox(settings.language == 1
                               ? "Kartenhaus is already running. Only one copy at a time can "
                                 "use the same settings and statistics."
                               : "Kartenhaus läuft bereits. Nur ein Kartenhaus zur Zeit kann "
                                 "dieselben Einstellungen und Statistiken benutzen.",
                           "Kartenhaus");
}

} // namespace

int main(int argc, char** argv) {
    ParseResult parsed = ParseCommandLine(argc, argv, std::cout, std::cerr);
    if (parsed.outcome == ParseOutcome::UsageError) return 2;
    if (parsed.outcome == ParseOutcome::Exit) return 0;
    RunOptions options = parsed.options;
    options.screenshot = Absolute(options.screenshot);

    std::optional<InputScript> script;
    if (!options.script.empty()) {
        std::string error;
        script = InputScript::Load(options.script, error);
        if (!script) {
            std::fprintf(stderr, "kartenhaus: %s\n", error.c_str());
            return 2;
        }
    }

    if (!options.dataDir.empty()) {
        std::error_code ec;
        fs::current_path(options.dataDir, ec);
        if (ec) {
            std::fprintf(stderr, "kartenhaus: cannot use data directory '%s': %s\n",
                         options.dataDir.c_str(), ec.message().c_str());
            return 2;
        }
    } else {
        ChooseDefaultDataDirectory();
    }

    if (!options.game.empty()) {
        const size_t slash = options.game.find('/');
        if (!DirectGameScene::GameExists(options.game.substr(0, slash),
                                         options.game.substr(slash + 1))) {
            std::fprintf(stderr, "kartenhaus: the games archives hold no game '%s'\n",
                         options.game.c_str());
            return 2;
        }
    }

    ChooseUserFolders(options);

    // One running copy per folder of player files: a second one would write its older
    // values over the first one's at exit.
    UserFolderLock lock;
    if (lock.Acquire(UserFiles::PathOf(UserFiles::kLockFileName)) ==
        UserFolderLock::Outcome::HeldElsewhere) {
        TellAlreadyRunning();
        return 0;
    }
    // With the lock held no other copy is writing: temporary files are leftovers.
    UserFiles::RemoveLeftoverTemporaries();

    Application application(GetAppState(), options, std::move(script));
    return application.Run();
}
