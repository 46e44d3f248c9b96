// SPDX-License-Identifier: GPL-3.0-or-later
// WAV members: any bytes parse or are refused; a parsed sound's chunks lay
// inside the input, and the sound written back parses to the same sound.
#include "FuzzSupport.h"
#include "media/WavMember.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<WavMember> sound = WavMember::Parse({data, size});
    if (!sound) return 0;
    FUZZ_CHECK(sound->data.size() + sound->format.extra.size() + 16 <= size,
               "more bytes than the input holds");
    std::vector<uint8_t> riff = sound->ToRiff();
    std::optional<WavMember> again = WavMember::Parse(riff);
    FUZZ_CHECK(again.has_value(), "a written sound does not parse");
    FUZZ_CHECK(again->data == sound->data, "the samples changed");
    const WavFormat& a = sound->format;
    const WavFormat& b = again->format;
    FUZZ_CHECK(a.formatTag == b.formatTag && a.channels == b.channels &&
                   a.samplesPerSecond == b.samplesPerSecond &&
                   a.averageBytesPerSecond == b.averageBytesPerSecond &&
                   a.blockAlign == b.blockAlign && a.bitsPerSample == b.bitsPerSample &&
                   a.extra == b.extra,
               "the format changed");
    return 0;
}
