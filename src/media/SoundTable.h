// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed table of sound effects: 28 slots, each addressed by a sound id
// and filled from one WAV member of "base.gob".
#include <array>
#include <cstdint>
#include <optional>

struct SoundSlotEntry {
    int32_t soundId;
    const char* memberName; // Latin-1, backslash-separated, as stored in the archive
};

class SoundTable {
public:
    static constexpr int slotCount = 28;

    // The slots in table order; a slot's index is its position here.
    static const std::array<SoundSlotEntry, slotCount>& Entries();
    // The sound ids in the order start-up loads them.
    static const std::array<int32_t, slotCount>& LoadOrder();
    // The slot of a sound id, nothing for an id outside the table.
    static std::optional<int> SlotOfSoundId(int32_t soundId);
};
