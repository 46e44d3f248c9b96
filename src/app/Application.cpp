// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include "app/AppState.h"
#include "app/FirstScene.h"
#include "app/FramePacer.h"
#include "app/FrameStep.h"
#include "app/Game.h"
#include "app/SoundHooks.h"
#include "app/TextureTable.h"
#include "data/PlayerFile.h"
#include "platform/EventTranslator.h"
#include "platform/Platform.h"
#include "platform/PlatformTimer.h"
#include "platform/PlatformWindow.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {
const char* const errorCaption = "Fehler!";
constexpr int64_t syntheticFrequency = 1000000; // counts per second of a --step clock
// Music that ended and the like are looked after at least this often (seconds), even when
// nothing on screen changes.
constexpr double unseenWorkInterval = 1.0;
} // namespace

Application::Application(AppState& app, RunOptions options, std::optional<InputScript> script)
    : app(app), options(std::move(options)), script(std::move(script)), procedure(app) {}

int Application::Run() {
    if (!Platform::Initialise()) {
        Platform::ShowErrorBox("Direct3D kann nicht initialisiert werden", errorCaption);
        SavePlayerFiles();
        return 1;
    }
    const StartResult started = StartUp();
    if (started != StartResult::Ok) {
        ReleaseResources();
        app.CloseArchives();
        SavePlayerFiles();
        Platform::Shutdown();
        return started == StartResult::Quit ? 0 : 1;
    }
    const int code = FrameLoop();
    SavePlayerFiles();
    Platform::Shutdown();
    return code;
}

void Application::SavePlayerFiles() {
    app.SavePlayerFiles();
    // Every file that could not be saved in this run (at exit, at the end of a game, a quick
    // save) is named once more, so the player learns of it before the program is gone.
    const std::vector<std::string> failures = PlayerFile::Failures();
    if (failures.empty()) return;
    std::string text = app.language == 1 ? "These files could not be saved:"
                                         : "Diese Dateien konnten nicht gespeichert werden:";
    for (const std::string& line : failures)
        text += "\n" + line;
    Platform::ShowErrorBox(text, errorCaption);
}

Application::StartResult Application::StartUp() {
    // The intro needs the desktop to itself, so it plays before the window exists. A test
    // run never waits for it.
    if (app.playIntro && app.fullscreen && !options.IsTestRun()) {
        PlayIntro(app, "intro.avi");
        if (app.runState == 2) return StartResult::Quit; // closed or ended during the intro
    }

    app.runState = 0;
    app.screenWidth = 1024;
    app.screenHeight = 768;
    app.OpenArchives();

    app.window =
        PlatformWindow::Create("Fenster", app.screenWidth, app.screenHeight, app.fullscreen);
    app.presentParameters = PresentParameters{};
    app.presentParameters.backBufferWidth = app.screenWidth;
    app.presentParameters.backBufferHeight = app.screenHeight;
    app.presentParameters.windowed = !app.fullscreen;
    app.presentParameters.waitForVsync = !Platform::IsHeadless();
    if (app.window) app.device = RenderDevice::Create(*app.window, app.presentParameters);
    if (!app.device) {
        Platform::ShowErrorBox("Direct3D kann nicht initialisiert werden", errorCaption);
        return StartResult::Failed;
    }

    app.window->HideSystemCursor();
    app.window->Show();

    app.sprite = std::make_unique<SpriteBatch>(*app.device);
    app.loadingSteps = 0;
    std::vector<std::string> missing;
    const bool complete = LoadTextureTable(
        app, [this](const std::string& name) { return ReadMember(app.baseArchive.get(), name); },
        &missing,
        [this](const std::string& name) {
            return FindMember(app.baseArchive.get(), name) != nullptr;
        });
    if (!complete) {
        if (options.IsTestRun() && !options.requireContent) {
            std::fprintf(stderr,
                         "kartenhaus: %zu of %zu pictures of base.gob are missing; a test run "
                         "goes on without them\n",
                         missing.size(), TextureTable::LoadOrder().size());
        } else {
            Platform::ShowErrorBox("Es wurden nicht alle notwendigen Texturdateien gefunden",
                                   errorCaption);
            return StartResult::Failed;
        }
    }

    const int32_t chosenSound = app.soundVolume, chosenMusic = app.musicVolume;
    if (!InitSound(app)) {
        Platform::ShowErrorBox("DirectSound kann nicht initialisiert werden", errorCaption);
        // Off for this run; the next start with a working device plays again.
        app.soundVolume = 0;
        app.musicVolume = 0;
        app.runOnlySettings.SwitchedOff(RunOnlySettings::Sound, chosenSound);
        app.runOnlySettings.SwitchedOff(RunOnlySettings::Music, chosenMusic);
    }

    app.textures[AppState::SplashSlot].reset();
    app.currentScene = CreateFirstScene(app, options);
    app.LoadCardSet(app.cardSet);

    if (options.fixedStep > 0.0)
        InitialiseTimer(app, syntheticFrequency, syntheticCounter, 0);
    else
        InitialiseTimer(app, PlatformTimer::Frequency(), PlatformTimer::Counter(),
                        PlatformTimer::TickCount());
    return StartResult::Ok;
}

int64_t Application::ReadCounter() {
    if (options.fixedStep > 0.0) {
        syntheticCounter += static_cast<int64_t>(options.fixedStep * syntheticFrequency + 0.5);
        return syntheticCounter;
    }
    if (app.highResolutionTimer) return PlatformTimer::Counter();
    return static_cast<int64_t>(PlatformTimer::TickCount());
}

bool Application::DeliverScriptEvents(int frameIndex) {
    if (!script || deliveredFrame == frameIndex) return false;
    deliveredFrame = frameIndex;
    bool delivered = false;
    for (const ScriptEvent* event : script->EventsAt(frameIndex)) {
        delivered = true;
        switch (event->action) {
        case ScriptEvent::Action::Message:
            procedure.Handle(event->message);
            break;
        case ScriptEvent::Action::Screenshot:
            pendingShot = event->file;
            break;
        case ScriptEvent::Action::Quit:
            procedure.Handle(WindowMessage::Of(MessageKind::WindowDestroyed));
            break;
        }
    }
    return delivered;
}

double Application::ClockSeconds() const {
    const int64_t now = app.highResolutionTimer ? PlatformTimer::Counter()
                                                : static_cast<int64_t>(PlatformTimer::TickCount());
    return static_cast<double>(now) * app.secondsPerTick;
}

double Application::NextScheduledSoundIn() const {
    double next = Game::NoChange;
    for (const ScheduledSound* sound : app.scheduledSounds)
        next = std::min(next, sound->delay);
    return next;
}

int Application::FrameLoop() {
    // A test run (or one on a fixed clock) runs one frame per loop pass, so that scripts
    // count frames the same way every time; an ordinary run sleeps until the next frame is
    // due. Either way a frame is drawn only when its picture can have changed.
    const bool everyPass = options.IsTestRun() || options.fixedStep > 0.0;
    FramePacer pacer(FramePacer::IntervalFor(app.window ? app.window->RefreshRate() : 0),
                     unseenWorkInterval);
    const double startedAt = ClockSeconds();
    while (app.runState != 2) {
        WindowMessage message;
        if (PeekMessage(message)) {
            switch (message.kind) {
            case MessageKind::DeviceLost:
                app.device->NoteLost();
                break;
            case MessageKind::DeviceRestored:
                app.device->NoteRestored();
                break;
            case MessageKind::DeviceReset:
                app.device->NoteReset(message.deviceLost);
                break;
            default:
                break;
            }
            pacer.NoteInput();
            procedure.Handle(message);
            continue;
        }
        if (procedure.QuitPosted()) {
            WriteFinalScreenshot();
            ReleaseResources();
            DeleteScene();
            app.CloseArchives();
            ReportFrames();
            return screenshotFailed ? 1 : procedure.QuitCode();
        }
        if (options.runFor > 0.0 && ClockSeconds() - startedAt >= options.runFor) {
            app.runState = 2;
            continue;
        }
        if (!everyPass) {
            const double wait = pacer.NextFrameAt() - ClockSeconds();
            if (wait > 0.0) {
                WaitForMessage(static_cast<int>(std::ceil(std::min(wait, 1.0) * 1000.0)));
                continue;
            }
        }
        if (DeliverScriptEvents(frame)) pacer.NoteInput();
        if (procedure.QuitPosted() || app.runState == 2) continue;

        switch (app.device->TestCooperativeLevel()) {
        case DeviceState::Lost:
            deviceWasLost = true;
            WaitForMessage(100);
            continue;
        case DeviceState::NeedsReset:
            deviceWasLost = true;
            ResetDevice(app);
            pacer.NoteInput(); // the picture is drawn anew on the reset device
            if (app.device->TestCooperativeLevel() != DeviceState::Usable) WaitForMessage(100);
            continue;
        case DeviceState::Usable:
            break;
        }

        // The time the window spent minimised or without a device is not played: the first
        // frame afterwards starts the clock again instead of receiving the whole gap.
        if (deviceWasLost && options.fixedStep <= 0.0) app.lastCounter = ReadCounter();
        deviceWasLost = false;
        RunUpdateStep(app, ReadCounter());
        const double now = static_cast<double>(app.currentCounter) * app.secondsPerTick;
        const std::string shot = std::exchange(pendingShot, {});
        const bool lastFrame = options.frames > 0 && frame + 1 >= options.frames;
        lastFrameDrawn = pacer.ShouldDraw(now) || !shot.empty() || lastFrame;
        if (lastFrameDrawn) {
            if (!RunRenderStep(app, shot)) {
                std::fprintf(stderr, "kartenhaus: cannot write screenshot '%s'\n", shot.c_str());
                screenshotFailed = true;
            }
            drawnFrames.push_back(frame);
        }
        ++frame;
        const double changeIn = app.currentScene ? app.currentScene->NextChangeIn() : Game::NoChange;
        pacer.FrameDone(now, lastFrameDrawn, changeIn, NextScheduledSoundIn());
        if (options.frames > 0 && frame >= options.frames) app.runState = 2;
    }
    WriteFinalScreenshot();
    DeleteScene();
    ReleaseResources();
    app.CloseArchives();
    ReportFrames();
    return screenshotFailed ? 1 : 0;
}

void Application::ReportFrames() const {
    if (!options.frameReport) return;
    std::printf("frames run: %d\nframes drawn: %zu\ndrawn:", frame, drawnFrames.size());
    for (int drawn : drawnFrames)
        std::printf(" %d", drawn);
    std::printf("\n");
    std::fflush(stdout);
}

bool Application::WriteFinalScreenshot() {
    if (options.screenshot.empty() || !app.device) return true;
    if (frame == 0) {
        std::fprintf(stderr, "kartenhaus: no frame was drawn, so no screenshot was written\n");
        screenshotFailed = true;
        return false;
    }
    // The last frame may have been left undrawn as unchanged; the picture is made sure of.
    if (!lastFrameDrawn) RunRenderStep(app);
    if (app.device->SaveScreenshot(options.screenshot)) return true;
    std::fprintf(stderr, "kartenhaus: cannot write screenshot '%s'\n", options.screenshot.c_str());
    screenshotFailed = true;
    return false;
}

void Application::DeleteScene() {
    delete app.currentScene;
    app.currentScene = nullptr;
}

void Application::ReleaseResources() {
    app.ReleaseTextures();
    app.font.Delete();
    app.sprite.reset();
    app.device.reset();
    ReleaseSoundDevice(app);
    app.window.reset();
}
