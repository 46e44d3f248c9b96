// SPDX-License-Identifier: GPL-3.0-or-later
#include "Noise.h"

#include <cmath>

uint64_t Random::Next() {
    // splitmix64
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::Unit() {
    return static_cast<double>(Next() >> 11) / 9007199254740992.0;
}

TileNoise::TileNoise(int p, int c, uint64_t seed)
    : period(p), cells(c), grid(static_cast<size_t>(c) * c) {
    Random random(seed);
    for (double& v : grid) {
        v = random.Unit();
    }
}

double TileNoise::At(double x, double y) const {
    double fx = x / period * cells, fy = y / period * cells;
    int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    double tx = fx - x0, ty = fy - y0;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto g = [&](int i, int j) {
        i = ((i % cells) + cells) % cells;
        j = ((j % cells) + cells) % cells;
        return grid[static_cast<size_t>(j) * cells + i];
    };
    double a = g(x0, y0) + (g(x0 + 1, y0) - g(x0, y0)) * tx;
    double b = g(x0, y0 + 1) + (g(x0 + 1, y0 + 1) - g(x0, y0 + 1)) * tx;
    return a + (b - a) * ty;
}

std::vector<TileNoise> MakeOctaves(int period, int firstCells, int count, uint64_t seed) {
    std::vector<TileNoise> octaves;
    for (int i = 0; i < count; ++i) {
        octaves.emplace_back(period, firstCells << i, seed + 7919 * i);
    }
    return octaves;
}

double Fractal(const std::vector<TileNoise>& octaves, double x, double y) {
    double sum = 0, weight = 0, w = 1;
    for (const TileNoise& n : octaves) {
        sum += n.At(x, y) * w;
        weight += w;
        w *= 0.5;
    }
    return sum / weight;
}
