// SPDX-License-Identifier: GPL-3.0-or-later
#include "Canvas.h"

#include "PngWriter.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

Rgba Hex(uint32_t rgb, double alpha) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

Rgba Mix(Rgba a, Rgba b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Rgba Lighter(Rgba c, double t) {
    Rgba white{1, 1, 1, c.a};
    return Mix(c, white, t);
}

Rgba Darker(Rgba c, double t) {
    Rgba black{0, 0, 0, c.a};
    return Mix(c, black, t);
}

Canvas::Canvas(int w, int h)
    : width(w), height(h), target(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)),
      context(cairo_create(target)) {
    cairo_set_antialias(context, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas() {
    cairo_destroy(context);
    cairo_surface_destroy(target);
}

bool Canvas::SavePng(const std::string& path) const {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    return WritePng(target, path);
}

namespace draw {

void SetColor(cairo_t* cr, Rgba c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, Rgba top, Rgba bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void RadialGradient(cairo_t* cr, double cx, double cy, double r0, double r1, Rgba inner,
                    Rgba outer) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1);
    cairo_pattern_add_color_stop_rgba(p, 0, inner.r, inner.g, inner.b, inner.a);
    cairo_pattern_add_color_stop_rgba(p, 1, outer.r, outer.g, outer.b, outer.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

namespace {

// Three box blurs in a row come close to a gaussian; runs on the alpha bytes only.
void BlurAlpha(std::vector<uint8_t>& a, int w, int h, int stride, int radius) {
    if (radius < 1) {
        return;
    }
    std::vector<int> line(std::max(w, h));
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            int sum = 0;
            for (int x = -radius; x <= radius; ++x) {
                sum += a[y * stride + std::clamp(x, 0, w - 1)];
            }
            for (int x = 0; x < w; ++x) {
                line[x] = sum / (2 * radius + 1);
                sum += a[y * stride + std::min(x + radius + 1, w - 1)];
                sum -= a[y * stride + std::max(x - radius, 0)];
            }
            for (int x = 0; x < w; ++x) {
                a[y * stride + x] = static_cast<uint8_t>(line[x]);
            }
        }
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int y = -radius; y <= radius; ++y) {
                sum += a[std::clamp(y, 0, h - 1) * stride + x];
            }
            for (int y = 0; y < h; ++y) {
                line[y] = sum / (2 * radius + 1);
                sum += a[std::min(y + radius + 1, h - 1) * stride + x];
                sum -= a[std::max(y - radius, 0) * stride + x];
            }
            for (int y = 0; y < h; ++y) {
                a[y * stride + x] = static_cast<uint8_t>(line[y]);
            }
        }
    }
}

} // namespace

void SoftShadow(cairo_t* cr, double blur, Rgba color, double dx, double dy,
                const std::function<void(cairo_t*)>& shape) {
    // The shape's box in device space, grown by the blur, bounds the mask.
    cairo_save(cr);
    cairo_new_path(cr);
    shape(cr);
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    cairo_new_path(cr);
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    cairo_restore(cr);
    double corners[4][2] = {{x0, y0}, {x1, y0}, {x0, y1}, {x1, y1}};
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (auto& c : corners) {
        double px = c[0], py = c[1];
        cairo_matrix_transform_point(&m, &px, &py);
        minX = std::min(minX, px);
        maxX = std::max(maxX, px);
        minY = std::min(minY, py);
        maxY = std::max(maxY, py);
    }
    double scale = std::sqrt(std::fabs(m.xx * m.yy - m.xy * m.yx));
    double deviceBlur = blur * scale;
    int pad = static_cast<int>(std::ceil(deviceBlur * 2)) + 2;
    int ox = static_cast<int>(std::floor(minX)) - pad;
    int oy = static_cast<int>(std::floor(minY)) - pad;
    int w = static_cast<int>(std::ceil(maxX)) + pad - ox;
    int h = static_cast<int>(std::ceil(maxY)) + pad - oy;
    if (w <= 0 || h <= 0) {
        return;
    }
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_t* mc = cairo_create(mask);
    cairo_translate(mc, -ox, -oy);
    cairo_transform(mc, &m);
    cairo_set_source_rgba(mc, 0, 0, 0, 1);
    shape(mc);
    cairo_fill(mc);
    cairo_destroy(mc);
    cairo_surface_flush(mask);
    int stride = cairo_image_surface_get_stride(mask);
    uint8_t* data = cairo_image_surface_get_data(mask);
    std::vector<uint8_t> alpha(data, data + static_cast<size_t>(stride) * h);
    BlurAlpha(alpha, w, h, stride, std::max(1, static_cast<int>(std::lround(deviceBlur / 2))));
    std::copy(alpha.begin(), alpha.end(), data);
    cairo_surface_mark_dirty(mask);

    cairo_save(cr);
    cairo_identity_matrix(cr);
    SetColor(cr, color);
    cairo_mask_surface(cr, mask, ox + dx * scale, oy + dy * scale);
    cairo_restore(cr);
    cairo_surface_destroy(mask);
}

void SoftShadowRect(cairo_t* cr, double x, double y, double w, double h, double r, double blur,
                    Rgba color, double dx, double dy) {
    SoftShadow(cr, blur, color, dx, dy, [=](cairo_t* c) { RoundedRect(c, x, y, w, h, r); });
}

namespace {

PangoLayout* MakeLayout(cairo_t* cr, const std::string& utf8, double size, bool bold,
                        const char* family = "DejaVu Sans") {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout);
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, family);
    pango_font_description_set_weight(desc, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(desc, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout, utf8.c_str(), -1);
    return layout;
}

} // namespace

void Text(cairo_t* cr, const std::string& utf8, double size, double x, double y, Rgba color,
          Align align, bool bold) {
    PangoLayout* layout = MakeLayout(cr, utf8, size, bold);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    double w = logical.width / static_cast<double>(PANGO_SCALE);
    if (align == Align::Center) {
        x -= w / 2;
    } else if (align == Align::Right) {
        x -= w;
    }
    SetColor(cr, color);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}

void TextCentered(cairo_t* cr, const std::string& utf8, double size, double cx, double cy,
                  Rgba color, bool bold, const char* family) {
    PangoLayout* layout = MakeLayout(cr, utf8, size, bold, family);
    PangoRectangle ink;
    pango_layout_get_extents(layout, &ink, nullptr);
    double ix = ink.x / static_cast<double>(PANGO_SCALE);
    double iy = ink.y / static_cast<double>(PANGO_SCALE);
    double iw = ink.width / static_cast<double>(PANGO_SCALE);
    double ih = ink.height / static_cast<double>(PANGO_SCALE);
    SetColor(cr, color);
    cairo_move_to(cr, cx - ix - iw / 2, cy - iy - ih / 2);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}

double TextWidth(cairo_t* cr, const std::string& utf8, double size, bool bold) {
    PangoLayout* layout = MakeLayout(cr, utf8, size, bold);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    return logical.width / static_cast<double>(PANGO_SCALE);
}

InkBox TextInk(cairo_t* cr, const std::string& utf8, double size, bool bold, const char* family) {
    PangoLayout* layout = MakeLayout(cr, utf8, size, bold, family);
    PangoRectangle ink;
    pango_layout_get_extents(layout, &ink, nullptr);
    g_object_unref(layout);
    const double k = PANGO_SCALE;
    return {ink.x / k, ink.y / k, ink.width / k, ink.height / k};
}

void ShowText(cairo_t* cr, const std::string& utf8, double size, double x, double y, bool bold,
              const char* family) {
    PangoLayout* layout = MakeLayout(cr, utf8, size, bold, family);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}

void TextInBox(cairo_t* cr, const std::string& utf8, double x, double y, double w, double h,
               Rgba color, Align align, const char* family) {
    const double size = 100;
    InkBox ink = TextInk(cr, utf8, size, true, family);
    if (ink.h <= 0 || ink.w <= 0) {
        return;
    }
    double sy = h / ink.h;
    double sx = std::min(sy, w / ink.w);
    double drawnW = ink.w * sx;
    double left = x;
    if (align == Align::Center) {
        left = x + (w - drawnW) / 2;
    } else if (align == Align::Right) {
        left = x + w - drawnW;
    }
    cairo_save(cr);
    cairo_translate(cr, left, y);
    cairo_scale(cr, sx, sy);
    SetColor(cr, color);
    ShowText(cr, utf8, size, -ink.x, -ink.y, true, family);
    cairo_restore(cr);
}

void Blit(cairo_t* dst, cairo_surface_t* src, double sx, double sy, double sw, double sh, double x,
          double y, double w, double h) {
    cairo_save(dst);
    cairo_rectangle(dst, x, y, w, h);
    cairo_clip(dst);
    cairo_translate(dst, x, y);
    cairo_scale(dst, w / sw, h / sh);
    cairo_set_source_surface(dst, src, -sx, -sy);
    cairo_pattern_set_filter(cairo_get_source(dst), CAIRO_FILTER_GOOD);
    cairo_paint(dst);
    cairo_restore(dst);
}

} // namespace draw
