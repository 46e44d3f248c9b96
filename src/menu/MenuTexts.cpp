// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/MenuTexts.h"

#include "data/GlobalStatistics.h"
#include "data/LanguageTexts.h"
#include "data/TextFormatter.h"

#include <cmath>
#include <limits>

namespace MenuTexts {

namespace {

// Whole seconds of a time, kept within the range of an int (a damaged file may hold any
// number).
int WholeSeconds(double seconds) {
    if (!(seconds > 0.0)) return 0;
    if (seconds >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(seconds);
}

std::string Format(const LanguageTexts& texts, int slot, std::initializer_list<FormatArg> args) {
    return FormatText(texts.UiTextOrEmpty(slot), args);
}

} // namespace

Clock SplitTime(double seconds) {
    const int t = WholeSeconds(seconds);
    return {t / 3600, (t / 60) % 60, t % 60};
}

int WinPercentage(int wins, int losses) {
    const long long played = static_cast<long long>(wins) + losses;
    if (played <= 0) return 0;
    return static_cast<int>(static_cast<long long>(wins) * 100 / played);
}

std::string StatisticsPage(const GlobalStatistics& s, const LanguageTexts& texts) {
    const Clock played = SplitTime(s.gameTime);
    const Clock running = SplitTime(s.programTime);
    std::string text;
    text += Format(texts, 93, {played.hours, played.minutes, played.seconds}) + "\n";
    text += Format(texts, 95, {s.moves}) + "\n";
    text += Format(texts, 96, {s.wins}) + "\n";
    text += Format(texts, 97, {s.losses}) + "\n";
    text += Format(texts, 98, {WinPercentage(s.wins, s.losses)}) + "\n";
    text += Format(texts, 56, {s.undoSteps}) + "\n";
    text += Format(texts, 52, {s.doubleClicks}) + "\n";
    text += Format(texts, 53, {s.clicks}) + "\n";
    text += Format(texts, 54, {s.mouseDistance}) + "\n";
    text += Format(texts, 55, {running.hours, running.minutes, running.seconds});
    return text;
}

std::string ResultSheet(double gameTime, double timeScore, int undoCount, int failedDoubleClicks,
                        int score, const LanguageTexts& texts) {
    const int t = WholeSeconds(gameTime);
    const std::string& points = texts.UiTextOrEmpty(107);
    std::string text;
    text += Format(texts, 94, {t / 60, t % 60});
    text += FormatText("\n-%d %s", {static_cast<int>(1000.0 - timeScore), points}) + "\n\n";
    text += Format(texts, 56, {undoCount});
    text += FormatText("\n-%d %s", {undoCount * 20, points}) + "\n\n";
    text += Format(texts, 108, {failedDoubleClicks});
    text += FormatText("\n-%d %s", {failedDoubleClicks * 40, points}) + "\n\n";
    text += Format(texts, 101, {score});
    return text;
}

uint32_t CatalogColour(int catalogIndex) {
    static constexpr uint32_t colours[8] = {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                            0xFFFFFF00, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    return colours[((catalogIndex % 8) + 8) % 8];
}

} // namespace MenuTexts
