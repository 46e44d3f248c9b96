// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Development aid: the same rectangle cut from several screenshots, side by side, to show
// an animation frame by frame.
#include <string>
#include <vector>

bool DrawFrameStrip(const std::string& out, double scale, double x, double y, double w, double h,
                    const std::vector<std::string>& inputs);
