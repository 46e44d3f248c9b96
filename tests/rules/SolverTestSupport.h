// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Game files of the collection for solver tests, and the check every returned
// line must pass: replayed move by move through the engine as the player's
// moves, it is legal and ends in a won table.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "data/TextEncoding.h"
#include "rules/KartenTisch.h"
#include "rules/MovePlayer.h"
#include "rules/Solver.h"

// The definition of CATEGORY/GAME from content/games, in Latin-1.
inline std::string CollectionGame(const std::string& categoryAndGame) {
    const std::string game = categoryAndGame.substr(categoryAndGame.find('/') + 1);
    std::ifstream in(std::string(KH_SOURCE_DIR) + "/content/games/" + categoryAndGame + "/" +
                         game + ".game",
                     std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return TextEncoding::Utf8ToLatin1(text.str()).value_or(text.str());
}

// Replays the line on a fresh copy of the start table (given as quick save);
// every move must be accepted and the last must win.
inline void ExpectLineWins(const std::string& definition, const QuickSaveFile& start,
                           const std::vector<ScriptMove>& line) {
    KartenTisch table;
    table.LoadPosition(start, definition, 7);
    MovePlayer player(table);
    player.Settle();
    for (const ScriptMove& move : line) {
        std::string reason;
        ASSERT_TRUE(player.Apply(move, reason)) << move.Text() << ": " << reason;
    }
    EXPECT_TRUE(table.IsGameWon());
}
