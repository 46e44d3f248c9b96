// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole 1024 × 768 screens put together from the generated sheets exactly as the scenes cut
// and place them (loading screen, main menu, game list with its preview, a dealt game), for
// reviewing the art in place before the scenes can take their own screenshots.
#include <string>

// stage: the staging folder; texts: the UI text source (number, blank, text per line);
// outDir: where the PNG files go. False when a sheet is missing or a file cannot be written.
bool DrawReviewScreens(const std::string& stage, const std::string& texts,
                       const std::string& outDir);
