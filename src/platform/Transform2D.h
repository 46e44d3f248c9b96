// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A 2-D affine transformation in row-vector form: (x, y) maps to
// (x * m11 + y * m21 + dx, x * m12 + y * m22 + dy), the convention of the sprite batch.
#include <optional>

struct PointF {
    float x = 0.0f;
    float y = 0.0f;
};

class Transform2D {
public:
    float m11 = 1.0f, m12 = 0.0f;
    float m21 = 0.0f, m22 = 1.0f;
    float dx = 0.0f, dy = 0.0f;

    static Transform2D Identity() { return {}; }

    // Scaling and rotation both about `centre` (the origin when none is given), then the
    // translation. A negative scaling mirrors the picture along that axis.
    static Transform2D Build(PointF scaling, std::optional<PointF> centre, double rotation,
                             PointF translation);

    PointF Apply(PointF point) const {
        return {point.x * m11 + point.y * m21 + dx, point.x * m12 + point.y * m22 + dy};
    }
};
