// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// One PNG showing every picture below the staging folder, scaled down, with its member name.
bool DrawContactSheet(const std::string& stageDir, const std::string& outFile);
