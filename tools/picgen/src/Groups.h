// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Stage.h"

#include <string>

// Draws every picture of one group; false when one could not be written or the group is unknown.
bool RunGroup(const Stage& stage, const std::string& group);
bool DrawCardSets(const Stage& stage);
bool DrawFont(const Stage& stage);
bool DrawGuiSheets(const Stage& stage);
bool DrawBackgrounds(const Stage& stage);
bool DrawThemeSheets(const Stage& stage);
