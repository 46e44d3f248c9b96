// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiSheets.h"

#include "GuiKit.h"
#include "Suits.h"

using namespace gui;

namespace {

const Rgba kOrnament = Mix(kGold, kPaperBottom, 0.2);

// A small card silhouette, used as a placeholder decoration in wells.
void SuitRow(cairo_t* cr, double cx, double cy, double size, double gap) {
    const SuitShape suits[4] = {SuitShape::Pik, SuitShape::Herz, SuitShape::Kreuz, SuitShape::Karo};
    for (int i = 0; i < 4; ++i) {
        Rgba color = IsRed(suits[i]) ? Hex(0xC81E2C, 0.8) : Hex(0x1C1C24, 0.8);
        PaintSuit(cr, suits[i], cx + (i - 1.5) * gap, cy, size, color);
    }
}

} // namespace

void DrawOptionsSheet(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    Panel(cr, 800, 600, 30, 50);
    // Left: the card preview (face at 95, back at 175, 66 × 90), the card-back choice
    // (90 … 250, 250) and the card-set list (70, 320 + 40 i; heading at 295, arrows at 500).
    Well(cr, 80, 104, 178, 124, 12);
    Well(cr, 82, 244, 176, 52, 12);
    Well(cr, 58, 314, 224, 172, 12);
    // Middle: the pointer pictures (305 … 495, 100) and the three value buttons (300, 180 …
    // 335; headings 25 above), then the check boxes and the deviation with their labels.
    Well(cr, 286, 88, 228, 256, 14);
    Well(cr, 292, 346, 216, 150, 12);
    // Right: the background miniature (560, 120), the theme choice (590 … 670, 250) and the
    // background list (530, 320 + 40 j).
    Well(cr, 550, 110, 170, 134, 8);
    cairo_rectangle(cr, 558, 118, 154, 116.5);
    draw::SetColor(cr, Rgba{0, 0, 0, 0.25});
    cairo_fill(cr);
    Well(cr, 578, 256, 104, 40, 12);
    Well(cr, 518, 314, 224, 172, 12);
    SuitRow(cr, 400, 568, 16, 26);
}

void DrawHelpSheet(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    // The title band ends above the text, which starts at 75.
    Panel(cr, 700, 525, 24, 48);
    Well(cr, 90, 73, 520, 375, 14);
    // No ornament below: the page's buttons sit at 460 … 500 in both scenes.
}

void DrawStatsSheet(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    Panel(cr, 640, 480, 33, 50);
    // Highscore rows (100 … 250) and the summary (300 …).
    Well(cr, 60, 92, 520, 156, 12);
    Well(cr, 110, 290, 420, 96, 12);
    SuitRow(cr, 320, 452, 12, 22);
}

void DrawListSheet(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    Panel(cr, 450, 600, 33, 50);
    // The category or game name sits at 75, the rows from 138 on.
    Ornament(cr, 225, 112, 260, kOrnament);
    Well(cr, 62, 130, 326, 372, 14);
}
