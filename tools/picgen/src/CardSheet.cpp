// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardSheet.h"

#include <cmath>

namespace {

constexpr double W = kCardCellWidth;
constexpr double H = kCardCellHeight;
const Rgba kWhite{1, 1, 1, 1};

void InCell(Canvas& canvas, int column, int row, const std::function<void(cairo_t*)>& paint) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, column * W, row * H);
    cairo_rectangle(cr, 0, 0, W, H);
    cairo_clip(cr);
    paint(cr);
    cairo_restore(cr);
}

// The empty place: a dark translucent well with a light rim.
void EmptyFrame(cairo_t* cr) {
    draw::RoundedRect(cr, 3, 3, W - 6, H - 6, 14);
    draw::SetColor(cr, Rgba{0, 0, 0, 0.18});
    cairo_fill_preserve(cr);
    draw::SetColor(cr, Rgba{1, 1, 1, 0.55});
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    draw::RoundedRect(cr, 11, 11, W - 22, H - 22, 9);
    draw::SetColor(cr, Rgba{1, 1, 1, 0.22});
    cairo_set_line_width(cr, 2);
    double dash[] = {10, 8};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_stroke(cr);
}

// The marker and drop highlight: a warm light wash with a bright rim.
void Marker(cairo_t* cr) {
    draw::RoundedRect(cr, 1, 1, W - 2, H - 2, 14);
    draw::SetColor(cr, Rgba{1.0, 0.93, 0.55, 0.55});
    cairo_fill_preserve(cr);
    draw::SetColor(cr, Rgba{1.0, 0.86, 0.3, 1});
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

// Rank symbols of the empty place sit in two corners, clear of the suit symbol in the middle.
void RankSymbol(cairo_t* cr, const std::string& text) {
    for (int corner = 0; corner < 2; ++corner) {
        cairo_save(cr);
        if (corner == 1) {
            cairo_translate(cr, W, H);
            cairo_rotate(cr, M_PI);
        }
        DrawRankText(cr, text, 18, 18, 40, 48, kWhite);
        cairo_restore(cr);
    }
}

void AllRanksSymbol(cairo_t* cr) {
    for (int corner = 0; corner < 2; ++corner) {
        cairo_save(cr);
        if (corner == 1) {
            cairo_translate(cr, W, H);
            cairo_rotate(cr, M_PI);
        }
        draw::TextInBox(cr, "\u2605", 16, 16, 44, 42, kWhite, Align::Center);
        cairo_restore(cr);
    }
}

void AllSuitsSymbol(cairo_t* cr) {
    const double d = 26;
    PaintSuit(cr, SuitShape::Pik, W / 2 - d, H / 2 - d, 40, kWhite);
    PaintSuit(cr, SuitShape::Herz, W / 2 + d, H / 2 - d, 40, kWhite);
    PaintSuit(cr, SuitShape::Karo, W / 2 - d, H / 2 + d, 40, kWhite);
    PaintSuit(cr, SuitShape::Kreuz, W / 2 + d, H / 2 + d, 40, kWhite);
}

} // namespace

void DrawCardSheet(Canvas& canvas, const CardStyle& style) {
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 13; ++rank) {
            InCell(canvas, suit, 12 - rank, [&](cairo_t* cr) {
                DrawCardFace(cr, style, static_cast<SuitShape>(suit), rank);
            });
        }
        InCell(canvas, suit, 13, [&](cairo_t* cr) { DrawCardBack(cr, style, suit); });
    }
    InCell(canvas, 1, 14, EmptyFrame);
    InCell(canvas, 2, 14, Marker);
    for (int rank = 0; rank < 13; ++rank) {
        InCell(canvas, 4, 12 - rank, [&](cairo_t* cr) { RankSymbol(cr, style.rankText[rank]); });
    }
    // The court cards once more with the English indices.
    CardStyle english = style;
    english.rankText = style.englishRankText;
    for (int rank = 10; rank <= 12; ++rank) {
        const int row = kEnglishCourtRow + 12 - rank;
        for (int suit = 0; suit < 4; ++suit)
            InCell(canvas, suit, row, [&](cairo_t* cr) {
                DrawCardFace(cr, english, static_cast<SuitShape>(suit), rank);
            });
        InCell(canvas, 4, row, [&](cairo_t* cr) { RankSymbol(cr, english.rankText[rank]); });
    }
    // SuitShape symbols of the empty place in the rows the marker uses: PIK, KREUZ, HERZ, KARO.
    const SuitShape symbolRows[4] = {SuitShape::Pik, SuitShape::Kreuz, SuitShape::Herz,
                                     SuitShape::Karo};
    for (int row = 0; row < 4; ++row) {
        InCell(canvas, 5, row,
               [&](cairo_t* cr) { PaintSuit(cr, symbolRows[row], W / 2, H / 2, 84, kWhite); });
    }
    InCell(canvas, 5, 4, AllRanksSymbol);
    InCell(canvas, 5, 5, AllSuitsSymbol);
}
