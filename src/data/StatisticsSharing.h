// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Catalog entries that name the same category and game folders (an add-on catalog listing
// a game again) keep their results in the same stats.hs, so they share one statistics
// record: every result of either entry lands in it, and the file is read and written once.
#include "data/GameCatalog.h"

#include <functional>

namespace StatisticsSharing {

// Gives every game whose statistics file is that of an earlier game the earlier game's
// record. Games whose folder names lead out of the working folder keep their own.
void ShareByFolder(GameCategoryList& categories);

// Calls `action` once for every distinct record of the catalog, in catalog order.
void ForEachRecord(const GameCategoryList& categories,
                   const std::function<void(GameStatistics&)>& action);

} // namespace StatisticsSharing
