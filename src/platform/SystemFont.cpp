// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemFont.h"

#include "platform/RenderDevice.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>

namespace {

const char* const fontFiles[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/TTF/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/dejavu/DejaVuSans-Bold.ttf",
};

TTF_Font* OpenFont(int pointSize) {
    for (const char* file : fontFiles) {
        if (TTF_Font* font = TTF_OpenFont(file, pointSize)) return font;
    }
    return nullptr;
}

// Splits at line feeds; with `wrap` a line also breaks at its last blank that keeps the
// part within `width`. A word wider than the width is not cut.
template <typename Measure>
std::vector<std::string> BreakLines(const std::string& text, int width, bool wrap,
                                    Measure measure) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string paragraph = text.substr(start, end - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
        if (!wrap) {
            lines.push_back(paragraph);
        } else {
            std::string line;
            size_t pos = 0;
            while (pos < paragraph.size()) {
                size_t wordEnd = paragraph.find(' ', pos);
                if (wordEnd == std::string::npos) wordEnd = paragraph.size();
                const std::string word = paragraph.substr(pos, wordEnd - pos);
                const std::string candidate = line.empty() ? word : line + " " + word;
                if (!line.empty() && measure(candidate) > width) {
                    lines.push_back(line);
                    line = word;
                } else {
                    line = candidate;
                }
                pos = wordEnd + 1;
            }
            lines.push_back(line);
        }
        start = end + 1;
    }
    return lines;
}

} // namespace

std::unique_ptr<SystemFont> SystemFont::Create(int height) {
    height = std::clamp(height, 1, 1000);
    if (!TTF_WasInit() && TTF_Init() != 0) return nullptr;
    // Open once to learn the line height of the face, then at the size whose line height
    // is the one asked for.
    TTF_Font* probe = OpenFont(height);
    if (!probe) return nullptr;
    const int probeHeight = std::max(1, TTF_FontHeight(probe));
    TTF_CloseFont(probe);
    const int pointSize = std::max(1, (height * height + probeHeight / 2) / probeHeight);
    TTF_Font* font = OpenFont(pointSize);
    if (!font) return nullptr;
    return std::unique_ptr<SystemFont>(new SystemFont(font, height));
}

SystemFont::~SystemFont() {
    if (font && TTF_WasInit()) TTF_CloseFont(font);
}

int SystemFont::LineHeight() const {
    return TTF_FontLineSkip(font);
}

int SystemFont::TextWidth(const std::string& latin1) const {
    int w = 0, h = 0;
    if (latin1.empty() || TTF_SizeText(font, latin1.c_str(), &w, &h) != 0) return 0;
    return w;
}

std::vector<PlacedTextLine> SystemFont::Layout(const std::string& latin1, IntRect rect,
                                               uint32_t format) const {
    const bool single = (format & TextFormat::SingleLine) != 0;
    const bool wrap = !single && (format & TextFormat::WordBreak) != 0;
    std::string text = latin1;
    if (single) std::replace(text.begin(), text.end(), '\n', ' ');
    const auto lines =
        BreakLines(text, rect.Width(), wrap, [this](const std::string& s) { return TextWidth(s); });

    const int lineHeight = LineHeight();
    const int total = lineHeight * static_cast<int>(lines.size());
    int y = rect.top;
    if (format & TextFormat::VerticalCentre)
        y = rect.top + (rect.Height() - total) / 2;
    else if (format & TextFormat::Bottom)
        y = rect.bottom - total;

    std::vector<PlacedTextLine> placed;
    for (const std::string& line : lines) {
        PlacedTextLine p;
        p.text = line;
        p.width = TextWidth(line);
        if (format & TextFormat::Centre)
            p.x = rect.left + (rect.Width() - p.width) / 2;
        else if (format & TextFormat::Right)
            p.x = rect.right - p.width;
        else
            p.x = rect.left;
        p.y = y;
        y += lineHeight;
        placed.push_back(std::move(p));
    }
    return placed;
}

void SystemFont::Draw(RenderDevice& device, const std::string& latin1, IntRect rect,
                      uint32_t format, uint32_t argb) const {
    SDL_Renderer* renderer = device.Renderer();
    const SDL_Color white{255, 255, 255, 255};
    SDL_Rect clip{rect.left, rect.top, rect.Width(), rect.Height()};
    const bool clipped = (format & TextFormat::NoClip) == 0;
    SDL_Rect oldClip;
    const SDL_bool hadClip = SDL_RenderIsClipEnabled(renderer);
    SDL_RenderGetClipRect(renderer, &oldClip);
    if (clipped) SDL_RenderSetClipRect(renderer, &clip);
    for (const PlacedTextLine& line : Layout(latin1, rect, format)) {
        if (line.text.empty()) continue;
        SDL_Surface* surface = TTF_RenderText_Blended(font, line.text.c_str(), white);
        if (!surface) continue;
        SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
        if (texture) {
            SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
            SDL_SetTextureColorMod(texture, static_cast<uint8_t>(argb >> 16),
                                   static_cast<uint8_t>(argb >> 8), static_cast<uint8_t>(argb));
            SDL_SetTextureAlphaMod(texture, static_cast<uint8_t>(argb >> 24));
            const SDL_Rect target{line.x, line.y, surface->w, surface->h};
            SDL_RenderCopy(renderer, texture, nullptr, &target);
            SDL_DestroyTexture(texture);
        }
        SDL_FreeSurface(surface);
    }
    if (clipped) SDL_RenderSetClipRect(renderer, hadClip ? &oldClip : nullptr);
}
