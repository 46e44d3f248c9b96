// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardStyle.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr double W = kCardCellWidth;
constexpr double H = kCardCellHeight;
constexpr double kRadius = 14;

// Pip centres of the number cards in a unit box: u across (0 left … 1 right), v down.
std::vector<std::pair<double, double>> PipLayout(int count) {
    const double l = 0, m = 0.5, r = 1;
    switch (count) {
    case 2:
        return {{m, 0}, {m, 1}};
    case 3:
        return {{m, 0}, {m, 0.5}, {m, 1}};
    case 4:
        return {{l, 0}, {r, 0}, {l, 1}, {r, 1}};
    case 5:
        return {{l, 0}, {r, 0}, {m, 0.5}, {l, 1}, {r, 1}};
    case 6:
        return {{l, 0}, {r, 0}, {l, 0.5}, {r, 0.5}, {l, 1}, {r, 1}};
    case 7:
        return {{l, 0}, {r, 0}, {m, 0.25}, {l, 0.5}, {r, 0.5}, {l, 1}, {r, 1}};
    case 8:
        return {{l, 0}, {r, 0}, {m, 0.25}, {l, 0.5}, {r, 0.5}, {m, 0.75}, {l, 1}, {r, 1}};
    case 9:
        return {{l, 0},       {r, 0},       {l, 1.0 / 3}, {r, 1.0 / 3}, {m, 0.5},
                {l, 2.0 / 3}, {r, 2.0 / 3}, {l, 1},       {r, 1}};
    case 10:
        return {{l, 0},       {r, 0},       {m, 1.0 / 6}, {l, 1.0 / 3}, {r, 1.0 / 3},
                {l, 2.0 / 3}, {r, 2.0 / 3}, {m, 5.0 / 6}, {l, 1},       {r, 1}};
    default:
        return {};
    }
}

void Index(cairo_t* cr, const CardStyle& style, SuitShape suit, int rank, double capHeight,
           double suitHeight) {
    Rgba color = style.suitColors[static_cast<int>(suit)];
    double maxWidth = capHeight * 1.15;
    DrawRankText(cr, style.rankText[rank], 11, 10, capHeight, maxWidth, color);
    // The small suit sits in the opposite top corner so that a fanned column shows both.
    PaintSuit(cr, suit, W - 12 - suitHeight * 0.52, 10 + capHeight / 2, suitHeight, color);
}

} // namespace

void CardOutline(cairo_t* cr) {
    draw::RoundedRect(cr, 1, 1, W - 2, H - 2, kRadius);
}

void DrawRankText(cairo_t* cr, const std::string& text, double x, double y, double capHeight,
                  double maxWidth, Rgba color) {
    // Characters are set one by one by their ink, so that "10" stays tight.
    const double size = 100;
    draw::InkBox cap = draw::TextInk(cr, "H", size);
    double k = capHeight / cap.h;
    double gap = 7;
    double total = 0;
    std::vector<draw::InkBox> inks;
    for (char c : text) {
        inks.push_back(draw::TextInk(cr, std::string(1, c), size));
        total += inks.back().w;
    }
    total += gap * (inks.size() - 1);
    double sx = std::min(k, maxWidth / total);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, sx, k);
    draw::SetColor(cr, color);
    double pen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        draw::ShowText(cr, std::string(1, text[i]), size, pen - inks[i].x, -cap.y);
        pen += inks[i].w + gap;
    }
    cairo_restore(cr);
}

void DrawCardFace(cairo_t* cr, const CardStyle& style, SuitShape suit, int rank) {
    Rgba color = style.suitColors[static_cast<int>(suit)];
    // Paper with a faint warm gradient and a thin edge.
    CardOutline(cr);
    draw::VerticalGradient(cr, 0, H, Lighter(style.face, 0.4), Darker(style.face, 0.035));
    cairo_fill_preserve(cr);
    draw::SetColor(cr, style.edge);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);

    // Corner indices: full size at the top, rotated at the bottom.
    Index(cr, style, suit, rank, style.indexHeight, style.indexSuitHeight);
    cairo_save(cr);
    cairo_translate(cr, W, H);
    cairo_rotate(cr, M_PI);
    if (style.bottomIndexSmall) {
        Index(cr, style, suit, rank, 30, 24);
    } else {
        Index(cr, style, suit, rank, style.indexHeight, style.indexSuitHeight);
    }
    cairo_restore(cr);

    double top = style.indexHeight + 20;
    double bottom = style.bottomIndexSmall ? H - 46 : H - top;
    if (rank == 0) {
        double size = style.bottomIndexSmall ? 92 : 104;
        double cy = (top + bottom) / 2 + 4;
        if (suit == SuitShape::Pik) {
            // The ace of spades carries a decorated pip.
            cairo_save(cr);
            cairo_arc(cr, W / 2, cy, size * 0.68, 0, 2 * M_PI);
            draw::SetColor(cr, Lighter(color, 0.9));
            cairo_fill_preserve(cr);
            draw::SetColor(cr, Hex(0xC9A13B));
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            cairo_arc(cr, W / 2, cy, size * 0.6, 0, 2 * M_PI);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
            cairo_restore(cr);
            size *= 0.9;
        }
        PaintSuit(cr, suit, W / 2, cy, size, color);
        return;
    }
    if (rank >= 10) {
        double fx = 30, fy = top - 2, fw = W - 60, fh = bottom - fy + 2;
        if (style.bottomIndexSmall) {
            fy = top + 2;
            fh = bottom - fy;
        }
        DrawCourtFigure(cr, style, suit, rank, fx, fy, fw, fh);
        return;
    }
    int count = rank + 1;
    double pip = count >= 9 ? 30 : 34;
    if (style.bottomIndexSmall) {
        pip -= 4;
    }
    double x0 = 52, x1 = W - 52;
    double y0 = top + pip / 2 + 2, y1 = bottom - pip / 2 - 2;
    for (auto [u, v] : PipLayout(count)) {
        double cx = x0 + u * (x1 - x0);
        double cy = y0 + v * (y1 - y0);
        PaintSuit(cr, suit, cx, cy, pip, color, v > 0.5 ? M_PI : 0);
    }
}
