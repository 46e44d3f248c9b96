// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text in the bold system font (the speech bubbles): laid out in a rectangle with the
// TextFormat flags of the platform font and drawn in an ARGB colour.
#include "platform/IntRect.h"

#include <cstdint>
#include <string>

class AppState;

// The font in app.font is made for `size` (trunc(size × 46) pixels high) when it is not
// already that size; the sprite transform is reset to identity first.
void DrawSystemText(AppState& app, const std::string& latin1, double size, IntRect rect,
                    uint32_t format, uint32_t argb);
