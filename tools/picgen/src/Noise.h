// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Deterministic random numbers and tileable value noise for the table cloths.
#include <cstdint>
#include <vector>

class Random {
public:
    explicit Random(uint64_t seed) : state(seed) {}
    uint64_t Next();
    double Unit(); // [0, 1)

private:
    uint64_t state;
};

// Value noise that repeats every `period` pixels in both directions.
class TileNoise {
public:
    TileNoise(int period, int cells, uint64_t seed);
    double At(double x, double y) const; // [0, 1]

private:
    int period;
    int cells;
    std::vector<double> grid;
};

// Several octaves of tileable noise, each octave with twice the cells.
double Fractal(const std::vector<TileNoise>& octaves, double x, double y);
std::vector<TileNoise> MakeOctaves(int period, int firstCells, int count, uint64_t seed);
