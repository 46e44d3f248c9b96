// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameStrip.h"

#include "Canvas.h"

bool DrawFrameStrip(const std::string& out, double scale, double x, double y, double w, double h,
                    const std::vector<std::string>& inputs) {
    const double gap = 6;
    const int count = static_cast<int>(inputs.size());
    Canvas strip(static_cast<int>(count * (w * scale + gap) + gap),
                 static_cast<int>(h * scale + 2 * gap));
    cairo_set_source_rgb(strip.cr(), 0.16, 0.16, 0.18);
    cairo_paint(strip.cr());
    for (int i = 0; i < count; ++i) {
        cairo_surface_t* src = cairo_image_surface_create_from_png(inputs[i].c_str());
        if (cairo_surface_status(src) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(src);
            return false;
        }
        draw::Blit(strip.cr(), src, x, y, w, h, gap + i * (w * scale + gap), gap, w * scale,
                   h * scale);
        cairo_surface_destroy(src);
    }
    return strip.SavePng(out);
}
