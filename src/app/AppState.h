#pragma once
// The one application state record: settings, window and drawing device, archives,
// texture table, sounds, timer and frame times, mouse position, catalogs, UI texts, run
// state and the current scene. Reached through GetAppState(); constructing it needs no
// window (platform objects are created by start-up and held by pointer).
#include "app/OwnedPtr.h"
#include "app/ScheduledSound.h"
#include "data/Configuration.h"
#include "data/PtrList.h"
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
class SoundSlot;
class SystemFont;
class HintergrundGrafik;
class PlapperMaschine;

class AppState : public Configuration {
public:
    static constexpr int TextureSlots = 45;
    static constexpr int SoundSlots = 28;
    static constexpr int SplashSlot = 2;

    // With `useFiles` the settings are read from "solitär.cfg" (and written back when the
    // state is destroyed).
    explicit AppState(bool useFiles = false);
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // Whether the accessor's instance reads the settings and texts at construction and
    // writes the settings when destroyed. Tests switch it off before the first access.
    static inline bool useFiles = true;

    int32_t runState = 0; // 0 menu, 1 card game running, 2 quit requested
    Game* currentScene = nullptr; // receives window input; deleted at shutdown
    int32_t screenWidth = 1024;
    int32_t screenHeight = 768;

    std::unique_ptr<RenderDevice> device; // null until start-up creates it
    std::unique_ptr<SpriteBatch> sprite;
    PresentParameters presentParameters;
    std::unique_ptr<PlatformWindow> window;

    OwnedPtr<MusicPlayer> musicPlayer;
    OwnedPtr<SoundDevice> soundDevice;
    std::array<OwnedPtr<SoundSlot>, SoundSlots> sounds;
    PtrList<ScheduledSound, true> scheduledSounds;

    int32_t mouseX = 0, mouseY = 0;
    int32_t previousMouseX = 0, previousMouseY = 0;

    bool highResolutionTimer = false;
    double secondsPerTick = 0.001;
    bool paused = false;
    double frameTime = 0.0;     // game seconds of this frame, 0 while paused
    int64_t lastCounter = 0, currentCounter = 0;
    double realFrameTime = 0.0; // wall-clock seconds of this frame
    double carriedTime = 0.0;   // frame time not yet given to the scene (negative steps)

    std::array<std::unique_ptr<Texture>, TextureSlots> textures;
    int32_t loadingSteps = 0; // steps of the loading screen so far

    PtrList<std::string, true> uiTexts;
    PtrList<std::string, true> gameTexts;

    int32_t currentBackgroundIndex = -1;
    int32_t currentCardSetIndex = -1;

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

private:
    bool persistent = false;
};

// The one instance, constructed on first use.
AppState& GetAppState();
