// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/CardDrawing.h"

#include "app/AppState.h"
#include "media/CardCover.h"
#include "media/DrawSprite.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"
#include "rules/Card.h"
#include "rules/KartenStapel.h"

#include <cmath>

namespace {

constexpr int cardSetSlot = 4;
constexpr uint32_t opaque = 0xFFFFFFFF;
constexpr uint32_t shadowColour = 0x5F000000;
constexpr float shadowOffset = 5.0f;
constexpr uint32_t markColour1 = 0x7FFFFFFF;
constexpr uint32_t markColour2 = 0xAFFFFFFF;

// Column of each suit on the sheet: KREUZ, KARO, PIK, HERZ.
constexpr int suitColumns[4] = {2, 3, 0, 1};

bool CellSize(const AppState& app, int& w, int& h) {
    if (!app.currentCardSet) return false;
    // The sheet is drawn at one scale all game long.
    if (Texture* sheet = app.textures[cardSetSlot].get()) sheet->SetPrefersScaledCopy(true);
    w = app.currentCardSet->width;
    h = app.currentCardSet->height;
    return w > 0 && h > 0;
}

// The opaque core of the current card sheet, learnt once per sheet and cell size.
OpaqueCore SheetCore(const Texture& sheet, int w, int h) {
    static uint64_t serial = 0;
    static int cellW = 0, cellH = 0;
    static OpaqueCore core;
    if (sheet.Serial() != serial || w != cellW || h != cellH) {
        serial = sheet.Serial();
        cellW = w;
        cellH = h;
        // Only the alpha matters here, which the sheet answers without its pixels.
        core = FindOpaqueCore(
            [&sheet](int x, int y) { return sheet.OpaqueAt(x, y) ? 0xFF000000u : 0u; },
            sheet.Width(), sheet.Height(), w, h);
    }
    return core;
}

// Where a card's picture lands: face-up cards are displaced by their jitter.
PointF DrawnAt(const AppState& app, const Card& card) {
    if (card.faceDown) return {card.position.x, card.position.y};
    return {card.position.x + card.jitter.x * app.deviation,
            card.position.y + card.jitter.y * app.deviation};
}

// The whole pixels a cell drawn at `at` with `scale` covers (edges are rounded the way the
// sprite batch rounds them).
IntRect CellOnScreen(PointF at, PointF scale, int w, int h, float grow = 0.0f) {
    return {static_cast<int>(std::round(at.x)), static_cast<int>(std::round(at.y)),
            static_cast<int>(std::round(at.x + w * scale.x + grow)),
            static_cast<int>(std::round(at.y + h * scale.y + grow))};
}

// The bands of `drawn` that `cover` leaves visible (it is drawn later in the frame and hides
// whatever lies under its opaque core); false when `drawn` is to be drawn whole.
bool VisibleBands(const AppState& app, const IntRect& drawn, const Card& cover, int w, int h,
                  IntRect bands[4], int& count) {
    const Texture* sheet = app.textures[cardSetSlot].get();
    if (!sheet || !app.sprite) return false;
    const OpaqueCore core = SheetCore(*sheet, w, h);
    if (!core.usable) return false;
    const PointF coverScale =
        CardCellScale(static_cast<float>(w), static_cast<float>(h), cover.size.x, cover.size.y);
    IntRect hidden = CellOnScreen(DrawnAt(app, cover), coverScale, w, h);
    // One more pixel on every side: the cover may land a rounding step away.
    const int dx = static_cast<int>(std::ceil(core.insetX * coverScale.x)) + 1;
    const int dy = static_cast<int>(std::ceil(core.insetY * coverScale.y)) + 1;
    hidden = {hidden.left + dx, hidden.top + dy, hidden.right - dx, hidden.bottom - dy};
    if (hidden.Width() <= 0 || hidden.Height() <= 0) return false;
    count = UncoveredBands(drawn, hidden, bands);
    return !(count == 1 && bands[0] == drawn);
}

// Runs `draw` once, clipped to what `cover` leaves of `drawn` when that is less than all.
template <class Draw>
void DrawUncovered(AppState& app, const IntRect& drawn, const Card* cover, int w, int h,
                   Draw draw) {
    IntRect bands[4];
    int count = 0;
    if (!cover || !VisibleBands(app, drawn, *cover, w, h, bands, count)) {
        draw();
        return;
    }
    if (count == 0) return; // hidden whole
    app.sprite->SetClipBands(bands, count);
    draw();
    app.sprite->SetClipBands(nullptr, 0);
}

} // namespace

PointF CardCellScale(float cellWidth, float cellHeight, float width, float height) {
    if (cellWidth <= 0.0f || cellHeight <= 0.0f) return {0.0f, 0.0f};
    if (cellWidth / cellHeight == 0.6875f) return {width / cellWidth, height / cellHeight};
    const float uniform = cellHeight < cellWidth ? height / cellHeight : width / cellWidth;
    return {uniform, uniform};
}

IntRect CardSetCell(int column, int row, int cellWidth, int cellHeight) {
    return {column * cellWidth, row * cellHeight, (column + 1) * cellWidth, (row + 1) * cellHeight};
}

bool UsesEnglishCourts(int language, int sheetHeight, int cellHeight) {
    return language != 0 && cellHeight > 0 && sheetHeight / cellHeight >= EnglishCourtRow + 3;
}

bool UsesEnglishCourts(const AppState& app, int cellHeight) {
    const Texture* sheet = app.textures[cardSetSlot].get();
    return sheet && UsesEnglishCourts(app.language, sheet->Height(), cellHeight);
}

IntRect CardFaceCell(int suit, int rank, int cellWidth, int cellHeight, bool englishCourts) {
    const int column = suit >= 0 && suit < 4 ? suitColumns[suit] : 0;
    const bool court = rank >= Rank::BUBE && rank <= Rank::KÖNIG;
    const int row = englishCourts && court ? EnglishCourtRow + 12 - rank : 12 - rank;
    return CardSetCell(column, row, cellWidth, cellHeight);
}

IntRect CardBackCell(int back, int cellWidth, int cellHeight) {
    return CardSetCell(back, 13, cellWidth, cellHeight);
}

void DrawCard(AppState& app, const Card& card, const Card* cover) {
    int w = 0, h = 0;
    if (!CellSize(app, w, h)) return;
    const PointF scale =
        CardCellScale(static_cast<float>(w), static_cast<float>(h), card.size.x, card.size.y);
    const PointF at = DrawnAt(app, card);
    // The card with its shadow (and marker, which lies on the face).
    const float shadow = !card.faceDown && app.shadows ? shadowOffset : 0.0f;
    DrawUncovered(app, CellOnScreen(at, scale, w, h, shadow), cover, w, h, [&] {
        if (card.faceDown) {
            DrawSprite(app, cardSetSlot, CardBackCell(app.cardBack, w, h), scale, at, opaque);
            return;
        }
        const IntRect face = CardFaceCell(card.suit, card.rank, w, h, UsesEnglishCourts(app, h));
        if (app.shadows)
            DrawSprite(app, cardSetSlot, face, scale, {at.x + shadowOffset, at.y + shadowOffset},
                       shadowColour);
        DrawSprite(app, cardSetSlot, face, scale, at, opaque);
        if (card.markState == 1 || card.markState == 2)
            DrawSprite(app, cardSetSlot, CardSetCell(2, 14, w, h), scale, at,
                       card.markState == 1 ? markColour1 : markColour2);
    });
}

void DrawEmptyMarker(AppState& app, const KartenStapel& pile, const Card* cover) {
    int w = 0, h = 0;
    if (!CellSize(app, w, h)) return;
    const Vec2 s = pile.MarkerScale(static_cast<float>(w), static_cast<float>(h));
    const PointF scale{s.x, s.y};
    const PointF at{pile.position.x, pile.position.y};
    EmptyMarker marker = pile.EmptyMarkerCells();
    // The rank symbols of the court cards follow the language like the faces.
    if (marker.hasRank && marker.rank.column == 4 && marker.rank.row <= 2 &&
        UsesEnglishCourts(app, h))
        marker.rank.row += EnglishCourtRow;
    auto cell = [&](MarkerCell c) { return CardSetCell(c.column, c.row, w, h); };
    DrawUncovered(app, CellOnScreen(at, scale, w, h), cover, w, h, [&] {
        DrawSprite(app, cardSetSlot, cell(marker.frame), scale, at, opaque);
        if (marker.hasSuit)
            DrawSprite(app, cardSetSlot, cell(marker.suit), scale, at, EmptyMarker::SymbolColour);
        if (marker.hasRank)
            DrawSprite(app, cardSetSlot, cell(marker.rank), scale, at, EmptyMarker::SymbolColour);
        if (marker.hasHighlight)
            DrawSprite(app, cardSetSlot, cell(marker.highlight), scale, at,
                       EmptyMarker::HighlightColour);
    });
}
