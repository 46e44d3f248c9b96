#include "media/CardDrawing.h"

#include "app/AppState.h"
#include "media/DrawSprite.h"
#include "platform/Texture.h"
#include "rules/Card.h"
#include "rules/KartenStapel.h"

namespace {

constexpr int cardSetSlot = 4;
constexpr uint32_t opaque = 0xFFFFFFFF;
constexpr uint32_t shadowColour = 0x5F000000;
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

IntRect CardFaceCell(int suit, int rank, int cellWidth, int cellHeight) {
    const int column = suit >= 0 && suit < 4 ? suitColumns[suit] : 0;
    return CardSetCell(column, 12 - rank, cellWidth, cellHeight);
}

IntRect CardBackCell(int back, int cellWidth, int cellHeight) {
    return CardSetCell(back, 13, cellWidth, cellHeight);
}

void DrawCard(AppState& app, const Card& card) {
    int w = 0, h = 0;
    if (!CellSize(app, w, h)) return;
    const PointF scale =
        CardCellScale(static_cast<float>(w), static_cast<float>(h), card.size.x, card.size.y);
    if (card.faceDown) {
        DrawSprite(app, cardSetSlot, CardBackCell(app.cardBack, w, h), scale,
                   {card.position.x, card.position.y}, opaque);
        return;
    }
    const PointF at{card.position.x + card.jitter.x * app.deviation,
                    card.position.y + card.jitter.y * app.deviation};
    const IntRect face = CardFaceCell(card.suit, card.rank, w, h);
    if (app.shadows)
        DrawSprite(app, cardSetSlot, face, scale, {at.x + 5.0f, at.y + 5.0f}, shadowColour);
    DrawSprite(app, cardSetSlot, face, scale, at, opaque);
    if (card.markState == 1 || card.markState == 2)
        DrawSprite(app, cardSetSlot, CardSetCell(2, 14, w, h), scale, at,
                   card.markState == 1 ? markColour1 : markColour2);
}

void DrawEmptyMarker(AppState& app, const KartenStapel& pile) {
    int w = 0, h = 0;
    if (!CellSize(app, w, h)) return;
    const Vec2 s = pile.MarkerScale(static_cast<float>(w), static_cast<float>(h));
    const PointF scale{s.x, s.y};
    const PointF at{pile.position.x, pile.position.y};
    const EmptyMarker marker = pile.EmptyMarkerCells();
    auto cell = [&](MarkerCell c) { return CardSetCell(c.column, c.row, w, h); };
    DrawSprite(app, cardSetSlot, cell(marker.frame), scale, at, opaque);
    if (marker.hasSuit)
        DrawSprite(app, cardSetSlot, cell(marker.suit), scale, at, EmptyMarker::SymbolColour);
    if (marker.hasRank)
        DrawSprite(app, cardSetSlot, cell(marker.rank), scale, at, EmptyMarker::SymbolColour);
    if (marker.hasHighlight)
        DrawSprite(app, cardSetSlot, cell(marker.highlight), scale, at,
                   EmptyMarker::HighlightColour);
}
