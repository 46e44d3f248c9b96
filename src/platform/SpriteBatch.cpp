// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpriteBatch.h"

#include "platform/RenderDevice.h"
#include "platform/Texture.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <vector>

void SpriteBatch::Begin() {
    open = true;
    SDL_SetRenderDrawBlendMode(device.Renderer(), SDL_BLENDMODE_BLEND);
}

void SpriteBatch::End() {
    open = false;
    SDL_RenderFlush(device.Renderer());
}

void SpriteBatch::OnLostDevice() {
    if (open) SDL_RenderFlush(device.Renderer());
}

void SpriteBatch::OnResetDevice() {}

std::optional<SpriteQuad> SpriteBatch::BuildQuad(const Transform2D& t, IntRect source, int width,
                                                 int height) {
    // Clip the source to the picture; the clipped part keeps its place in the quad.
    const int left = std::max(source.left, 0);
    const int top = std::max(source.top, 0);
    const int right = std::min(source.right, width);
    const int bottom = std::min(source.bottom, height);
    if (left >= right || top >= bottom || width <= 0 || height <= 0) return std::nullopt;
    const float x0 = static_cast<float>(left - source.left);
    const float y0 = static_cast<float>(top - source.top);
    const float x1 = static_cast<float>(right - source.left);
    const float y1 = static_cast<float>(bottom - source.top);
    const float u0 = static_cast<float>(left) / width, u1 = static_cast<float>(right) / width;
    const float v0 = static_cast<float>(top) / height, v1 = static_cast<float>(bottom) / height;
    SpriteQuad q;
    q.corners = {t.Apply({x0, y0}), t.Apply({x1, y0}), t.Apply({x0, y1}), t.Apply({x1, y1})};
    q.uv = {PointF{u0, v0}, PointF{u1, v0}, PointF{u0, v1}, PointF{u1, v1}};
    return q;
}

namespace {

// SDL's software renderer crashes on triangles much larger than this (SDL 2.26), so big
// quads are drawn as a grid of smaller ones. The grid shares its vertices, so no seams show.
constexpr float maxPieceSize = 384.0f;

PointF Lerp(PointF a, PointF b, float t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// Bilinear point of the quad (exact for the affine images of rectangles).
PointF QuadPoint(const std::array<PointF, 4>& p, float u, float v) {
    return Lerp(Lerp(p[0], p[1], u), Lerp(p[2], p[3], u), v);
}

} // namespace

void SpriteBatch::Draw(const Texture* texture, std::optional<IntRect> source, uint32_t argb) {
    if (!texture || !texture->Handle()) return;
    const IntRect rect = source.value_or(IntRect{0, 0, texture->Width(), texture->Height()});
    const std::optional<IntRect> ink = InkOnScreen(*texture, rect);
    if (!clipBands && !ink) {
        DrawWhole(texture, rect, argb);
        return;
    }
    SDL_Renderer* renderer = device.Renderer();
    auto drawClipped = [&](IntRect clip) {
        if (ink)
            clip = {std::max(clip.left, ink->left), std::max(clip.top, ink->top),
                    std::min(clip.right, ink->right), std::min(clip.bottom, ink->bottom)};
        if (clip.Width() <= 0 || clip.Height() <= 0) return;
        const SDL_Rect r{clip.left, clip.top, clip.Width(), clip.Height()};
        SDL_RenderSetClipRect(renderer, &r);
        DrawWhole(texture, rect, argb);
    };
    if (clipBands) {
        for (int i = 0; i < clipBandCount; ++i)
            drawClipped(clipBands[i]);
    } else {
        drawClipped(*ink);
    }
    SDL_RenderSetClipRect(renderer, nullptr);
}

std::optional<IntRect> SpriteBatch::InkOnScreen(const Texture& texture, IntRect rect) const {
    // Only pictures that are neither turned nor mirrored are drawn pixel for pixel.
    if (transform.m12 != 0.0f || transform.m21 != 0.0f || transform.m11 <= 0.0f ||
        transform.m22 <= 0.0f)
        return std::nullopt;
    const IntRect ink = texture.InkBounds(rect);
    const int left = std::max(rect.left, 0), top = std::max(rect.top, 0);
    const int right = std::min(rect.right, texture.Width());
    const int bottom = std::min(rect.bottom, texture.Height());
    if (ink == IntRect{left, top, right, bottom}) return std::nullopt;
    if (ink.Width() <= 0) return IntRect{}; // nothing to see
    const PointF a = transform.Apply(
        {static_cast<float>(ink.left - rect.left), static_cast<float>(ink.top - rect.top)});
    const PointF b = transform.Apply(
        {static_cast<float>(ink.right - rect.left), static_cast<float>(ink.bottom - rect.top)});
    // A pixel of margin: the shrunk copy smooths the ink's edge into its neighbours.
    return IntRect{static_cast<int>(std::floor(a.x)) - 1, static_cast<int>(std::floor(a.y)) - 1,
                   static_cast<int>(std::ceil(b.x)) + 1, static_cast<int>(std::ceil(b.y)) + 1};
}

void SpriteBatch::DrawWhole(const Texture* texture, IntRect rect, uint32_t argb) {
    const auto quad = BuildQuad(transform, rect, texture->Width(), texture->Height());
    if (!quad) return;
    const SDL_Color colour{static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
                           static_cast<uint8_t>(argb), static_cast<uint8_t>(argb >> 24)};
    const auto& c = quad->corners;
    if (transform.m12 == 0.0f && transform.m21 == 0.0f && transform.m11 > 0.0f &&
        transform.m22 > 0.0f) {
        // Neither turned nor mirrored: a plain copy, which the software renderer blits many
        // times faster than it fills triangles.
        const int left = std::max(rect.left, 0), top = std::max(rect.top, 0);
        const SDL_Rect from{left, top, std::min(rect.right, texture->Width()) - left,
                            std::min(rect.bottom, texture->Height()) - top};
        // Edges on whole pixels: pictures stay sharp and pieces laid side by side meet
        // without a gap.
        const float x0 = std::round(c[0].x), y0 = std::round(c[0].y);
        const SDL_FRect to{x0, y0, std::round(c[3].x) - x0, std::round(c[3].y) - y0};
        SDL_Texture* handle = texture->Handle();
        SDL_Rect source = from;
        if (texture->PrefersScaledCopy() && transform.m11 < 1.0f && transform.m22 < 1.0f) {
            // Use the shrunk copy when the cell falls on whole pixels of it.
            const float sx = transform.m11, sy = transform.m22;
            const float x0 = from.x * sx, y0 = from.y * sy;
            const float x1 = (from.x + from.w) * sx, y1 = (from.y + from.h) * sy;
            auto whole = [](float v) { return std::fabs(v - std::round(v)) < 0.01f; };
            if (whole(x0) && whole(y0) && whole(x1) && whole(y1)) {
                if (SDL_Texture* small = texture->ScaledHandle(sx, sy)) {
                    handle = small;
                    source = {static_cast<int>(std::round(x0)), static_cast<int>(std::round(y0)),
                              static_cast<int>(std::round(x1 - x0)),
                              static_cast<int>(std::round(y1 - y0))};
                }
            }
        }
        SDL_SetTextureColorMod(handle, colour.r, colour.g, colour.b);
        SDL_SetTextureAlphaMod(handle, colour.a);
        // An opaque picture drawn opaque is copied without blending (the same pixels); so is
        // an opaque part of one drawn at its own size, where both ways copy pixel for pixel.
        const bool unscaled =
            to.w == static_cast<float>(source.w) && to.h == static_cast<float>(source.h);
        const bool plain =
            colour.a == 255 && handle == texture->Handle() &&
            (texture->IsOpaque() ||
             (unscaled && texture->IsOpaqueIn({from.x, from.y, from.x + from.w, from.y + from.h})));
        if (plain) SDL_SetTextureBlendMode(handle, SDL_BLENDMODE_NONE);
        SDL_RenderCopyF(device.Renderer(), handle, &source, &to);
        if (plain) SDL_SetTextureBlendMode(handle, SDL_BLENDMODE_BLEND);
        SDL_SetTextureColorMod(handle, 255, 255, 255);
        SDL_SetTextureAlphaMod(handle, 255);
        return;
    }
    auto distance = [](PointF a, PointF b) { return std::hypot(b.x - a.x, b.y - a.y); };
    const int columns = std::clamp(
        static_cast<int>(std::max(distance(c[0], c[1]), distance(c[2], c[3])) / maxPieceSize) + 1,
        1, 64);
    const int rows = std::clamp(
        static_cast<int>(std::max(distance(c[0], c[2]), distance(c[1], c[3])) / maxPieceSize) + 1,
        1, 64);

    // Reused by every draw; drawing happens on the one thread that owns the window.
    static std::vector<SDL_Vertex> vertices;
    static std::vector<int> indices;
    vertices.clear();
    indices.clear();
    for (int row = 0; row <= rows; ++row) {
        const float v = static_cast<float>(row) / rows;
        for (int column = 0; column <= columns; ++column) {
            const float u = static_cast<float>(column) / columns;
            const PointF position = QuadPoint(c, u, v);
            const PointF uv = QuadPoint(quad->uv, u, v);
            vertices.push_back(SDL_Vertex{{position.x, position.y}, colour, {uv.x, uv.y}});
        }
    }
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const int topLeft = row * (columns + 1) + column;
            const int bottomLeft = topLeft + columns + 1;
            for (int index :
                 {topLeft, topLeft + 1, bottomLeft, bottomLeft, topLeft + 1, bottomLeft + 1})
                indices.push_back(index);
        }
    SDL_RenderGeometry(device.Renderer(), texture->Handle(), vertices.data(),
                       static_cast<int>(vertices.size()), indices.data(),
                       static_cast<int>(indices.size()));
}
