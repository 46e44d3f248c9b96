// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cards in a pile mostly hide each other, and a software renderer pays for every pixel it
// blends. So a card is drawn only where the card laid on it next leaves it visible: the
// hidden part is the covering card's opaque core (its picture without the rounded,
// smoothed edge), learnt once per card sheet from the sheet's own pixels.
#include "platform/IntRect.h"

#include <cstdint>
#include <functional>

struct OpaqueCore {
    int insetX = 0, insetY = 0; // cell pixels left out on each side
    bool usable = false;
};

// The centred rectangle, the same for every face and back cell of the sheet, whose pixels
// are all fully opaque. Not usable when a cell is see-through in its middle (a sheet made
// that way draws every card whole). `pixelAt` answers ARGB for sheet coordinates.
OpaqueCore FindOpaqueCore(const std::function<uint32_t(int, int)>& pixelAt, int sheetWidth,
                          int sheetHeight, int cellWidth, int cellHeight);

// The parts of `drawn` outside `cover`, as at most four bands that do not overlap (above,
// below, left and right of the cover); returns how many were written to `out`.
int UncoveredBands(const IntRect& drawn, const IntRect& cover, IntRect out[4]);
