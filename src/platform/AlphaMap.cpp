// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AlphaMap.h"

#include <algorithm>
#include <bit>

void AlphaMap::Reset(int w, int h) {
    width = std::max(w, 0);
    height = std::max(h, 0);
    words = (static_cast<size_t>(width) + 63) / 64;
    ink.assign(words * height, 0);
    opaque.assign(words * height, 0);
}

void AlphaMap::NoteRow(int y, const uint32_t* row) {
    if (y < 0 || y >= height) return;
    uint64_t* inkRow = ink.data() + static_cast<size_t>(y) * words;
    uint64_t* opaqueRow = opaque.data() + static_cast<size_t>(y) * words;
    for (size_t word = 0; word < words; ++word) {
        const uint32_t* pixels = row + word * 64;
        const int count = std::min(64, width - static_cast<int>(word * 64));
        const uint64_t full = count == 64 ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
        // Most runs of pixels are wholly opaque or wholly clear: settled without bit work.
        uint32_t all = ~0u, any = 0;
        for (int i = 0; i < count; ++i) {
            all &= pixels[i];
            any |= pixels[i];
        }
        if ((all >> 24) == 0xFF || (any >> 24) == 0) {
            inkRow[word] = (any >> 24) ? full : 0;
            opaqueRow[word] = (all >> 24) == 0xFF ? full : 0;
            continue;
        }
        uint64_t inked = 0, solid = 0;
        for (int i = 0; i < count; ++i) {
            const uint32_t alpha = pixels[i] >> 24;
            inked |= static_cast<uint64_t>(alpha != 0) << i;
            solid |= static_cast<uint64_t>(alpha == 0xFF) << i;
        }
        inkRow[word] = inked;
        opaqueRow[word] = solid;
    }
}

void AlphaMap::Fill(uint8_t alpha) {
    // Bits past the right edge stay clear, as NoteRow leaves them.
    std::vector<uint32_t> row(static_cast<size_t>(width), static_cast<uint32_t>(alpha) << 24);
    for (int y = 0; y < height; ++y)
        NoteRow(y, row.data());
}

uint64_t AlphaMap::ColumnMask(size_t word, int left, int right) {
    // The columns [left, right) that fall into one 64-bit word of a row.
    const int first = static_cast<int>(word * 64);
    const int from = std::max(left - first, 0), to = std::min(right - first, 64);
    if (from >= to) return 0;
    const uint64_t upTo = to == 64 ? ~uint64_t{0} : (uint64_t{1} << to) - 1;
    return upTo & (~uint64_t{0} << from);
}

bool AlphaMap::AllOpaqueIn(IntRect area) const {
    const int left = std::max(area.left, 0), top = std::max(area.top, 0);
    const int right = std::min(area.right, width), bottom = std::min(area.bottom, height);
    if (left >= right || top >= bottom) return true;
    const size_t firstWord = static_cast<size_t>(left) / 64;
    const size_t lastWord = static_cast<size_t>(right - 1) / 64;
    for (int y = top; y < bottom; ++y) {
        const uint64_t* row = opaque.data() + static_cast<size_t>(y) * words;
        for (size_t word = firstWord; word <= lastWord; ++word) {
            const uint64_t mask = ColumnMask(word, left, right);
            if ((row[word] & mask) != mask) return false;
        }
    }
    return true;
}

IntRect AlphaMap::InkBounds(IntRect area) const {
    const int left = std::max(area.left, 0), top = std::max(area.top, 0);
    const int right = std::min(area.right, width), bottom = std::min(area.bottom, height);
    if (left >= right || top >= bottom) return {};
    const size_t firstWord = static_cast<size_t>(left) / 64;
    const size_t lastWord = static_cast<size_t>(right - 1) / 64;
    auto mask = [&](size_t word) { return ColumnMask(word, left, right); };
    IntRect found{right, bottom, left, top};
    for (int y = top; y < bottom; ++y) {
        const uint64_t* row = ink.data() + static_cast<size_t>(y) * words;
        int rowLeft = -1, rowRight = -1;
        for (size_t word = firstWord; word <= lastWord; ++word)
            if (const uint64_t bits = row[word] & mask(word)) {
                rowLeft = static_cast<int>(word * 64) + std::countr_zero(bits);
                break;
            }
        if (rowLeft < 0) continue;
        for (size_t word = lastWord + 1; word-- > firstWord;)
            if (const uint64_t bits = row[word] & mask(word)) {
                rowRight = static_cast<int>(word * 64) + 64 - std::countl_zero(bits);
                break;
            }
        found = {std::min(found.left, rowLeft), std::min(found.top, y),
                 std::max(found.right, rowRight), std::max(found.bottom, y + 1)};
    }
    if (found.left >= found.right || found.top >= found.bottom) return {};
    return found;
}
