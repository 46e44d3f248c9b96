// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/SoundTable.h"

const std::array<SoundSlotEntry, SoundTable::slotCount>& SoundTable::Entries() {
    static const std::array<SoundSlotEntry, slotCount> entries{{
        {0, "Sounds\\klick_menu.wav"},
        {1, "Sounds\\klick_game.wav"},
        {2, "Sounds\\western\\shot.wav"},
        {100, "Sounds\\dschungel\\ambient0.wav"},
        {101, "Sounds\\dschungel\\ambient1.wav"},
        {102, "Sounds\\dschungel\\ambient2.wav"},
        {103, "Sounds\\dschungel\\ambient3.wav"},
        {104, "Sounds\\dschungel\\ambient4.wav"},
        {105, "Sounds\\dschungel\\ambient5.wav"},
        {106, "Sounds\\dschungel\\ambient6.wav"},
        {107, "Sounds\\dschungel\\ambient7.wav"},
        {200, "Sounds\\western\\mexikaner0.wav"},
        {201, "Sounds\\western\\mexikaner1.wav"},
        {202, "Sounds\\western\\mexikaner2.wav"},
        {203, "Sounds\\western\\mexikaner3.wav"},
        {204, "Sounds\\dschungel\\spinne_spring.wav"},
        {205, "Sounds\\dschungel\\frosch_spring.wav"},
        {300, "Sounds\\dschungel\\frosch_quack0.wav"},
        {301, "Sounds\\dschungel\\frosch_quack1.wav"},
        {302, "Sounds\\karten_move.wav"},
        {303, "Sounds\\karten_fehler.wav"},
        {304, "Sounds\\win.wav"},
        {305, "Sounds\\western\\t\xFCr.wav"}, // "tür" in Latin-1
        {306, "Sounds\\western\\glass.wav"},
        {307, "Sounds\\western\\pochpoch.wav"},
        {400, "Sounds\\dschungel\\affe_eat0.wav"},
        {401, "Sounds\\dschungel\\affe_eat1.wav"},
        {402, "Sounds\\dschungel\\affe_eat2.wav"},
    }};
    return entries;
}

const std::array<int32_t, SoundTable::slotCount>& SoundTable::LoadOrder() {
    static const std::array<int32_t, slotCount> order{
        1,   0,   304, 302, 303, 2,   306, 305, 307, 200, 201, 202, 203, 100,
        101, 102, 103, 104, 105, 106, 107, 205, 204, 400, 401, 402, 300, 301,
    };
    return order;
}

std::optional<int> SoundTable::SlotOfSoundId(int32_t soundId) {
    const auto& entries = Entries();
    for (int i = 0; i < slotCount; ++i)
        if (entries[size_t(i)].soundId == soundId) return i;
    return std::nullopt;
}
