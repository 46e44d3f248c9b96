// SPDX-License-Identifier: GPL-3.0-or-later
// The sound system as start-up, the frame loop and the scenes reach it
// through AppState.
#include "app/SoundHooks.h"

#include "app/AppState.h"
#include "data/GameArchive.h"
#include "app/LoadingScreen.h"
#include "media/DiskPath.h"
#include "media/MenuMusic.h"
#include "media/MusicPlayer.h"
#include "media/SoundDevice.h"
#include "platform/IntroLoader.h"

#include <cstring>

bool InitSound(AppState& app) {
    app.musicPlayer.Reset(new MusicPlayer);
    AdvanceLoadingScreen(app, false);
    auto* device = new SoundDevice;
    app.soundDevice.Reset(device);
    int32_t result = device->Initialise(
        app.soundVolume, app.musicVolume,
        [&app](const std::string& name) { return ReadMember(app.baseArchive.get(), name); },
        [&app] { AdvanceLoadingScreen(app, true); });
    if (result < 0) {
        app.soundDevice.Delete();
        return false;
    }
    return true;
}

void UpdateScheduledSounds(AppState& app) {
    SoundDevice::UpdateScheduledSounds(app.scheduledSounds, app.soundDevice.get(), app.frameTime,
                                       app.soundVolume);
}

void PlayIntro(AppState& app, const char* fileName) {
    if (!fileName || std::strlen(fileName) > 1024) return;
    switch (PlayIntroVideo(DiskPathOf(fileName))) {
    case IntroVideo::Outcome::escaped:
        app.introEscapePending = true;
        break;
    case IntroVideo::Outcome::quit:
        // The window was closed or the program asked to end during the intro.
        app.runState = 2;
        break;
    default:
        break;
    }
}

void ReleaseSoundDevice(AppState& app) {
    // The music stream belongs to the device: it is unloaded first.
    if (app.musicPlayer) app.musicPlayer->Unload();
    app.soundDevice.Delete();
}

void PlaySound(AppState& app, int32_t soundId, float factor) {
    if (app.soundDevice) app.soundDevice->PlaySound(soundId, factor, app.soundVolume);
}

void ScheduleSound(AppState& app, int32_t soundId, double delay, double factor) {
    SoundDevice::ScheduleSound(app.scheduledSounds, soundId, delay, factor);
}

void StartMenuMusic(AppState& app) {
    if (app.musicPlayer) MenuMusic::Start(*app.musicPlayer, app.musicVolume);
}

void UpdateMenuMusic(AppState& app) {
    if (app.musicPlayer) MenuMusic::Update(*app.musicPlayer, app.musicVolume, app.runState);
}

void ToggleMenuMusic(AppState& app) {
    if (app.musicPlayer)
        MenuMusic::Toggle(*app.musicPlayer, app.musicVolume);
    else
        app.musicVolume = app.musicVolume == 100 ? 0 : 100;
}
