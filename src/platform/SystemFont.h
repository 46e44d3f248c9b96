// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bold system font of the speech bubbles: DejaVu Sans Bold through SDL2_ttf, with
// rectangle layout (word wrap, horizontal and vertical centring) in the manner of the
// classic DrawText format flags. Texts are Latin-1.
#include "platform/IntRect.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class RenderDevice;
struct _TTF_Font;

// Format flags of DrawSystemText (the values of the Windows DT_ constants).
namespace TextFormat {
inline constexpr uint32_t Left = 0x0;
inline constexpr uint32_t Centre = 0x1;
inline constexpr uint32_t Right = 0x2;
inline constexpr uint32_t VerticalCentre = 0x4;
inline constexpr uint32_t Bottom = 0x8;
inline constexpr uint32_t WordBreak = 0x10;
inline constexpr uint32_t SingleLine = 0x20;
inline constexpr uint32_t NoClip = 0x100;
} // namespace TextFormat

// One line of a laid-out text, with its top-left corner.
struct PlacedTextLine {
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
};

class SystemFont {
public:
    // A font whose lines are `height` pixels high (ascent plus descent). Null when the
    // font file cannot be opened.
    static std::unique_ptr<SystemFont> Create(int height);
    ~SystemFont();
    SystemFont(const SystemFont&) = delete;
    SystemFont& operator=(const SystemFont&) = delete;

    int Height() const { return height; }
    int LineHeight() const;
    int TextWidth(const std::string& latin1) const;

    // Where the lines of the text go inside the rectangle: explicit line feeds always
    // break; with WordBreak a line also breaks at the last blank that keeps it inside the
    // width (a word wider than the rectangle stands alone on its line).
    std::vector<PlacedTextLine> Layout(const std::string& latin1, IntRect rect,
                                       uint32_t format) const;

    // Draws the text into the rectangle in the ARGB colour (clipped to it unless NoClip).
    void Draw(RenderDevice& device, const std::string& latin1, IntRect rect, uint32_t format,
              uint32_t argb) const;

private:
    SystemFont(_TTF_Font* font, int height) : font(font), height(height) {}
    _TTF_Font* font;
    int height;
};
