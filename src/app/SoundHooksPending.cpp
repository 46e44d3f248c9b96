// FIXME: placeholders until the sound system lands in src/media; it replaces this file
// (delete it there). Until then the program runs silently.
#include "app/SoundHooks.h"

#include "app/AppState.h"

bool InitSound(AppState&) {
    return true;
}

void UpdateScheduledSounds(AppState& app) {
    // Without a mixer a due sound is dropped, so the list does not grow for ever.
    for (int i = 0; i < app.scheduledSounds.Count();) {
        ScheduledSound* sound = app.scheduledSounds[i];
        sound->delay -= app.frameTime;
        if (sound->delay <= 0.0)
            app.scheduledSounds.RemoveAt(i);
        else
            ++i;
    }
}

void PlayIntro(AppState&, const char*) {}

void ReleaseSoundDevice(AppState&) {}
