// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The intro video: a short title animation (a house of cards building itself
// up, then the title) with a little chime, written as an AVI file.
#include <string>

namespace intro {

bool Write(const std::string& path);
// One frame of the animation as a PNG picture, to look at it.
bool WriteStill(const std::string& path, double t);

} // namespace intro
