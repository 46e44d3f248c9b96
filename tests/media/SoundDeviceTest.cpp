// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestAudio.h"
#include "media/MusicPlayer.h"
#include "media/SoundDevice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

namespace {

// Serves a long tone for every member except those given other bytes.
struct FakeArchive {
    std::map<std::string, std::vector<uint8_t>> overrides;
    std::vector<std::string> missing;
    std::vector<std::string> reads;

    SoundDevice::MemberReader Reader() {
        return [this](const std::string& name) -> std::optional<std::vector<uint8_t>> {
            reads.push_back(name);
            for (const auto& m : missing)
                if (m == name) return std::nullopt;
            auto it = overrides.find(name);
            if (it != overrides.end()) return it->second;
            return testaudio::MakeWav(5.0);
        };
    }
};

int Slot(int32_t soundId) { return *SoundTable::SlotOfSoundId(soundId); }

int PlayingVoices(SoundDevice& sounds, int slot) {
    int count = 0;
    for (int v = 0; v < SoundDevice::voicesPerSlot; ++v)
        count += sounds.Audio().IsVoicePlaying(slot * SoundDevice::voicesPerSlot + v) ? 1 : 0;
    return count;
}

class SoundDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sounds.Initialise(soundVolume, musicVolume, archive.Reader(), nullptr),
                  SoundDevice::ok);
    }
    FakeArchive archive;
    SoundDevice sounds;
    int32_t soundVolume = 100;
    int32_t musicVolume = 100;
    PtrList<ScheduledSound, true> list;
};

TEST(SoundDeviceInit, LoadsEverySlotInOrderWithItsLoadingSteps) {
    FakeArchive archive;
    int steps = 0;
    SoundDevice sounds;
    int32_t soundVolume = 100, musicVolume = 100;
    EXPECT_EQ(sounds.Initialise(soundVolume, musicVolume, archive.Reader(), [&] { ++steps; }),
              SoundDevice::ok);
    EXPECT_EQ(steps, 30);
    ASSERT_EQ(archive.reads.size(), 28u);
    EXPECT_EQ(archive.reads[0], "Sounds\\klick_game.wav");
    EXPECT_EQ(archive.reads[2], "Sounds\\win.wav");
    EXPECT_EQ(archive.reads[27], "Sounds\\dschungel\\frosch_quack1.wav");
    for (int slot = 0; slot < SoundTable::slotCount; ++slot) EXPECT_TRUE(sounds.IsSlotLoaded(slot));
    EXPECT_EQ(soundVolume, 100);
    EXPECT_EQ(musicVolume, 100);
}

TEST(SoundDeviceInit, MalformedOrMissingMembersLeaveOnlyTheirSlotEmpty) {
    FakeArchive archive;
    auto good = testaudio::MakeWav(0.2);
    auto truncated = std::vector<uint8_t>(good.begin(), good.begin() + 30);
    auto longData = good;
    longData[40] = 0xFF; // data chunk size now far beyond the member
    longData[41] = 0xFF;
    longData[42] = 0x0F;
    auto shortFmt = std::vector<uint8_t>{'R', 'I', 'F', 'F', 26, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm',
                                         't',  ' ', 3,   0,   0, 0, 1, 0, 1, 0,  'd', 'a', 't', 'a',
                                         2,    0,   0,   0,   0, 0};
    archive.overrides["Sounds\\win.wav"] = truncated;
    archive.overrides["Sounds\\karten_move.wav"] = longData;
    archive.overrides["Sounds\\karten_fehler.wav"] = shortFmt;
    archive.overrides["Sounds\\klick_menu.wav"] = {'n', 'o', 'i', 's', 'e'};
    archive.missing = {"Sounds\\western\\shot.wav"};
    SoundDevice sounds;
    int32_t soundVolume = 100, musicVolume = 100;
    EXPECT_EQ(sounds.Initialise(soundVolume, musicVolume, archive.Reader(), nullptr),
              SoundDevice::ok);
    for (int32_t id : {304, 302, 303, 0, 2}) EXPECT_FALSE(sounds.IsSlotLoaded(Slot(id))) << id;
    EXPECT_TRUE(sounds.IsSlotLoaded(Slot(1)));
    EXPECT_TRUE(sounds.IsSlotLoaded(Slot(305)));
    // Plays of an empty slot are silent.
    sounds.PlaySound(304, 1.0f, 100);
    EXPECT_EQ(PlayingVoices(sounds, Slot(304)), 0);
    EXPECT_EQ(soundVolume, 100);
}

TEST(SoundDeviceInit, AnAudioDeviceThatCannotOpenSwitchesEffectsAndMusicOff) {
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    std::string saved = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    FakeArchive archive;
    SoundDevice sounds;
    int32_t soundVolume = 100, musicVolume = 100;
    int steps = 0;
    EXPECT_EQ(sounds.Initialise(soundVolume, musicVolume, archive.Reader(), [&] { ++steps; }),
              SoundDevice::failure);
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    EXPECT_EQ(soundVolume, 0);
    EXPECT_EQ(musicVolume, 0);
    EXPECT_EQ(steps, 0);
    EXPECT_TRUE(archive.reads.empty());
    MusicPlayer music; // with no device every Load fails
    EXPECT_EQ(music.Load("musik\\musik_menu.mp3"), MusicPlayer::failure);
    sounds.PlaySound(0, 1.0f, 100); // no slot is loaded: nothing happens
}

TEST_F(SoundDeviceTest, ElevenRapidPlaysGiveTenVoices) {
    for (int i = 0; i < 11; ++i) sounds.PlaySound(302, 1.0f, soundVolume);
    EXPECT_EQ(PlayingVoices(sounds, Slot(302)), 10);
    // The neighbouring slots lend no voice to the eleventh play.
    EXPECT_EQ(PlayingVoices(sounds, Slot(301)), 0);
    EXPECT_EQ(PlayingVoices(sounds, Slot(303)), 0);
    // Another effect still has voices of its own.
    sounds.PlaySound(303, 1.0f, soundVolume);
    EXPECT_EQ(PlayingVoices(sounds, Slot(303)), 1);
}

TEST_F(SoundDeviceTest, VolumeFollowsLevelAndFactorInHundredthsOfADecibel) {
    sounds.PlaySound(0, 0.5f, 100);
    EXPECT_EQ(sounds.VoiceVolume(Slot(0), 0), -1500);
    EXPECT_EQ(sounds.Audio().VoiceMixerVolume(Slot(0) * 10), AudioDevice::MixerVolume(-1500));
    sounds.PlaySound(0, 1.0f, 100);
    EXPECT_EQ(sounds.VoiceVolume(Slot(0), 1), 0);
    EXPECT_EQ(sounds.Audio().VoiceMixerVolume(Slot(0) * 10 + 1), 128);
    sounds.PlaySound(0, 0.8f, 100);
    EXPECT_EQ(sounds.VoiceVolume(Slot(0), 2), -600);
    sounds.PlaySound(0, 1.0f, 50);
    EXPECT_EQ(sounds.VoiceVolume(Slot(0), 3), -1500);
    // A factor above 1 cannot go beyond full volume.
    sounds.PlaySound(0, 2.0f, 100);
    EXPECT_EQ(sounds.VoiceVolume(Slot(0), 4), 0);
    // −15 dB is about 0.18 of full amplitude, −30 dB about 0.03.
    EXPECT_EQ(AudioDevice::MixerVolume(-1500), 23);
    EXPECT_EQ(AudioDevice::MixerVolume(-3000), 4);
    EXPECT_EQ(AudioDevice::MixerVolume(-10000), 0);
}

TEST_F(SoundDeviceTest, LevelZeroTouchesNoVoice) {
    for (int slot = 0; slot < SoundTable::slotCount; ++slot)
        for (int v = 0; v < 10; ++v) sounds.Audio().SetVoiceVolume(slot * 10 + v, -700);
    for (const auto& entry : SoundTable::Entries()) sounds.PlaySound(entry.soundId, 1.0f, 0);
    for (int slot = 0; slot < SoundTable::slotCount; ++slot) {
        EXPECT_EQ(PlayingVoices(sounds, slot), 0);
        for (int v = 0; v < 10; ++v)
            EXPECT_EQ(sounds.Audio().VoiceMixerVolume(slot * 10 + v), AudioDevice::MixerVolume(-700));
    }
}

TEST_F(SoundDeviceTest, UnknownIdsPlayNothing) {
    for (int32_t id : {-1, 3, 99, 108, 206, 308, 403, 100000}) sounds.PlaySound(id, 1.0f, 100);
    for (int slot = 0; slot < SoundTable::slotCount; ++slot) EXPECT_EQ(PlayingVoices(sounds, slot), 0);
}

TEST_F(SoundDeviceTest, ScheduledSoundPlaysInTheFrameItsDelayRunsOutAndWaitsWhilePaused) {
    SoundDevice::ScheduleSound(list, 205, 1.0, 0.8);
    for (int frame = 0; frame < 3; ++frame) {
        SoundDevice::UpdateScheduledSounds(list, &sounds, 0.25, soundVolume);
        EXPECT_EQ(PlayingVoices(sounds, Slot(205)), 0) << frame;
    }
    for (int frame = 0; frame < 50; ++frame) SoundDevice::UpdateScheduledSounds(list, &sounds, 0.0, soundVolume); // paused
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(PlayingVoices(sounds, Slot(205)), 0);
    SoundDevice::UpdateScheduledSounds(list, &sounds, 0.25, soundVolume); // accumulated frame time reaches 1.0 s
    EXPECT_EQ(PlayingVoices(sounds, Slot(205)), 1);
    EXPECT_EQ(sounds.VoiceVolume(Slot(205), 0), -600);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(SoundDeviceTest, ScheduledSoundsDueTogetherAllPlayAndTheRestKeepTheirOrder) {
    SoundDevice::ScheduleSound(list, 204, 0.4, 0.8);
    SoundDevice::ScheduleSound(list, 2, 0.1, 1.0);
    SoundDevice::ScheduleSound(list, 204, 1.3, 0.8);
    SoundDevice::ScheduleSound(list, 306, 0.4, 0.5);
    SoundDevice::UpdateScheduledSounds(list, &sounds, 0.5, soundVolume);
    EXPECT_EQ(PlayingVoices(sounds, Slot(204)), 1);
    EXPECT_EQ(PlayingVoices(sounds, Slot(2)), 1);
    EXPECT_EQ(PlayingVoices(sounds, Slot(306)), 1);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_NEAR(list[0]->delay, 0.8, 1e-9);
    // With effects off the due sound is consumed silently.
    SoundDevice::UpdateScheduledSounds(list, &sounds, 1.0, 0);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(PlayingVoices(sounds, Slot(204)), 1);
}

} // namespace
