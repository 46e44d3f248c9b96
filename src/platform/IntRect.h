// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A rectangle of whole pixels; right and bottom are exclusive.

struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const IntRect&) const = default;
};
