// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the player's own files live: the settings, the program-wide statistics, each game's
// statistics and quick save, and the lock that keeps a second copy of the program away from
// them. Every path of such a file is made here, so moving them is a change of this one
// place. Today the folder is the working folder (the data folder).
#include <filesystem>

namespace UserFiles {

// Held while the program runs (UserFolderLock).
inline constexpr const char* kLockFileName = "kartenhaus.lock";

// The folder of the player's files (statistics, quick saves, the lock); empty means the
// working folder.
const std::filesystem::path& Folder();
void SetFolder(std::filesystem::path folder);
// The folder of the settings file; empty means the same as Folder().
const std::filesystem::path& SettingsFolder();
void SetSettingsFolder(std::filesystem::path folder);

// `relative` inside the folder of the player's files.
std::filesystem::path PathOf(const std::filesystem::path& relative);
// The settings file.
std::filesystem::path SettingsPath();

// The folders a desktop keeps a user's files in: the settings in
// $XDG_CONFIG_HOME/kartenhaus (default ~/.config/kartenhaus), the rest in
// $XDG_DATA_HOME/kartenhaus (default ~/.local/share/kartenhaus). A relative XDG value is
// ignored, as the XDG rules say. Empty paths when there is no home folder to go by.
struct DesktopFolders {
    std::filesystem::path settings;
    std::filesystem::path files;
};
DesktopFolders FindDesktopFolders(const char* (*getEnvironment)(const char*));

// On the first start with no player files in the desktop folders, copies the files an
// older version kept in `oldFolder` (the data folder): the settings, the program-wide
// statistics and every CATEGORY/GAME/stats.hs and quick.sav. Nothing is deleted. Returns
// how many files were copied.
int CopyOldPlayerFiles(const std::filesystem::path& oldFolder);

// Removes what interrupted writes of earlier runs left behind: the temporary files
// "NAME.XXXXXX" beside the settings, the program-wide statistics and, one category and one
// game folder down, beside each game's statistics and quick save. Runs at start, while the
// lock is held, so no running copy is writing them. Returns how many were removed.
int RemoveLeftoverTemporaries();

// Whether `name` is a temporary file of an interrupted write of `target`: target, a dot,
// and six letters or digits of which at least one is a digit or a capital (a name such as
// "stats.hs.backup" is the player's own and stays).
bool IsLeftoverTemporary(const std::string& name, const std::string& target);

} // namespace UserFiles
