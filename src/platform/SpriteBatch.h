// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one sprite batch everything is drawn through: a textured rectangle is drawn at the
// origin of the current transform, modulated by an ARGB colour.
#include "platform/IntRect.h"
#include "platform/Transform2D.h"

#include <array>
#include <cstdint>
#include <optional>

class RenderDevice;
class Texture;

// The corners of a drawn rectangle after the transform, in the order top-left, top-right,
// bottom-left, bottom-right of the source, with the matching texture coordinates (0 … 1).
struct SpriteQuad {
    std::array<PointF, 4> corners;
    std::array<PointF, 4> uv;
};

class SpriteBatch {
public:
    explicit SpriteBatch(RenderDevice& device) : device(device) {}

    // Begin opens the batch with alpha blending; End flushes it.
    void Begin();
    void End();
    bool IsOpen() const { return open; }

    void SetTransform(const Transform2D& t) { transform = t; }
    const Transform2D& GetTransform() const { return transform; }

    // Draws `source` (the whole picture when none) of the texture at the transform's origin.
    // A null texture draws nothing; parts of the source outside the picture draw nothing.
    void Draw(const Texture* texture, std::optional<IntRect> source, uint32_t argb);

    // Sets the transform built from scaling and rotation about `centre` and the translation,
    // then draws: the drawing primitive of the drawing layer. The centre is a point in the
    // source's own pixels (0, 0 = the source's top-left corner): it stays where it is under
    // scaling and rotation and is then moved by the translation, so it lands at
    // centre + translation. Without a centre the top-left corner lands at the translation.
    void DrawTransformed(const Texture* texture, std::optional<IntRect> source, PointF scaling,
                         std::optional<PointF> centre, double rotation, PointF translation,
                         uint32_t argb) {
        SetTransform(Transform2D::Build(scaling, centre, rotation, translation));
        Draw(texture, source, argb);
    }

    // While bands are set, every draw is made once per band, clipped to it (rectangles in
    // back-buffer pixels that do not overlap): the parts of a picture that something opaque
    // drawn next will cover anyway are skipped. An empty list draws nothing; null draws
    // whole pictures again. The caller keeps the bands alive while they are set.
    void SetClipBands(const IntRect* bands, int count) {
        clipBands = bands;
        clipBandCount = count;
    }

    // The drawing device was lost / has been reset.
    void OnLostDevice();
    void OnResetDevice();

    // The quad that Draw sends for a source rectangle of a width × height picture, or none
    // when nothing of the source lies on the picture.
    static std::optional<SpriteQuad> BuildQuad(const Transform2D& transform, IntRect source,
                                               int width, int height);

private:
    void DrawWhole(const Texture* texture, IntRect rect, uint32_t argb);
    // Where the visible pixels of an unturned picture land, when they fill less than the
    // whole rectangle (empty when there are none); none otherwise.
    std::optional<IntRect> InkOnScreen(const Texture& texture, IntRect rect) const;

    RenderDevice& device;
    const IntRect* clipBands = nullptr;
    int clipBandCount = 0;
    Transform2D transform;
    bool open = false;
};
