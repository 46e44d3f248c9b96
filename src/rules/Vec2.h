// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A point or extent in the 1024 x 768 layout space.

struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;

    friend Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
    friend Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
    friend Vec2 operator*(Vec2 a, float f) { return {a.x * f, a.y * f}; }
    friend Vec2 operator*(float f, Vec2 a) { return {a.x * f, a.y * f}; }
    friend bool operator==(Vec2 a, Vec2 b) = default;
};
