// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding pictures straight into ARGB rows: every PNG layout gives the pixels the image
// library's own decoding gives, the colour key turns transparent, and damaged bytes fail.
#include "platform/PictureDecoder.h"
#include "PngBytes.h"
#include "platform/Texture.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Decoded {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    AlphaMap alpha;
    bool ok = false;
};

Decoded Decode(const std::string& bytes) {
    Decoded d;
    d.ok = PictureDecoder::Decode(
        bytes.data(), bytes.size(),
        [&](int w, int h, int& pitch) {
            d.width = w;
            d.height = h;
            pitch = w + 3; // rows need not lie back to back
            d.pixels.assign(static_cast<size_t>(pitch) * h, 0xDEADBEEF);
            return d.pixels.data();
        },
        d.alpha);
    return d;
}

uint32_t At(const Decoded& d, int x, int y) {
    return d.pixels[static_cast<size_t>(y) * (d.width + 3) + x];
}

// The image library's reading of the same bytes, converted to ARGB, colour key cleared: how
// pictures were read before they were decoded directly.
std::vector<uint32_t> Reference(const std::string& bytes, int& w, int& h) {
    SDL_Surface* loaded = IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
    if (!loaded) return {};
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    w = argb->w;
    h = argb->h;
    std::vector<uint32_t> out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t p = static_cast<uint32_t*>(argb->pixels)[y * argb->pitch / 4 + x];
            out.push_back(p == Texture::ColourKey ? 0 : p);
        }
    SDL_FreeSurface(argb);
    return out;
}

// A PNG of any layout the format allows, written with the PNG library itself.
struct PngLayout {
    int colourType;
    int bitDepth;
    bool interlaced;
    bool transparentEntry; // a tRNS chunk
};

std::string WritePng(const PngLayout& layout, int w, int h) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, size_t n) {
            static_cast<std::string*>(png_get_io_ptr(p))->append(reinterpret_cast<char*>(data), n);
        },
        nullptr);
    png_set_IHDR(png, info, w, h, layout.bitDepth, layout.colourType,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    int channels = 1;
    if (layout.colourType == PNG_COLOR_TYPE_RGB) channels = 3;
    if (layout.colourType == PNG_COLOR_TYPE_RGBA) channels = 4;
    if (layout.colourType == PNG_COLOR_TYPE_GRAY_ALPHA) channels = 2;
    if (layout.colourType == PNG_COLOR_TYPE_PALETTE) {
        png_color palette[16];
        for (int i = 0; i < 16; ++i)
            palette[i] = {static_cast<png_byte>(i * 16), static_cast<png_byte>(255 - i * 8),
                          static_cast<png_byte>(i * 5)};
        palette[3] = {0xFF, 0x00, 0xFF}; // one entry is the colour key (red 255, green 0)
        palette[3].blue = 0x64;
        png_set_PLTE(png, info, palette, 16);
        if (layout.transparentEntry) {
            png_byte alphas[3] = {0, 128, 255};
            png_set_tRNS(png, info, alphas, 3, nullptr);
        }
    } else if (layout.transparentEntry) {
        png_color_16 key{};
        key.gray = 7;
        key.red = 7;
        key.green = 7;
        key.blue = 7;
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    png_write_info(png, info);
    const int bytesPerSample = layout.bitDepth == 16 ? 2 : 1;
    std::vector<std::vector<png_byte>> rows(h, std::vector<png_byte>(w * channels * 2 + 8));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < channels; ++c) {
                int value = (x * 37 + y * 11 + c * 71) & 0xFF;
                if (layout.colourType == PNG_COLOR_TYPE_PALETTE)
                    value = (x + y) & 15;
                else if (x == 1 && y == 0)
                    value = 7; // the tRNS grey/colour
                if (bytesPerSample == 2) {
                    rows[y][(x * channels + c) * 2] = static_cast<png_byte>(value);
                    rows[y][(x * channels + c) * 2 + 1] = static_cast<png_byte>(value ^ 0x5A);
                } else if (layout.bitDepth == 8 || layout.colourType != PNG_COLOR_TYPE_PALETTE) {
                    rows[y][x * channels + c] = static_cast<png_byte>(value);
                } else { // four-bit palette indices, two to a byte
                    rows[y][x / 2] |= static_cast<png_byte>(value << (x % 2 ? 0 : 4));
                }
            }
    std::vector<png_bytep> pointers;
    for (auto& row : rows)
        pointers.push_back(row.data());
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

TEST(PictureDecoder, EveryPngLayoutGivesTheImageLibrarysPixels) {
    const std::vector<PngLayout> layouts = {
        {PNG_COLOR_TYPE_RGBA, 8, false, false},      {PNG_COLOR_TYPE_RGBA, 8, true, false},
        {PNG_COLOR_TYPE_RGB, 8, false, false},       {PNG_COLOR_TYPE_RGB, 8, false, true},
        {PNG_COLOR_TYPE_RGBA, 16, false, false},     {PNG_COLOR_TYPE_GRAY, 8, false, false},
        {PNG_COLOR_TYPE_GRAY_ALPHA, 8, true, false}, {PNG_COLOR_TYPE_PALETTE, 8, false, false},
        {PNG_COLOR_TYPE_PALETTE, 8, false, true},    {PNG_COLOR_TYPE_PALETTE, 4, false, true},
    };
    for (const PngLayout& layout : layouts) {
        SCOPED_TRACE(testing::Message()
                     << "colour type " << layout.colourType << ", " << layout.bitDepth << " bit"
                     << (layout.interlaced ? ", interlaced" : "")
                     << (layout.transparentEntry ? ", tRNS" : ""));
        const std::string bytes = WritePng(layout, 21, 9);
        const Decoded d = Decode(bytes);
        ASSERT_TRUE(d.ok);
        int w = 0, h = 0;
        const std::vector<uint32_t> expected = Reference(bytes, w, h);
        ASSERT_EQ(d.width, w);
        ASSERT_EQ(d.height, h);
        int differing = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                differing += At(d, x, y) != expected[static_cast<size_t>(y) * w + x];
        EXPECT_EQ(differing, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const uint32_t alpha = At(d, x, y) >> 24;
                EXPECT_EQ(d.alpha.InkAt(x, y), alpha != 0);
                EXPECT_EQ(d.alpha.OpaqueAt(x, y), alpha == 0xFF);
            }
        EXPECT_EQ(d.pixels[w], 0xDEADBEEFu); // the gap between rows is left alone
    }
}

TEST(PictureDecoder, TheColourKeyBecomesTransparentBlackInEveryFormat) {
    auto colour = [](int x, int) { return x == 0 ? Texture::ColourKey : 0xFF102030u; };
    const Decoded png = Decode(MakePng(3, 2, colour));
    ASSERT_TRUE(png.ok);
    EXPECT_EQ(At(png, 0, 1), 0u);
    EXPECT_EQ(At(png, 1, 1), 0xFF102030u);
    EXPECT_FALSE(png.alpha.InkAt(0, 0));
    EXPECT_EQ(png.alpha.InkBounds({0, 0, 3, 2}), (IntRect{1, 0, 3, 2}));

    // A BMP goes through the image library.
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 3, 2, 32, SDL_PIXELFORMAT_ARGB8888);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            static_cast<uint32_t*>(s->pixels)[y * s->pitch / 4 + x] = colour(x, y);
    std::string bmp(4096, '\0');
    SDL_RWops* out = SDL_RWFromMem(bmp.data(), static_cast<int>(bmp.size()));
    ASSERT_EQ(SDL_SaveBMP_RW(s, out, 0), 0);
    bmp.resize(static_cast<size_t>(SDL_RWtell(out)));
    SDL_RWclose(out);
    SDL_FreeSurface(s);
    const Decoded other = Decode(bmp);
    ASSERT_TRUE(other.ok);
    EXPECT_EQ(At(other, 0, 0), 0u);
    EXPECT_EQ(At(other, 2, 1), 0xFF102030u);
    EXPECT_TRUE(other.alpha.OpaqueAt(2, 1));
}

TEST(PictureDecoder, DamagedOrCutBytesAndARefusingTargetFail) {
    const std::string good = MakePng(40, 30, [](int x, int y) { return 0xFF000000u | (x * y); });
    ASSERT_TRUE(Decode(good).ok);
    for (size_t cut : {size_t{7}, size_t{8}, size_t{40}, good.size() / 2, good.size() - 13})
        EXPECT_FALSE(Decode(good.substr(0, cut)).ok) << "cut at " << cut;
    // A flipped bit in the picture data is noticed by the checksums.
    const size_t data = good.find("IDAT");
    ASSERT_NE(data, std::string::npos);
    std::string flipped = good;
    flipped[data + 10] ^= 0x10;
    EXPECT_FALSE(Decode(flipped).ok);
    EXPECT_FALSE(Decode("").ok);
    AlphaMap unused;
    EXPECT_FALSE(PictureDecoder::Decode(nullptr, 10, nullptr, unused));

    AlphaMap alpha;
    bool asked = false;
    EXPECT_FALSE(PictureDecoder::Decode(
        good.data(), good.size(),
        [&](int, int, int&) -> uint32_t* {
            asked = true;
            return nullptr;
        },
        alpha));
    EXPECT_TRUE(asked);
    uint32_t tooNarrow[40 * 30];
    EXPECT_FALSE(PictureDecoder::Decode(
        good.data(), good.size(),
        [&](int, int, int& pitch) {
            pitch = 39;
            return tooNarrow;
        },
        alpha));
}

TEST(PictureDecoder, AHeaderClaimingAHugePictureIsRefusedBeforeAnyRoomIsAsked) {
    std::string bytes = MakePng(4, 4, [](int, int) { return 0xFFFFFFFFu; });
    // IHDR's width sits 16 bytes in; make it 100000 (the chunk's checksum no longer fits).
    const uint32_t width = 100000;
    for (int i = 0; i < 4; ++i)
        bytes[16 + i] = static_cast<char>(width >> (24 - 8 * i));
    bool asked = false;
    AlphaMap alpha;
    EXPECT_FALSE(PictureDecoder::Decode(
        bytes.data(), bytes.size(),
        [&](int, int, int&) -> uint32_t* {
            asked = true;
            return nullptr;
        },
        alpha));
    EXPECT_FALSE(asked);
}

std::string BlankPng(int width, int height) {
    return MakePng(width, height, [](int, int) { return 0xFF204060u; });
}

// A small PNG whose header claims another size, with the header's checksum
// made right again: a picture of few bytes and many pixels.
std::string PngClaiming(uint32_t width, uint32_t height) {
    std::string bytes = BlankPng(4, 4);
    for (int i = 0; i < 4; ++i) {
        bytes[16 + i] = static_cast<char>(width >> (24 - 8 * i));
        bytes[20 + i] = static_cast<char>(height >> (24 - 8 * i));
    }
    uint32_t crc = 0xFFFFFFFFu; // over the chunk type and data: bytes 12 … 28
    for (size_t i = 12; i < 29; ++i) {
        crc ^= static_cast<uint8_t>(bytes[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    crc ^= 0xFFFFFFFFu;
    for (int i = 0; i < 4; ++i)
        bytes[29 + i] = static_cast<char>(crc >> (24 - 8 * i));
    return bytes;
}

TEST(PictureDecoder, PicturesLargerThanAnySheetNeedsAreRefusedBeforeDecoding) {
    EXPECT_TRUE(PictureDecoder::SizeAccepted(1056, 3840)); // a card set of 15 rows
    EXPECT_TRUE(PictureDecoder::SizeAccepted(PictureDecoder::MaxSide, 16));
    EXPECT_FALSE(PictureDecoder::SizeAccepted(PictureDecoder::MaxSide + 1, 16));
    EXPECT_FALSE(PictureDecoder::SizeAccepted(4097, 4096)); // beyond the pixel budget
    EXPECT_FALSE(PictureDecoder::SizeAccepted(0, 16));

    AlphaMap alpha;
    // Few bytes, many pixels: refused without asking for room, so nothing is allocated.
    for (auto [width, height] : {std::pair{16384u, 16384u}, std::pair{4100u, 4100u}}) {
        const std::string bytes = PngClaiming(width, height);
        int w = 0, h = 0;
        EXPECT_FALSE(PictureDecoder::PngSize(bytes.data(), bytes.size(), w, h)) << width;
        bool asked = false;
        EXPECT_FALSE(PictureDecoder::Decode(
            bytes.data(), bytes.size(),
            [&](int, int, int&) -> uint32_t* {
                asked = true;
                return nullptr;
            },
            alpha))
            << width;
        EXPECT_FALSE(asked) << width;
    }
    // The same trick within the limits gets as far as asking for room.
    const std::string small = PngClaiming(64, 64);
    bool asked = false;
    PictureDecoder::Decode(
        small.data(), small.size(),
        [&](int, int, int&) -> uint32_t* {
            asked = true;
            return nullptr;
        },
        alpha);
    EXPECT_TRUE(asked);
    // A long strip within both limits still decodes.
    const std::string strip = BlankPng(PictureDecoder::MaxSide, 2);
    std::vector<uint32_t> pixels;
    EXPECT_TRUE(PictureDecoder::Decode(
        strip.data(), strip.size(),
        [&](int width, int height, int& pitch) {
            pixels.resize(static_cast<size_t>(width) * height);
            pitch = width;
            return pixels.data();
        },
        alpha));
    EXPECT_EQ(pixels[PictureDecoder::MaxSide + 5], 0xFF204060u);
}

} // namespace
