// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiSheets.h"

#include "GuiKit.h"
#include "Suits.h"

#include <cmath>

using namespace gui;

namespace {

void Felt(cairo_t* cr, double w, double h) {
    draw::RadialGradient(cr, w / 2, h * 0.45, 40, w * 0.75, Hex(0x2F8A58), Hex(0x0C3A22));
    cairo_paint(cr);
    // A faint pattern of suits over the cloth.
    for (int y = 0; y < h / 64 + 1; ++y) {
        for (int x = 0; x < w / 64 + 1; ++x) {
            SuitShape s = static_cast<SuitShape>((x + y) % 4);
            PaintSuit(cr, s, x * 64 + (y % 2) * 32 + 16, y * 64 + 20, 16, Rgba{1, 1, 1, 0.035});
        }
    }
}

// One playing card seen from the front, rotated by `angle` about its bottom centre.
void LeaningCard(cairo_t* cr, double bx, double by, double ch, double angle, int back,
                 double narrow = 1) {
    double cw = ch * 0.6875 * narrow;
    cairo_save(cr);
    cairo_translate(cr, bx, by);
    cairo_rotate(cr, angle);
    draw::SoftShadowRect(cr, -cw / 2, -ch, cw, ch, ch * 0.06, 6, Rgba{0, 0, 0, 0.35}, 3, 4);
    draw::RoundedRect(cr, -cw / 2, -ch, cw, ch, ch * 0.06);
    draw::SetColor(cr, Hex(0xFFFDF7));
    cairo_fill_preserve(cr);
    draw::SetColor(cr, Hex(0x8A8478));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    double m = ch * 0.05;
    draw::RoundedRect(cr, -cw / 2 + m, -ch + m, cw - 2 * m, ch - 2 * m, ch * 0.04);
    draw::SetColor(cr, back ? Hex(0xA3232B) : Hex(0x1F4E9A));
    cairo_fill(cr);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, -ch / 2);
    cairo_scale(cr, narrow, 1);
    cairo_arc(cr, 0, 0, ch * 0.6875 * 0.25, 0, 2 * M_PI);
    cairo_restore(cr);
    draw::SetColor(cr, Rgba{1, 1, 1, 0.85});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Plank(cairo_t* cr, double x, double y, double w) {
    draw::SoftShadowRect(cr, x, y, w, 9, 3, 5, Rgba{0, 0, 0, 0.3}, 2, 3);
    draw::RoundedRect(cr, x, y, w, 9, 3);
    draw::SetColor(cr, Hex(0xF4EEDF));
    cairo_fill_preserve(cr);
    draw::SetColor(cr, Hex(0x8A8478));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// A house of cards of `storeys` storeys standing on baseY, centred on cx.
void CardHouse(cairo_t* cr, double cx, double baseY, double ch, int storeys) {
    const double lean = 0.34, narrow = 0.5;
    double cw = ch * 0.6875 * narrow;
    double half = std::sin(lean) * ch / 2 + cw * 0.25; // from a card's foot to the apex
    double height = std::cos(lean) * ch;               // height of one tent
    double tent = 2 * half + 6;
    for (int s = 0; s < storeys; ++s) {
        int tents = storeys - s;
        double y = baseY - s * (height + 9);
        double left = cx - tents * tent / 2;
        for (int t = 0; t < tents; ++t) {
            double apex = left + t * tent + tent / 2;
            LeaningCard(cr, apex - half, y, ch, lean, (s + t) % 2, narrow);
            LeaningCard(cr, apex + half, y, ch, -lean, (s + t + 1) % 2, narrow);
        }
        if (s + 1 < storeys) {
            Plank(cr, left + tent / 2 - half * 0.6, y - height - 9,
                  (tents - 1) * tent + half * 1.2);
        }
    }
}

void Title(cairo_t* cr, double cx, double y, double size) {
    draw::SoftShadow(cr, 6, Rgba{0, 0, 0, 0.5}, 0, 4, [&](cairo_t* c) {
        draw::Text(c, "Kartenhaus", size, cx, y, Rgba{0, 0, 0, 1}, Align::Center);
    });
    draw::Text(cr, "Kartenhaus", size, cx, y, Hex(0xF6E7B8), Align::Center);
}

void Caption(cairo_t* cr, const char* text) {
    // A ribbon coming in from the left edge.
    cairo_move_to(cr, 0, 18);
    cairo_line_to(cr, 640, 18);
    cairo_line_to(cr, 612, 56);
    cairo_line_to(cr, 640, 94);
    cairo_line_to(cr, 0, 94);
    cairo_close_path(cr);
    draw::VerticalGradient(cr, 18, 94, Hex(0xF3D77E), Hex(0xC9962A));
    cairo_fill_preserve(cr);
    draw::SetColor(cr, Hex(0x7A5A12));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    draw::Text(cr, text, 38, 60, 33, Hex(0x3A2A08), Align::Left);
}

} // namespace

void DrawMenuBackground(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    Felt(cr, 1024, 768);
    // Fans of cards in the two lower corners, clear of the centre panels.
    for (int side = 0; side < 2; ++side) {
        double bx = side ? 930 : 94, by = 760;
        for (int i = 0; i < 5; ++i) {
            double a = (side ? -1 : 1) * (0.15 + i * 0.16) - (side ? -0.35 : 0.35);
            LeaningCard(cr, bx, by, 210, a, (i + side) % 2);
        }
    }
    CardHouse(cr, 130, 330, 90, 2);
    CardHouse(cr, 894, 330, 90, 2);
    // Vignette.
    draw::RadialGradient(cr, 512, 384, 300, 720, Rgba{0, 0, 0, 0}, Rgba{0, 0, 0, 0.45});
    cairo_paint(cr);
}

void DrawSplashSheet(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    gui::InRect(cr, 0, 0, 1024, 768, [](cairo_t* c) {
        Felt(c, 1024, 768);
        draw::RadialGradient(c, 640, 470, 50, 420, Rgba{1, 1, 0.8, 0.16}, Rgba{1, 1, 0.8, 0});
        cairo_paint(c);
        CardHouse(c, 740, 640, 150, 3);
        Title(c, 512, 28, 104);
        draw::Text(c, "Patiencen  \u2022  Solitaire", 28, 512, 150, Hex(0xE9DDB5, 0.9),
                   Align::Center, false);
        draw::RadialGradient(c, 512, 384, 360, 760, Rgba{0, 0, 0, 0}, Rgba{0, 0, 0, 0.45});
        cairo_paint(c);
    });
    // Progress bar, empty (122, 768) and filled (122, 834), both 818 × 66.
    gui::InRect(cr, 122, 768, 818, 66, [](cairo_t* c) {
        draw::RoundedRect(c, 4, 8, 810, 50, 25);
        draw::SetColor(c, Rgba{0, 0, 0, 0.45});
        cairo_fill_preserve(c);
        draw::SetColor(c, Hex(0xE9D7A0));
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
    });
    gui::InRect(cr, 122, 834, 818, 66, [](cairo_t* c) {
        draw::RoundedRect(c, 9, 13, 800, 40, 20);
        draw::VerticalGradient(c, 13, 53, Hex(0xFBE7A0), Hex(0xD49A22));
        cairo_fill(c);
        draw::RoundedRect(c, 15, 16, 788, 14, 7);
        draw::SetColor(c, Rgba{1, 1, 1, 0.45});
        cairo_fill(c);
    });
    gui::InRect(cr, 0, 900, 700, 112, [](cairo_t* c) { Caption(c, "Wird geladen \u2026"); });
    gui::InRect(cr, 0, 1012, 700, 112, [](cairo_t* c) { Caption(c, "Loading \u2026"); });
}
