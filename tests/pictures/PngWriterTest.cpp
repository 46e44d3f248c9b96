// SPDX-License-Identifier: GPL-3.0-or-later
// The generator's PNG writer (fast-to-unpack settings) against cairo's own writer: the
// same pixels for every premultiplied value, the same colour type, a clean failure.
#include "PngWriter.h"
#include "PictureFiles.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <fstream>

namespace fs = std::filesystem;

namespace {

fs::path TempFile(const std::string& name) {
    return fs::temp_directory_path() / ("kh_pngwriter_" + std::to_string(getpid()) + name);
}

// Writes `image` both ways; answers how many decoded pixels differ (-1: a size differs).
long DifferingPixels(cairo_surface_t* image, bool& sameColourType) {
    const fs::path theirs = TempFile("_cairo.png"), ours = TempFile("_ours.png");
    EXPECT_EQ(cairo_surface_write_to_png(image, theirs.c_str()), CAIRO_STATUS_SUCCESS);
    EXPECT_TRUE(WritePng(image, ours.string()));
    const Pixels a = LoadPixels(theirs), b = LoadPixels(ours);
    // Byte 25 of a PNG is its colour type.
    auto colourType = [](const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        in.seekg(25);
        return in.get();
    };
    sameColourType = colourType(theirs) == colourType(ours);
    fs::remove(theirs);
    fs::remove(ours);
    if (!a.Loaded() || a.width != b.width || a.height != b.height) return -1;
    long differing = 0;
    for (size_t i = 0; i < a.argb.size(); ++i)
        differing += a.argb[i] != b.argb[i];
    return differing;
}

TEST(PngWriter, EveryPremultipliedValueComesOutAsCairoWritesIt) {
    // Column: alpha 0 … 255; row: the premultiplied value (up to the alpha) in one channel,
    // another value in a second channel.
    for (int channel = 0; channel < 3; ++channel) {
        cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 256, 256);
        unsigned char* data = cairo_image_surface_get_data(image);
        const int stride = cairo_image_surface_get_stride(image);
        for (uint32_t y = 0; y < 256; ++y)
            for (uint32_t a = 0; a < 256; ++a) {
                const uint32_t value = y <= a ? y : 0, other = (y * 7) % (a + 1);
                const uint32_t pixel =
                    (a << 24) | (value << (16 - 8 * channel)) | (other << (channel == 0 ? 8 : 16));
                std::memcpy(data + y * stride + 4 * a, &pixel, 4);
            }
        cairo_surface_mark_dirty(image);
        bool sameType = false;
        EXPECT_EQ(DifferingPixels(image, sameType), 0) << "channel " << channel;
        EXPECT_TRUE(sameType);
        cairo_surface_destroy(image);
    }
}

TEST(PngWriter, OpaquePicturesAndOtherFormatsMatchToo) {
    cairo_surface_t* opaque = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 37, 11);
    cairo_t* cr = cairo_create(opaque);
    cairo_set_source_rgb(cr, 0.3, 0.6, 0.9);
    cairo_paint(cr);
    cairo_destroy(cr);
    bool sameType = false;
    EXPECT_EQ(DifferingPixels(opaque, sameType), 0);
    EXPECT_TRUE(sameType); // written without alpha, as cairo does
    cairo_surface_destroy(opaque);

    cairo_surface_t* rgb = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 9, 5);
    cr = cairo_create(rgb);
    cairo_set_source_rgb(cr, 0.1, 0.2, 0.3);
    cairo_paint(cr);
    cairo_destroy(cr);
    EXPECT_EQ(DifferingPixels(rgb, sameType), 0);
    cairo_surface_destroy(rgb);
}

TEST(PngWriter, AFolderThatCannotBeWrittenFailsWithoutAFile) {
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 4);
    const fs::path nowhere = TempFile("_missing") / "sub" / "x.png";
    EXPECT_FALSE(WritePng(image, nowhere.string()));
    EXPECT_FALSE(fs::exists(nowhere));
    cairo_surface_destroy(image);
}

} // namespace
