// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one drawing primitive: a source rectangle of a texture, scaled and rotated about an
// optional centre, translated, and modulated by an ARGB colour, through the sprite batch of
// the application. Everything the scenes show is drawn through here.
#include "platform/IntRect.h"
#include "platform/Transform2D.h"

#include <cstdint>
#include <optional>
#include <vector>

class AppState;
class Texture;

// One draw as it was asked for (tests and benchmarks watch the draws through this).
struct SpriteCall {
    int slot = -1; // texture slot, -1 for a texture given directly
    IntRect source;
    PointF scaling{1.0f, 1.0f};
    std::optional<PointF> centre;
    double rotation = 0.0;
    PointF translation;
    uint32_t colour = 0xFFFFFFFF;
};

// While a recorder is installed every draw is also appended to it, whether or not the
// slot holds a texture.
class SpriteRecorder {
public:
    SpriteRecorder();
    ~SpriteRecorder();
    SpriteRecorder(const SpriteRecorder&) = delete;
    SpriteRecorder& operator=(const SpriteRecorder&) = delete;

    std::vector<SpriteCall> calls;

private:
    SpriteRecorder* previous;
};

// Draws from the texture in `app.textures[slot]`; an empty slot draws nothing.
void DrawSprite(AppState& app, int slot, IntRect source, PointF scaling,
                std::optional<PointF> centre, double rotation, PointF translation, uint32_t colour);
// The same with a texture of the caller's (null draws nothing).
void DrawSprite(AppState& app, const Texture* texture, IntRect source, PointF scaling,
                std::optional<PointF> centre, double rotation, PointF translation, uint32_t colour);

// The common case: no centre, no rotation.
inline void DrawSprite(AppState& app, int slot, IntRect source, PointF scaling, PointF translation,
                       uint32_t colour) {
    DrawSprite(app, slot, source, scaling, std::nullopt, 0.0, translation, colour);
}
