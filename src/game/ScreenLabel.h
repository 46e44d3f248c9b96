// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text of the in-game screens at one place: laid out again only when its text, size,
// colour, alignment or wrap width change, so a page costs no layout work per frame.
#include "media/BitmapText.h"

#include <cstdint>
#include <string>

class ScreenLabel {
public:
    // wrapWidth 0 sets the text unwrapped (line feeds still break it).
    void Draw(const std::string& text, double size, uint32_t colour, int alignment, double x,
              double y, double wrapWidth = 0.0);
    const BitmapText& Text() const { return text; }

private:
    BitmapText text;
    std::string shown;
    double shownSize = -1.0, shownWrap = -1.0;
    uint32_t shownColour = 0;
    int shownAlignment = -1;
};
