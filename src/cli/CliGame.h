// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the deal and replay commands share: finding the game definition, the
// seed, and printing a table.
#include <cstdint>
#include <iosfwd>
#include <string>

class CliOptions;
class KartenTisch;

// The definition's bytes in Latin-1, from --game-file or from the games archive
// family of --data. A file in UTF-8 (as the sources in content/ are) is
// converted. False with a message in error when it cannot be read.
bool ReadDefinitionBytes(const CliOptions& options, std::string& bytes, std::string& error);

// The bytes of a file on disk, converted from UTF-8 to Latin-1 when the file is
// valid UTF-8 and holds characters beyond ASCII.
bool ReadDefinitionFile(const std::string& path, std::string& bytes);

// Deals the game with seed, or as the numbered FreeCell deal when microsoft is
// set. False with a message in error when the game does not fit that numbering.
bool DealTable(KartenTisch& table, const std::string& bytes, uint32_t seed, bool microsoft,
               std::string& error);

// --seed, or the millisecond clock as in the game.
uint32_t ChooseSeed(const CliOptions& options);

// One line per pile: "ID: (face-down count) visible cards bottom to top", cards
// written as rank and suit letter (A 2 ... 10 J Q K, C D S H).
void PrintCompactTable(std::ostream& out, const KartenTisch& table);
