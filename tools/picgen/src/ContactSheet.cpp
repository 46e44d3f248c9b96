// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactSheet.h"

#include "Canvas.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool IsPng(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return ext == ".png";
}

void Checker(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (double yy = y; yy < y + h; yy += 8) {
        for (double xx = x; xx < x + w; xx += 8) {
            bool dark = (static_cast<int>((xx - x) / 8) + static_cast<int>((yy - y) / 8)) % 2;
            cairo_rectangle(cr, xx, yy, 8, 8);
            cairo_set_source_rgb(cr, dark ? 0.36 : 0.42, dark ? 0.36 : 0.42, dark ? 0.38 : 0.44);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

} // namespace

bool DrawContactSheet(const std::string& stageDir, const std::string& outFile) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(stageDir, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_regular_file() && IsPng(it->path())) {
            files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    // Game previews are many and alike: the sheet shows the first twelve of them.
    std::vector<fs::path> shown;
    int previews = 0;
    for (const fs::path& f : files) {
        if (f.filename() == "vorschau.png" && ++previews > 12) {
            continue;
        }
        shown.push_back(f);
    }
    const int columns = 8, box = 220, label = 34, gap = 14;
    int rows = (static_cast<int>(shown.size()) + columns - 1) / columns;
    Canvas sheet(columns * (box + gap) + gap, rows * (box + label + gap) + gap + 50);
    cairo_t* cr = sheet.cr();
    cairo_set_source_rgb(cr, 0.16, 0.17, 0.19);
    cairo_paint(cr);
    draw::Text(cr,
               "Kartenhaus \u2014 generated pictures (" + std::to_string(files.size()) + " files)",
               24, gap, 12, Hex(0xF0E6CF));
    for (size_t i = 0; i < shown.size(); ++i) {
        int col = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
        double x = gap + col * (box + gap), y = 50 + gap + row * (box + label + gap);
        cairo_surface_t* img = cairo_image_surface_create_from_png(shown[i].c_str());
        if (cairo_surface_status(img) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(img);
            continue;
        }
        int w = cairo_image_surface_get_width(img), h = cairo_image_surface_get_height(img);
        double k = std::min({1.0, box / static_cast<double>(w), box / static_cast<double>(h)});
        double dw = w * k, dh = h * k;
        double dx = x + (box - dw) / 2, dy = y + (box - dh) / 2;
        Checker(cr, dx, dy, dw, dh);
        draw::Blit(cr, img, 0, 0, w, h, dx, dy, dw, dh);
        cairo_surface_destroy(img);
        std::string rel = fs::relative(shown[i], stageDir, ec).string();
        draw::Text(cr, rel, 10, x + box / 2.0, y + box + 3, Hex(0xE0E0E0), Align::Center, false);
        draw::Text(cr, std::to_string(w) + " \u00d7 " + std::to_string(h), 10, x + box / 2.0,
                   y + box + 17, Hex(0xA0A4AA), Align::Center, false);
    }
    return sheet.SavePng(outFile);
}
