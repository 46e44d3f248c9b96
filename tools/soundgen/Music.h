// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The music tracks: the menu piece and three jungle and three western pieces,
// each longer than a minute and seamless when played again from the start.
#include "Dsp.h"

#include <string>
#include <vector>

namespace music {

struct Track {
    dsp::Buffer left, right;
};

// The names of every track ("musik_menu", "jungle1" … "western3").
std::vector<std::string> TrackNames();
// Renders one track; empty buffers for an unknown name.
Track Render(const std::string& name);
// A short tone (a quarter of a second) used by the program's tests.
Track TestTone();

} // namespace music
