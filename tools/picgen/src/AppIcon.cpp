// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon: a two-storey house of cards on a felt-green tile, drawn at every
// size the desktop asks for so that small sizes stay crisp rather than scaled down.
#include "AppIcon.h"

#include "Suits.h"

#include <cmath>
#include <string>

namespace {

constexpr double kDegree = M_PI / 180.0;

// One card leaning at `angle`, centred on (cx, cy), in unit coordinates of the tile.
void LeaningCard(cairo_t* cr, double size, double cx, double cy, double w, double h, double angle,
                 SuitShape suit) {
    cairo_save(cr);
    cairo_translate(cr, cx * size, cy * size);
    cairo_rotate(cr, angle);
    const double pw = w * size, ph = h * size;
    draw::SoftShadowRect(cr, -pw / 2, -ph / 2, pw, ph, pw * 0.12, size * 0.02, Hex(0x000000, 0.35),
                         size * 0.01, size * 0.015);
    draw::RoundedRect(cr, -pw / 2, -ph / 2, pw, ph, pw * 0.12);
    draw::SetColor(cr, Hex(0xFBFAF4));
    cairo_fill_preserve(cr);
    draw::SetColor(cr, Hex(0x5A5A5A));
    cairo_set_line_width(cr, std::max(0.6, size / 96.0));
    cairo_stroke(cr);
    const Rgba ink = IsRed(suit) ? Hex(0xC8202A) : Hex(0x1E1E24);
    PaintSuit(cr, suit, 0, 0, ph * 0.42, ink);
    cairo_restore(cr);
}

// A card lying flat on the tent below it, seen edge-on.
void FlatCard(cairo_t* cr, double size, double x0, double x1, double y, double thickness) {
    draw::RoundedRect(cr, x0 * size, y * size, (x1 - x0) * size, thickness * size,
                      thickness * size / 2);
    draw::SetColor(cr, Hex(0xFBFAF4));
    cairo_fill_preserve(cr);
    draw::SetColor(cr, Hex(0x5A5A5A));
    cairo_set_line_width(cr, std::max(0.6, size / 96.0));
    cairo_stroke(cr);
}

void DrawTile(cairo_t* cr, double size) {
    const double inset = size * 0.04, r = size * 0.18;
    draw::RoundedRect(cr, inset, inset, size - 2 * inset, size - 2 * inset, r);
    cairo_pattern_t* felt = cairo_pattern_create_radial(size * 0.5, size * 0.4, size * 0.05,
                                                        size * 0.5, size * 0.5, size * 0.7);
    cairo_pattern_add_color_stop_rgb(felt, 0, 0.20, 0.55, 0.33);
    cairo_pattern_add_color_stop_rgb(felt, 1, 0.07, 0.30, 0.17);
    cairo_set_source(cr, felt);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(felt);
    draw::SetColor(cr, Hex(0x0B2414, 0.8));
    cairo_set_line_width(cr, std::max(1.0, size / 64.0));
    cairo_stroke(cr);
}

} // namespace

void DrawAppIcon(cairo_t* cr, double size) {
    DrawTile(cr, size);
    const double lean = 21 * kDegree; // the left card of a tent leans right
    // The lower tent, the floor card across its apex, the upper tent on the floor; each
    // tent's cards touch at their inner top corners.
    LeaningCard(cr, size, 0.315, 0.658, 0.25, 0.38, lean, SuitShape::Herz);
    LeaningCard(cr, size, 0.685, 0.658, 0.25, 0.38, -lean, SuitShape::Pik);
    FlatCard(cr, size, 0.19, 0.81, 0.49, 0.04);
    LeaningCard(cr, size, 0.359, 0.33, 0.19, 0.29, lean, SuitShape::Karo);
    LeaningCard(cr, size, 0.641, 0.33, 0.19, 0.29, -lean, SuitShape::Kreuz);
}

bool DrawAppIcons(const std::string& outDir, const std::string& iconName) {
    bool ok = true;
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        Canvas canvas(size, size);
        DrawAppIcon(canvas.cr(), size);
        const std::string dim = std::to_string(size) + "x" + std::to_string(size);
        ok = canvas.SavePng(outDir + "/hicolor/" + dim + "/apps/" + iconName + ".png") && ok;
        // The window's own icon, read by the program from its data folder.
        if (size == 64) ok = canvas.SavePng(outDir + "/" + iconName + ".png") && ok;
    }
    return ok;
}
