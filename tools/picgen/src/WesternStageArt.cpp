// SPDX-License-Identifier: GPL-3.0-or-later
// The western stage: the saloon's plank front on the left with its doorway, a store with a
// window on the right, a strip of sky and mesas at the top, the dusty street along the
// bottom, and the middle left open for the card table.
#include "Noise.h"
#include "ThemeArt.h"
#include "WesternArt.h"

#include <cmath>

using namespace art;

namespace {

const Rgba kPlank = Hex(0xA8703D);
const Rgba kPlankDark = Hex(0x7A4E27);

// Vertical planks filling the rectangle, each a little different.
void Planks(cairo_t* cr, Random& rnd, double x, double y, double w, double h, double width) {
    for (double px = x; px < x + w; px += width) {
        const Rgba c = Mix(kPlank, Hex(0xC08850), rnd.Unit() * 0.5);
        cairo_rectangle(cr, px, y, std::min(width, x + w - px), h);
        draw::SetColor(cr, c);
        cairo_fill(cr);
        Line(cr, px, y, px, y + h, 1.5, kPlankDark);
        // A knot here and there.
        if (rnd.Unit() < 0.35) {
            Ellipse(cr, px + width / 2, y + rnd.Unit() * h, 3, 5);
            draw::SetColor(cr, kPlankDark);
            cairo_fill(cr);
        }
    }
}

void Post(cairo_t* cr, double x, double y0, double y1) {
    cairo_rectangle(cr, x - 7, y0, 14, y1 - y0);
    FillOutline(cr, Hex(0x8A5A2E), 2);
    Line(cr, x - 2, y0 + 4, x - 2, y1 - 4, 2, Hex(0xB07A44));
}

void Sky(cairo_t* cr) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 96);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.55, 0.78, 0.93, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 0.6, 0.98, 0.83, 0.6, 0.7);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.98, 0.83, 0.6, 0.0);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, 0, 1024, 96);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Mesas far away.
    cairo_move_to(cr, 180, 80);
    cairo_line_to(cr, 230, 52);
    cairo_line_to(cr, 330, 50);
    cairo_line_to(cr, 350, 70);
    cairo_line_to(cr, 420, 66);
    cairo_line_to(cr, 440, 80);
    cairo_close_path(cr);
    cairo_move_to(cr, 600, 80);
    cairo_line_to(cr, 630, 60);
    cairo_line_to(cr, 700, 56);
    cairo_line_to(cr, 720, 40);
    cairo_line_to(cr, 770, 40);
    cairo_line_to(cr, 800, 80);
    cairo_close_path(cr);
    draw::SetColor(cr, Hex(0xC77B4A, 0.55));
    cairo_fill(cr);
}

void Street(cairo_t* cr, Random& rnd) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 630, 0, 700);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.85, 0.68, 0.45, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.85, 0.68, 0.45, 0.95);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, 630, 1024, 138);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Wheel ruts and pebbles.
    Curve(cr, 190, 730, 400, 722, 620, 740, 840, 728, 3, Hex(0xA8804F, 0.6));
    Curve(cr, 190, 752, 420, 746, 640, 760, 840, 750, 3, Hex(0xA8804F, 0.6));
    for (int i = 0; i < 40; ++i) {
        Ellipse(cr, 190 + rnd.Unit() * 650, 700 + rnd.Unit() * 64, 2 + rnd.Unit() * 2,
                1.5 + rnd.Unit());
        draw::SetColor(cr, Hex(0x9A7248, 0.7));
        cairo_fill(cr);
    }
}

void Saloon(cairo_t* cr, Random& rnd) {
    // False front with a stepped top, plank wall down to the boardwalk.
    cairo_save(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 182, 0);
    cairo_line_to(cr, 182, 640);
    cairo_line_to(cr, 0, 640);
    cairo_close_path(cr);
    cairo_clip(cr);
    Planks(cr, rnd, 0, 0, 182, 640, 22);
    cairo_restore(cr);
    cairo_rectangle(cr, 0, 0, 182, 640);
    draw::SetColor(cr, kPlankDark);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Cornice under the false front.
    cairo_rectangle(cr, -4, 170, 190, 16);
    FillOutline(cr, Hex(0x6E3F1E), 2);
    // Doorway: a dark room behind the swinging doors, with posts and a lintel.
    cairo_rectangle(cr, 0, 206, 150, 150);
    draw::SetColor(cr, Hex(0x2A1A10));
    cairo_fill(cr);
    draw::RadialGradient(cr, 70, 300, 10, 120, Hex(0x6A4020, 0.7), Hex(0x2A1A10, 0.0));
    cairo_rectangle(cr, 0, 206, 150, 150);
    cairo_fill(cr);
    Post(cr, 152, 200, 360);
    cairo_rectangle(cr, -4, 196, 166, 14);
    FillOutline(cr, Hex(0x6E3F1E), 2);
    // A lantern on the corner post, its glow on the planks.
    draw::RadialGradient(cr, 168, 392, 4, 60, Hex(0xFFD27A, 0.45), Hex(0xFFD27A, 0.0));
    cairo_rectangle(cr, 108, 332, 120, 120);
    cairo_fill(cr);
    draw::RoundedRect(cr, 158, 378, 20, 30, 4);
    FillOutline(cr, Hex(0xF6D27A), 2, Hex(0x3A3028));
    Line(cr, 168, 370, 168, 378, 3, Hex(0x3A3028));
    // Boardwalk with a post at the corner.
    cairo_rectangle(cr, -4, 620, 196, 22);
    FillOutline(cr, Hex(0x8A5A2E), 2);
    Post(cr, 182, 160, 640);
    // Barrel under the corner of the bottle's table is part of the bottle's sheet.
}

void Store(cairo_t* cr, Random& rnd) {
    cairo_save(cr);
    cairo_rectangle(cr, 848, 0, 176, 660);
    cairo_clip(cr);
    cairo_rectangle(cr, 848, 0, 176, 660);
    draw::SetColor(cr, Hex(0x5E9C92));
    cairo_fill(cr);
    // Painted clapboard: horizontal boards.
    for (double y = 0; y < 660; y += 18) {
        Line(cr, 848, y, 1024, y, 2, Hex(0x3F7A70));
        Line(cr, 848, y + 2, 1024, y + 2, 1, Hex(0x86C2B6));
    }
    cairo_restore(cr);
    (void)rnd;
    // The iron bracket the saloon sign hangs from.
    Line(cr, 872, 8, 1024, 8, 5, Hex(0x3A3028));
    Line(cr, 1010, 8, 1024, 30, 4, Hex(0x3A3028));
    // Window with a sill for the cactus pot.
    cairo_rectangle(cr, 880, 230, 130, 140);
    FillOutline(cr, Hex(0x8FC6D8), 3, Hex(0x4A2C14));
    Line(cr, 945, 230, 945, 370, 4, Hex(0x4A2C14));
    Line(cr, 880, 300, 1010, 300, 4, Hex(0x4A2C14));
    cairo_move_to(cr, 884, 236);
    cairo_line_to(cr, 920, 236);
    cairo_line_to(cr, 884, 280);
    cairo_close_path(cr);
    draw::SetColor(cr, Hex(0xFFFFFF, 0.35));
    cairo_fill(cr);
    cairo_rectangle(cr, 868, 368, 156, 12);
    FillOutline(cr, Hex(0x6E3F1E), 2);
    // Door of the store further down, half out of the picture.
    cairo_rectangle(cr, 960, 470, 70, 180);
    FillOutline(cr, Hex(0x6E3F1E), 3);
    OutlinedEllipse(cr, 972, 565, 4, 4, Hex(0xE0B84A), 1.5);
    // Boardwalk and corner post.
    cairo_rectangle(cr, 836, 640, 196, 22);
    FillOutline(cr, Hex(0x8A5A2E), 2);
    Post(cr, 848, 0, 650);
}

} // namespace

void DrawWesternStage(cairo_t* cr) {
    Random rnd(18851);
    Sky(cr);
    Street(cr, rnd);
    Saloon(cr, rnd);
    Store(cr, rnd);
    // A water trough on the street, low at the right.
    cairo_rectangle(cr, 740, 700, 96, 36);
    FillOutline(cr, Hex(0x7A5230), 2.5);
    cairo_rectangle(cr, 746, 704, 84, 8);
    draw::SetColor(cr, Hex(0x6FB6D0));
    cairo_fill(cr);
}
