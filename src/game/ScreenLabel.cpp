// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ScreenLabel.h"

void ScreenLabel::Draw(const std::string& value, double size, uint32_t colour, int alignment,
                       double x, double y, double wrapWidth) {
    if (value != shown || size != shownSize || wrapWidth != shownWrap) {
        if (wrapWidth > 0.0) {
            text.SetWrappedText(value, size, wrapWidth);
        } else {
            text.SetText(value);
            text.SetSize(size);
        }
        text.SetAlignment(alignment);
        text.SetColor(colour);
        shown = value;
        shownSize = size;
        shownWrap = wrapWidth;
        shownAlignment = alignment;
        shownColour = colour;
    }
    if (alignment != shownAlignment) {
        text.SetAlignment(alignment);
        shownAlignment = alignment;
    }
    if (colour != shownColour) {
        text.SetColor(colour);
        shownColour = colour;
    }
    text.Draw(x, y);
}
