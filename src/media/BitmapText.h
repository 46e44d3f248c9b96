// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text set in the bitmap font ("font.PNG", texture slot 1): one line of glyphs with an
// owned chain of following lines. Texts are Latin-1; the umlauts have glyphs of their
// own, ß is set as "ss", and characters the font lacks are left out.
#include "platform/IntRect.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AppState;

class BitmapText {
public:
    static constexpr int FontSlot = 1;

    explicit BitmapText(const std::string& text = {});
    BitmapText(const std::string& text, double wrapWidth);
    BitmapText(const BitmapText&) = delete;
    BitmapText& operator=(const BitmapText&) = delete;

    // Replaces the text; a line feed starts a following line with this line's alignment,
    // size and colour.
    void SetText(const std::string& text);
    // Sets the size, then the text, breaking a line at its last blank before the running
    // width passes wrapWidth (never before the first blank of the line).
    void SetWrappedText(const std::string& text, double size, double wrapWidth);
    // 0 left, 1 centred, anything else right; for this line and every following one.
    void SetAlignment(int32_t value);
    void SetColor(uint32_t argb);
    // scale = 0.8 × size.
    void SetSize(double size);

    // Draws the lines with the pen starting at x − alignOffset; the following line 50 ×
    // scale lower.
    void Draw(double x, double y) const;
    // (0, 0, widest line, first line's height × number of lines).
    IntRect Bounds() const;

    double Width() const { return width; }
    double LineHeight() const { return lineHeight; }
    double Scale() const { return scale; }
    double AlignOffset() const { return alignOffset; }
    int32_t Alignment() const { return alignment; }
    uint32_t Color() const { return color; }
    const std::vector<uint8_t>& Glyphs() const { return glyphs; }
    const BitmapText* NextLine() const { return nextLine.get(); }
    int LineCount() const;

    // The glyph code of a Latin-1 character, or -1 when the font has none.
    static int GlyphCode(unsigned char c);
    // Glyph width in font pixels (0 for codes without a glyph).
    static int GlyphWidth(int code);
    // The glyph's cell in "font.PNG": the top 46 rows of a 50 × 50 cell.
    static IntRect GlyphCell(int code);

private:
    void SetLine(const std::string& text, double wrapWidth, bool wrap);
    void Layout();
    double Advance(int code) const { return (GlyphWidth(code) + 2) * scale; }
    std::unique_ptr<BitmapText> MakeFollower() const;

    std::unique_ptr<BitmapText> nextLine;
    std::vector<uint8_t> glyphs;
    int32_t length = 0;
    int32_t alignment = 0;
    uint32_t color = 0xFFFFFFFF;
    double scale = 0.8;
    double alignOffset = 0.0;
    double width = 0.0;
    double lineHeight = 40.0;
    AppState* app;
};
