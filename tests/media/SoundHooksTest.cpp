// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppState.h"
#include "app/SoundHooks.h"
#include "media/MusicPlayer.h"
#include "media/SoundDevice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(SoundHooks, StartUpMakesThirtyOneLoadingStepsAndCreatesPlayerAndDevice) {
    AppState app(false);
    app.loadingSteps = 0;
    EXPECT_TRUE(InitSound(app));
    EXPECT_EQ(app.loadingSteps, 31);
    ASSERT_TRUE(app.musicPlayer);
    EXPECT_EQ(app.musicPlayer->GetState(), MusicPlayer::nothingLoaded);
    ASSERT_TRUE(app.soundDevice);
    EXPECT_EQ(app.soundVolume, 100);
    // Without archives every slot is empty and plays are silent.
    PlaySound(app, 302);
    ReleaseSoundDevice(app);
    EXPECT_FALSE(app.soundDevice);
    PlaySound(app, 302); // after shutdown: nothing happens
}

TEST(SoundHooks, AFailedDeviceSwitchesSoundAndMusicOff) {
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    std::string saved = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    AppState app(false);
    app.loadingSteps = 0;
    EXPECT_FALSE(InitSound(app));
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    EXPECT_EQ(app.soundVolume, 0);
    EXPECT_EQ(app.musicVolume, 0);
    EXPECT_EQ(app.loadingSteps, 1);
    EXPECT_FALSE(app.soundDevice);
    EXPECT_TRUE(app.musicPlayer);
    StartMenuMusic(app); // the menu still works: nothing loads, nothing plays
    EXPECT_EQ(app.musicPlayer->GetState(), MusicPlayer::nothingLoaded);
    ScheduleSound(app, 205, 0.5, 1.0);
    app.frameTime = 1.0;
    UpdateScheduledSounds(app); // dropped silently
    EXPECT_EQ(app.scheduledSounds.Count(), 0);
}

TEST(SoundHooks, ScheduledSoundsCountDownByTheGameFrameTime) {
    AppState app(false);
    ASSERT_TRUE(InitSound(app));
    ScheduleSound(app, 204, 0.4, 0.8);
    ScheduleSound(app, 204, 1.3, 0.8);
    app.frameTime = 0.0; // paused
    for (int i = 0; i < 10; ++i) UpdateScheduledSounds(app);
    EXPECT_EQ(app.scheduledSounds.Count(), 2);
    app.frameTime = 0.5;
    UpdateScheduledSounds(app);
    ASSERT_EQ(app.scheduledSounds.Count(), 1);
    EXPECT_NEAR(app.scheduledSounds[0]->delay, 0.8, 1e-9);
    EXPECT_DOUBLE_EQ(app.scheduledSounds[0]->volumeFactor, 0.8);
}

TEST(SoundHooks, IntroOfAMissingFileReturnsAtOnceWithoutTheEscapeFlag) {
    AppState app(false);
    PlayIntro(app, "no-such-intro.avi");
    EXPECT_FALSE(app.introEscapePending);
}

} // namespace
