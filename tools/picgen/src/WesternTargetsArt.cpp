// SPDX-License-Identifier: GPL-3.0-or-later
// The things to shoot in the western street and the saloon's swinging doors: the bottle on
// its barrel, the wanted poster, the steer skull, the cut-out targets behind the door.
#include "Noise.h"
#include "ThemeArt.h"
#include "WesternArt.h"

#include <cmath>

using namespace art;

namespace {

// A star-shaped burst of `points` points, for muzzle hits and bullet holes.
void Burst(cairo_t* cr, double x, double y, double outer, double inner, int points, Rgba fill) {
    for (int i = 0; i < points * 2; ++i) {
        const double a = i * M_PI / points;
        const double r = i % 2 ? inner : outer;
        if (i == 0)
            cairo_move_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
        else
            cairo_line_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
    }
    cairo_close_path(cr);
    FillOutline(cr, fill, 1.5);
}

void BulletHole(cairo_t* cr, double x, double y, double r) {
    Burst(cr, x, y, r * 1.6, r * 0.9, 7, Hex(0xF3E3B8));
    OutlinedEllipse(cr, x, y, r, r, Hex(0x231A12), 1);
}

// Cut-out targets on a stick: 0 a cactus, 1 a tin can stack, 2 a bullseye.
void CutOut(cairo_t* cr, int kind) {
    // The stick.
    cairo_rectangle(cr, 18, 60, 4, 45);
    FillOutline(cr, Hex(0x8A5A2E), 1.2);
    if (kind == 0) {
        const Rgba green = Hex(0x4FA04A);
        draw::RoundedRect(cr, 12, 18, 16, 62, 8);
        FillOutline(cr, green, 1.8);
        draw::RoundedRect(cr, 2, 36, 8, 22, 4);
        FillOutline(cr, green, 1.5);
        draw::RoundedRect(cr, 30, 28, 8, 22, 4);
        FillOutline(cr, green, 1.5);
        Line(cr, 10, 54, 13, 54, 4, green);
        Line(cr, 27, 46, 30, 46, 4, green);
        OutlinedEllipse(cr, 20, 18, 4, 3, Hex(0xF08AB0), 1);
        Eye(cr, 16.5, 34, 2.5, 1);
        Eye(cr, 23.5, 34, 2.5, 1);
    } else if (kind == 1) {
        for (int i = 0; i < 3; ++i) {
            const double x = i == 2 ? 12 : 4 + i * 16, y = i == 2 ? 24 : 50;
            draw::RoundedRect(cr, x, y, 16, 26, 3);
            FillOutline(cr, i == 2 ? Hex(0xC9413A) : Hex(0x3A78C9), 1.5);
            cairo_rectangle(cr, x + 2, y + 8, 12, 9);
            draw::SetColor(cr, Hex(0xF4EED8));
            cairo_fill(cr);
        }
    } else {
        const Rgba rings[] = {Hex(0xF4EED8), Hex(0xC9413A), Hex(0xF4EED8), Hex(0xC9413A)};
        for (int i = 0; i < 4; ++i)
            OutlinedEllipse(cr, 20, 40, 18 - i * 5, 18 - i * 5, rings[i], 1.5);
    }
}

void Bottle(cairo_t* cr, bool whole, double liquid) {
    const Rgba glass = Hex(0x3E8E5A, 0.92);
    if (whole) {
        cairo_move_to(cr, 172, 92);
        cairo_line_to(cr, 186, 92);
        cairo_line_to(cr, 186, 118);
        cairo_curve_to(cr, 200, 126, 200, 134, 200, 142);
    } else {
        // Broken off in the middle: a jagged rim.
        cairo_move_to(cr, 160, 150);
        cairo_line_to(cr, 166, 140);
        cairo_line_to(cr, 172, 148);
        cairo_line_to(cr, 179, 136);
        cairo_line_to(cr, 186, 147);
        cairo_line_to(cr, 193, 139);
        cairo_line_to(cr, 200, 150);
    }
    cairo_line_to(cr, 200, 178);
    cairo_line_to(cr, 158, 178);
    cairo_line_to(cr, 158, whole ? 142 : 150);
    if (whole) {
        cairo_curve_to(cr, 158, 134, 158, 126, 172, 118);
        cairo_close_path(cr);
    } else {
        cairo_close_path(cr);
    }
    FillOutline(cr, glass, 2);
    if (whole) {
        cairo_rectangle(cr, 161, 146, 36, 24);
        FillOutline(cr, Hex(0xF1E2B4), 1.2);
        draw::TextCentered(cr, "XXX", 10, 179, 158, Hex(0x7A2E22));
        cairo_rectangle(cr, 170, 88, 18, 8);
        FillOutline(cr, Hex(0xA8703D), 1.2);
    }
    if (liquid > 0) {
        cairo_rectangle(cr, 160, 178 - 20 * liquid, 38, 20 * liquid);
        draw::SetColor(cr, Hex(0xC98A2E, 0.7));
        cairo_fill(cr);
    }
    Line(cr, 164, 128 + (whole ? 0 : 24), 164, 172, 3, Hex(0xFFFFFF, 0.45));
}

void Barrel(cairo_t* cr) {
    cairo_move_to(cr, 140, 180);
    cairo_curve_to(cr, 132, 220, 132, 250, 140, 290);
    cairo_line_to(cr, 220, 290);
    cairo_curve_to(cr, 228, 250, 228, 220, 220, 180);
    cairo_close_path(cr);
    FillOutline(cr, Hex(0x9C6232), 2.5);
    for (double y : {196.0, 262.0})
        Line(cr, 136, y, 224, y, 5, Hex(0x4A4038));
    for (double x : {160.0, 180.0, 200.0})
        Line(cr, x, 184, x, 286, 1.5, Hex(0x6E4020));
    OutlinedEllipse(cr, 180, 181, 40, 6, Hex(0xB07A44), 2);
}

void Skull(cairo_t* cr, double turn) {
    // Horns: long curved, seen narrower as the skull turns.
    const double w = std::fabs(turn);
    const Rgba bone = Hex(0xF2E8CF);
    for (int side = -1; side <= 1; side += 2) {
        const double s = side * w;
        cairo_move_to(cr, 69 + s * 18, 48);
        cairo_curve_to(cr, 69 + s * 40, 40, 69 + s * 56, 44, 69 + s * 60, 22);
        cairo_curve_to(cr, 69 + s * 52, 38, 69 + s * 40, 52, 69 + s * 18, 58);
        cairo_close_path(cr);
        FillOutline(cr, Hex(0xE6D6AE), 2);
    }
    // The face: a long shield shape, its back side plain.
    cairo_save(cr);
    cairo_translate(cr, 69, 70);
    cairo_scale(cr, std::max(0.08, w), 1);
    cairo_move_to(cr, -24, -26);
    cairo_curve_to(cr, -10, -34, 10, -34, 24, -26);
    cairo_curve_to(cr, 22, 0, 14, 26, 8, 36);
    cairo_curve_to(cr, 4, 42, -4, 42, -8, 36);
    cairo_curve_to(cr, -14, 26, -22, 0, -24, -26);
    cairo_close_path(cr);
    cairo_restore(cr);
    FillOutline(cr, bone, 2.2);
    if (turn > 0.3) {
        for (int side = -1; side <= 1; side += 2) {
            cairo_save(cr);
            cairo_translate(cr, 69 + side * 11 * w, 60);
            cairo_scale(cr, w, 1);
            Ellipse(cr, 0, 0, 6, 8);
            cairo_restore(cr);
            draw::SetColor(cr, Hex(0x3A2E22));
            cairo_fill(cr);
        }
        Ellipse(cr, 66, 96, 2, 3);
        Ellipse(cr, 72, 96, 2, 3);
        draw::SetColor(cr, Hex(0x3A2E22));
        cairo_fill(cr);
    }
}

} // namespace

void DrawTumbleweed(cairo_t* cr) {
    Random rnd(77);
    for (int i = 0; i < 26; ++i) {
        const double a0 = rnd.Unit() * 2 * M_PI, r0 = 6 + rnd.Unit() * 16;
        const double a1 = a0 + 1 + rnd.Unit() * 2, r1 = 8 + rnd.Unit() * 15;
        Curve(cr, 25 + std::cos(a0) * r0, 25 + std::sin(a0) * r0, 25 + rnd.Unit() * 10 - 5,
              25 + rnd.Unit() * 10 - 5, 25 + std::cos(a1) * (r1 + 4), 25 + std::sin(a1) * (r1 + 4),
              25 + std::cos(a1) * r1, 25 + std::sin(a1) * r1, i % 3 ? 1.6 : 2.4,
              i % 2 ? Hex(0xA07A44) : Hex(0x7A5A30));
    }
}

void DrawDoorFigureSheet(cairo_t* cr, int kind) {
    // Frames 0–10 rise from behind the floor; 11 is knocked back by a hit.
    ForEachFrame(cr, 40, 100, 6, 12, [kind](cairo_t* c, int f) {
        cairo_save(c);
        if (f == 11) {
            cairo_translate(c, 20, 100);
            cairo_scale(c, 1, 0.6);
            cairo_rotate(c, -0.1);
            cairo_translate(c, -20, -100);
            CutOut(c, kind);
            cairo_restore(c);
            BulletHole(c, 20, 70, 3.5);
            return;
        }
        cairo_translate(c, 0, (1.0 - f / 10.0) * 100.0);
        CutOut(c, kind);
        cairo_restore(c);
    });
}

void DrawBottleSheet(cairo_t* cr) {
    ForEachFrame(cr, 267, 283, 5, 22, [](cairo_t* c, int f) {
        Barrel(c);
        GroundShadow(c, 179, 178, 26, 4, 0.3);
        if (f == 0) {
            Bottle(c, true, 0.7);
            return;
        }
        Bottle(c, false, std::max(0.0, 0.7 - f * 0.05));
        const double t = f * 0.1;
        if (f <= 3) Burst(c, 179, 128, 44 - f * 9, 20 - f * 4, 9, Hex(0xFFE08A, 0.9));
        // Shards and drops fly out and fall past the barrel.
        Random rnd(4242);
        for (int i = 0; i < 18; ++i) {
            const double vx = (rnd.Unit() - 0.5) * 300, vy = -140 - rnd.Unit() * 180;
            const double x = 179 + vx * t, y = 125 + vy * t + 420 * t * t;
            if (y > 300) continue;
            cairo_save(c);
            cairo_translate(c, x, y);
            cairo_rotate(c, t * (i + 3));
            const double size = i % 3 ? 1.8 : 1.2;
            cairo_scale(c, size, size);
            cairo_move_to(c, -5, -3);
            cairo_line_to(c, 6, -1);
            cairo_line_to(c, 0, 5);
            cairo_close_path(c);
            cairo_restore(c);
            FillOutline(c, i % 3 ? Hex(0x5EB27A, 0.9) : Hex(0xC98A2E, 0.8), 1);
        }
    });
}

void DrawPosterSheet(cairo_t* cr) {
    // The poster hangs on one nail; a shot leaves a hole and sets it swinging.
    ForEachFrame(cr, 209, 174, 5, 25, [](cairo_t* c, int f) {
        const double swing = f == 0 ? 0.0 : 0.22 * std::sin(f * 0.9) * std::exp(-f / 9.0);
        cairo_save(c);
        cairo_translate(c, 97, 14);
        cairo_rotate(c, swing);
        cairo_translate(c, -97, -14);
        draw::SoftShadowRect(c, 40, 14, 114, 148, 2, 4, Hex(0x000000, 0.35), 3, 3);
        cairo_rectangle(c, 40, 14, 114, 148);
        FillOutline(c, Hex(0xEBD9A6), 2, Hex(0x8A6A3A));
        draw::TextCentered(c, "WANTED", 20, 97, 32, Hex(0x4A2A14));
        // A card shark with a hand of cards.
        cairo_rectangle(c, 54, 46, 86, 62);
        FillOutline(c, Hex(0xF6EBCB), 1.5, Hex(0x8A6A3A));
        cairo_move_to(c, 62, 92);
        cairo_curve_to(c, 70, 70, 110, 66, 130, 84);
        cairo_line_to(c, 122, 92);
        cairo_curve_to(c, 110, 100, 80, 102, 62, 92);
        cairo_close_path(c);
        FillOutline(c, Hex(0x7E9AAE), 1.6);
        cairo_move_to(c, 92, 74);
        cairo_line_to(c, 100, 56);
        cairo_line_to(c, 106, 76);
        cairo_close_path(c);
        FillOutline(c, Hex(0x7E9AAE), 1.6);
        Eye(c, 118, 80, 3, 1, 0.5, 0);
        for (int i = 0; i < 3; ++i) {
            cairo_save(c);
            cairo_translate(c, 78 + i * 6, 86);
            cairo_rotate(c, -0.4 + i * 0.35);
            cairo_rectangle(c, -5, -18, 10, 14);
            cairo_restore(c);
            FillOutline(c, Hex(0xFFFFFF), 1.2);
        }
        draw::TextCentered(c, "CARD SHARK", 11, 97, 120, Hex(0x4A2A14));
        draw::TextCentered(c, "$ 500", 17, 97, 142, Hex(0x9A2A1A));
        if (f > 0) BulletHole(c, 97, 95, 4);
        cairo_restore(c);
        OutlinedEllipse(c, 97, 14, 3, 3, Hex(0x8A8A8A), 1);
        if (f > 0 && f < 5) Burst(c, 97, 95, 16 - f * 3, 7 - f, 8, Hex(0xE8D0A0, 0.6));
    });
}

void DrawBullSheet(cairo_t* cr) {
    // The steer skull on its plaque spins round once when hit.
    ForEachFrame(cr, 135, 154, 5, 10, [](cairo_t* c, int f) {
        draw::RoundedRect(c, 44, 20, 50, 110, 8);
        FillOutline(c, Hex(0x7A4E27), 2);
        OutlinedEllipse(c, 69, 28, 3, 3, Hex(0x8A8A8A), 1);
        Skull(c, std::cos(2 * M_PI * f / 10.0));
        if (f == 1) Burst(c, 69, 66, 14, 6, 8, Hex(0xFFE08A, 0.85));
    });
}

void DrawDoorSheet(cairo_t* cr) {
    // Two batwing half-doors, hinged at the posts, swing inwards as the frames go on.
    ForEachFrame(cr, 145, 127, 5, 10, [](cairo_t* c, int f) {
        const double angle = f / 9.0 * 1.35;
        const double w = 72.5 * std::cos(angle);
        for (int side = 0; side < 2; ++side) {
            const double hinge = side ? 145 : 0, dir = side ? -1 : 1;
            const double outer = hinge + dir * w;
            const double x0 = std::min(hinge, outer), x1 = std::max(hinge, outer);
            // A scalloped top, lower towards the middle of the doorway.
            cairo_move_to(c, hinge, 6);
            cairo_curve_to(c, hinge + dir * w * 0.5, 6, outer, 18, outer, 24);
            cairo_line_to(c, outer, 127);
            cairo_line_to(c, hinge, 127);
            cairo_close_path(c);
            FillOutline(c, Hex(0xB77A3F), 2.2, Hex(0x4A2C14));
            if (x1 - x0 > 10) {
                // Slats and a frame, squeezed with the door.
                for (int i = 1; i < 5; ++i) {
                    const double x = hinge + dir * w * i / 5.0;
                    Line(c, x, 34, x, 118, 1.6, Hex(0x7A4E27));
                }
                Line(c, x0 + 4, 34, x1 - 4, 34, 3, Hex(0x7A4E27));
                Line(c, x0 + 4, 118, x1 - 4, 118, 3, Hex(0x7A4E27));
            }
        }
    });
}
