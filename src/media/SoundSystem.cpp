#include "media/SoundSystem.h"

#include "media/MusicPlayer.h"
#include "media/WavMember.h"

#include <algorithm>

SoundSystem::~SoundSystem() { Shutdown(); }

int32_t SoundSystem::InitSound(std::unique_ptr<MusicPlayer>& musicPlayer, int32_t& soundVolume,
                               int32_t& musicVolume, const MemberReader& readMember,
                               const LoadingStep& loadingStep) {
    auto step = [&](bool draw) {
        if (loadingStep) loadingStep(draw);
    };
    musicPlayer = std::make_unique<MusicPlayer>();
    step(false);
    if (!device.Open()) {
        soundVolume = 0;
        musicVolume = 0;
        return failure;
    }
    step(true);
    if (!device.AllocateVoices(SoundTable::slotCount * voicesPerSlot)) {
        device.Close();
        soundVolume = 0;
        musicVolume = 0;
        return failure;
    }
    step(true);
    for (int32_t soundId : SoundTable::LoadOrder()) {
        if (auto slot = SoundTable::SlotOfSoundId(soundId)) LoadSlot(*slot, readMember);
        step(true);
    }
    return ok;
}

AudioDevice::Chunk SoundSystem::LoadSound(const char* memberName,
                                          const MemberReader& readMember) {
    if (!device.IsOpen() || !readMember) return nullptr;
    std::optional<std::vector<uint8_t>> bytes = readMember(memberName);
    if (!bytes) return nullptr;
    std::optional<WavMember> wav = WavMember::Parse(*bytes);
    if (!wav || wav->data.empty()) return nullptr;
    return device.LoadChunk(wav->ToRiff());
}

bool SoundSystem::LoadSlot(int slot, const MemberReader& readMember) {
    if (slot < 0 || slot >= SoundTable::slotCount) return false;
    Slot& target = slots[size_t(slot)];
    target.sound = LoadSound(SoundTable::Entries()[size_t(slot)].memberName, readMember);
    target.volumes.fill(0);
    return target.sound != nullptr;
}

void SoundSystem::PlaySound(int32_t soundId, float factor, int32_t soundVolume) {
    if (soundVolume == 0) return;
    std::optional<int> slot = SoundTable::SlotOfSoundId(soundId);
    if (!slot) return;
    Slot& target = slots[size_t(*slot)];
    if (!target.sound) return;
    for (int voice = 0; voice < voicesPerSlot; ++voice) {
        int channel = *slot * voicesPerSlot + voice;
        if (device.IsVoicePlaying(channel)) continue;
        float level = float(soundVolume) * factor / 100.0f * 3000.0f - 3000.0f;
        // The mixer, like any buffer volume, ends at full volume and at −100 dB.
        int volume = std::clamp(int(level), -10000, 0);
        target.volumes[size_t(voice)] = volume;
        device.SetVoiceVolume(channel, volume);
        device.PlayOnVoice(channel, target.sound.get());
        return;
    }
    // All ten voices busy: the request is dropped.
}

void SoundSystem::ScheduleSound(int32_t soundId, double delay, double factor) {
    scheduledSounds.Append(new ScheduledSound{soundId, delay, factor});
}

void SoundSystem::UpdateScheduledSounds(double frameTime, int32_t soundVolume) {
    int index = 0;
    while (ScheduledSound* entry = scheduledSounds.Get(index)) {
        entry->delay -= frameTime;
        if (entry->delay <= 0.0) {
            PlaySound(entry->soundId, float(entry->factor), soundVolume);
            scheduledSounds.RemoveAt(index); // the next entry moves to this index
        } else {
            ++index;
        }
    }
}

void SoundSystem::Shutdown() {
    // No voice may still read a sound while it is freed.
    device.HaltVoices();
    for (Slot& slot : slots) slot.sound.reset();
    scheduledSounds.Clear();
    device.Close();
}

bool SoundSystem::IsSlotLoaded(int slot) const {
    return slot >= 0 && slot < SoundTable::slotCount && slots[size_t(slot)].sound != nullptr;
}

int SoundSystem::VoiceVolume(int slot, int voice) const {
    if (slot < 0 || slot >= SoundTable::slotCount || voice < 0 || voice >= voicesPerSlot)
        return 0;
    return slots[size_t(slot)].volumes[size_t(voice)];
}
