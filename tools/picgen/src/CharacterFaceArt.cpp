// SPDX-License-Identifier: GPL-3.0-or-later
// The faces of the two women: eye and mouth frames on plain skin, so that a frame laid over
// the face at run time matches the picture under it pixel for pixel.
#include "CharacterArt.h"
#include "ThemeArt.h"

#include <cmath>

namespace character {

const Look kLotte{Hex(0xF3CDAA), Hex(0x6B3E26), Hex(0x3E8A5A), Hex(0xC8524E), 11, 22, 40};
const Look kMia{Hex(0xB7794F), Hex(0x2A1A14), Hex(0x5A3A1E), Hex(0x9E3A46), 10, 20, 36};

namespace {

const double kEyeOpen[5] = {1.0, 0.55, 0.0, 0.5, 0.85};
const double kMouthOpen[5] = {0.0, 0.6, 1.0, 0.75, 0.45};

void OneEye(cairo_t* cr, const Look& look, double cx, double cy, double open, bool left) {
    const Rgba outline = art::kOutline;
    if (open < 0.1) {
        // Closed: a lid curve with lashes.
        cairo_move_to(cr, cx - 5.5, cy);
        cairo_curve_to(cr, cx - 3, cy + 3, cx + 3, cy + 3, cx + 5.5, cy);
        draw::SetColor(cr, outline);
        cairo_set_line_width(cr, 1.6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        return;
    }
    art::Ellipse(cr, cx, cy, 5.5, 5.0 * open);
    art::FillOutline(cr, Hex(0xFFFFFF), 1.1);
    art::Ellipse(cr, cx + 0.4, cy + 0.2, 3.0, 3.2 * open);
    draw::SetColor(cr, look.iris);
    cairo_fill(cr);
    art::Ellipse(cr, cx + 0.4, cy + 0.2, 1.5, 1.6 * open);
    draw::SetColor(cr, Hex(0x1A1512));
    cairo_fill(cr);
    art::Ellipse(cr, cx - 0.8, cy - 1.2 * open, 0.9, 0.9);
    draw::SetColor(cr, Hex(0xFFFFFF, 0.95));
    cairo_fill(cr);
    // Upper lid and a lash at the outer corner.
    const double top = cy - 5.0 * open;
    cairo_move_to(cr, cx - 6, cy - 1);
    cairo_curve_to(cr, cx - 4, top - 1, cx + 4, top - 1, cx + 6, cy - 1);
    draw::SetColor(cr, outline);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    const double side = left ? -1 : 1;
    art::Line(cr, cx + side * 5.5, cy - 1.5, cx + side * 7.5, cy - 3.5, 1.2, outline);
}

} // namespace

void EyeStrip(cairo_t* cr, const Look& look, int frame) {
    cairo_rectangle(cr, 0, 0, 40, look.eyeStripH);
    draw::SetColor(cr, look.skin);
    cairo_fill(cr);
    const double open = kEyeOpen[frame % 5];
    OneEye(cr, look, 10, look.eyeY - 1, open, true);
    OneEye(cr, look, 30, look.eyeY - 1, open, false);
    // The nose sits at the bottom of the strip.
    cairo_move_to(cr, 20, look.eyeY + 2);
    cairo_curve_to(cr, 22, look.eyeY + 6, 22.5, look.eyeStripH - 3, 19, look.eyeStripH - 2);
    draw::SetColor(cr, Darker(look.skin, 0.3));
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // Rosy cheeks.
    art::Ellipse(cr, 4, look.eyeStripH - 4, 4, 2.5);
    art::Ellipse(cr, 36, look.eyeStripH - 4, 4, 2.5);
    draw::SetColor(cr, Hex(0xE8707A, 0.35));
    cairo_fill(cr);
}

void MouthStrip(cairo_t* cr, const Look& look, int frame) {
    cairo_rectangle(cr, 0, 0, look.mouthStripW, 10);
    draw::SetColor(cr, look.skin);
    cairo_fill(cr);
    const double open = kMouthOpen[frame % 5];
    const double cx = 20, half = 7 - open * 1.5;
    if (open < 0.05) {
        cairo_move_to(cr, cx - half, 3);
        cairo_curve_to(cr, cx - 3, 7.5, cx + 3, 7.5, cx + half, 3);
        draw::SetColor(cr, look.lips);
        cairo_set_line_width(cr, 2.4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        return;
    }
    const double top = 2.5, bottom = 2.5 + 6.5 * open;
    cairo_move_to(cr, cx - half, top);
    cairo_curve_to(cr, cx - 3, top - 0.5, cx + 3, top - 0.5, cx + half, top);
    cairo_curve_to(cr, cx + half - 1, bottom, cx - half + 1, bottom, cx - half, top);
    cairo_close_path(cr);
    art::FillOutline(cr, Hex(0x6E2630), 1.6, look.lips);
    // The tongue shows when the mouth is wide open.
    if (open > 0.6) {
        art::Ellipse(cr, cx, bottom - 1.5, 3.5, 1.5);
        draw::SetColor(cr, Hex(0xE07A80));
        cairo_fill(cr);
    }
}

void SlapMark(cairo_t* cr, const Look& look) {
    // Over the eye strip: squeezed "> <" eyes, a red cheek and a little comic star.
    cairo_rectangle(cr, 0, 0, 40, look.eyeStripH);
    draw::SetColor(cr, look.skin);
    cairo_fill(cr);
    const double y = look.eyeY - 1;
    art::Line(cr, 5, y - 4, 13, y, 2, art::kOutline);
    art::Line(cr, 13, y, 5, y + 4, 2, art::kOutline);
    art::Line(cr, 35, y - 4, 27, y, 2, art::kOutline);
    art::Line(cr, 27, y, 35, y + 4, 2, art::kOutline);
    art::Ellipse(cr, 34, look.eyeStripH - 3, 6, 4);
    draw::SetColor(cr, Hex(0xE8404A, 0.55));
    cairo_fill(cr);
    // The star beside the face, in the strip's extra ten pixels.
    cairo_save(cr);
    cairo_translate(cr, 45, 8);
    cairo_move_to(cr, 0, -6);
    for (int i = 1; i < 10; ++i) {
        const double r = i % 2 ? 2.5 : 6.0;
        const double a = -M_PI / 2 + i * M_PI / 5;
        cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    cairo_close_path(cr);
    art::FillOutline(cr, Hex(0xFFD23F), 1.0);
    cairo_restore(cr);
    art::Line(cr, 44, 19, 47, 27, 1.6, Hex(0xFFD23F));
}

} // namespace character
