// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays one game definition many times with random legal moves, as a player
// who tries everything would: drags to piles that take the card, double clicks,
// clicks on piles, undo and redo (single steps and whole), and quick saves that
// are written and loaded again. After every step it checks the table (see
// SoakAudit); undo and redo must restore exactly the snapshot they name, and a
// loaded quick save must show the cards that were saved.
#include <cstdint>
#include <string>

#include "rules/RandomGenerator.h"

struct SoakCounts {
    long long games = 0;
    long long steps = 0;
    long long moves = 0;      // drags, double clicks and clicks that changed the table
    long long refused = 0;    // double clicks and clicks that did nothing
    long long history = 0;    // undo and redo steps taken
    long long quickSaves = 0; // saved and loaded again
    long long won = 0;
    long long restless = 0; // moves after which the automatic fills did not come to rest
};

struct SoakFailure {
    std::string game;
    uint32_t seed = 0;
    int step = 0;       // 0: the deal itself
    std::string action; // the step in the move language ("drag 3 1 5", "quick save")
    std::string problem;

    // "GAME, seed S, step N (ACTION): PROBLEM"
    std::string Text() const;
};

class SoakPlayer {
public:
    // definitionBytes: the .game file in Latin-1; name tells the game in messages.
    SoakPlayer(std::string name, std::string definitionBytes)
        : name(std::move(name)), definition(std::move(definitionBytes)) {}

    // Deals the game with seed and plays up to steps random steps (fewer when
    // the game is won). False with the failure filled in at the first broken
    // invariant.
    bool PlayGame(uint32_t seed, int steps, SoakFailure& failure);

    const SoakCounts& Counts() const { return counts; }

private:
    std::string name;
    std::string definition;
    SoakCounts counts;
    RandomGenerator choice;
};
