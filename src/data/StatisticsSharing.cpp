// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/StatisticsSharing.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

namespace StatisticsSharing {

void ShareByFolder(GameCategoryList& categories) {
    std::unordered_map<std::string, std::shared_ptr<GameStatistics>> byFile;
    for (GameCategory* category : categories)
        for (GameInfo* info : category->games) {
            if (!info->statistics) continue;
            const std::string file = info->statistics->FilePath({}).string();
            if (file.empty()) continue;
            auto [it, first] = byFile.emplace(file, info->statistics);
            if (!first) info->statistics = it->second;
        }
}

void ForEachRecord(const GameCategoryList& categories,
                   const std::function<void(GameStatistics&)>& action) {
    std::unordered_set<const GameStatistics*> seen;
    for (const GameCategory* category : categories)
        for (const GameInfo* info : category->games)
            if (info->statistics && seen.insert(info->statistics.get()).second)
                action(*info->statistics);
}

} // namespace StatisticsSharing
