#pragma once
// The sound effects: 28 slots of decoded WAV sounds, each with ten voices so
// that one effect can overlap itself ten times, and the list of delayed
// sounds the frame loop counts down.
#include "data/PtrList.h"
#include "media/ScheduledSound.h"
#include "media/SoundTable.h"
#include "platform/AudioDevice.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class MusicPlayer;

class SoundSystem {
public:
    static constexpr int voicesPerSlot = 10;
    static constexpr int32_t ok = 0;
    static constexpr int32_t failure = int32_t(0x80004005);
    // Shown (caption "Fehler!") when the audio device cannot be opened.
    static constexpr const char* initFailureMessage = "DirectSound kann nicht initialisiert werden";
    // Loading-screen steps that InitSound makes when it succeeds.
    static constexpr int loadingSteps = 3 + SoundTable::slotCount;

    // Reads a member of "base.gob" by its name; nothing when it is missing.
    using MemberReader = std::function<std::optional<std::vector<uint8_t>>(const char* name)>;
    // One step of the loading screen; draw is false for the first step.
    using LoadingStep = std::function<void(bool draw)>;

    SoundSystem() = default;
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;
    ~SoundSystem();

    // Creates the music player, opens the audio device and loads the 28 slots in
    // start-up order. When the device cannot be opened, effects and music are
    // switched off (both volumes 0) and failure is returned; a missing or
    // malformed member only leaves its slot empty.
    int32_t InitSound(std::unique_ptr<MusicPlayer>& musicPlayer, int32_t& soundVolume,
                      int32_t& musicVolume, const MemberReader& readMember,
                      const LoadingStep& loadingStep);
    // Decodes one WAV member; nothing when it is missing, malformed or undecodable.
    AudioDevice::Chunk LoadSound(const char* memberName, const MemberReader& readMember);
    // Fills one slot from its member (used at start-up and by tests).
    bool LoadSlot(int slot, const MemberReader& readMember);

    // Plays an effect at once on the first idle voice of its slot, at
    // soundVolume × factor / 100 × 3000 − 3000 hundredths of a decibel.
    void PlaySound(int32_t soundId, float factor, int32_t soundVolume);
    void ScheduleSound(int32_t soundId, double delay, double factor);
    // Counts every delayed sound down by the frame time and plays those whose
    // delay has run out.
    void UpdateScheduledSounds(double frameTime, int32_t soundVolume);

    // Releases the slots and closes the audio device.
    void Shutdown();

    bool IsSlotLoaded(int slot) const;
    // The volume last set on a voice, in hundredths of a decibel.
    int VoiceVolume(int slot, int voice) const;
    AudioDevice& Device() { return device; }
    const PtrList<ScheduledSound, true>& ScheduledSounds() const { return scheduledSounds; }

private:
    struct Slot {
        AudioDevice::Chunk sound;
        std::array<int, voicesPerSlot> volumes{};
    };

    AudioDevice device;
    std::array<Slot, SoundTable::slotCount> slots;
    PtrList<ScheduledSound, true> scheduledSounds;
};
