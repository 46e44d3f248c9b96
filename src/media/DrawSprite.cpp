// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/DrawSprite.h"

#include "app/AppState.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"

namespace {
SpriteRecorder* recorder = nullptr;

void Submit(AppState& app, int slot, const Texture* texture, IntRect source, PointF scaling,
            std::optional<PointF> centre, double rotation, PointF translation, uint32_t colour) {
    if (recorder)
        recorder->calls.push_back(
            SpriteCall{slot, source, scaling, centre, rotation, translation, colour});
    if (!texture || !app.sprite) return;
    // The transform stays set on the batch until the next draw sets another.
    app.sprite->DrawTransformed(texture, source, scaling, centre, rotation, translation, colour);
}
} // namespace

SpriteRecorder::SpriteRecorder() : previous(recorder) {
    recorder = this;
}
SpriteRecorder::~SpriteRecorder() {
    recorder = previous;
}

void DrawSprite(AppState& app, int slot, IntRect source, PointF scaling,
                std::optional<PointF> centre, double rotation, PointF translation,
                uint32_t colour) {
    const Texture* texture =
        slot >= 0 && slot < AppState::TextureSlots ? app.textures[slot].get() : nullptr;
    Submit(app, slot, texture, source, scaling, centre, rotation, translation, colour);
}

void DrawSprite(AppState& app, const Texture* texture, IntRect source, PointF scaling,
                std::optional<PointF> centre, double rotation, PointF translation,
                uint32_t colour) {
    Submit(app, -1, texture, source, scaling, centre, rotation, translation, colour);
}
