// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's settings as stored in "solitär.cfg". AppState derives from this
// record, so every setting is an AppState field of the same name.
//
// The file is whitespace-separated words: a key ending in a colon, then its
// value. Keys are case-sensitive; the last value of a key wins; unknown words
// are skipped one at a time. Values of FULLSCREEN, SPRACHE, SOUND, MUSIK,
// INTRO, KARTENTYP, KARTENHINTERGRUND, HINTERGRUND and INFOS are read like
// atoi (a non-number is 0); the others are parsed as formatted numbers, and a
// word that does not parse is stepped over, leaving that setting unchanged.
#include <cstdint>
#include <filesystem>
#include <istream>
#include <ostream>

// Name of the settings file in the working directory (UTF-8 on disk).
inline constexpr const char* kConfigurationFileName = "solitär.cfg";

struct Configuration {
    bool fullscreen = true;             // FULLSCREEN
    int32_t language = 0;               // SPRACHE: 0 German, 1 English
    int32_t soundVolume = 100;          // SOUND
    int32_t musicVolume = 100;          // MUSIK: music plays when exactly 100
    bool playIntro = true;              // INTRO
    int32_t cardSet = 0;                // KARTENTYP: index into the card-set catalog
    int32_t cardBack = 0;               // KARTENHINTERGRUND: card-back style 0 … 3
    int32_t background = 0;             // HINTERGRUND: index into the background catalog
    bool showInfos = false;             // INFOS: rule hint bubbles
    float deviation = 0.5f;             // ABWEICHUNG: 0.0 … 1.0, card position scatter
    bool shadows = true;                // SCHATTEN
    int32_t pileSpeed = 10;             // STAPELSPEED
    int32_t mousePileSpeed = 10000;     // MOUSESTAPELSPEED
    int32_t chatter = 1;                // SPRUECHE: 0 off, 1, 2
    int32_t backgroundBrightness = 255; // BACKGROUND: 64 … 255
    int32_t cursorStyle = 0;            // MAUS: 0, 1, 2
    int32_t animationTheme = 0;         // HINTERGRUNDANIS: 0 jungle, 1 saloon
    int32_t animationLevel = 1;         // HINTERGRUNDANIS_PROP: 0 off, 1 seldom, 2 often
    // An optional key that older readers skip.
    bool autoFinish = true; // AUTOFERTIG: the cards fly home once the rest is certain

    // Puts every setting back to its default.
    void ResetConfiguration() { *this = Configuration{}; }

    // Reads settings from a stream over the current values (no reset).
    void ReadConfiguration(std::istream& input);
    // Writes every setting, one "KEY:\tvalue" line each, in the file's order.
    void WriteConfiguration(std::ostream& output) const;

    // Resets to the defaults, then reads the file. False when it cannot be
    // opened (the defaults stay).
    bool ReadConfigurationFile(const std::filesystem::path& path);
    // Writes to a temporary file beside the target and renames it over the
    // target, so a failed write never leaves a truncated settings file.
    bool WriteConfigurationFile(const std::filesystem::path& path) const;
};
