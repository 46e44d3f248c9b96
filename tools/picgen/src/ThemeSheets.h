// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The animated backgrounds' and chatter characters' sheets (texture slots 12–44). Until the
// themes are drawn properly these are placeholders of the exact sizes and frame grids.
#include "Canvas.h"

#include <string>
#include <vector>

struct FrameSheet {
    std::string member; // in base.gob
    int frameWidth, frameHeight, perRow, count;
    int width, height; // sheet size
};

std::vector<FrameSheet> ThemeSheetList();
void DrawThemeSheet(Canvas& canvas, const FrameSheet& sheet);
