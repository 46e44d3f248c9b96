// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks a game definition for what its author wants to know: keys the reader
// does not know, rule words that are in no table (they silently count as
// NICHTS), values that are no numbers, groups that are never closed, ids that
// name no pile, piles that no other pile can give to or take from, and deals
// that leave cards in no pile or ask for more cards than the deck holds, and piles
// whose cards can run under one of the characters drawn beside the table.
#include <string>
#include <string_view>
#include <vector>

struct LintProblem {
    int line = 0;   // 1-based; 0 when the problem belongs to no single word
    int column = 0; // 1-based, in characters
    std::string message;
};

class GameLint {
public:
    // fileBytes: the definition in Latin-1, as the game reads it.
    std::vector<LintProblem> Check(std::string_view fileBytes);

    // How many shuffles the deal check tries; the deal of a filtered pile can
    // depend on the order of the deck.
    static constexpr int kDealSeeds = 16;
};
