// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one application state record: settings, window and drawing device, archives,
// texture table, sounds, timer and frame times, mouse position, catalogs, UI texts, run
// state and the current scene. Reached through GetAppState(); constructing it needs no
// window (platform objects are created by start-up and held by pointer).
#include "app/OwnedPtr.h"
#include "app/ScheduledSound.h"
#include "data/ArchiveSet.h"
#include "data/CatalogReader.h"
#include "data/Configuration.h"
#include "data/GlobalStatistics.h"
#include "data/LanguageTexts.h"
#include "data/PlayerFile.h"
#include "data/PtrList.h"
#include "data/RunOnlySettings.h"
#include "platform/PresentParameters.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class Game;
class PlatformWindow;
class RenderDevice;
class SpriteBatch;
class Texture;
class MusicPlayer;
class SoundDevice;
class SystemFont;
class HintergrundGrafik;
class PlapperMaschine;

// E_FAIL, the general failure of the operations that return a 32-bit result.
inline constexpr int32_t kResultFail = static_cast<int32_t>(0x80004005u);

// The settings (Configuration), the archives (ArchiveSet) and the texts (LanguageTexts) are
// base records, so their fields are AppState fields of the same names.
class AppState : public Configuration, public ArchiveSet, public LanguageTexts {
public:
    static constexpr int TextureSlots = 45;
    static constexpr int SplashSlot = 2;
    static constexpr int CardSetSlot = 4;
    static constexpr int BackgroundSlot = 5;

    // With `useFiles` the settings are read from "solitär.cfg" and the program-wide
    // statistics from "stats.hs" in the folder of the player's files (and written back by
    // SavePlayerFiles, or when the state is destroyed), the UI texts of the configured
    // language and the card-set and background catalogs from the working directory.
    explicit AppState(bool useFiles = false);
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // Whether the accessor's instance reads the settings and texts at construction and
    // writes the settings when destroyed. Tests switch it off before the first access.
    static inline bool useFiles = true;

    // Program-wide counters, read from "stats.hs" with the settings and written with them.
    GlobalStatistics globalStatistics;
    // Settings switched off for this run only; the settings file keeps the player's choice.
    RunOnlySettings runOnlySettings;

    // Writes the settings and the program-wide statistics, each when its contents changed
    // (nothing without `useFiles`). False when a write failed; the failure is reported on
    // stderr and listed by PlayerFile::Failures.
    bool SavePlayerFiles();
    // Writes the program-wide statistics now, so a crash later loses nothing of them.
    bool SaveStatistics();

    int32_t runState = 0;         // 0 menu, 1 card game running, 2 quit requested
    Game* currentScene = nullptr; // receives window input; deleted at shutdown
    int32_t screenWidth = 1024;
    int32_t screenHeight = 768;

    std::unique_ptr<RenderDevice> device; // null until start-up creates it
    std::unique_ptr<SpriteBatch> sprite;
    PresentParameters presentParameters;
    std::unique_ptr<PlatformWindow> window;

    OwnedPtr<MusicPlayer> musicPlayer;
    OwnedPtr<SoundDevice> soundDevice; // the audio device with the 28 sound slots
    PtrList<ScheduledSound, true> scheduledSounds;

    int32_t mouseX = 0, mouseY = 0;
    int32_t previousMouseX = 0, previousMouseY = 0;

    bool highResolutionTimer = false;
    double secondsPerTick = 0.001;
    bool paused = false;
    double frameTime = 0.0; // game seconds of this frame, 0 while paused
    int64_t lastCounter = 0, currentCounter = 0;
    double realFrameTime = 0.0; // wall-clock seconds of this frame
    double carriedTime = 0.0;   // frame time not yet given to the scene (negative steps)

    std::array<std::unique_ptr<Texture>, TextureSlots> textures;
    int32_t loadingSteps = 0; // steps of the loading screen so far
    // When the loading screen was last presented (milliseconds) and how far its bar was
    // filled then (-1: not yet shown).
    uint32_t loadingShownAt = 0;
    int32_t loadingShownRight = -1;

    BackgroundList backgrounds;
    int32_t currentBackgroundIndex = -1;
    const BackgroundEntry* currentBackground = nullptr;
    CardSetList cardSets;
    int32_t currentCardSetIndex = -1;
    const CardSetEntry* currentCardSet = nullptr;

    int32_t targetHover = 0;
    double shotRecoil = 0.0;

    // The intro was ended with Escape: the next Escape release is swallowed.
    bool introEscapePending = false;

    bool forceWinSignal = false;
    bool relaxRulesSignal = false;
    OwnedPtr<PlapperMaschine> chatterLeft, chatterRight, chatterSpare;
    OwnedPtr<HintergrundGrafik> animatedBackground;
    OwnedPtr<SystemFont> font;

    // Releases every texture slot (the device-bound resources of shutdown).
    void ReleaseTextures();

    // Loads a picture from `archive` (null: no archive), falling back to the file of that
    // name in the working directory when `allowFiles` is set. 0 or kResultFail; on failure
    // `out` is left untouched.
    int32_t LoadTexture(const std::string& name, std::unique_ptr<Texture>& out,
                        GameArchive* archive, bool allowFiles);
    // The same over a family: the main archive, then the add-ons; with `allowFiles` each
    // archive's attempt falls back to the loose file before the next archive is tried.
    int32_t LoadFamilyTexture(const ArchiveFamily& family, const std::string& name, bool allowFiles,
                              std::unique_ptr<Texture>& out);
    // Makes the card set at `index` the loaded one (its picture in texture slot 4) and records
    // it as the `cardSet` setting. An index outside the catalog falls back to the first set.
    void LoadCardSet(int index);

private:
    bool persistent = false;
    bool saved = false; // SavePlayerFiles ran: the destructor need not write again
    PlayerFile settingsFile;
};

// The one instance, constructed on first use.
AppState& GetAppState();
