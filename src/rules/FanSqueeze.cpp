// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/FanSqueeze.h"

Vec2 SqueezedOffset(Vec2 offset, Vec2 base, int n, Vec2 cardSize, Vec2 screen,
                    const TableMargins& margins) {
    Vec2 result = offset;
    if (n < 2) return result;
    const float gaps = static_cast<float>(n - 1);
    const Vec2 end = base + gaps * offset;
    if (offset.x != 0.0f) {
        const float right = screen.x - margins.right;
        if (right < end.x + cardSize.x) result.x = (right - cardSize.x - base.x) / gaps;
        if (end.x < margins.left) result.x = (margins.left - base.x) / gaps;
    }
    if (offset.y != 0.0f) {
        const float bottom = screen.y - margins.bottom;
        if (bottom < end.y + cardSize.y) result.y = (bottom - cardSize.y - base.y) / gaps;
        if (end.y < margins.top) result.y = (margins.top - base.y) / gaps;
    }
    return result;
}
