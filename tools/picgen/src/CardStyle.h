// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What distinguishes one card set from another.
#include "Canvas.h"
#include "Suits.h"

#include <array>
#include <string>
#include <vector>

constexpr int kCardCellWidth = 176;
constexpr int kCardCellHeight = 256;

struct CardStyle {
    std::string member;                   // member name in cards.gob, with "\\"
    std::string catalogName;              // NAME: of the Cards.typ entry
    std::array<Rgba, 4> suitColors;       // by SuitShape
    std::array<std::string, 13> rankText;        // ASS 0 … KÖNIG 12, German indices (B, D, K)
    std::array<std::string, 13> englishRankText; // the same with J, Q, K
    Rgba face;                            // card paper
    Rgba edge;                            // thin outline
    double indexHeight;                   // cap height of the corner rank
    double indexSuitHeight;               // height of the corner suit
    bool bottomIndexSmall;                // the rotated corner index is a small one
};

// The three card sets, in catalog order.
std::vector<CardStyle> CardStyles();

// Rank: ASS 0 … KÖNIG 12.
void DrawCardFace(cairo_t* cr, const CardStyle& style, SuitShape suit, int rank);
void DrawCardBack(cairo_t* cr, const CardStyle& style, int backStyle);
// Court picture inside the frame (x, y, w, h), for BUBE 10, DAME 11, KÖNIG 12.
void DrawCourtFigure(cairo_t* cr, const CardStyle& style, SuitShape suit, int rank, double x,
                     double y, double w, double h);

// The rounded outline of a card in a cell at the origin.
void CardOutline(cairo_t* cr);
// The corner rank text, `capHeight` tall, left edge at x, top at y, at most maxWidth wide.
void DrawRankText(cairo_t* cr, const std::string& text, double x, double y, double capHeight,
                  double maxWidth, Rgba color);
