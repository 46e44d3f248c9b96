// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start and end of the platform services (video, events, timer, picture decoding), and
// the error message box.
#include <string>

namespace Platform {
bool Initialise();
void Shutdown();
// True when drawing goes to an off-screen surface only (the dummy or offscreen driver).
bool IsHeadless();
// Shows an error message box (not in headless runs) and writes the text to stderr.
void ShowErrorBox(const std::string& text, const std::string& caption);
// The last error the platform reported, for diagnostics.
std::string LastError();
} // namespace Platform
