// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The composite texts of the menu pages, put together from the UI texts of the current
// language and the numbers they show. Every UI text is used as a format only through the
// safe formatter, so a stray conversion in a language file prints as it stands.
#include <cstdint>
#include <string>

class GlobalStatistics;
struct LanguageTexts;

namespace MenuTexts {

// Whole hours, minutes and seconds of a time in seconds (the fraction is dropped).
struct Clock {
    int hours = 0, minutes = 0, seconds = 0;
};
Clock SplitTime(double seconds);

// wins × 100 / (wins + losses) in whole numbers; 0 before any game was counted.
int WinPercentage(int wins, int losses);

// The ten lines of the statistics page.
std::string StatisticsPage(const GlobalStatistics& statistics, const LanguageTexts& texts);

// The score sheet of the result page: time, undo steps and failed double clicks, each with
// the points they cost, then the score.
std::string ResultSheet(double gameTime, double timeScore, int undoCount, int failedDoubleClicks,
                        int score, const LanguageTexts& texts);

// The colour of a list entry by the number of the catalog that listed it.
uint32_t CatalogColour(int catalogIndex);

} // namespace MenuTexts
