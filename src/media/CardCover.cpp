// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/CardCover.h"

#include <algorithm>

namespace {

bool RowOpaque(const std::function<uint32_t(int, int)>& pixelAt, int left, int right, int y) {
    for (int x = left; x < right; ++x)
        if ((pixelAt(x, y) >> 24) != 0xFF) return false;
    return true;
}

// Rows to leave out at the top and at the bottom of one cell, or -1 when its middle row is
// not opaque.
int CellInsetY(const std::function<uint32_t(int, int)>& pixelAt, int cellLeft, int cellTop,
               int cellWidth, int cellHeight, int insetX) {
    const int left = cellLeft + insetX, right = cellLeft + cellWidth - insetX;
    const int middle = cellHeight / 2;
    if (!RowOpaque(pixelAt, left, right, cellTop + middle)) return -1;
    int top = middle;
    while (top > 0 && RowOpaque(pixelAt, left, right, cellTop + top - 1))
        --top;
    int bottom = middle + 1;
    while (bottom < cellHeight && RowOpaque(pixelAt, left, right, cellTop + bottom))
        ++bottom;
    return std::max(top, cellHeight - bottom);
}

} // namespace

OpaqueCore FindOpaqueCore(const std::function<uint32_t(int, int)>& pixelAt, int sheetWidth,
                          int sheetHeight, int cellWidth, int cellHeight) {
    OpaqueCore core;
    if (cellWidth <= 0 || cellHeight <= 0) return core;
    core.insetX = std::max(1, cellWidth / 32);
    if (2 * core.insetX >= cellWidth) return core;
    // Faces: four columns, rows 0 … 12; backs: row 13, columns 0 … 3.
    for (int row = 0; row <= 13; ++row)
        for (int column = 0; column < 4; ++column) {
            const int left = column * cellWidth, top = row * cellHeight;
            if (left + cellWidth > sheetWidth || top + cellHeight > sheetHeight) return core;
            const int inset = CellInsetY(pixelAt, left, top, cellWidth, cellHeight, core.insetX);
            if (inset < 0) return core;
            core.insetY = std::max(core.insetY, inset);
        }
    core.usable = core.insetY <= cellHeight / 3;
    return core;
}

int UncoveredBands(const IntRect& drawn, const IntRect& cover, IntRect out[4]) {
    if (drawn.Width() <= 0 || drawn.Height() <= 0) return 0;
    const IntRect c{std::max(cover.left, drawn.left), std::max(cover.top, drawn.top),
                    std::min(cover.right, drawn.right), std::min(cover.bottom, drawn.bottom)};
    if (c.Width() <= 0 || c.Height() <= 0) {
        out[0] = drawn;
        return 1;
    }
    int n = 0;
    if (c.top > drawn.top) out[n++] = {drawn.left, drawn.top, drawn.right, c.top};
    if (c.bottom < drawn.bottom) out[n++] = {drawn.left, c.bottom, drawn.right, drawn.bottom};
    if (c.left > drawn.left) out[n++] = {drawn.left, c.top, c.left, c.bottom};
    if (c.right < drawn.right) out[n++] = {c.right, c.top, drawn.right, c.bottom};
    return n;
}
