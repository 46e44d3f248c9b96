// SPDX-License-Identifier: GPL-3.0-or-later
// The tests never read or write the player's settings file.
#include "app/AppState.h"

namespace {
[[maybe_unused]] const bool settingsOff = (AppState::useFiles = false, true);
}
