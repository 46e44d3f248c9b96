// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/TablePreview.h"

#include "GuiKit.h"
#include "Suits.h"
#include "rules/KartenTisch.h"

#include <algorithm>
#include <cmath>

namespace {

// One cell of the card-set image scaled to a card of size (w, h) at (x, y); with a colour it
// is laid down as that colour through the cell's alpha (the game's modulating colour on a
// white symbol), else as it is.
void Cell(cairo_t* cr, const PreviewArt& art, int column, int row, double x, double y, double w,
          double h, const Rgba* tint = nullptr, double alpha = 1) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w / art.cellWidth, h / art.cellHeight);
    cairo_rectangle(cr, 0, 0, art.cellWidth, art.cellHeight);
    cairo_clip(cr);
    if (tint) {
        draw::SetColor(cr, *tint);
        cairo_mask_surface(cr, art.cards, -column * art.cellWidth, -row * art.cellHeight);
    } else {
        cairo_set_source_surface(cr, art.cards, -column * art.cellWidth, -row * art.cellHeight);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint_with_alpha(cr, alpha);
    }
    cairo_restore(cr);
}

int FaceColumn(int suit) {
    // KREUZ 0, KARO 1, PIK 2, HERZ 3 → columns KREUZ 2, KARO 3, PIK 0, HERZ 1.
    static const int columns[4] = {2, 3, 0, 1};
    return columns[suit & 3];
}

void DrawCard(cairo_t* cr, const Card& card, bool faceDown, const PreviewArt& art) {
    double x = card.target.x, y = card.target.y, w = card.size.x, h = card.size.y;
    if (faceDown) {
        Cell(cr, art, 0, 13, x, y, w, h);
        return;
    }
    int column = FaceColumn(card.suit), row = 12 - card.rank;
    const Rgba shadow{0, 0, 0, 0x5F / 255.0};
    Cell(cr, art, column, row, x + 5, y + 5, w, h, &shadow);
    Cell(cr, art, column, row, x, y, w, h);
}

} // namespace

void DrawTable(cairo_t* cr, const KartenTisch& table, const PreviewArt& art) {
    cairo_save(cr);
    cairo_set_source_surface(cr, art.cloth, 0, 0);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_REPEAT);
    cairo_paint(cr);
    cairo_restore(cr);
    const Rgba symbol{0x4F / 255.0, 0x4F / 255.0, 0x4F / 255.0, 0x7F / 255.0};
    for (int i = 0; i < table.piles.Count(); ++i) {
        const KartenStapel* pile = table.piles.Get(i);
        EmptyMarker m = pile->EmptyMarkerCells();
        double x = pile->position.x, y = pile->position.y, w = pile->cardSize.x,
               h = pile->cardSize.y;
        Cell(cr, art, m.frame.column, m.frame.row, x, y, w, h);
        if (m.hasSuit) {
            Cell(cr, art, m.suit.column, m.suit.row, x, y, w, h, &symbol);
        }
        if (m.hasRank) {
            Cell(cr, art, m.rank.column, m.rank.row, x, y, w, h, &symbol);
        }
    }
    for (int i = 0; i < table.piles.Count(); ++i) {
        const KartenStapel* pile = table.piles.Get(i);
        for (int c = 0; c < pile->faceDownCards.Count(); ++c) {
            DrawCard(cr, *pile->faceDownCards.Get(c), true, art);
        }
        for (int c = 0; c < pile->visibleCards.Count(); ++c) {
            DrawCard(cr, *pile->visibleCards.Get(c), false, art);
        }
    }
}

void DrawPreview(Canvas& preview, const KartenTisch& table, const PreviewArt& art,
                 const std::string& nameUtf8) {
    Canvas full(1024, 768);
    DrawTable(full.cr(), table, art);
    // The part of the table the game uses (every place and card, and a margin), widened to
    // the screen's 4 : 3 and kept on the screen.
    double x0 = 1024, y0 = 768, x1 = 0, y1 = 0;
    auto grow = [&](double x, double y, double w, double h) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x + w);
        y1 = std::max(y1, y + h);
    };
    for (int i = 0; i < table.piles.Count(); ++i) {
        const KartenStapel* pile = table.piles.Get(i);
        grow(pile->position.x, pile->position.y, pile->cardSize.x, pile->cardSize.y);
        for (const PtrList<Card>* list : {&pile->faceDownCards, &pile->visibleCards}) {
            for (int c = 0; c < list->Count(); ++c) {
                const Card* card = list->Get(c);
                grow(card->target.x, card->target.y, card->size.x + 5, card->size.y + 5);
            }
        }
    }
    if (x1 <= x0 || y1 <= y0) {
        x0 = 0, y0 = 0, x1 = 1024, y1 = 768;
    }
    const double margin = 24;
    double w = x1 - x0 + 2 * margin, h = y1 - y0 + 2 * margin;
    if (w / h > 4.0 / 3) {
        h = w * 3 / 4;
    } else {
        w = h * 4 / 3;
    }
    w = std::min(w, 1024.0);
    h = std::min(h, 768.0);
    double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    double left = std::clamp(cx - w / 2, 0.0, 1024 - w), top = std::clamp(cy - h / 2, 0.0, 768 - h);

    cairo_t* cr = preview.cr();
    // The table, rounded at the corners, in the frame's 200 × 150.
    cairo_save(cr);
    draw::RoundedRect(cr, 2, 2, 196, 146, 10);
    cairo_clip(cr);
    cairo_scale(cr, 200.0 / w, 150.0 / h);
    cairo_set_source_surface(cr, full.surface(), -left, -top);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);

    // The note beside it: the name and the number of packs.
    gui::InRect(cr, 196, 6, 100, 138, [&](cairo_t* c) {
        draw::SoftShadowRect(c, 2, 4, 94, 128, 10, 4, Rgba{0, 0, 0, 0.4}, 1, 2);
        draw::RoundedRect(c, 2, 4, 94, 128, 10);
        draw::VerticalGradient(c, 4, 132, gui::kPaperTop, gui::kPaperBottom);
        cairo_fill_preserve(c);
        draw::SetColor(c, gui::kPaperEdge);
        cairo_set_line_width(c, 1.5);
        cairo_stroke(c);
        // The name, in up to three lines, each fitted to the note's width.
        std::vector<std::string> lines;
        std::string current;
        for (char ch : nameUtf8 + " ") {
            if (ch == ' ') {
                std::string tryLine = current.empty() ? "" : current;
                lines.push_back(tryLine);
                current.clear();
            } else {
                current += ch;
            }
        }
        // Join short words while they fit.
        std::vector<std::string> joined;
        for (const std::string& word : lines) {
            if (word.empty()) {
                continue;
            }
            if (!joined.empty() && draw::TextWidth(c, joined.back() + " " + word, 13) <= 84) {
                joined.back() += " " + word;
            } else {
                joined.push_back(word);
            }
        }
        if (joined.size() > 3) {
            joined.resize(3);
        }
        double y = 14;
        for (const std::string& line : joined) {
            double size = std::min(13.0, 13.0 * 84 / std::max(1.0, draw::TextWidth(c, line, 13)));
            draw::Text(c, line, size, 49, y, gui::kInk, Align::Center);
            y += 17;
        }
        int packs = (table.deckSize + 51) / 52;
        const SuitShape suits[4] = {SuitShape::Pik, SuitShape::Herz, SuitShape::Kreuz,
                                    SuitShape::Karo};
        for (int i = 0; i < 4; ++i) {
            PaintSuit(c, suits[i], 49 + (i - 1.5) * 16, 96, 12,
                      IsRed(suits[i]) ? Hex(0xC81E2C) : Hex(0x1C1C24));
        }
        std::string count = std::to_string(table.deckSize) +
                            (packs > 1 ? " (" + std::to_string(packs) + "\u00d7)" : "");
        draw::Text(c, count, 12, 49, 106, Mix(gui::kInk, gui::kPaperBottom, 0.25), Align::Center);
    });
}
