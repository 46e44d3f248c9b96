#pragma once
// What the frame loop and start-up need of the sound system.
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
