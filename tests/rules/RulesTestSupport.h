// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small builders for rule tests: cards owned by the test, piles wired to each
// other by id the way a loaded table wires them.
#include <memory>
#include <string>
#include <vector>

#include "rules/Card.h"
#include "rules/KartenStapel.h"
#include "rules/KartenTisch.h"

class CardBox {
public:
    Card* Make(int rank, int suit) {
        cards.push_back(std::make_unique<Card>(rank, suit));
        return cards.back().get();
    }

private:
    std::vector<std::unique_ptr<Card>> cards;
};

// A pile that accepts from and gives to the ids listed, with rules set by the test.
inline std::unique_ptr<KartenStapel> MakePile(int id, std::vector<int> sources = {},
                                              std::vector<int> targets = {}) {
    auto pile = std::make_unique<KartenStapel>();
    pile->pileId = id;
    pile->linkIds = {id};
    pile->sourceIds = std::move(sources);
    pile->targetIds = std::move(targets);
    return pile;
}

// Loads a definition from text and returns the table.
inline std::unique_ptr<KartenTisch> LoadTable(const std::string& text, uint32_t seed = 1) {
    auto table = std::make_unique<KartenTisch>();
    table->LoadGameDefinition(std::string_view(text), seed);
    return table;
}
