// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns picture bytes into ARGB rows: PNG straight from the PNG library (one pass, no
// intermediate picture), any other format the image library knows through it. Pixels of
// exactly Texture::ColourKey become transparent black, and the alpha of every row is noted
// in an AlphaMap while the row is still in the cache.
#include "platform/AlphaMap.h"

#include <cstddef>
#include <cstdint>
#include <functional>

// PNG bytes are decoded by the PNG library, which may run on several threads at once; other
// formats go through the image library, on the drawing thread only.

// Where the rows go: asked once, when the size is known, for the first row and the distance
// between rows (in pixels, at least `width`). Answers null to give up.
using PixelTarget = std::function<uint32_t*(int width, int height, int& pitch)>;

namespace PictureDecoder {
// The largest picture accepted: per side, and in pixels. Every sheet the program
// draws from fits with room to spare (a card set of 15 rows of 256-pixel cards is
// 3840 high; the 1024 × 768 screen needs no larger background), and a picture
// at the limit takes 64 MB decoded. Larger pictures are refused before decoding.
constexpr int MaxSide = 8192;
constexpr int64_t MaxPixels = int64_t{4096} * 4096;
// Whether a picture of that size is accepted.
inline bool SizeAccepted(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide &&
           width * height <= MaxPixels;
}
// False when the bytes are no picture, are damaged or cut short, or the target gave up.
bool Decode(const void* data, size_t size, const PixelTarget& target, AlphaMap& alpha);
bool IsPng(const void* data, size_t size);
// The size a PNG's header gives, without decoding; false when it is no PNG or too large.
bool PngSize(const void* data, size_t size, int& width, int& height);
} // namespace PictureDecoder
