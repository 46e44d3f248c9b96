// SPDX-License-Identifier: GPL-3.0-or-later
// The frog, the monkey, the dragonfly, the snapping plant, the snake and the spider.
#include "JungleArt.h"
#include "ThemeArt.h"

#include <cmath>

using namespace art;

namespace {

const Rgba kFrog = Hex(0x5DBB46);
const Rgba kFrogBelly = Hex(0xC9E88A);
const Rgba kFur = Hex(0x8A5A34);
const Rgba kFurLight = Hex(0xD9AD7C);
const Rgba kVine = Hex(0x4E7A2E);

// The frog, facing right. `crouch` lowers the body, `stretch` 0 … 1 extends the legs into
// a leap, `sac` 0 … 1 blows up the throat.
void Frog(cairo_t* cr, double crouch, double stretch, double sac, double lift) {
    cairo_save(cr);
    cairo_translate(cr, 0, crouch - lift);
    const double tilt = -0.45 * stretch;
    if (stretch < 0.1) GroundShadow(cr, 32, 60 - crouch + lift, 24, 4);
    cairo_translate(cr, 32, 44);
    cairo_rotate(cr, tilt);
    // Hind leg: folded under the body, or stretched out behind.
    if (stretch > 0.1) {
        Line(cr, -14, 6, -30 * stretch - 8, 14 + 6 * stretch, 7, Darker(kFrog, 0.1));
        OutlinedEllipse(cr, -30 * stretch - 12, 16 + 6 * stretch, 6, 3, Darker(kFrog, 0.1), 1.5);
    } else {
        OutlinedEllipse(cr, -12, 8, 12, 8, Darker(kFrog, 0.08), 1.8);
        OutlinedEllipse(cr, -4, 15, 9, 3, Darker(kFrog, 0.08), 1.5);
    }
    // Body and belly.
    OutlinedEllipse(cr, 0, 0, 20, 14, kFrog, 2);
    Ellipse(cr, 6, 6, 12, 7);
    draw::SetColor(cr, kFrogBelly);
    cairo_fill(cr);
    // Throat sac.
    if (sac > 0.05) OutlinedEllipse(cr, 15, 10, 7 * sac + 3, 6 * sac + 2, Hex(0xF2E6A0), 1.5);
    // Front leg.
    Line(cr, 10, 6, 14 + 6 * stretch, 15 + 2 * stretch, 4.5, Darker(kFrog, 0.1));
    OutlinedEllipse(cr, 16 + 6 * stretch, 16 + 2 * stretch, 4.5, 2.2, Darker(kFrog, 0.1), 1.2);
    // Head with the eyes on top.
    OutlinedEllipse(cr, 14, -8, 7, 7, kFrog, 2);
    Eye(cr, 15, -13, 4.2, 1.0, 0.6, 0);
    // Spots and smile.
    Ellipse(cr, -8, -5, 3, 2);
    Ellipse(cr, -2, -9, 2.2, 1.6);
    draw::SetColor(cr, Darker(kFrog, 0.3));
    cairo_fill(cr);
    cairo_move_to(cr, 12, -1);
    cairo_curve_to(cr, 15, 2, 19, 2, 21, -1);
    cairo_set_line_width(cr, 1.2);
    draw::SetColor(cr, kOutline);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The monkey hangs by one arm from a liana that comes down from the top. `hand` places the
// free hand; `banana` 0 none, else the part of the banana that is left; `scratch` wiggles
// the hand on the head.
void Monkey(cairo_t* cr, double handX, double handY, double banana, double blink, double mouth) {
    // The liana and the arm that holds it.
    Curve(cr, 44, -5, 40, 20, 46, 30, 44, 48, 5, kVine);
    // Tail curling down.
    Curve(cr, 70, 130, 100, 140, 108, 110, 96, 96, 5, Darker(kFur, 0.1));
    // Body.
    OutlinedEllipse(cr, 60, 108, 27, 33, kFur, 2.2);
    OutlinedEllipse(cr, 62, 114, 16, 22, kFurLight, 0);
    // Legs.
    OutlinedEllipse(cr, 46, 140, 9, 12, kFur, 2);
    OutlinedEllipse(cr, 76, 140, 9, 12, kFur, 2);
    // Holding arm.
    Curve(cr, 46, 86, 40, 70, 40, 55, 44, 40, 9, kOutline);
    Curve(cr, 46, 86, 40, 70, 40, 55, 44, 40, 6, kFur);
    OutlinedEllipse(cr, 44, 38, 6, 5, kFurLight, 1.6);
    // Head: ears, face, eyes.
    OutlinedEllipse(cr, 38, 62, 8, 8, kFurLight, 2);
    OutlinedEllipse(cr, 82, 62, 8, 8, kFurLight, 2);
    OutlinedEllipse(cr, 60, 60, 21, 19, kFur, 2.2);
    OutlinedEllipse(cr, 60, 66, 15, 12, kFurLight, 0);
    Eye(cr, 53, 58, 4.5, blink, 0.3, 0.2);
    Eye(cr, 67, 58, 4.5, blink, 0.3, 0.2);
    OutlinedEllipse(cr, 60, 73, 5 + mouth * 2, 1.5 + mouth * 3.5, Hex(0x6B2E24), 1.4);
    // Free arm to the hand.
    Curve(cr, 76, 92, 90, 92, handX + 6, handY + 14, handX, handY, 9, kOutline);
    Curve(cr, 76, 92, 90, 92, handX + 6, handY + 14, handX, handY, 6, kFur);
    if (banana > 0) {
        cairo_save(cr);
        cairo_translate(cr, handX, handY);
        cairo_rotate(cr, -0.9);
        const double len = 22 * banana;
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, len * 0.3, -8, len * 0.8, -7, len, -2);
        cairo_curve_to(cr, len * 0.8, 2, len * 0.3, 4, 0, 4);
        cairo_close_path(cr);
        FillOutline(cr, Hex(0xF6D24A), 1.4);
        Line(cr, -4, 2, 1, 2, 3, Hex(0x8A6A2A));
        cairo_restore(cr);
    }
    OutlinedEllipse(cr, handX, handY, 5.5, 5, kFurLight, 1.6);
}

void DragonflyWings(cairo_t* cr, double flap, int side) {
    const Rgba wing = Hex(0xBFE9F5, 0.75);
    for (int i = 0; i < 2; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 24 + i * 5, 22);
        cairo_scale(cr, 1, side * (0.35 + 0.65 * flap));
        cairo_rotate(cr, -1.2 - i * 0.5);
        Ellipse(cr, 10, 0, 11, 3.5);
        cairo_restore(cr);
        draw::SetColor(cr, wing);
        cairo_fill_preserve(cr);
        draw::SetColor(cr, Hex(0x3A7D96, 0.8));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
}

// The dragonfly facing right; `flap` 0 … 1.
void Dragonfly(cairo_t* cr, double flap, double bob) {
    cairo_save(cr);
    cairo_translate(cr, 0, bob);
    DragonflyWings(cr, 1 - flap, -1);
    // Tail and body.
    cairo_move_to(cr, 4, 22);
    cairo_line_to(cr, 24, 22);
    cairo_set_line_width(cr, 3.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    draw::SetColor(cr, Hex(0x1F7FA8));
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i)
        Line(cr, 7 + i * 4.5, 20.5, 7 + i * 4.5, 23.5, 1, Hex(0x0F4F6A));
    OutlinedEllipse(cr, 31, 22, 7, 4, Hex(0x2A9BC9), 1.2);
    OutlinedEllipse(cr, 40, 21, 4.5, 4.5, Hex(0x38B3D9), 1.2);
    Ellipse(cr, 42, 19.5, 2.4, 2.4);
    draw::SetColor(cr, Hex(0x17324A));
    cairo_fill(cr);
    DragonflyWings(cr, flap, 1);
    cairo_restore(cr);
}

// A snapping plant with two trap heads; `snap` 0 open … 1 shut, per head.
void TrapHead(cairo_t* cr, double x, double y, double angle, double snap, double size) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    const double open = 0.9 * (1 - snap) + 0.05;
    for (int jaw = -1; jaw <= 1; jaw += 2) {
        cairo_save(cr);
        cairo_rotate(cr, jaw * open * 0.6);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, size * 0.3, jaw * size * 0.5, size * 0.9, jaw * size * 0.45, size, 0);
        cairo_close_path(cr);
        FillOutline(cr, jaw < 0 ? Hex(0x7CC24A) : Hex(0x6AAE3C), 1.8);
        // Inner red and teeth.
        cairo_move_to(cr, size * 0.1, 0);
        cairo_curve_to(cr, size * 0.35, jaw * size * 0.3, size * 0.8, jaw * size * 0.28,
                       size * 0.95, 0);
        cairo_close_path(cr);
        draw::SetColor(cr, Hex(0xD8524A));
        cairo_fill(cr);
        for (int t = 1; t < 6; ++t) {
            const double tx = size * t / 6.0;
            Line(cr, tx, jaw * size * 0.3 * std::sin(M_PI * t / 6.0), tx + 2,
                 jaw * size * 0.45 * std::sin(M_PI * t / 6.0), 1.4, Hex(0xF4F0D8));
        }
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

void Plant(cairo_t* cr, double snapA, double snapB, double sway) {
    // Leaves at the base.
    for (int i = 0; i < 7; ++i) {
        const double a = M_PI + 0.25 + i * (M_PI - 0.5) / 6.0;
        Leaf(cr, 75, 108, a, 38 + (i % 2) * 10, 9, i % 2 ? Hex(0x3F8E3A) : Hex(0x57A83F));
    }
    Curve(cr, 70, 106, 62, 80, 50 + sway, 60, 44 + sway, 46, 5, Hex(0x3F7F2E));
    Curve(cr, 80, 106, 92, 84, 100 - sway, 66, 108 - sway, 52, 5, Hex(0x3F7F2E));
    TrapHead(cr, 44 + sway, 46, -2.2, snapA, 34);
    TrapHead(cr, 108 - sway, 52, -0.8, snapB, 30);
}

// The snake coils round a branch at the top and hangs down; `sway` moves the head,
// `tongue` 0 … 1.
void Snake(cairo_t* cr, double sway, double tongue, double blink) {
    const Rgba body = Hex(0x6CB33F), belly = Hex(0xE3E08A);
    // Branch.
    cairo_move_to(cr, -5, 26);
    cairo_curve_to(cr, 50, 18, 100, 30, 155, 20);
    cairo_set_line_width(cr, 16);
    draw::SetColor(cr, Hex(0x6B4A2B));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 10);
    draw::SetColor(cr, Hex(0x8A633A));
    cairo_stroke(cr);
    Leaf(cr, 120, 22, -0.6, 26, 7, Hex(0x4E9A3A));
    Leaf(cr, 20, 22, -2.4, 22, 6, Hex(0x5FAE45));
    // Body: coils over the branch, then down to the head.
    const double hx = 86 + sway, hy = 168;
    cairo_move_to(cr, 20, 30);
    cairo_curve_to(cr, 20, 6, 50, 6, 52, 28);
    cairo_curve_to(cr, 54, 50, 80, 46, 84, 26);
    cairo_curve_to(cr, 88, 8, 112, 12, 108, 40);
    cairo_curve_to(cr, 104, 80, 70 + sway * 0.3, 100, 76 + sway * 0.6, 130);
    cairo_curve_to(cr, 80 + sway * 0.8, 150, hx - 2, hy - 14, hx, hy - 6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 15);
    draw::SetColor(cr, kOutline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 11);
    draw::SetColor(cr, body);
    cairo_stroke_preserve(cr);
    const double dash[] = {4, 9};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_width(cr, 5);
    draw::SetColor(cr, Darker(body, 0.25));
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    // Tongue.
    if (tongue > 0.05) {
        const double ty = hy + 12 + 14 * tongue;
        Line(cr, hx, hy + 8, hx, ty, 1.6, Hex(0xD23C3C));
        Line(cr, hx, ty, hx - 3, ty + 4, 1.4, Hex(0xD23C3C));
        Line(cr, hx, ty, hx + 3, ty + 4, 1.4, Hex(0xD23C3C));
    }
    // Head, pointing down.
    OutlinedEllipse(cr, hx, hy, 11, 14, body, 2);
    Ellipse(cr, hx, hy + 5, 6, 6);
    draw::SetColor(cr, belly);
    cairo_fill(cr);
    Eye(cr, hx - 6, hy - 4, 4, blink, 0, 0.5);
    Eye(cr, hx + 6, hy - 4, 4, blink, 0, 0.5);
}

// The spider on its thread, body centred at (x, y); `legs` wiggles the legs.
void Spider(cairo_t* cr, double x, double y, double legs, double blink) {
    Line(cr, 71, 0, x, y - 10, 1.2, Hex(0xF4F4F4, 0.85));
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 4; ++i) {
            const double a = (i - 1.5) * 0.45 + legs * (i % 2 ? 1 : -1) * 0.2;
            const double kx = x + side * 16, ky = y - 4 + i * 4;
            const double ex = x + side * (26 + 2 * std::cos(a)), ey = ky + 14 * std::sin(a) + 6;
            cairo_move_to(cr, x + side * 5, y - 2 + i * 2);
            cairo_line_to(cr, kx, ky - 8 + i * 2);
            cairo_line_to(cr, ex, ey);
            cairo_set_line_width(cr, 2.6);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            draw::SetColor(cr, Hex(0x2A2330));
            cairo_stroke(cr);
        }
    }
    OutlinedEllipse(cr, x, y + 6, 13, 12, Hex(0x4B3A66), 2);
    Ellipse(cr, x - 4, y + 2, 4, 3);
    draw::SetColor(cr, Hex(0x7E6AA0));
    cairo_fill(cr);
    OutlinedEllipse(cr, x, y - 8, 9, 8, Hex(0x5D4A7E), 2);
    Eye(cr, x - 4, y - 8, 3.2, blink, 0, 0.4);
    Eye(cr, x + 4, y - 8, 3.2, blink, 0, 0.4);
}

} // namespace

void DrawFrogSheet(cairo_t* cr) {
    // Rows 0–1: the croak, the throat blowing up and going down again.
    ForEachFrame(cr, 64, 64, 4, 8,
                 [](cairo_t* c, int b) { Frog(c, 0, 0, std::sin(M_PI * b / 8.0), 0); });
    // Rows 2–5: the jump. Frames 0–9 gather for the leap (and, played again, the landing),
    // frames 10–12 are the leap itself.
    cairo_save(cr);
    cairo_translate(cr, 0, 128);
    ForEachFrame(cr, 64, 64, 4, 13, [](cairo_t* c, int b) {
        if (b >= 10) {
            Frog(c, 0, 0.5 + 0.25 * (b - 10), 0, 6 + 2 * (b - 10));
        } else {
            const double crouch = 3 + 3 * std::sin(M_PI * b / 9.0);
            Frog(c, crouch, 0, 0, 0);
        }
    });
    cairo_restore(cr);
}

void DrawMonkeySheet(cairo_t* cr) {
    // Row 0: eating (frame 0, empty-handed, is also the idle pose); row 1: scratching.
    ForEachFrame(cr, 121, 161, 10, 10, [](cairo_t* c, int b) {
        if (b == 0) {
            Monkey(c, 96, 100, 0, 1, 0.1);
            return;
        }
        const double t = (b - 1) / 8.0;
        const double hx = 94 - 22 * std::min(1.0, t * 3), hy = 96 - 22 * std::min(1.0, t * 3);
        Monkey(c, hx, hy, 1.0 - 0.8 * t, b % 4 == 3 ? 0.1 : 1, b % 2 ? 0.9 : 0.3);
    });
    cairo_save(cr);
    cairo_translate(cr, 0, 161);
    ForEachFrame(cr, 121, 161, 10, 10, [](cairo_t* c, int b) {
        const double wiggle = std::sin(b * 1.9) * 4;
        Monkey(c, 80 + wiggle, 40 + std::cos(b * 1.9) * 2, 0, 0.45, 0.2);
    });
    cairo_restore(cr);
}

void DrawDragonflySheet(cairo_t* cr) {
    ForEachFrame(cr, 50, 50, 5, 10, [](cairo_t* c, int b) {
        Dragonfly(c, 0.5 + 0.5 * std::cos(2 * M_PI * b / 5.0), std::sin(2 * M_PI * b / 10.0));
    });
    // Rows 2–3: the same flight to the left.
    cairo_save(cr);
    cairo_translate(cr, 0, 100);
    ForEachFrame(cr, 50, 50, 5, 10, [](cairo_t* c, int b) {
        cairo_save(c);
        cairo_translate(c, 50, 0);
        cairo_scale(c, -1, 1);
        Dragonfly(c, 0.5 + 0.5 * std::cos(2 * M_PI * b / 5.0), std::sin(2 * M_PI * b / 10.0));
        cairo_restore(c);
    });
    cairo_restore(cr);
}

void DrawPlantSheet(cairo_t* cr) {
    // The two traps snap one after the other and open again.
    ForEachFrame(cr, 150, 111, 5, 10, [](cairo_t* c, int b) {
        const double a = std::max(0.0, std::sin(M_PI * b / 5.0));
        const double bb = std::max(0.0, std::sin(M_PI * (b - 5) / 5.0));
        Plant(c, a, bb, std::sin(2 * M_PI * b / 10.0) * 3);
    });
}

void DrawSnakeSheet(cairo_t* cr) {
    ForEachFrame(cr, 150, 211, 5, 10, [](cairo_t* c, int b) {
        const double tongue = b >= 3 && b <= 7 ? std::sin(M_PI * (b - 3) / 4.0) : 0.0;
        Snake(c, std::sin(2 * M_PI * b / 10.0) * 10, tongue, b == 9 ? 0.1 : 1.0);
    });
}

void DrawSpiderSheet(cairo_t* cr) {
    // Frame 0 rests under the branch; frames 1–9 let it down and pull it up again.
    ForEachFrame(cr, 111, 366, 10, 10, [](cairo_t* c, int f) {
        const double drop = f == 0 ? 0.0 : std::sin(M_PI * (f - 0.5) / 9.0) * 270;
        Spider(c, 71, 56 + drop, f == 0 ? 0 : std::sin(f * 2.1), f == 0 ? 1 : 0.9);
    });
}
