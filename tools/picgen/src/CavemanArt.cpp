// SPDX-License-Identifier: GPL-3.0-or-later
// The caveman who looks in from the edges of the jungle: a friendly fellow in a fur tunic
// with a bone club, who waves and goes again.
#include "JungleArt.h"
#include "ThemeArt.h"

#include <cmath>

using namespace art;

namespace {

const Rgba kSkin = Hex(0xD9A06E);
const Rgba kTunic = Hex(0xE08A2E);
const Rgba kHair = Hex(0x4A2E1C);

void Arm(cairo_t* cr, double sx, double sy, double angle, double length) {
    const double ex = sx + std::cos(angle) * length, ey = sy + std::sin(angle) * length;
    Line(cr, sx, sy, ex, ey, 22, kOutline);
    Line(cr, sx, sy, ex, ey, 17, kSkin);
    OutlinedEllipse(cr, ex, ey, 12, 11, kSkin, 2.5);
}

// Standing with the feet at (x, y), 330 pixels tall at scale 1. `wave` swings the free
// arm, `mouth` opens the grin.
void Caveman(cairo_t* cr, double x, double y, double wave, double mouth, double blink) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    GroundShadow(cr, 0, -4, 70, 10, 0.3);
    // Legs and feet.
    for (int side = -1; side <= 1; side += 2) {
        Line(cr, side * 20, -120, side * 24, -20, 28, kOutline);
        Line(cr, side * 20, -120, side * 24, -20, 23, kSkin);
        OutlinedEllipse(cr, side * 28, -12, 22, 11, kSkin, 2.5);
    }
    // Club arm behind the body: the bone rests on the shoulder.
    cairo_save(cr);
    cairo_translate(cr, -34, -218);
    cairo_rotate(cr, -0.6);
    draw::RoundedRect(cr, -10, -95, 20, 110, 10);
    FillOutline(cr, Hex(0xF3EAD2), 2.5);
    OutlinedEllipse(cr, -9, -95, 11, 11, Hex(0xF3EAD2), 2.5);
    OutlinedEllipse(cr, 9, -95, 11, 11, Hex(0xF3EAD2), 2.5);
    cairo_restore(cr);
    Arm(cr, -44, -212, 1.9, 60);
    // Tunic with one shoulder strap and spots.
    cairo_move_to(cr, -56, -230);
    cairo_curve_to(cr, -64, -170, -66, -130, -60, -104);
    cairo_line_to(cr, -40, -96);
    cairo_line_to(cr, -20, -108);
    cairo_line_to(cr, 0, -94);
    cairo_line_to(cr, 22, -108);
    cairo_line_to(cr, 42, -96);
    cairo_line_to(cr, 60, -106);
    cairo_curve_to(cr, 66, -150, 62, -200, 50, -236);
    cairo_curve_to(cr, 20, -250, -30, -246, -56, -230);
    cairo_close_path(cr);
    FillOutline(cr, kTunic, 3);
    for (int i = 0; i < 6; ++i) {
        Ellipse(cr, -36 + (i % 3) * 32 + (i / 3) * 10, -200 + (i / 3) * 52, 8, 6);
        draw::SetColor(cr, Darker(kTunic, 0.3));
        cairo_fill(cr);
    }
    // Waving arm in front.
    Arm(cr, 48, -220, -1.9 + wave, 72);
    // Head: hair behind, face, ears, brow, nose, grin.
    for (int i = 0; i < 9; ++i) {
        const double a = M_PI + i * M_PI / 8.0;
        OutlinedEllipse(cr, std::cos(a) * 44, -292 + std::sin(a) * 40, 18, 16, kHair, 2);
    }
    OutlinedEllipse(cr, -42, -282, 10, 13, kSkin, 2.5);
    OutlinedEllipse(cr, 42, -282, 10, 13, kSkin, 2.5);
    OutlinedEllipse(cr, 0, -280, 42, 44, kSkin, 3);
    cairo_move_to(cr, -36, -302);
    cairo_curve_to(cr, -20, -316, 20, -316, 36, -302);
    cairo_set_line_width(cr, 9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    draw::SetColor(cr, kHair);
    cairo_stroke(cr);
    Eye(cr, -15, -290, 8, blink, 0.2, 0.1);
    Eye(cr, 15, -290, 8, blink, 0.2, 0.1);
    OutlinedEllipse(cr, 0, -273, 10, 8, Darker(kSkin, 0.1), 2.5);
    cairo_move_to(cr, -20, -256);
    cairo_curve_to(cr, -10, -248 + mouth * 10, 10, -248 + mouth * 10, 20, -256);
    cairo_curve_to(cr, 10, -250, -10, -250, -20, -256);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0x7A2E22), 2.5);
    // A beard of stubble.
    for (int i = 0; i < 7; ++i) {
        Ellipse(cr, -18 + i * 6, -244 + std::abs(i - 3) * -1.5, 1.6, 1.6);
        draw::SetColor(cr, Darker(kSkin, 0.4));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

} // namespace

void DrawCavemanSheet(cairo_t* cr, bool fromBelow) {
    const int w = fromBelow ? 200 : 318, h = fromBelow ? 392 : 380;
    // Frame 0 and 10: the pose he holds; 1–9 a wave; 11–19 he withdraws (to the left edge,
    // or down below the screen).
    ForEachFrame(cr, w, h, 10, 20, [&](cairo_t* c, int f) {
        double wave = 0, mouth = 0.3, dx = 0, dy = 0;
        if (f >= 1 && f <= 9) {
            wave = std::sin(M_PI * f / 4.5) * 0.9;
            mouth = 0.8;
        } else if (f >= 11) {
            const double t = (f - 10) / 9.0;
            if (fromBelow)
                dy = t * t * h * 0.95;
            else
                dx = -t * t * 260;
        }
        cairo_save(c);
        if (fromBelow) {
            cairo_translate(c, w / 2.0 + dx, h - 8 + dy);
            cairo_scale(c, 0.62, 0.62);
            cairo_translate(c, 0, 0);
            Caveman(c, 0, 0, wave, mouth, f == 5 ? 0.1 : 1);
        } else {
            // Leaning in from the left edge, so part of him is still outside.
            cairo_translate(c, 70 + dx, h - 6 + dy);
            cairo_rotate(c, 0.12);
            cairo_scale(c, 1.05, 1.05);
            Caveman(c, 0, 0, wave, mouth, f == 5 ? 0.1 : 1);
        }
        cairo_restore(c);
    });
}
