// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Renders a game's dealt table, as the card scene shows it, into a preview picture.
#include "Canvas.h"

#include <string>

class KartenTisch;

struct PreviewArt {
    cairo_surface_t* cards = nullptr;      // a card-set image
    int cellWidth = 176, cellHeight = 256; // its cells
    cairo_surface_t* cloth = nullptr;      // a tiled table background
};

// Draws the table of 1024 × 768 layout pixels at full size.
void DrawTable(cairo_t* cr, const KartenTisch& table, const PreviewArt& art);

// "vorschau.png": the table scaled into the left 200 × 150 (the menu's preview frame), and a
// note with the game's name and deck size in the remaining 100 × 150.
void DrawPreview(Canvas& preview, const KartenTisch& table, const PreviewArt& art,
                 const std::string& nameUtf8);
