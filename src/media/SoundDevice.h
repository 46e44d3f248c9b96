// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound effects: the audio device with 28 slots of decoded WAV sounds,
// each with ten voices so that one effect can overlap itself ten times, and
// the countdown of delayed sounds.
#include "app/ScheduledSound.h"
#include "data/PtrList.h"
#include "media/SoundTable.h"
#include "platform/AudioDevice.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class SoundDevice {
public:
    static constexpr int voicesPerSlot = 10;
    static constexpr int32_t ok = 0;
    static constexpr int32_t failure = int32_t(0x80004005);
    // Loading-screen steps Initialise makes when it succeeds (one more, without
    // drawing, comes before it when the music player is created).
    static constexpr int loadingSteps = 2 + SoundTable::slotCount;

    // Reads a member of "base.gob" by its name; nothing when it is missing.
    using MemberReader = std::function<std::optional<std::vector<uint8_t>>(const std::string& name)>;
    using LoadingStep = std::function<void()>;

    SoundDevice() = default;
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;
    ~SoundDevice();

    // Opens the audio device with its voices and loads the 28 slots in start-up
    // order, one loading step after each stage. When the device cannot be opened,
    // effects and music are switched off (both volumes 0) and failure is returned;
    // a missing or malformed member only leaves its slot empty.
    int32_t Initialise(int32_t& soundVolume, int32_t& musicVolume, const MemberReader& readMember,
                       const LoadingStep& loadingStep);
    // Decodes one WAV member; nothing when it is missing, malformed or undecodable.
    AudioDevice::Chunk LoadSound(const std::string& memberName, const MemberReader& readMember);
    // Fills one slot from its member.
    bool LoadSlot(int slot, const MemberReader& readMember);

    // Plays an effect at once on the first idle voice of its slot, at
    // soundVolume × factor / 100 × 3000 − 3000 hundredths of a decibel.
    void PlaySound(int32_t soundId, float factor, int32_t soundVolume);

    // Appends a delayed sound to the list.
    static void ScheduleSound(PtrList<ScheduledSound, true>& list, int32_t soundId, double delay,
                              double factor);
    // Counts every delayed sound down by the frame time and plays those whose
    // delay has run out (a null device drops them silently).
    static void UpdateScheduledSounds(PtrList<ScheduledSound, true>& list, SoundDevice* device,
                                      double frameTime, int32_t soundVolume);

    // Releases the slots and closes the audio device.
    void Shutdown();

    bool IsSlotLoaded(int slot) const;
    // The volume last set on a voice, in hundredths of a decibel.
    int VoiceVolume(int slot, int voice) const;
    AudioDevice& Audio() { return audio; }

private:
    struct Slot {
        AudioDevice::Chunk sound;
        std::array<int, voicesPerSlot> volumes{};
    };

    AudioDevice audio;
    std::array<Slot, SoundTable::slotCount> slots;
};
