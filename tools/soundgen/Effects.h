// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound effects of the program, one synthesised mono sound per slot.
#include "Dsp.h"

#include <string>
#include <vector>

namespace effects {

struct Effect {
    std::string path; // file below the staging folder, "/"-separated, UTF-8
    dsp::Buffer samples;
};

// Every effect of the slot table, in table order.
std::vector<Effect> MakeAll();

} // namespace effects
