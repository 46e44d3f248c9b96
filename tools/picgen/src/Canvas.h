// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing surface with the few vector helpers every sheet uses.
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>

struct Rgba {
    double r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB with an alpha of its own.
Rgba Hex(uint32_t rgb, double alpha = 1.0);
Rgba Mix(Rgba a, Rgba b, double t);
Rgba Lighter(Rgba c, double t); // towards white
Rgba Darker(Rgba c, double t);  // towards black

enum class Align { Left, Center, Right };

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return context; }
    cairo_surface_t* surface() const { return target; }
    int Width() const { return width; }
    int Height() const { return height; }

    // Writes the picture as PNG, creating the folders on the way.
    bool SavePng(const std::string& path) const;

private:
    int width;
    int height;
    cairo_surface_t* target;
    cairo_t* context;
};

namespace draw {

void SetColor(cairo_t* cr, Rgba c);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void VerticalGradient(cairo_t* cr, double y0, double y1, Rgba top, Rgba bottom);
void RadialGradient(cairo_t* cr, double cx, double cy, double r0, double r1, Rgba inner,
                    Rgba outer);

// A blurred copy of whatever `shape` fills (with any colour), laid down in `color`
// at the offset (dx, dy). `blur` is the blur radius in pixels.
void SoftShadow(cairo_t* cr, double blur, Rgba color, double dx, double dy,
                const std::function<void(cairo_t*)>& shape);
void SoftShadowRect(cairo_t* cr, double x, double y, double w, double h, double r, double blur,
                    Rgba color, double dx, double dy);

// Text in DejaVu Sans (bold unless told otherwise); `size` is the font size in pixels;
// y is the top of the text's logical box.
void Text(cairo_t* cr, const std::string& utf8, double size, double x, double y, Rgba color,
          Align align = Align::Left, bool bold = true);
// Text centred in both directions on (cx, cy), using its ink extents.
void TextCentered(cairo_t* cr, const std::string& utf8, double size, double cx, double cy,
                  Rgba color, bool bold = true, const char* family = "DejaVu Sans");
double TextWidth(cairo_t* cr, const std::string& utf8, double size, bool bold = true);

// Ink box of a text relative to its layout origin, and showing the layout at an origin
// with the current source; for callers that place glyphs by their ink.
struct InkBox {
    double x = 0, y = 0, w = 0, h = 0;
};
InkBox TextInk(cairo_t* cr, const std::string& utf8, double size, bool bold = true,
               const char* family = "DejaVu Sans");
void ShowText(cairo_t* cr, const std::string& utf8, double size, double x, double y,
              bool bold = true, const char* family = "DejaVu Sans");
// Fits the ink of the text into the box: height h (uniform scale), squeezed horizontally
// when wider than w; aligned left, centred or right in the box.
void TextInBox(cairo_t* cr, const std::string& utf8, double x, double y, double w, double h,
               Rgba color, Align align = Align::Left, const char* family = "DejaVu Sans");

// Copies a rectangle of `src` scaled into `dst` at (x, y) with size (w, h).
void Blit(cairo_t* dst, cairo_surface_t* src, double sx, double sy, double sw, double sh, double x,
          double y, double w, double h);

} // namespace draw
