// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/StatisticsTexts.h"

#include "data/GameStatistics.h"
#include "data/LanguageTexts.h"
#include "data/TextFormatter.h"
#include "media/BitmapText.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace StatisticsTexts {

namespace {

constexpr int textClock = 59, textScore = 60, textTotalTime = 93, textEntryTime = 94;
constexpr int textMoves = 95, textWins = 96, textLosses = 97, textPercentage = 98;
constexpr int textName = 99, textDate = 100, textEntryScore = 101;

std::string Format(const LanguageTexts& texts, int slot, std::initializer_list<FormatArg> args) {
    return FormatText(texts.UiTextOrEmpty(slot), args);
}

} // namespace

int WholeSeconds(double seconds) {
    if (!(seconds > 0.0)) return 0;
    if (seconds >= static_cast<double>(INT_MAX)) return INT_MAX;
    return static_cast<int>(seconds);
}

int WinPercentage(int wins, int losses) {
    const long long counted = static_cast<long long>(wins) + losses;
    if (counted <= 0) return 0;
    const long long percentage = static_cast<long long>(wins) * 100 / counted;
    return static_cast<int>(std::clamp(percentage, 0LL, 100LL));
}

std::string TopBar(const LanguageTexts& texts, double gameTime, int score) {
    const int s = WholeSeconds(gameTime);
    return Format(texts, textClock, {s / 60, s % 60}) + "     " + Format(texts, textScore, {score});
}

double LineWidth(const std::string& line, double size) {
    const double scale = 0.8 * size;
    double width = 0.0;
    for (unsigned char c : line) {
        const int code = c == 0xDF ? 's' : BitmapText::GlyphCode(c);
        const int glyphs = c == 0xDF ? 2 : 1; // ß is set as "ss"
        if (code >= 0) width += glyphs * (BitmapText::GlyphWidth(code) + 2) * scale;
    }
    return width;
}

std::string HighscoreRow(const LanguageTexts& texts, int index, const HighscoreEntry& entry,
                         double maxWidth, double size) {
    const int s = WholeSeconds(entry.time);
    std::string name(entry.name, strnlen(entry.name, sizeof(entry.name)));
    auto firstLine = [&](const std::string& shown) {
        return FormatText("%d. ", {index + 1}) + Format(texts, textName, {shown}) + " " +
               Format(texts, textEntryTime, {s / 60, s % 60});
    };
    std::string line = firstLine(name);
    if (maxWidth > 0.0) {
        while (!name.empty() && LineWidth(line, size) > maxWidth) {
            name.pop_back();
            line = firstLine(name + "...");
        }
    }
    return line + "\n" + Format(texts, textDate, {entry.day, entry.month, entry.year}) + " " +
           Format(texts, textEntryScore, {entry.score}) + " ";
}

std::string Summary(const LanguageTexts& texts, const GameStatistics& stats) {
    const int s = WholeSeconds(stats.time);
    return Format(texts, textTotalTime, {s / 3600, s / 60 % 60, s % 60}) + "\n" +
           Format(texts, textMoves, {stats.moves}) + "\n" + Format(texts, textWins, {stats.wins}) +
           "\n" + Format(texts, textLosses, {stats.losses}) + "\n" +
           Format(texts, textPercentage, {WinPercentage(stats.wins, stats.losses)});
}

} // namespace StatisticsTexts
