// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the frame loop, start-up and the scenes need of the sound system.
#include <cstdint>

class AppState;

// Start-up: creates the music player and the audio device, loads the sound slots and
// advances the loading screen. False when the audio device cannot be used (start-up then
// reports it and switches sound and music off).
bool InitSound(AppState& app);

// Once per frame after the scene's Update: counts the scheduled sounds down by
// app.frameTime and plays those that are due.
void UpdateScheduledSounds(AppState& app);

// Plays "intro.avi" full-screen before the window exists (Escape ends it).
void PlayIntro(AppState& app, const char* fileName);

// Shutdown: releases the audio device (the slots and the music player stay in AppState).
void ReleaseSoundDevice(AppState& app);

// A sound effect by its id, at once, scaled by the SOUND level and the factor.
void PlaySound(AppState& app, int32_t soundId, float factor = 1.0f);
// A sound effect after a delay in game seconds.
void ScheduleSound(AppState& app, int32_t soundId, double delay, double factor);

// The menu music: loaded and (with music on) played when the menu shows, restarted
// when it ends while the menu shows, switched by the menu's music button.
void StartMenuMusic(AppState& app);
void UpdateMenuMusic(AppState& app);
void ToggleMenuMusic(AppState& app);
