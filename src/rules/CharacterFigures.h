// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The characters that stand beside the card table, drawn over the cards: where their
// figures lie in the layout, so that game layouts can keep every card clear of them.
#include <span>

struct FigureBand {
    int left, right; // drawn columns of the band, inclusive; right < left: none drawn
};

struct FigureOutline {
    static constexpr int kBandHeight = 8;

    const char* name;
    const char* pictures[3]; // archive members (Latin-1) of the pictures drawn at `at`
    struct {
        int x, y;
    } at;    // where the pictures' top-left corner lies
    int top; // layout row of the first band
    std::span<const FigureBand> bands;

    // Does any drawn band meet the rectangle (edges as in a card's rectangle)?
    bool Overlaps(float left, float top, float right, float bottom) const;
};

// Lotte on the left, Mia on the right and Tarzan, who stands in for her.
std::span<const FigureOutline> CharacterFigures();
