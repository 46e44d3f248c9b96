// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Transform2D.h"

#include <cmath>

Transform2D Transform2D::Build(PointF scaling, std::optional<PointF> centre, double rotation,
                               PointF translation) {
    // p' = R * S * (p - c) + c + t, with R turning positive angles from +x towards +y
    // (clockwise on a screen whose y axis points down).
    const PointF c = centre.value_or(PointF{});
    const double cosA = std::cos(rotation);
    const double sinA = std::sin(rotation);
    Transform2D t;
    t.m11 = static_cast<float>(scaling.x * cosA);
    t.m12 = static_cast<float>(scaling.x * sinA);
    t.m21 = static_cast<float>(-scaling.y * sinA);
    t.m22 = static_cast<float>(scaling.y * cosA);
    t.dx = c.x - (c.x * t.m11 + c.y * t.m21) + translation.x;
    t.dy = c.y - (c.x * t.m12 + c.y * t.m22) + translation.y;
    return t;
}
