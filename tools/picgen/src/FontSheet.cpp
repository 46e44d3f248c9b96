// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontSheet.h"

#include "FontWidths.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

// The character drawn for a glyph code, as UTF-8.
std::string GlyphText(int code) {
    static const char* umlauts[6] = {"\u00dc", "\u00c4", "\u00d6", "\u00fc", "\u00e4", "\u00f6"};
    if (code < 6) {
        return umlauts[code];
    }
    if (code == '`') {
        return "\u2019"; // the apostrophe of the texts is drawn in the backtick's cell
    }
    return std::string(1, static_cast<char>(code));
}

} // namespace

void DrawFontSheet(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const auto widths = FontGlyphWidths();
    // One font size for every glyph: the size at which the letters' ink widths match the
    // table best (median ratio), capped so that accents and descenders fit in 46 rows.
    const double probe = 100;
    std::vector<double> ratios;
    for (int c = 'A'; c <= 'z'; ++c) {
        if (!std::isalpha(c)) {
            continue;
        }
        draw::InkBox ink = draw::TextInk(cr, GlyphText(c), probe);
        if (ink.w > 0 && widths[c] > 14) {
            ratios.push_back(widths[c] / ink.w);
        }
    }
    std::sort(ratios.begin(), ratios.end());
    double size = std::min(probe * ratios[ratios.size() / 2], 38.0);
    // Baseline: the top of "Ä" touches row 1, descenders stay above row 46.
    draw::InkBox umlaut = draw::TextInk(cr, "\u00c4", size);
    draw::InkBox ref = draw::TextInk(cr, "H", size);
    double baselineFromTop = ref.y + ref.h; // layout origin to baseline
    double baseline = 1 + (baselineFromTop - umlaut.y);

    for (int code = 0; code < 128; ++code) {
        int target = widths[code];
        if (target <= 0 || code == ' ') {
            continue;
        }
        std::string text = GlyphText(code);
        draw::InkBox ink = draw::TextInk(cr, text, size);
        if (ink.w <= 0) {
            continue;
        }
        double cellX = kFontCell * (code % 16);
        double cellY = kFontCell * (code / 16);
        double sx = 1;
        double left = (target - ink.w) / 2;
        if (ink.w > target) {
            sx = target / ink.w;
            left = 0;
        }
        cairo_save(cr);
        cairo_rectangle(cr, cellX, cellY, kFontCell, kFontDrawnHeight);
        cairo_clip(cr);
        cairo_translate(cr, cellX + left, cellY);
        cairo_scale(cr, sx, 1);
        cairo_set_source_rgba(cr, 1, 1, 1, 1);
        draw::ShowText(cr, text, size, -ink.x, baseline - baselineFromTop);
        cairo_restore(cr);
    }
}
