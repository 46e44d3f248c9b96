// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestAudio.h"
#include "media/ChooseMusic.h"
#include "media/MenuMusic.h"
#include "media/MusicPlayer.h"
#include "platform/AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class MusicTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(device.Open()); }
    // Polls until the player reports the end of its piece (false after 5 s).
    static bool WaitForEnd(MusicPlayer& player) {
        Uint64 start = SDL_GetTicks64();
        while (SDL_GetTicks64() - start < 5000) {
            if (player.IsFinished()) return true;
            SDL_Delay(5);
        }
        return false;
    }
    AudioDevice device;
    MusicPlayer player;
};

TEST_F(MusicTest, NothingLoadedRefusesEveryOperationWithItsCode) {
    EXPECT_EQ(player.GetState(), MusicPlayer::nothingLoaded);
    EXPECT_EQ(player.Play(), int32_t(0x80000000));
    EXPECT_EQ(player.Pause(), int32_t(0x80000001));
    EXPECT_EQ(player.Rewind(), int32_t(0x80000002));
    EXPECT_EQ(player.Stop(), int32_t(0x80000003));
    EXPECT_EQ(player.SetVolume(0), int32_t(0x80000004));
    EXPECT_FALSE(player.IsFinished());
    EXPECT_EQ(player.GetState(), MusicPlayer::nothingLoaded);
}

TEST_F(MusicTest, EveryOperationFollowsTheStateRules) {
    testaudio::ScratchDirectory dir("states");
    testaudio::WriteFile("musik/piece.wav", testaudio::MakeWav(10.0));
    ASSERT_EQ(player.Load("musik\\piece.wav"), MusicPlayer::ok);
    EXPECT_EQ(player.GetState(), MusicPlayer::stopped);
    EXPECT_EQ(player.FileName(), "musik\\piece.wav");

    // Stopped: Play and Pause allowed, Stop refused.
    EXPECT_EQ(player.Stop(), int32_t(0x80000003));
    EXPECT_EQ(player.GetState(), MusicPlayer::stopped);
    EXPECT_EQ(player.Pause(), MusicPlayer::ok);
    EXPECT_EQ(player.GetState(), MusicPlayer::paused);
    // Paused: Play and Stop allowed, Pause refused.
    EXPECT_EQ(player.Pause(), int32_t(0x80000001));
    EXPECT_EQ(player.Play(), MusicPlayer::ok);
    EXPECT_EQ(player.GetState(), MusicPlayer::playing);
    // Playing: Play refused and nothing changes.
    EXPECT_EQ(player.Play(), int32_t(0x80000000));
    EXPECT_EQ(player.GetState(), MusicPlayer::playing);
    EXPECT_FALSE(player.IsFinished());
    EXPECT_EQ(player.Pause(), MusicPlayer::ok);
    EXPECT_EQ(player.Stop(), MusicPlayer::ok);
    EXPECT_EQ(player.GetState(), MusicPlayer::stopped);
    EXPECT_FALSE(player.IsFinished()); // only asked while playing
    EXPECT_EQ(player.Play(), MusicPlayer::ok);
    EXPECT_EQ(player.Stop(), MusicPlayer::ok);
    // Rewind in any loaded state ends stopped.
    EXPECT_EQ(player.Rewind(), MusicPlayer::ok);
    EXPECT_EQ(player.GetState(), MusicPlayer::stopped);
    EXPECT_EQ(player.Play(), MusicPlayer::ok);
    EXPECT_EQ(player.Rewind(), MusicPlayer::ok);
    EXPECT_EQ(player.GetState(), MusicPlayer::stopped);
    EXPECT_EQ(player.Pause(), MusicPlayer::ok);
    EXPECT_EQ(player.Rewind(), MusicPlayer::ok);
    EXPECT_EQ(player.GetState(), MusicPlayer::stopped);

    // Volume is clamped to −10000 … 0 in every loaded state.
    EXPECT_EQ(player.SetVolume(10000), MusicPlayer::ok);
    EXPECT_EQ(player.Volume(), 0);
    EXPECT_EQ(player.SetVolume(-20000), MusicPlayer::ok);
    EXPECT_EQ(player.Volume(), -10000);
    EXPECT_EQ(player.SetVolume(-1500), MusicPlayer::ok);
    EXPECT_EQ(player.Volume(), -1500);
}

TEST_F(MusicTest, AFileThatCannotBeOpenedLeavesNothingLoaded) {
    testaudio::ScratchDirectory dir("missing");
    testaudio::WriteFile("good.wav", testaudio::MakeWav(1.0));
    testaudio::WriteFile("bad.wav", {'j', 'u', 'n', 'k'});
    ASSERT_EQ(player.Load("good.wav"), MusicPlayer::ok);
    ASSERT_EQ(player.Play(), MusicPlayer::ok);
    EXPECT_LT(player.Load("bad.wav"), 0);
    EXPECT_EQ(player.GetState(), MusicPlayer::nothingLoaded);
    EXPECT_TRUE(player.FileName().empty());
    EXPECT_EQ(player.Play(), int32_t(0x80000000));
    EXPECT_LT(player.Load("musik\\nowhere.mp3"), 0);
    EXPECT_LT(player.Load(std::string(261, 'a')), 0);
    EXPECT_LT(player.Load(""), 0);
}

TEST_F(MusicTest, IsFinishedReportsTheEndOfAPieceOnce) {
    testaudio::ScratchDirectory dir("finish");
    testaudio::WriteFile("short.wav", testaudio::MakeWav(0.15));
    ASSERT_EQ(player.Load("short.wav"), MusicPlayer::ok);
    ASSERT_EQ(player.Play(), MusicPlayer::ok);
    EXPECT_TRUE(WaitForEnd(player));
    EXPECT_FALSE(player.IsFinished());
    EXPECT_EQ(player.GetState(), MusicPlayer::playing);
    // After a rewind the piece plays and ends again.
    EXPECT_EQ(player.Rewind(), MusicPlayer::ok);
    EXPECT_EQ(player.Play(), MusicPlayer::ok);
    EXPECT_FALSE(player.IsFinished());
    EXPECT_TRUE(WaitForEnd(player));
}

// Runs the menu's per-frame update for a while and counts how often it
// started the ended piece again.
int RestartsDuring(MusicPlayer& player, int32_t musicVolume, int32_t runState, Uint64 ms) {
    int restarts = 0;
    Uint64 start = SDL_GetTicks64();
    while (SDL_GetTicks64() - start < ms) {
        bool endedBefore = Mix_PlayingMusic() == 0;
        MenuMusic::Update(player, musicVolume, runState);
        if (endedBefore && Mix_PlayingMusic() != 0) ++restarts;
        SDL_Delay(5);
    }
    return restarts;
}

TEST_F(MusicTest, MenuMusicRestartsOnlyInTheMenuWithMusicOn) {
    testaudio::ScratchDirectory dir("menu");
    ASSERT_TRUE(fs::exists(testaudio::ShortMp3())) << testaudio::ShortMp3();
    fs::create_directories("musik");
    fs::copy_file(testaudio::ShortMp3(), "musik/musik_menu.mp3");

    MenuMusic::Start(player, 0);
    EXPECT_EQ(player.GetState(), MusicPlayer::stopped);
    EXPECT_EQ(player.Volume(), 0); // 10000 clamps to full volume
    EXPECT_EQ(RestartsDuring(player, 0, 0, 300), 0);

    MenuMusic::Start(player, 100);
    ASSERT_EQ(player.GetState(), MusicPlayer::playing);
    EXPECT_EQ(player.FileName(), "musik\\musik_menu.mp3");
    EXPECT_GE(RestartsDuring(player, 100, 0, 1500), 2);
    EXPECT_EQ(player.GetState(), MusicPlayer::playing);

    // While a game runs the menu leaves the ended piece alone.
    EXPECT_EQ(RestartsDuring(player, 100, 1, 1000), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_TRUE(player.IsFinished());

    // With music off (any value but 100) it does not restart either.
    ASSERT_EQ(player.Rewind(), MusicPlayer::ok);
    ASSERT_EQ(player.Play(), MusicPlayer::ok);
    EXPECT_EQ(RestartsDuring(player, 99, 0, 1000), 0);
}

TEST_F(MusicTest, TheMusicButtonTogglesBetweenOnAndOff) {
    testaudio::ScratchDirectory dir("toggle");
    fs::create_directories("musik");
    fs::copy_file(testaudio::ShortMp3(), "musik/musik_menu.mp3");
    int32_t musicVolume = 100;
    MenuMusic::Start(player, musicVolume);
    MenuMusic::Toggle(player, musicVolume);
    EXPECT_EQ(musicVolume, 0);
    EXPECT_EQ(player.GetState(), MusicPlayer::stopped);
    MenuMusic::Toggle(player, musicVolume);
    EXPECT_EQ(musicVolume, 100);
    EXPECT_EQ(player.GetState(), MusicPlayer::playing);
}

TEST_F(MusicTest, ChooseMusicFindsTheOnlyTrackOfTheTheme) {
    testaudio::ScratchDirectory dir("choose");
    fs::create_directories("musik");
    fs::copy_file(testaudio::ShortMp3(), "musik/western1.mp3");
    testaudio::Lcg random;
    for (int round = 0; round < 5; ++round) {
        int32_t musicVolume = 100;
        EXPECT_EQ(ChooseMusic(player, 1, musicVolume, random), "musik\\western1.mp3");
        EXPECT_EQ(player.FileName(), "musik\\western1.mp3");
        EXPECT_EQ(player.GetState(), MusicPlayer::playing);
        EXPECT_EQ(player.Volume(), 0);
        EXPECT_EQ(musicVolume, 100);
    }
    // Music at 50 loads the track but keeps it stopped.
    int32_t half = 50;
    ChooseMusic(player, 1, half, random);
    EXPECT_EQ(player.GetState(), MusicPlayer::stopped);
    EXPECT_EQ(half, 50);
}

TEST_F(MusicTest, ChooseMusicSwitchesMusicOffWhenTheThemeHasNoTrack) {
    testaudio::ScratchDirectory dir("none");
    fs::create_directories("musik");
    fs::copy_file(testaudio::ShortMp3(), "musik/western1.mp3");
    testaudio::Lcg lcg;
    int draws = 0;
    auto random = [&] {
        ++draws;
        return lcg();
    };
    int32_t musicVolume = 100;
    std::string name = ChooseMusic(player, 0, musicVolume, random);
    EXPECT_EQ(draws, 1001);
    EXPECT_EQ(musicVolume, 0);
    EXPECT_EQ(name.rfind("musik\\jungle", 0), 0u);
    EXPECT_EQ(player.GetState(), MusicPlayer::nothingLoaded);
}

} // namespace
