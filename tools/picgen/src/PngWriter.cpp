// SPDX-License-Identifier: GPL-3.0-or-later
#include "PngWriter.h"

#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int deflateLevel = 3;

uint32_t PixelAt(const unsigned char* row, int x) {
    uint32_t pixel;
    std::memcpy(&pixel, row + 4 * x, sizeof pixel);
    return pixel;
}

bool AllOpaque(const unsigned char* data, int stride, int width, int height) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((PixelAt(data + static_cast<size_t>(y) * stride, x) >> 24) != 0xFF) return false;
    return true;
}

// Premultiplied ARGB words to straight R, G, B (and A) bytes, rounded as cairo rounds.
void UnpremultiplyRow(const unsigned char* source, int width, bool withAlpha, png_byte* out) {
    for (int x = 0; x < width; ++x) {
        const uint32_t pixel = PixelAt(source, x);
        const uint32_t alpha = pixel >> 24;
        uint32_t r = 0, g = 0, b = 0;
        if (alpha == 0xFF) {
            r = (pixel >> 16) & 0xFF;
            g = (pixel >> 8) & 0xFF;
            b = pixel & 0xFF;
        } else if (alpha != 0) {
            r = (((pixel >> 16) & 0xFF) * 255 + alpha / 2) / alpha;
            g = (((pixel >> 8) & 0xFF) * 255 + alpha / 2) / alpha;
            b = ((pixel & 0xFF) * 255 + alpha / 2) / alpha;
        }
        *out++ = static_cast<png_byte>(r);
        *out++ = static_cast<png_byte>(g);
        *out++ = static_cast<png_byte>(b);
        if (withAlpha) *out++ = static_cast<png_byte>(alpha);
    }
}

// The libpng part keeps to plain data: an error leaves it by longjmp.
bool WriteRows(std::FILE* file, const unsigned char* data, int stride, int width, int height,
               bool withAlpha) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    png_byte* volatile row = nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        delete[] row;
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8,
                 withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, deflateLevel);
    png_write_info(png, info);
    row = new png_byte[static_cast<size_t>(width) * 4];
    for (int y = 0; y < height; ++y) {
        UnpremultiplyRow(data + static_cast<size_t>(y) * stride, width, withAlpha, row);
        png_write_row(png, row);
    }
    png_write_end(png, info);
    delete[] row;
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool WritePng(cairo_surface_t* image, const std::string& path) {
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_get_type(image) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(image) != CAIRO_FORMAT_ARGB32)
        return cairo_surface_write_to_png(image, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_flush(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    const int width = cairo_image_surface_get_width(image);
    const int height = cairo_image_surface_get_height(image);
    const int stride = cairo_image_surface_get_stride(image);
    if (!data || width <= 0 || height <= 0) return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written =
        WriteRows(file, data, stride, width, height, !AllOpaque(data, stride, width, height));
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) std::remove(path.c_str());
    return written && closed;
}
