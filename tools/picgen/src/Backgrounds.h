// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Canvas.h"

#include <string>
#include <vector>

// One table background of Background.typ.
struct BackgroundInfo {
    std::string member;
    std::string catalogName;
    int width, height;
    bool tiled;
};

std::vector<BackgroundInfo> BackgroundList();
// Draws the background of the given list index onto a canvas of its size.
void DrawBackground(Canvas& canvas, size_t index);
