// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Definitions for the undo, score and quick-save tests.
#include <fstream>
#include <sstream>
#include <string>

#include "RulesTestSupport.h"
#include "rules/MovePlayer.h"

inline std::string FixtureText(const std::string& name) {
    std::ifstream in(std::string(KH_SOURCE_DIR) + "/tests/fixtures/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The eight-card game that double clicks win whatever the shuffle; its
// definition is in UTF-8 like every source, so the one "Ö" is spelled here.
inline std::string LadderGame() {
    std::string text = FixtureText("cli/ladder.game");
    for (size_t at; (at = text.find("\xC3\x96")) != std::string::npos;)
        text.replace(at, 2, "\xD6");
    return text;
}

// Twenty cards: ten face up on the goal pile, ten on a column, so the goal
// bonus is 500 and the game is not won.
inline const char* kHalfDoneGame = R"(
SPIEL_ANZ_KARTEN: 20 SPIEL_AF: ALLES SPIEL_AW: ALLES
STAPEL_START ID: 1 INIT_ANZ_SICHTBAR: 10 INIT_ANZ_VERDECKT: 0 STAPEL_ENDE
STAPEL_START ID: 2 INIT_ANZ_SICHTBAR: 8 INIT_ANZ_VERDECKT: 2 STAPEL_ENDE
SPIEL_ZIEL_START ZIELSTAPEL_START 1 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE
)";

inline void Play(KartenTisch& table, const std::string& moves) {
    std::istringstream in(moves);
    MoveScript script;
    std::string error;
    ASSERT_TRUE(script.Parse(in, error)) << error;
    MovePlayer player(table);
    for (const ScriptMove& move : script.moves) {
        std::string reason;
        ASSERT_TRUE(player.Apply(move, reason)) << move.Text() << ": " << reason;
    }
}

inline std::string TableText(const KartenTisch& table) {
    return table.ToQuickSave().ToText();
}
