// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/UserFiles.h"

#include "data/Configuration.h"
#include "data/GlobalStatistics.h"

#include <cctype>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path& FolderStore() {
    static fs::path folder;
    return folder;
}

fs::path& SettingsFolderStore() {
    static fs::path folder;
    return folder;
}

constexpr const char* settingsFiles[] = {kConfigurationFileName};
constexpr const char* topLevelFiles[] = {kGlobalStatisticsFileName};
constexpr const char* gameFolderFiles[] = {"stats.hs", "quick.sav"};

// Removes the leftover temporaries of `targets` directly inside `folder`.
int RemoveIn(const fs::path& folder, const char* const* targets, size_t targetCount) {
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        for (size_t i = 0; i < targetCount; ++i) {
            if (!UserFiles::IsLeftoverTemporary(name, targets[i])) continue;
            std::error_code ignored;
            if (it->is_regular_file(ignored) && fs::remove(it->path(), ignored)) ++removed;
            break;
        }
    }
    return removed;
}

// The immediate sub-folders of `folder`, links not followed.
std::vector<fs::path> SubFolders(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (it->is_directory(ignored) && !it->is_symlink(ignored)) found.push_back(it->path());
    }
    return found;
}

} // namespace

namespace UserFiles {

const fs::path& Folder() {
    return FolderStore();
}

void SetFolder(fs::path folder) {
    FolderStore() = std::move(folder);
}

const fs::path& SettingsFolder() {
    return SettingsFolderStore().empty() ? Folder() : SettingsFolderStore();
}

void SetSettingsFolder(fs::path folder) {
    SettingsFolderStore() = std::move(folder);
}

fs::path PathOf(const fs::path& relative) {
    return Folder().empty() ? relative : Folder() / relative;
}

fs::path SettingsPath() {
    return SettingsFolder().empty() ? fs::path(kConfigurationFileName)
                                    : SettingsFolder() / kConfigurationFileName;
}

bool IsLeftoverTemporary(const std::string& name, const std::string& target) {
    constexpr size_t suffixLength = 6;
    if (name.size() != target.size() + 1 + suffixLength) return false;
    if (name.compare(0, target.size(), target) != 0 || name[target.size()] != '.') return false;
    bool marked = false;
    for (size_t i = target.size() + 1; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (!std::isalnum(c)) return false;
        if (std::isdigit(c) || std::isupper(c)) marked = true;
    }
    return marked;
}

int RemoveLeftoverTemporaries() {
    const fs::path top = Folder().empty() ? fs::path(".") : Folder();
    const fs::path settings = SettingsFolder().empty() ? fs::path(".") : SettingsFolder();
    int removed = RemoveIn(settings, settingsFiles, std::size(settingsFiles));
    removed += RemoveIn(top, topLevelFiles, std::size(topLevelFiles));
    for (const fs::path& category : SubFolders(top))
        for (const fs::path& game : SubFolders(category))
            removed += RemoveIn(game, gameFolderFiles, std::size(gameFolderFiles));
    return removed;
}

} // namespace UserFiles
