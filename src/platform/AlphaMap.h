// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What drawing needs to know about a picture's see-through pixels, kept at two bits a
// pixel instead of the picture itself: which pixels show anything ("ink": alpha above 0)
// and which are fully opaque.
#include "platform/IntRect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class AlphaMap {
public:
    // Sizes the map for a width × height picture, every pixel see-through.
    void Reset(int width, int height);
    // Notes the alpha of row y from its ARGB pixels (width of them).
    void NoteRow(int y, const uint32_t* row);
    // Every pixel of the picture the given alpha: the map of a picture of one colour.
    void Fill(uint8_t alpha);

    int Width() const { return width; }
    int Height() const { return height; }
    bool InkAt(int x, int y) const { return Inside(x, y) && Bit(ink, x, y); }
    bool OpaqueAt(int x, int y) const { return Inside(x, y) && Bit(opaque, x, y); }
    // No pixel is see-through, not even partly: of the whole picture, or of `area` (clipped
    // to the picture).
    bool AllOpaque() const { return AllOpaqueIn({0, 0, width, height}); }
    bool AllOpaqueIn(IntRect area) const;
    // The smallest rectangle inside `area` (clipped to the picture) holding every inked
    // pixel; empty when there is none.
    IntRect InkBounds(IntRect area) const;
    // Memory the map holds, in bytes.
    size_t Bytes() const { return (ink.capacity() + opaque.capacity()) * sizeof(uint64_t); }

private:
    static uint64_t ColumnMask(size_t word, int left, int right);
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    bool Bit(const std::vector<uint64_t>& bits, int x, int y) const {
        return (bits[static_cast<size_t>(y) * words + (x >> 6)] >> (x & 63)) & 1u;
    }

    int width = 0, height = 0;
    size_t words = 0; // 64-bit words per row
    std::vector<uint64_t> ink, opaque;
};
