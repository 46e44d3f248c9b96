// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of the table a fan of visible cards must stay inside, and the
// offset a fan of n cards gets when its configured offset would leave it.
#include "rules/Vec2.h"

// Distances from the screen edges; a game may set its own ("SPIEL_TISCHRAND:"),
// for example to keep its fans clear of the characters beside the table.
struct TableMargins {
    float left = 50.0f;
    float top = 50.0f;
    float right = 50.0f;
    float bottom = 150.0f;
    friend bool operator==(const TableMargins&, const TableMargins&) = default;
};

// The offset between neighbouring visible cards of a fan of n cards whose lowest
// card lies at base: the configured offset, or, per axis, a smaller one that
// keeps the last card inside the margins. Both tests use the unsqueezed end.
// An axis without offset is a square stack and is never squeezed.
Vec2 SqueezedOffset(Vec2 offset, Vec2 base, int n, Vec2 cardSize, Vec2 screen,
                    const TableMargins& margins);
