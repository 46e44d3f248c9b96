// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing generated sound: 16-bit PCM WAV files and MP3 files (LAME).
#include "Dsp.h"

#include <string>

namespace audiofiles {

// Mono 16-bit PCM at 44.1 kHz. Samples are clipped to the 16-bit range.
bool WriteWav(const std::string& path, const dsp::Buffer& mono);
// Stereo MP3 at 44.1 kHz, constant bit rate, without ID3 tags.
bool WriteMp3(const std::string& path, const dsp::Buffer& left, const dsp::Buffer& right,
              int kbps);

} // namespace audiofiles
