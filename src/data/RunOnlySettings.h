// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings the program switched off for this run only: sound and music without a working
// audio device or without music files, a card set or table background whose add-on catalog
// is missing this time. The run goes on without them, but the settings file keeps what the
// player had chosen, so the next start with the device or the add-on back has them again.
// When the player sets such a setting during the run, the player's new value is kept.
#include "data/Configuration.h"

#include <array>
#include <cstdint>
#include <optional>

class RunOnlySettings {
public:
    enum Setting { Sound, Music, CardSet, Background, SettingCount };

    // The program changed the setting, which the player had set to `playerValue`. Only the first
    // change is remembered: later ones change a value that is already a stand-in.
    void SwitchedOff(Setting setting, int32_t playerValue) {
        if (!chosen[setting]) chosen[setting] = playerValue;
    }
    // The player set the setting: the value of the run is the one to keep.
    void PlayerSet(Setting setting) { chosen[setting].reset(); }

    // The settings as the file keeps them: those of the run, with the player's choices in
    // place of what the program switched off.
    Configuration ForFile(const Configuration& running) const {
        Configuration kept = running;
        if (chosen[Sound]) kept.soundVolume = *chosen[Sound];
        if (chosen[Music]) kept.musicVolume = *chosen[Music];
        if (chosen[CardSet]) kept.cardSet = *chosen[CardSet];
        if (chosen[Background]) kept.background = *chosen[Background];
        return kept;
    }

private:
    std::array<std::optional<int32_t>, SettingCount> chosen;
};
