// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the top bar and of a game's statistics page, put together from the UI
// texts of the current language. Numbers that come from counters or files are brought
// into range first, so a damaged statistics file can never make a page show nonsense.
#include <string>

class GameStatistics;
struct HighscoreEntry;
struct LanguageTexts;

namespace StatisticsTexts {

// Whole seconds of a time, truncated; negative and NaN give 0, huge values the largest int.
int WholeSeconds(double seconds);
// wins × 100 / (wins + losses) in whole numbers, 0 when no game was counted.
int WinPercentage(int wins, int losses);
// The top bar: the clock (minutes and seconds), five blanks, the score.
std::string TopBar(const LanguageTexts& texts, double gameTime, int score);
// One highscore row (two lines) for the entry at list position `index` (0 = best). With a
// width, a name too long for the first line at that text size is cut and ends in "...".
std::string HighscoreRow(const LanguageTexts& texts, int index, const HighscoreEntry& entry,
                         double maxWidth = 0.0, double size = 0.5);
// The width of one line in the bitmap font at a text size (as the text layer measures it).
double LineWidth(const std::string& line, double size);
// The five summary lines: total time, moves, wins, losses, win percentage.
std::string Summary(const LanguageTexts& texts, const GameStatistics& stats);

} // namespace StatisticsTexts
