// SPDX-License-Identifier: GPL-3.0-or-later
// The jungle stage: foliage, trunks and lianas around the edges, ferns and a mossy stone
// along the bottom, and the middle left open for the card table.
#include "JungleArt.h"
#include "Noise.h"
#include "ThemeArt.h"

#include <cmath>

using namespace art;

namespace {

const Rgba kLeafGreens[] = {Hex(0x2F7D32), Hex(0x3E9B3A), Hex(0x4FAF45), Hex(0x256B2C),
                            Hex(0x66BB4A)};

Rgba LeafGreen(Random& rnd) {
    return kLeafGreens[rnd.Next() % 5];
}

// A cluster of leaves fanned out around (x, y).
void Cluster(cairo_t* cr, Random& rnd, double x, double y, double size, double direction,
             int count) {
    for (int i = 0; i < count; ++i) {
        const double a = direction + (rnd.Unit() - 0.5) * 2.4;
        Leaf(cr, x + (rnd.Unit() - 0.5) * size * 0.4, y + (rnd.Unit() - 0.5) * size * 0.3, a,
             size * (0.7 + 0.5 * rnd.Unit()), size * 0.22, LeafGreen(rnd));
    }
}

void Trunk(cairo_t* cr, double x, double width, double height, bool right) {
    const Rgba bark = Hex(0x6B4A2E);
    cairo_move_to(cr, x, -10);
    cairo_curve_to(cr, x + (right ? -8 : 8), height * 0.4, x + (right ? 6 : -6), height * 0.7, x,
                   height + 10);
    cairo_line_to(cr, right ? 1040 : -16, height + 10);
    cairo_line_to(cr, right ? 1040 : -16, -10);
    cairo_close_path(cr);
    FillOutline(cr, bark, 3);
    // Bark grooves.
    for (int i = 0; i < 9; ++i) {
        const double gx = right ? x + 8 + i % 3 * 9 : x - 12 - i % 3 * 9;
        const double gy = 40 + i * 80;
        Curve(cr, gx, gy, gx + 3, gy + 20, gx - 3, gy + 40, gx, gy + 60, 2.5, Darker(bark, 0.3));
    }
    (void)width;
}

void Liana(cairo_t* cr, Random& rnd, double x, double length) {
    const double sway = (rnd.Unit() - 0.5) * 40;
    Curve(cr, x, -5, x + sway, length * 0.4, x - sway, length * 0.7, x + sway * 0.3, length, 4,
          Hex(0x4E7A2E));
    for (int i = 1; i < 6; ++i) {
        const double t = i / 6.0;
        const double lx = x + sway * std::sin(t * M_PI) * 0.6, ly = length * t;
        Leaf(cr, lx, ly, i % 2 ? 0.5 : M_PI - 0.5, 16 + rnd.Unit() * 8, 5, LeafGreen(rnd));
    }
}

void Flower(cairo_t* cr, double x, double y, double size, Rgba petal) {
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5;
        OutlinedEllipse(cr, x + std::cos(a) * size * 0.55, y + std::sin(a) * size * 0.55,
                        size * 0.5, size * 0.5, petal, 1.5);
    }
    OutlinedEllipse(cr, x, y, size * 0.3, size * 0.3, Hex(0xF6D24A), 1.5);
}

void Fern(cairo_t* cr, Random& rnd, double x, double y, double height, double lean) {
    const Rgba green = LeafGreen(rnd);
    const double tx = x + lean, ty = y - height;
    Curve(cr, x, y, x + lean * 0.2, y - height * 0.5, tx - lean * 0.2, ty + height * 0.2, tx, ty, 3,
          Darker(green, 0.2));
    for (int i = 1; i < 9; ++i) {
        const double t = i / 9.0;
        const double px = x + lean * t * t, py = y - height * t;
        const double len = height * 0.32 * (1 - t * 0.7);
        Leaf(cr, px, py, -M_PI / 2 - 1.1, len, len * 0.25, green);
        Leaf(cr, px, py, -M_PI / 2 + 1.1, len, len * 0.25, green);
    }
}

// A big split leaf (the kind that grows in the shade), from its stem at (x, y).
void BigLeaf(cairo_t* cr, double x, double y, double angle, double len, Rgba fill) {
    Leaf(cr, x, y, angle, len, len * 0.32, fill);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    // Slits from the edge towards the midrib.
    for (int i = 1; i < 5; ++i) {
        const double px = len * (0.2 + i * 0.15);
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, px, side * len * 0.02);
            cairo_line_to(cr, px + len * 0.08, side * len * 0.3);
        }
    }
    cairo_set_line_width(cr, len * 0.025);
    draw::SetColor(cr, Darker(fill, 0.45));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void EdgeShade(cairo_t* cr) {
    const Rgba shade = Hex(0x0E3A18);
    auto band = [&](double x0, double y0, double x1, double y1, double w, double h) {
        cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
        cairo_pattern_add_color_stop_rgba(p, 0, shade.r, shade.g, shade.b, 0.55);
        cairo_pattern_add_color_stop_rgba(p, 1, shade.r, shade.g, shade.b, 0.0);
        cairo_set_source(cr, p);
        cairo_rectangle(cr, std::min(x0, x1), std::min(y0, y1), w, h);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    };
    band(0, 0, 0, 90, 1024, 90);
    band(0, 768, 0, 668, 1024, 100);
    band(0, 0, 90, 0, 90, 768);
    band(1024, 0, 934, 0, 90, 768);
}

} // namespace

void DrawJungleStage(cairo_t* cr) {
    Random rnd(20261208);
    EdgeShade(cr);
    Trunk(cr, 34, 40, 768, false);
    Trunk(cr, 996, 30, 768, true);
    // Lianas from the canopy, kept short over the middle of the table.
    Liana(cr, rnd, 150, 150);
    Liana(cr, rnd, 330, 70);
    Liana(cr, rnd, 560, 50);
    Liana(cr, rnd, 730, 90);
    // Canopy along the top, heavier towards the corners.
    for (int x = -20; x <= 1044; x += 26) {
        const double edge = std::min(x, 1024 - x);
        const double depth = edge < 200 ? 52 - edge * 0.12 : 28;
        Cluster(cr, rnd, x, depth * 0.35, 30 + depth * 0.4, M_PI / 2, 3);
    }
    // Foliage down both sides.
    for (int y = 60; y < 760; y += 34) {
        Cluster(cr, rnd, 20, y, 38, 0.2, 2);
        Cluster(cr, rnd, 1004, y, 38, M_PI - 0.2, 2);
    }
    // Big leaves crowd the corners.
    BigLeaf(cr, -10, -10, 0.7, 150, Hex(0x2E7D32));
    BigLeaf(cr, 1034, -10, M_PI - 0.7, 150, Hex(0x2E7D32));
    BigLeaf(cr, -10, 778, -0.6, 140, Hex(0x388E3C));
    BigLeaf(cr, 1034, 778, M_PI + 0.6, 140, Hex(0x388E3C));
    BigLeaf(cr, 10, 330, 0.15, 100, Hex(0x43A047));
    BigLeaf(cr, 1014, 420, M_PI - 0.15, 100, Hex(0x43A047));
    Flower(cr, 56, 120, 14, Hex(0xE8477A));
    Flower(cr, 40, 470, 12, Hex(0xF08A3C));
    Flower(cr, 976, 260, 13, Hex(0xE8477A));
    Flower(cr, 990, 600, 12, Hex(0xB65FCF));
    // Ground: a strip of moss and earth along the bottom with ferns.
    cairo_move_to(cr, 0, 768);
    for (int x = 0; x <= 1024; x += 32)
        cairo_line_to(cr, x, 742 + 6 * std::sin(x * 0.021) + (x % 64 ? 2 : -2));
    cairo_line_to(cr, 1024, 768);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0x3D6B2A), 2.5);
    // The frog's mossy stone.
    OutlinedEllipse(cr, 302, 716, 48, 20, Hex(0x8A8F80), 2.5);
    Ellipse(cr, 294, 706, 36, 9);
    draw::SetColor(cr, Hex(0x6FA845));
    cairo_fill(cr);
    for (double x : {90.0, 180.0, 420.0, 520.0, 860.0, 930.0})
        Fern(cr, rnd, x, 768, 60 + rnd.Unit() * 30, (rnd.Unit() - 0.5) * 40);
    for (double x : {120.0, 240.0, 380.0, 600.0, 820.0, 900.0})
        Cluster(cr, rnd, x, 760, 26, -M_PI / 2, 3);
}
