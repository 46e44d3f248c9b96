// SPDX-License-Identifier: GPL-3.0-or-later
// The two people of the street: a ranch hand who pops up from below and waves his hat,
// and a travelling musician with a guitar who comes by to chat.
#include "ThemeArt.h"
#include "WesternArt.h"

#include <cmath>

using namespace art;

namespace {

struct Outfit {
    Rgba skin, hair, hat, hatBand, shirt, vest, scarf;
    bool vestOn;
};

const Outfit kRanchHand{Hex(0xB97E52), Hex(0x3A2418), Hex(0x8A5A2E), Hex(0x5A3418),
                        Hex(0x4F7FB8), Hex(0x000000), Hex(0xC9413A), false};
const Outfit kMusician{Hex(0xF0C8A0), Hex(0xB8742E), Hex(0x6E6A66), Hex(0x2E2A28),
                       Hex(0xF4EED8), Hex(0x3E7A4A), Hex(0xE0B84A), true};

void Hat(cairo_t* cr, const Outfit& o, double cx, double top, double tilt) {
    cairo_save(cr);
    cairo_translate(cr, cx, top + 44);
    cairo_rotate(cr, tilt);
    cairo_move_to(cr, -34, 0);
    cairo_curve_to(cr, -36, -30, -26, -44, -12, -40);
    cairo_curve_to(cr, -4, -34, 4, -34, 12, -40);
    cairo_curve_to(cr, 26, -44, 36, -30, 34, 0);
    cairo_close_path(cr);
    FillOutline(cr, o.hat, 2.5);
    cairo_rectangle(cr, -34, -12, 68, 9);
    draw::SetColor(cr, o.hatBand);
    cairo_fill(cr);
    cairo_move_to(cr, -64, 2);
    cairo_curve_to(cr, -50, 14, 50, 14, 64, 2);
    cairo_curve_to(cr, 50, -6, -50, -6, -64, 2);
    cairo_close_path(cr);
    FillOutline(cr, Darker(o.hat, 0.1), 2.5);
    cairo_restore(cr);
}

void Head(cairo_t* cr, const Outfit& o, double cx, double top, double mouth, double blink,
          bool freckles) {
    // Ears, face, hair at the sides, eyes, brows, nose and mouth.
    OutlinedEllipse(cr, cx - 31, top + 80, 7, 10, o.skin, 2);
    OutlinedEllipse(cr, cx + 31, top + 80, 7, 10, o.skin, 2);
    OutlinedEllipse(cr, cx, top + 78, 31, 36, o.skin, 2.5);
    Ellipse(cr, cx - 26, top + 58, 8, 12);
    Ellipse(cr, cx + 26, top + 58, 8, 12);
    draw::SetColor(cr, o.hair);
    cairo_fill(cr);
    Eye(cr, cx - 12, top + 72, 6, blink, 0, 0.1);
    Eye(cr, cx + 12, top + 72, 6, blink, 0, 0.1);
    Line(cr, cx - 18, top + 61, cx - 7, top + 60, 3, o.hair);
    Line(cr, cx + 7, top + 60, cx + 18, top + 61, 3, o.hair);
    Curve(cr, cx, top + 76, cx + 4, top + 84, cx + 2, top + 88, cx - 2, top + 88, 2,
          Darker(o.skin, 0.35));
    if (freckles)
        for (int i = 0; i < 3; ++i) {
            Ellipse(cr, cx - 18 + i * 4, top + 86 + (i % 2) * 2, 1.2, 1.2);
            Ellipse(cr, cx + 10 + i * 4, top + 86 + (i % 2) * 2, 1.2, 1.2);
            draw::SetColor(cr, Darker(o.skin, 0.3));
            cairo_fill(cr);
        }
    cairo_move_to(cr, cx - 12, top + 97);
    cairo_curve_to(cr, cx - 6, top + 101 + mouth * 10, cx + 6, top + 101 + mouth * 10, cx + 12,
                   top + 97);
    cairo_curve_to(cr, cx + 6, top + 100, cx - 6, top + 100, cx - 12, top + 97);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0x8A3A2E), 2);
}

void Torso(cairo_t* cr, const Outfit& o, double cx, double top) {
    draw::RoundedRect(cr, cx - 62, top + 122, 124, 320, 34);
    FillOutline(cr, o.shirt, 2.5);
    if (o.vestOn) {
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, cx + side * 60, top + 140);
            cairo_line_to(cr, cx + side * 14, top + 130);
            cairo_line_to(cr, cx + side * 10, top + 260);
            cairo_line_to(cr, cx + side * 62, top + 270);
            cairo_close_path(cr);
            FillOutline(cr, o.vest, 2);
        }
    } else {
        // Pocket flaps and buttons on the shirt.
        for (int side = -1; side <= 1; side += 2) {
            draw::RoundedRect(cr, cx + side * 34 - 14, top + 168, 28, 10, 3);
            FillOutline(cr, Darker(o.shirt, 0.15), 1.5);
        }
        for (int i = 0; i < 4; ++i)
            OutlinedEllipse(cr, cx, top + 160 + i * 28, 3, 3, Hex(0xF4EED8), 1);
    }
    // Neckerchief.
    cairo_move_to(cr, cx - 26, top + 116);
    cairo_line_to(cr, cx + 26, top + 116);
    cairo_line_to(cr, cx, top + 150);
    cairo_close_path(cr);
    FillOutline(cr, o.scarf, 2);
}

void Arm(cairo_t* cr, const Outfit& o, double sx, double sy, double angle, double length) {
    const double ex = sx + std::cos(angle) * length, ey = sy + std::sin(angle) * length;
    Line(cr, sx, sy, ex, ey, 26, kOutline);
    Line(cr, sx, sy, ex, ey, 21, o.shirt);
    OutlinedEllipse(cr, ex, ey, 11, 11, o.skin, 2);
}

void Guitar(cairo_t* cr, double cx, double cy, double strum) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.5);
    cairo_rectangle(cr, 20, -7, 96, 14);
    FillOutline(cr, Hex(0x5A3418), 2);
    for (int i = 1; i < 5; ++i)
        Line(cr, 24 + i * 18, -7, 24 + i * 18, 7, 1, Hex(0xC0C0C0));
    draw::RoundedRect(cr, 112, -12, 24, 24, 5);
    FillOutline(cr, Hex(0x5A3418), 2);
    OutlinedEllipse(cr, -30, 0, 44, 40, Hex(0xD08A3A), 2.5);
    OutlinedEllipse(cr, 14, 0, 30, 28, Hex(0xD08A3A), 2.5);
    Ellipse(cr, -30, 0, 38, 34);
    draw::SetColor(cr, Hex(0xD08A3A));
    cairo_fill(cr);
    OutlinedEllipse(cr, 0, 0, 11, 11, Hex(0x3A2418), 1.5);
    for (int i = -2; i <= 2; ++i)
        Line(cr, -40, i * 3 + strum * (i % 2), 116, i * 2.2, 0.8, Hex(0xF4F4F4));
    cairo_restore(cr);
}

// The ranch hand in a frame of 224 × 384, risen by `rise` 0 … 1 from below the street;
// `wave` lifts the hat off in greeting.
void RanchHand(cairo_t* cr, double rise, double wave, double blink) {
    const double cx = 86, top = 352 - rise * 316;
    const Outfit& o = kRanchHand;
    Torso(cr, o, cx, top);
    Arm(cr, o, cx - 54, top + 140, 1.75, 110);
    Head(cr, o, cx, top, 0.3 + wave * 0.6, blink, true);
    if (wave > 0.05) {
        // The hat comes off in the raised hand.
        const double angle = -1.2 - wave * 0.6;
        const double hx = cx + 54 + std::cos(angle) * 120, hy = top + 140 + std::sin(angle) * 120;
        Arm(cr, o, cx + 54, top + 140, angle, 110);
        Hat(cr, o, hx, hy - 60, -0.3 + wave * 0.5);
        // Hair where the hat was.
        Ellipse(cr, cx, top + 48, 28, 12);
        draw::SetColor(cr, o.hair);
        cairo_fill(cr);
    } else {
        Arm(cr, o, cx + 54, top + 140, 1.4, 110);
        Hat(cr, o, cx, top, 0.0);
    }
}

void Musician(cairo_t* cr, double offsetY, double mouth, double strum, double nod, double blink) {
    const double cx = 150, top = 20 + offsetY;
    const Outfit& o = kMusician;
    Torso(cr, o, cx, top);
    Guitar(cr, cx - 10, top + 240, strum);
    Arm(cr, o, cx - 54, top + 140, 1.9, 95);
    Arm(cr, o, cx + 54, top + 140, 2.2 + strum * 0.15, 80);
    Head(cr, o, cx, top + nod, mouth, blink, false);
    Hat(cr, o, cx, top + nod, -0.08 + nod * 0.01);
}

} // namespace

void DrawRanchHandSheet(cairo_t* cr) {
    // Frame 0: only the crown of his hat shows above the street. He rises over the frames
    // and from frame 14 on takes his hat off to wave.
    ForEachFrame(cr, 224, 384, 5, 20, [](cairo_t* c, int f) {
        const double rise = f / 19.0;
        const double wave = f >= 14 ? (f - 13) / 6.0 : 0.0;
        RanchHand(c, rise * (2 - rise), wave, f == 8 ? 0.1 : 1);
    });
}

void DrawMusicianSheet(cairo_t* cr) {
    // Rows 0–1: talking and strumming. Rows 2–3: arriving from below (frame 0 empty), also
    // played backwards when he leaves.
    ForEachFrame(cr, 272, 354, 5, 10, [](cairo_t* c, int b) {
        Musician(c, 0,
                 b % 3 == 1   ? 0.9
                 : b % 3 == 2 ? 0.4
                              : 0.1,
                 std::sin(b * 2.1), std::sin(2 * M_PI * b / 10.0) * 3, b == 6 ? 0.1 : 1);
    });
    cairo_save(cr);
    cairo_translate(cr, 0, 708);
    ForEachFrame(cr, 272, 354, 5, 10, [](cairo_t* c, int b) {
        if (b == 0) return;
        const double t = b / 9.0;
        Musician(c, (1 - t * (2 - t)) * 340, 0.2, 0, 0, 1);
    });
    cairo_restore(cr);
}
