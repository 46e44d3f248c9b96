// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/SoundDevice.h"

#include "media/WavMember.h"

#include <algorithm>

SoundDevice::~SoundDevice() { Shutdown(); }

int32_t SoundDevice::Initialise(int32_t& soundVolume, int32_t& musicVolume,
                                const MemberReader& readMember, const LoadingStep& loadingStep) {
    auto step = [&] {
        if (loadingStep) loadingStep();
    };
    if (!audio.Open()) {
        soundVolume = 0;
        musicVolume = 0;
        return failure;
    }
    step();
    if (!audio.AllocateVoices(SoundTable::slotCount * voicesPerSlot)) {
        audio.Close();
        soundVolume = 0;
        musicVolume = 0;
        return failure;
    }
    step();
    for (int32_t soundId : SoundTable::LoadOrder()) {
        if (auto slot = SoundTable::SlotOfSoundId(soundId)) LoadSlot(*slot, readMember);
        step();
    }
    return ok;
}

AudioDevice::Chunk SoundDevice::LoadSound(const std::string& memberName,
                                          const MemberReader& readMember) {
    if (!audio.IsOpen() || !readMember) return nullptr;
    std::optional<std::vector<uint8_t>> bytes = readMember(memberName);
    if (!bytes) return nullptr;
    std::optional<WavMember> wav = WavMember::Parse(*bytes);
    if (!wav || wav->data.empty()) return nullptr;
    return audio.LoadChunk(wav->ToRiff());
}

bool SoundDevice::LoadSlot(int slot, const MemberReader& readMember) {
    if (slot < 0 || slot >= SoundTable::slotCount) return false;
    Slot& target = slots[size_t(slot)];
    target.sound = LoadSound(SoundTable::Entries()[size_t(slot)].memberName, readMember);
    target.volumes.fill(0);
    return target.sound != nullptr;
}

void SoundDevice::PlaySound(int32_t soundId, float factor, int32_t soundVolume) {
    if (soundVolume == 0) return;
    std::optional<int> slot = SoundTable::SlotOfSoundId(soundId);
    if (!slot) return;
    Slot& target = slots[size_t(*slot)];
    if (!target.sound) return;
    for (int voice = 0; voice < voicesPerSlot; ++voice) {
        int channel = *slot * voicesPerSlot + voice;
        if (audio.IsVoicePlaying(channel)) continue;
        float level = float(soundVolume) * factor / 100.0f * 3000.0f - 3000.0f;
        // Like any buffer volume the mixer ends at full volume and at −100 dB.
        int volume = std::clamp(int(level), -10000, 0);
        target.volumes[size_t(voice)] = volume;
        audio.SetVoiceVolume(channel, volume);
        audio.PlayOnVoice(channel, target.sound.get());
        return;
    }
    // All ten voices busy: the request is dropped.
}

void SoundDevice::ScheduleSound(PtrList<ScheduledSound, true>& list, int32_t soundId, double delay,
                                double factor) {
    list.Append(new ScheduledSound{soundId, delay, factor});
}

void SoundDevice::UpdateScheduledSounds(PtrList<ScheduledSound, true>& list, SoundDevice* device,
                                        double frameTime, int32_t soundVolume) {
    int index = 0;
    while (ScheduledSound* entry = list.Get(index)) {
        entry->delay -= frameTime;
        if (entry->delay <= 0.0) {
            if (device) device->PlaySound(entry->soundId, float(entry->volumeFactor), soundVolume);
            list.RemoveAt(index); // the next entry moves to this index
        } else {
            ++index;
        }
    }
}

void SoundDevice::Shutdown() {
    // No voice may still read a sound while it is freed.
    audio.HaltVoices();
    for (Slot& slot : slots) slot.sound.reset();
    audio.Close();
}

bool SoundDevice::IsSlotLoaded(int slot) const {
    return slot >= 0 && slot < SoundTable::slotCount && slots[size_t(slot)].sound != nullptr;
}

int SoundDevice::VoiceVolume(int slot, int voice) const {
    if (slot < 0 || slot >= SoundTable::slotCount || voice < 0 || voice >= voicesPerSlot)
        return 0;
    return slots[size_t(slot)].volumes[size_t(voice)];
}
