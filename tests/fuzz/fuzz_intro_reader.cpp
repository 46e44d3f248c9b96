// SPDX-License-Identifier: GPL-3.0-or-later
// The intro reader over any bytes: it opens them or refuses them, and every
// step keeps its promises: pictures of the size it announced, whose planes
// can be read end to end, sound in whole samples and bounded steps, and an
// end after a bounded number of steps.
#include "FuzzSupport.h"
#include "platform/IntroReader.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IntroReader reader;
    if (!reader.OpenMemory(data, size)) return 0;
    const int width = reader.Width(), height = reader.Height();
    FUZZ_CHECK(width > 0 && height > 0 && width <= IntroReader::kMaxSide &&
                   height <= IntroReader::kMaxSide,
               "an accepted video has a size within the limits");
    const size_t sampleBytes = static_cast<size_t>(reader.Channels()) * 2;
    IntroReader::Picture picture;
    std::vector<uint8_t> sound;
    double lastDue = 0.0;
    // Each step reads at least one packet or ends; a 16 KB input holds far
    // fewer packets than this.
    for (int steps = 0;; ++steps) {
        FUZZ_CHECK(steps < 100000, "the reader comes to an end");
        sound.clear();
        const IntroReader::Step step = reader.Next(picture, sound);
        FUZZ_CHECK(sound.size() <= IntroReader::kMaxSoundBytesPerStep, "sound within its bound");
        FUZZ_CHECK(sound.empty() || (sampleBytes > 0 && sound.size() % sampleBytes == 0),
                   "sound in whole samples of the announced format");
        if (step == IntroReader::Step::end) break;
        if (step != IntroReader::Step::picture) continue;
        FUZZ_CHECK(picture.due >= 0.0 && picture.due <= IntroReader::kMaxSeconds,
                   "a picture is due within the intro's length");
        FUZZ_CHECK(picture.due <= lastDue + IntroReader::kMaxFrameGap + 1e-9,
                   "no picture is due far after the one before");
        lastDue = std::max(lastDue, picture.due);
        // Touch every byte the player would hand on, so the sanitizer sees a
        // plane that is smaller than announced.
        unsigned sum = 0;
        for (int plane = 0; plane < 3; ++plane) {
            const int rows = plane == 0 ? height : (height + 1) / 2;
            const int columns = plane == 0 ? width : (width + 1) / 2;
            FUZZ_CHECK(picture.planes[plane] && picture.pitches[plane] >= columns,
                       "every plane is as wide as the picture");
            for (int y = 0; y < rows; ++y)
                for (int x = 0; x < columns; ++x)
                    sum += picture.planes[plane][static_cast<size_t>(y) * picture.pitches[plane] + x];
        }
        if (sum == 0xFFFFFFFFu) std::abort(); // keeps the reads
    }
    return 0;
}
