// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much of each text file the program reads. A file larger than its byte
// limit is not read at all (as if it were missing); a reader stops after its
// word limit, and the lists it fills stop growing at their entry limit. The
// limits lie far above anything the program writes or ships, so they only
// stop damaged or hostile files from taking the memory and the start-up time.
// docs/file-limits.md lists them for players and add-on authors.
#include <cstddef>

namespace TextFileLimits {

constexpr size_t kKiB = 1024;
constexpr size_t kMiB = 1024 * kKiB;

// solitär.cfg
constexpr size_t kSettingsBytes = 64 * kKiB;
constexpr size_t kSettingsWords = 10'000;

// stats.hs, program-wide and per game
constexpr size_t kStatisticsBytes = 1 * kMiB;
constexpr size_t kStatisticsWords = 200'000;

// Cards.typ, Background.typ and their add-ons: bytes per file; entries of all
// files of one catalog together.
constexpr size_t kCatalogBytes = 1 * kMiB;
constexpr size_t kCatalogWords = 200'000;
constexpr int kCatalogEntries = 1'000;

// Games.kat and its add-ons: bytes per file; categories and games of all files together.
constexpr size_t kGameCatalogBytes = 4 * kMiB;
constexpr size_t kGameCatalogWords = 500'000;
constexpr int kGameCategories = 1'000;
constexpr int kGames = 10'000;

// deutsch.lng, english.lng, a game's rules text and a character's chatter file
constexpr size_t kLanguageBytes = 1 * kMiB;
constexpr size_t kLanguageWords = 100'000;
constexpr int kLanguageEntries = 10'000;

// quick.sav
constexpr size_t kQuickSaveBytes = 4 * kMiB;

// move files of the command-line tool and input scripts of test runs
constexpr size_t kMoveFileBytes = 4 * kMiB;
constexpr size_t kScriptBytes = 16 * kMiB;

} // namespace TextFileLimits
