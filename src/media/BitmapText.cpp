// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/BitmapText.h"

#include "app/AppState.h"
#include "media/DrawSprite.h"

#include <algorithm>

namespace {

// Widths of the glyphs 0 … 127 in font pixels.
constexpr uint8_t glyphWidths[128] = {
    24, 28, 31, 25, 23, 26, 0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  //
    0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  //
    20, 15, 20, 31, 24, 35, 28, 0,  15, 15, 19, 31, 12, 13, 11, 16, // space … slash
    21, 19, 24, 22, 24, 24, 23, 22, 23, 24, 12, 12, 32, 31, 31, 16, // digits … ?
    37, 28, 28, 28, 29, 27, 24, 32, 27, 12, 21, 28, 25, 34, 28, 31, // @, A … O
    25, 31, 28, 28, 26, 28, 25, 37, 26, 25, 26, 16, 16, 14, 31, 22, // P … Z … _
    6,  21, 27, 23, 25, 24, 15, 24, 23, 12, 13, 21, 12, 34, 24, 23, // `, a … o
    24, 24, 18, 22, 17, 24, 21, 32, 19, 23, 22, 20, 15, 18, 31, 0,  // p … z … ~
};

constexpr double baseScale = 0.8;

// The glyph codes of a Latin-1 text: umlauts to 0 … 5, ß as "ss", printable ASCII kept,
// everything else left out.
std::vector<uint8_t> ToGlyphs(const std::string& text) {
    std::vector<uint8_t> codes;
    codes.reserve(text.size());
    for (unsigned char c : text) {
        if (c == 0xDF) {
            codes.push_back('s');
            codes.push_back('s');
            continue;
        }
        const int code = BitmapText::GlyphCode(c);
        if (code >= 0) codes.push_back(static_cast<uint8_t>(code));
    }
    return codes;
}

} // namespace

BitmapText::BitmapText(const std::string& text) : app(&GetAppState()) {
    SetText(text);
}

BitmapText::BitmapText(const std::string& text, double wrapWidth) : app(&GetAppState()) {
    SetWrappedText(text, 1.0, wrapWidth);
}

int BitmapText::GlyphCode(unsigned char c) {
    switch (c) {
    case 0xDC:
        return 0; // Ü
    case 0xC4:
        return 1; // Ä
    case 0xD6:
        return 2; // Ö
    case 0xFC:
        return 3; // ü
    case 0xE4:
        return 4; // ä
    case 0xF6:
        return 5; // ö
    case '\'':
        // The font has no apostrophe cell of its own (its width is 0); the narrow cell of
        // the backtick, which no text uses, carries one, so "Baker's Game" keeps it.
        return '`';
    default:
        break;
    }
    if (c >= 32 && c <= 126) return c;
    return -1;
}

int BitmapText::GlyphWidth(int code) {
    return code >= 0 && code < 128 ? glyphWidths[code] : 0;
}

IntRect BitmapText::GlyphCell(int code) {
    const int column = code % 16;
    const int row = code / 16;
    return {50 * column, 50 * row, 50 * column + 50, 50 * row + 46};
}

std::unique_ptr<BitmapText> BitmapText::MakeFollower() const {
    auto line = std::make_unique<BitmapText>();
    line->alignment = alignment;
    line->scale = scale;
    line->color = color;
    return line;
}

void BitmapText::SetText(const std::string& text) {
    SetLine(text, 0.0, false);
}

void BitmapText::SetWrappedText(const std::string& text, double size, double wrapWidth) {
    scale = baseScale * size;
    SetLine(text, wrapWidth, true);
}

void BitmapText::SetLine(const std::string& text, double wrapWidth, bool wrap) {
    nextLine.reset();
    size_t end = text.find('\n');
    size_t restStart = end == std::string::npos ? std::string::npos : end + 1;
    if (end == std::string::npos) end = text.size();

    if (wrap) {
        // The running width of the line; a blank at position 0 is no place to break.
        double running = 0.0;
        size_t lastSpace = std::string::npos;
        for (size_t i = 0; i < end; ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            const int code = GlyphCode(c);
            running += c == 0xDF ? 2 * Advance('s') : (code >= 0 ? Advance(code) : 0.0);
            if (c == ' ') {
                if (i > 0) lastSpace = i;
                continue;
            }
            if (running > wrapWidth && lastSpace != std::string::npos) {
                end = lastSpace;
                restStart = lastSpace + 1;
                break;
            }
        }
    }

    glyphs = ToGlyphs(text.substr(0, end));
    length = static_cast<int32_t>(glyphs.size());
    if (restStart != std::string::npos) {
        nextLine = MakeFollower();
        nextLine->SetLine(text.substr(restStart), wrapWidth, wrap);
    }
    Layout();
}

void BitmapText::Layout() {
    width = 0.0;
    for (uint8_t code : glyphs)
        width += Advance(code);
    lineHeight = 50.0 * scale;
    alignOffset = alignment == 0 ? 0.0 : alignment == 1 ? width / 2.0 : width;
}

void BitmapText::SetAlignment(int32_t value) {
    for (BitmapText* line = this; line; line = line->nextLine.get()) {
        line->alignment = value;
        line->Layout();
    }
}

void BitmapText::SetColor(uint32_t argb) {
    for (BitmapText* line = this; line; line = line->nextLine.get())
        line->color = argb;
}

void BitmapText::SetSize(double size) {
    for (BitmapText* line = this; line; line = line->nextLine.get()) {
        line->scale = baseScale * size;
        line->Layout();
    }
}

void BitmapText::Draw(double x, double y) const {
    for (const BitmapText* line = this; line; line = line->nextLine.get()) {
        double pen = x - line->alignOffset;
        const auto s = static_cast<float>(line->scale);
        for (uint8_t code : line->glyphs) {
            DrawSprite(*app, FontSlot, GlyphCell(code), {s, s},
                       {static_cast<float>(pen), static_cast<float>(y)}, line->color);
            pen += line->Advance(code);
        }
        y += 50.0 * line->scale;
    }
}

int BitmapText::LineCount() const {
    int count = 0;
    for (const BitmapText* line = this; line; line = line->nextLine.get())
        ++count;
    return count;
}

IntRect BitmapText::Bounds() const {
    int w = 0, h = 0;
    for (const BitmapText* line = this; line; line = line->nextLine.get()) {
        w = std::max(w, static_cast<int>(line->width));
        h += static_cast<int>(lineHeight);
    }
    return {0, 0, w, h};
}
