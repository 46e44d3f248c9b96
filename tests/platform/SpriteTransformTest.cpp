// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpriteBatch.h"
#include "platform/Transform2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

void ExpectPoint(PointF actual, float x, float y) {
    EXPECT_NEAR(actual.x, x, 1e-3f);
    EXPECT_NEAR(actual.y, y, 1e-3f);
}

TEST(Transform2D, TranslationAloneMovesThePicture) {
    const Transform2D t = Transform2D::Build({1, 1}, std::nullopt, 0.0, {30, 40});
    ExpectPoint(t.Apply({0, 0}), 30, 40);
    ExpectPoint(t.Apply({10, 5}), 40, 45);
}

TEST(Transform2D, QuarterTurnGoesFromXTowardsY) {
    // On a screen whose y axis points down, a positive angle turns clockwise.
    const Transform2D t = Transform2D::Build({1, 1}, std::nullopt, std::numbers::pi / 2, {0, 0});
    ExpectPoint(t.Apply({10, 0}), 0, 10);
    ExpectPoint(t.Apply({0, 10}), -10, 0);
}

TEST(Transform2D, CentreStaysInPlaceUnderScalingAndRotation) {
    const Transform2D t = Transform2D::Build({2.5f, -0.5f}, PointF{12, 7}, 1.234, {100, 50});
    ExpectPoint(t.Apply({12, 7}), 112, 57);
}

TEST(SpriteQuad, ScaledRotatedMirroredDrawHasTheseFourCorners) {
    // A 40 × 20 source drawn with scaling (-2, 1.5) (mirrored left-right), turned by 30°
    // about its local point (20, 10), and moved by (300, 200). Each corner p goes to
    // R · S · (p − c) + c + t.
    const double angle = std::numbers::pi / 6;
    const Transform2D t = Transform2D::Build({-2.0f, 1.5f}, PointF{20, 10}, angle, {300, 200});
    const auto quad = SpriteBatch::BuildQuad(t, IntRect{100, 60, 140, 80}, 256, 128);
    ASSERT_TRUE(quad);
    const double c = std::cos(angle), s = std::sin(angle);
    auto expected = [&](double px, double py) {
        const double sx = -2.0 * (px - 20), sy = 1.5 * (py - 10);
        return PointF{static_cast<float>(sx * c - sy * s + 20 + 300),
                      static_cast<float>(sx * s + sy * c + 10 + 200)};
    };
    const PointF corners[4] = {expected(0, 0), expected(40, 0), expected(0, 20), expected(40, 20)};
    for (int i = 0; i < 4; ++i)
        ExpectPoint(quad->corners[i], corners[i].x, corners[i].y);
    // Worked out by hand for the top-left corner: S(p - c) = (40, -15);
    // R gives (40·0.8660 + 15·0.5, 40·0.5 − 15·0.8660) = (42.141, 7.010).
    ExpectPoint(quad->corners[0], 362.141f, 217.010f);
    // The mirror puts the source's left edge to the right of its right edge.
    EXPECT_GT(quad->corners[0].x, quad->corners[1].x);
    // Texture coordinates stay those of the source rectangle.
    ExpectPoint(quad->uv[0], 100.0f / 256, 60.0f / 128);
    ExpectPoint(quad->uv[3], 140.0f / 256, 80.0f / 128);
}

TEST(SpriteQuad, SourceIsClippedToThePictureAndKeepsItsPlace) {
    // The source hangs 10 px over the right and 5 px over the top of a 64 × 64 picture.
    const auto quad =
        SpriteBatch::BuildQuad(Transform2D::Identity(), IntRect{44, -5, 74, 20}, 64, 64);
    ASSERT_TRUE(quad);
    ExpectPoint(quad->corners[0], 0, 5);
    ExpectPoint(quad->corners[3], 20, 25);
    ExpectPoint(quad->uv[0], 44.0f / 64, 0);
    ExpectPoint(quad->uv[3], 1, 20.0f / 64);
}

TEST(SpriteQuad, NothingIsDrawnForEmptyOrOutsideSources) {
    EXPECT_FALSE(SpriteBatch::BuildQuad({}, IntRect{10, 10, 10, 20}, 64, 64));
    EXPECT_FALSE(SpriteBatch::BuildQuad({}, IntRect{70, 0, 90, 20}, 64, 64));
    EXPECT_FALSE(SpriteBatch::BuildQuad({}, IntRect{20, 20, 10, 10}, 64, 64));
    EXPECT_FALSE(SpriteBatch::BuildQuad({}, IntRect{0, 0, 10, 10}, 0, 0));
}

} // namespace
