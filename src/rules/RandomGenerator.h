// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one random generator behind every random choice of the rules engine:
// state <- state * 214013 + 2531011 (mod 2^32), value = bits 16..30 (0..32767).
// A deal is reproducible from the seed given to Seed.
#include <cstdint>

class RandomGenerator {
public:
    explicit RandomGenerator(uint32_t seed = 1) : state(seed) {}

    void Seed(uint32_t seed) { state = seed; }
    uint32_t State() const { return state; }

    // The next value, 0 .. 32767.
    int Next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu);
    }
    // "A random number below n": the next value mod n; 0 when n is not positive
    // (a draw is still made, so the sequence does not depend on n).
    int Below(int n) {
        int value = Next();
        return n > 0 ? value % n : 0;
    }

    // The generator shared by the whole program.
    static RandomGenerator& Shared();

private:
    uint32_t state;
};
