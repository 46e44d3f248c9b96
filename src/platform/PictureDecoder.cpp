// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PictureDecoder.h"

#include "platform/Texture.h"

#include <SDL.h>
#include <SDL_image.h>
#include <png.h>

#include <csetjmp>
#include <cstring>

namespace {

void FinishRow(uint32_t* row, int width, int y, AlphaMap& alpha) {
    for (int x = 0; x < width; ++x)
        if (row[x] == Texture::ColourKey) row[x] = 0;
    alpha.NoteRow(y, row);
}

struct ByteReader {
    const uint8_t* data;
    size_t size;
    size_t offset = 0;
};

void ReadBytes(png_structp png, png_bytep out, size_t count) {
    auto* reader = static_cast<ByteReader*>(png_get_io_ptr(png));
    if (count > reader->size - reader->offset) png_error(png, "the picture is cut short");
    std::memcpy(out, reader->data + reader->offset, count);
    reader->offset += count;
}

void QuietWarning(png_structp, png_const_charp) {}

// The PNG part keeps to plain data: a damaged picture leaves it by longjmp.
bool DecodePng(const uint8_t* data, size_t size, const PixelTarget& target, AlphaMap& alpha) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, QuietWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    ByteReader reader{data, size};
    // Rows for an interlaced picture, which arrives in several passes.
    png_bytep* volatile rows = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        delete[] rows;
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, ReadBytes);
    // Every chunk's own checksum already guards the compressed bytes; the second checksum
    // over the whole inflated picture would only cost time.
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (!PictureDecoder::SizeAccepted(width, height)) png_error(png, "the picture is too large");
    // Whatever the PNG holds, 8-bit B, G, R, A bytes: ARGB words on this machine.
    const int colourType = png_get_color_type(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if (!(colourType & PNG_COLOR_MASK_ALPHA)) png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 4)
        png_error(png, "unexpected row layout");

    int pitch = 0;
    uint32_t* const pixels = target(static_cast<int>(width), static_cast<int>(height), pitch);
    if (!pixels || pitch < static_cast<int>(width)) png_error(png, "no room for the picture");
    alpha.Reset(static_cast<int>(width), static_cast<int>(height));
    auto rowAt = [&](png_uint_32 y) { return pixels + static_cast<size_t>(y) * pitch; };
    if (passes == 1) {
        for (png_uint_32 y = 0; y < height; ++y) {
            png_read_row(png, reinterpret_cast<png_bytep>(rowAt(y)), nullptr);
            FinishRow(rowAt(y), static_cast<int>(width), static_cast<int>(y), alpha);
        }
    } else {
        rows = new png_bytep[height];
        for (png_uint_32 y = 0; y < height; ++y)
            rows[y] = reinterpret_cast<png_bytep>(rowAt(y));
        png_read_image(png, rows);
        for (png_uint_32 y = 0; y < height; ++y)
            FinishRow(rowAt(y), static_cast<int>(width), static_cast<int>(y), alpha);
    }
    png_read_end(png, nullptr);
    delete[] rows;
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

bool DecodeOther(const void* data, size_t size, const PixelTarget& target, AlphaMap& alpha) {
    if (size > 0x7FFFFFFF) return false;
    SDL_RWops* stream = SDL_RWFromConstMem(data, static_cast<int>(size));
    if (!stream) return false;
    SDL_Surface* decoded = IMG_Load_RW(stream, 1);
    if (!decoded) return false;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(decoded);
    if (!argb) return false;
    bool ok = false;
    int pitch = 0;
    if (PictureDecoder::SizeAccepted(argb->w, argb->h)) {
        if (uint32_t* pixels = target(argb->w, argb->h, pitch); pixels && pitch >= argb->w) {
            alpha.Reset(argb->w, argb->h);
            SDL_LockSurface(argb);
            for (int y = 0; y < argb->h; ++y) {
                uint32_t* row = pixels + static_cast<size_t>(y) * pitch;
                std::memcpy(row, static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch,
                            static_cast<size_t>(argb->w) * 4);
                FinishRow(row, argb->w, y, alpha);
            }
            SDL_UnlockSurface(argb);
            ok = true;
        }
    }
    SDL_FreeSurface(argb);
    return ok;
}

} // namespace

bool PictureDecoder::IsPng(const void* data, size_t size) {
    return data && size >= 8 && png_sig_cmp(static_cast<const uint8_t*>(data), 0, 8) == 0;
}

bool PictureDecoder::PngSize(const void* data, size_t size, int& width, int& height) {
    // The signature, then the header chunk: length, "IHDR", width, height (big-endian).
    if (!IsPng(data, size) || size < 24) return false;
    const auto* bytes = static_cast<const uint8_t*>(data);
    if (std::memcmp(bytes + 12, "IHDR", 4) != 0) return false;
    auto word = [&](size_t at) {
        return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
               (uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
    };
    const uint32_t w = word(16), h = word(20);
    if (!SizeAccepted(w, h)) return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

bool PictureDecoder::Decode(const void* data, size_t size, const PixelTarget& target,
                            AlphaMap& alpha) {
    if (!data || size == 0) return false;
    if (IsPng(data, size)) {
        // The header alone tells the size: too large a picture costs nothing.
        int width = 0, height = 0;
        if (!PngSize(data, size, width, height)) return false;
        return DecodePng(static_cast<const uint8_t*>(data), size, target, alpha);
    }
    return DecodeOther(data, size, target, alpha);
}
