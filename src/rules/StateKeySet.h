// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transposition table of a search: a set of state keys with open
// addressing. A key of all zeros marks a free slot, so that one key is stored
// as a flag of its own.
#include <cstddef>
#include <vector>

#include "rules/TableCodec.h"

class StateKeySet {
public:
    StateKeySet() : slots(1024) {}

    // True when the key was new.
    bool Insert(const StateKey& key) {
        if (key == StateKey{}) {
            bool fresh = !hasZero;
            hasZero = true;
            return fresh;
        }
        if ((count + 1) * 2 > slots.size()) Grow();
        if (!Place(slots, key)) return false;
        ++count;
        return true;
    }
    size_t Size() const { return count + (hasZero ? 1 : 0); }
    size_t MemoryBytes() const { return slots.capacity() * sizeof(StateKey); }

private:
    static bool Place(std::vector<StateKey>& table, const StateKey& key) {
        const size_t mask = table.size() - 1;
        for (size_t i = key.low & mask;; i = (i + 1) & mask) {
            if (table[i] == key) return false;
            if (table[i] == StateKey{}) {
                table[i] = key;
                return true;
            }
        }
    }
    void Grow() {
        std::vector<StateKey> bigger(slots.size() * 2);
        for (const StateKey& key : slots)
            if (!(key == StateKey{})) Place(bigger, key);
        slots.swap(bigger);
    }

    std::vector<StateKey> slots;
    size_t count = 0;
    bool hasZero = false;
};
