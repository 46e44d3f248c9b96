// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiSheets.h"

#include "GuiKit.h"
#include "Suits.h"

#include <cmath>

using namespace gui;

namespace {

// Draws a picture and its second look directly below it.
void WithSecond(cairo_t* cr, double x, double y, double w, double h,
                const std::function<void(cairo_t*, bool)>& paint) {
    InRect(cr, x, y, w, h, [&](cairo_t* c) { paint(c, false); });
    InRect(cr, x, y + h, w, h, [&](cairo_t* c) { paint(c, true); });
}

void ToolbarPiece(cairo_t* cr, double w, double h, bool hover, bool roundLeft, bool roundRight) {
    const double r = 12, top = 2, bottom = h - 4;
    double l = roundLeft ? 3 : 0, rr = roundRight ? w - 3 : w;
    cairo_new_path(cr);
    if (roundLeft) {
        cairo_arc(cr, l + r, top + r, r, M_PI, 1.5 * M_PI);
    } else {
        cairo_move_to(cr, l, top);
    }
    if (roundRight) {
        cairo_arc(cr, rr - r, top + r, r, 1.5 * M_PI, 2 * M_PI);
        cairo_arc(cr, rr - r, bottom - r, r, 0, 0.5 * M_PI);
    } else {
        cairo_line_to(cr, rr, top);
        cairo_line_to(cr, rr, bottom);
    }
    if (roundLeft) {
        cairo_arc(cr, l + r, bottom - r, r, 0.5 * M_PI, M_PI);
    } else {
        cairo_line_to(cr, l, bottom);
    }
    cairo_close_path(cr);
    if (hover) {
        draw::VerticalGradient(cr, top, bottom, Hex(0xFFF6D2), Hex(0xF5CF62));
    } else {
        draw::VerticalGradient(cr, top, bottom, Hex(0xFFFFFF), Hex(0xE6DCC6));
    }
    cairo_fill_preserve(cr);
    draw::SetColor(cr, hover ? Hex(0xB88412) : Hex(0xA89268));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    // A soft shade under the bar.
    cairo_rectangle(cr, roundLeft ? l + r : 0, bottom + 0.8,
                    (roundRight ? rr - r : w) - (roundLeft ? l + r : 0), 2.2);
    draw::SetColor(cr, Rgba{0, 0, 0, 0.18});
    cairo_fill(cr);
}

void Triangle(cairo_t* cr, double tipX, double cy, double size, int dir) {
    cairo_move_to(cr, tipX, cy);
    cairo_line_to(cr, tipX - dir * size, cy - size * 0.8);
    cairo_line_to(cr, tipX - dir * size, cy + size * 0.8);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void CurvedArrow(cairo_t* cr, double cx, double cy, double s, int dir) {
    cairo_set_line_width(cr, 3.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_new_path(cr);
    if (dir < 0) {
        cairo_arc(cr, cx + 1, cy + 3, s, -M_PI * 0.95, -M_PI * 0.0);
    } else {
        cairo_arc_negative(cr, cx - 1, cy + 3, s, -M_PI * 0.05, -M_PI * 1.0);
    }
    cairo_stroke(cr);
    double tx = cx - dir * s + (dir < 0 ? 1 : -1);
    cairo_move_to(cr, tx - 5.5, cy + 1);
    cairo_line_to(cr, tx + 5.5, cy + 1);
    cairo_line_to(cr, tx, cy + 8);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void ToolbarIcon(cairo_t* cr, int which, double w, double h) {
    double cx = w / 2, cy = h / 2 - 1;
    draw::SetColor(cr, kInk);
    switch (which) {
    case 0: // back to the start
        cairo_rectangle(cr, cx - 9, cy - 7, 3, 14);
        cairo_fill(cr);
        Triangle(cr, cx - 5, cy, 8, -1);
        Triangle(cr, cx + 3, cy, 8, -1);
        break;
    case 1:
        CurvedArrow(cr, cx, cy, 8, 1);
        break;
    case 2:
        CurvedArrow(cr, cx, cy, 8, -1);
        break;
    case 3: // forward to the end
        Triangle(cr, cx - 3, cy, 8, 1);
        Triangle(cr, cx + 5, cy, 8, 1);
        cairo_rectangle(cr, cx + 6, cy - 7, 3, 14);
        cairo_fill(cr);
        break;
    case 4:   // load the quick save: a tray with an arrow out of it
    case 5: { // write the quick save: an arrow into the tray
        cairo_set_line_width(cr, 2.6);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_move_to(cr, cx - 10, cy + 1);
        cairo_line_to(cr, cx - 10, cy + 9);
        cairo_line_to(cr, cx + 10, cy + 9);
        cairo_line_to(cr, cx + 10, cy + 1);
        cairo_stroke(cr);
        cairo_rectangle(cr, cx - 1.6, cy - 9, 3.2, 9);
        cairo_fill(cr);
        if (which == 4) {
            cairo_move_to(cr, cx, cy - 13);
            cairo_line_to(cr, cx + 6, cy - 6);
            cairo_line_to(cr, cx - 6, cy - 6);
        } else {
            cairo_move_to(cr, cx, cy + 5);
            cairo_line_to(cr, cx + 6, cy - 2);
            cairo_line_to(cr, cx - 6, cy - 2);
        }
        cairo_close_path(cr);
        cairo_fill(cr);
        if (which == 5) {
            cairo_rectangle(cr, cx - 1.6, cy - 12, 3.2, 10);
            cairo_fill(cr);
        }
        break;
    }
    default: { // new game: two cards and a star
        cairo_save(cr);
        cairo_translate(cr, cx - 3, cy + 1);
        cairo_rotate(cr, -0.25);
        draw::RoundedRect(cr, -7, -10, 14, 20, 2.5);
        draw::SetColor(cr, Hex(0xFFFFFF));
        cairo_fill_preserve(cr);
        draw::SetColor(cr, kInk);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, cx + 3, cy + 1);
        cairo_rotate(cr, 0.18);
        draw::RoundedRect(cr, -7, -10, 14, 20, 2.5);
        draw::SetColor(cr, Hex(0xFFFFFF));
        cairo_fill_preserve(cr);
        draw::SetColor(cr, kInk);
        cairo_stroke(cr);
        PaintSuit(cr, SuitShape::Herz, 0, 0, 9, kRed);
        cairo_restore(cr);
        break;
    }
    }
}

void MusicIcon(cairo_t* cr, double cx, double cy, Rgba c) {
    draw::SetColor(cr, c);
    cairo_save(cr);
    cairo_translate(cr, cx - 5, cy + 6);
    cairo_scale(cr, 1.25, 1);
    cairo_arc(cr, 0, 0, 3.6, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, cx + 6, cy + 3);
    cairo_scale(cr, 1.25, 1);
    cairo_arc(cr, 0, 0, 3.6, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 2, cy - 9, 2.2, 15);
    cairo_rectangle(cr, cx + 9, cy - 12, 2.2, 15);
    cairo_fill(cr);
    cairo_move_to(cr, cx - 2, cy - 9);
    cairo_line_to(cr, cx + 11.2, cy - 12);
    cairo_line_to(cr, cx + 11.2, cy - 8);
    cairo_line_to(cr, cx - 2, cy - 5);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void SpeakerIcon(cairo_t* cr, double cx, double cy, Rgba c, bool waves) {
    draw::SetColor(cr, c);
    cairo_move_to(cr, cx - 10, cy - 4);
    cairo_line_to(cr, cx - 5, cy - 4);
    cairo_line_to(cr, cx + 2, cy - 10);
    cairo_line_to(cr, cx + 2, cy + 10);
    cairo_line_to(cr, cx - 5, cy + 4);
    cairo_line_to(cr, cx - 10, cy + 4);
    cairo_close_path(cr);
    cairo_fill(cr);
    if (waves) {
        cairo_set_line_width(cr, 2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_arc(cr, cx + 2, cy, 6, -0.9, 0.9);
        cairo_stroke(cr);
        cairo_arc(cr, cx + 2, cy, 10, -0.9, 0.9);
        cairo_stroke(cr);
    }
}

void OffStrike(cairo_t* cr, double w, double h) {
    cairo_set_line_width(cr, 3.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    draw::SetColor(cr, Hex(0xC62828));
    cairo_move_to(cr, w * 0.25, h * 0.25);
    cairo_line_to(cr, w * 0.75, h * 0.75);
    cairo_stroke(cr);
}

// The small card house of the title.
void Logo(cairo_t* cr, double cx, double cy, double s) {
    const double angles[3] = {-0.35, 0.0, 0.35};
    const SuitShape suits[3] = {SuitShape::Pik, SuitShape::Herz, SuitShape::Kreuz};
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, cx + (i - 1) * s * 0.5, cy + std::abs(i - 1) * s * 0.06);
        cairo_rotate(cr, angles[i]);
        draw::SoftShadowRect(cr, -s * 0.3, -s * 0.42, s * 0.6, s * 0.84, s * 0.06, 3,
                             Rgba{0, 0, 0, 0.3}, 1, 2);
        draw::RoundedRect(cr, -s * 0.3, -s * 0.42, s * 0.6, s * 0.84, s * 0.06);
        draw::SetColor(cr, Hex(0xFFFFFF));
        cairo_fill_preserve(cr);
        draw::SetColor(cr, Hex(0x9A8C70));
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        PaintSuit(cr, suits[i], 0, 0, s * 0.4, IsRed(suits[i]) ? Hex(0xC81E2C) : Hex(0x1C1C24));
        cairo_restore(cr);
    }
}

void MainPanel(cairo_t* cr) {
    Panel(cr, 500, 600);
    Logo(cr, 250, 62, 62);
    draw::Text(cr, "Kartenhaus", 40, 250, 96, kInk, Align::Center);
    Ornament(cr, 250, 206, 300, Mix(kGold, kPaperBottom, 0.2));
    Well(cr, 186, 142, 128, 56, 28);
    // Language choices: the marker ring is drawn over the current one.
    const char* names[2] = {"Deutsch", "English"};
    const double xs[2] = {112, 261};
    const Rgba colors[2][3] = {{Hex(0x111111), Hex(0xD21F1F), Hex(0xF2C318)},
                               {Hex(0x1F3E8C), Hex(0xFFFFFF), Hex(0xC8202F)}};
    for (int i = 0; i < 2; ++i) {
        double cx = xs[i] + 16, cy = 545 + 16;
        cairo_save(cr);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, 12, 0, 2 * M_PI);
        cairo_clip(cr);
        if (i == 0) {
            for (int band = 0; band < 3; ++band) {
                draw::SetColor(cr, colors[i][band]);
                cairo_rectangle(cr, cx - 12, cy - 12 + band * 8, 24, 8);
                cairo_fill(cr);
            }
        } else {
            draw::SetColor(cr, colors[1][0]);
            cairo_paint(cr);
            draw::SetColor(cr, colors[1][1]);
            cairo_set_line_width(cr, 5);
            cairo_move_to(cr, cx - 12, cy - 12);
            cairo_line_to(cr, cx + 12, cy + 12);
            cairo_move_to(cr, cx + 12, cy - 12);
            cairo_line_to(cr, cx - 12, cy + 12);
            cairo_stroke(cr);
            cairo_rectangle(cr, cx - 12, cy - 4, 24, 8);
            cairo_rectangle(cr, cx - 4, cy - 12, 8, 24);
            cairo_fill(cr);
            draw::SetColor(cr, colors[1][2]);
            cairo_rectangle(cr, cx - 12, cy - 2.2, 24, 4.4);
            cairo_rectangle(cr, cx - 2.2, cy - 12, 4.4, 24);
            cairo_fill(cr);
        }
        cairo_restore(cr);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, 12, 0, 2 * M_PI);
        draw::SetColor(cr, Hex(0x8A7A5A));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
        draw::Text(cr, names[i], 17, xs[i] + 38, 551, kInk, Align::Left);
    }
}

void TitledPanel(cairo_t* cr, double w, double h, double bandY, double bandH) {
    Panel(cr, w, h, bandY, bandH);
}

} // namespace

void DrawMenuSheet(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    InRect(cr, 0, 0, 500, 600, MainPanel);
    // The game menu has no title of its own: suit ornaments frame the entries.
    InRect(cr, 500, 0, 400, 500, [](cairo_t* c) {
        Panel(c, 400, 500);
        const SuitShape suits[4] = {SuitShape::Pik, SuitShape::Herz, SuitShape::Kreuz,
                                    SuitShape::Karo};
        for (int i = 0; i < 4; ++i) {
            Rgba color = IsRed(suits[i]) ? Hex(0xC81E2C) : Hex(0x1C1C24);
            PaintSuit(c, suits[i], 200 + (i - 1.5) * 34, 58, 22, color);
            PaintSuit(c, suits[i], 200 + (i - 1.5) * 34, 430, 22, color);
        }
        Ornament(c, 200, 84, 280, Mix(kGold, kPaperBottom, 0.2));
        Ornament(c, 200, 404, 280, Mix(kGold, kPaperBottom, 0.2));
    });
    InRect(cr, 900, 0, 350, 400, [](cairo_t* c) {
        TitledPanel(c, 350, 400, 26, 48);
        Ornament(c, 175, 88, 220, Mix(kGold, kPaperBottom, 0.2));
    });
    InRect(cr, 0, 600, 450, 500, [](cairo_t* c) {
        TitledPanel(c, 450, 500, 32, 48);
        Well(c, 40, 94, 370, 232, 12);
    });

    // Top bar: a tab hanging from the top edge of the screen.
    InRect(cr, 500, 500, 380, 50, [](cairo_t* c) {
        draw::SoftShadow(c, 4, Rgba{0, 0, 0, 0.4}, 0, 2,
                         [](cairo_t* s) { draw::RoundedRect(s, 6, -30, 368, 72, 18); });
        draw::RoundedRect(c, 6, -30, 368, 72, 18);
        draw::VerticalGradient(c, 0, 42, kPaperTop, kPaperBottom);
        cairo_fill_preserve(c);
        draw::SetColor(c, kPaperEdge);
        cairo_set_line_width(c, 2);
        cairo_stroke(c);
    });

    // Toolbar: seven pieces of one bar.
    const double toolX[8] = {500, 542, 575, 608, 641, 674, 707, 750};
    for (int i = 0; i < 7; ++i) {
        double w = toolX[i + 1] - toolX[i];
        WithSecond(cr, toolX[i], 550, w, 37, [=](cairo_t* c, bool hover) {
            ToolbarPiece(c, w, 37, hover, i == 0, i == 6);
            ToolbarIcon(c, i, w, 37);
        });
    }
    // Music (751) and sound (791) switches with their off looks.
    WithSecond(cr, 751, 550, 40, 40, [](cairo_t* c, bool off) {
        RoundButton(c, 40, 40, false);
        MusicIcon(c, 20, 19.5, off ? Hex(0x9A9486) : kInk);
        if (off) {
            OffStrike(c, 40, 40);
        }
    });
    WithSecond(cr, 791, 550, 40, 40, [](cairo_t* c, bool off) {
        RoundButton(c, 40, 40, false);
        SpeakerIcon(c, 20, 19.5, off ? Hex(0x9A9486) : kInk, !off);
        if (off) {
            OffStrike(c, 40, 40);
        }
    });

    WithSecond(cr, 900, 400, 400, 50, [](cairo_t* c, bool hover) { Button(c, 400, 50, hover); });
    WithSecond(cr, 900, 700, 300, 50,
               [](cairo_t* c, bool hover) { Button(c, 300, 50, hover, 12); });
    WithSecond(cr, 950, 800, 200, 35, [](cairo_t* c, bool hover) { Button(c, 200, 35, hover, 9); });
    WithSecond(cr, 950, 600, 140, 40, [](cairo_t* c, bool hover) { Button(c, 140, 40, hover); });
    WithSecond(cr, 1100, 600, 40, 40, [](cairo_t* c, bool hover) {
        RoundButton(c, 40, 40, hover);
        IconReturn(c, 20, 19.5, 20, kInk);
    });
    WithSecond(cr, 910, 600, 40, 40, [](cairo_t* c, bool selected) {
        draw::SoftShadowRect(c, 6, 6, 28, 27, 6, 3, Rgba{0, 0, 0, 0.3}, 0, 1.5);
        draw::RoundedRect(c, 6, 6, 28, 27, 6);
        draw::VerticalGradient(c, 6, 33, Hex(0xFFFFFF), Hex(0xEDE5D3));
        cairo_fill_preserve(c);
        draw::SetColor(c, Hex(0x8F7A50));
        cairo_set_line_width(c, 1.6);
        cairo_stroke(c);
        if (selected) {
            IconCheck(c, 20, 19.5, 22, Hex(0x1E7B3A));
        }
    });
    // Plus (870, 600) and minus (870, 640), each 40 × 20 with its hover below.
    for (int minus = 0; minus < 2; ++minus) {
        WithSecond(cr, 870, 600 + 40 * minus, 40, 20, [=](cairo_t* c, bool hover) {
            Button(c, 40, 20, hover, 7);
            draw::SetColor(c, kInk);
            cairo_rectangle(c, 13, 8.2, 14, 2.6);
            if (!minus) {
                cairo_rectangle(c, 18.7, 2.5, 2.6, 14);
            }
            cairo_fill(c);
        });
    }
    for (int down = 0; down < 2; ++down) {
        WithSecond(cr, 1223 + 35 * down, 700, 35, 35, [=](cairo_t* c, bool hover) {
            RoundButton(c, 35, 35, hover);
            IconArrow(c, 17.5, 17 + (down ? 1 : -1), 14, !down, kInk);
        });
        WithSecond(cr, 1193 + 50 * down, 500, 50, 50, [=](cairo_t* c, bool hover) {
            RoundButton(c, 50, 50, hover);
            IconArrow(c, 25, 24.5 + (down ? 1.5 : -1.5), 20, !down, kInk);
        });
    }
    // Language marker: a gold ring with a tick, drawn over the chosen flag.
    InRect(cr, 1150, 500, 32, 32, [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, 16, 16, 14, 0, 2 * M_PI);
        draw::SetColor(c, kGold);
        cairo_set_line_width(c, 3.5);
        cairo_stroke(c);
        cairo_new_sub_path(c);
        cairo_arc(c, 25, 25, 6.5, 0, 2 * M_PI);
        draw::SetColor(c, Hex(0x1E7B3A));
        cairo_fill(c);
        IconCheck(c, 25, 25, 8, Hex(0xFFFFFF));
    });
}
