#include "platform/SpriteBatch.h"

#include "platform/RenderDevice.h"
#include "platform/Texture.h"

#include <SDL.h>
#include <algorithm>

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

void SpriteBatch::Draw(const Texture* texture, std::optional<IntRect> source, uint32_t argb) {
    if (!texture || !texture->Handle()) return;
    const IntRect rect = source.value_or(IntRect{0, 0, texture->Width(), texture->Height()});
    const auto quad = BuildQuad(transform, rect, texture->Width(), texture->Height());
    if (!quad) return;
    const SDL_Color colour{static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
                           static_cast<uint8_t>(argb), static_cast<uint8_t>(argb >> 24)};
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i) {
        vertices[i].position = {quad->corners[i].x, quad->corners[i].y};
        vertices[i].color = colour;
        vertices[i].tex_coord = {quad->uv[i].x, quad->uv[i].y};
    }
    static const int indices[6] = {0, 1, 2, 2, 1, 3};
    SDL_RenderGeometry(device.Renderer(), texture->Handle(), vertices, 4, indices, 6);
}
