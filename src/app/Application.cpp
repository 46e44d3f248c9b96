#include "app/Application.h"

#include "app/AppState.h"
#include "app/FirstScene.h"
#include "app/FrameStep.h"
#include "app/Game.h"
#include "app/SoundHooks.h"
#include "app/TextureTable.h"
#include "platform/EventTranslator.h"
#include "platform/Platform.h"
#include "platform/PlatformTimer.h"
#include "platform/PlatformWindow.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"

#include <cstdio>

namespace {
const char* const errorCaption = "Fehler!";
constexpr int64_t syntheticFrequency = 1000000; // counts per second of a --step clock
} // namespace

Application::Application(AppState& app, RunOptions options, std::optional<InputScript> script)
    : app(app), options(std::move(options)), script(std::move(script)), procedure(app) {}

int Application::Run() {
    if (!Platform::Initialise()) {
        Platform::ShowErrorBox("Direct3D kann nicht initialisiert werden", errorCaption);
        return 1;
    }
    const StartResult started = StartUp();
    if (started != StartResult::Ok) {
        ReleaseResources();
        app.CloseArchives();
        Platform::Shutdown();
        return started == StartResult::Quit ? 0 : 1;
    }
    const int code = FrameLoop();
    Platform::Shutdown();
    return code;
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
        &missing);
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

    if (!InitSound(app)) {
        Platform::ShowErrorBox("DirectSound kann nicht initialisiert werden", errorCaption);
        app.soundVolume = 0;
        app.musicVolume = 0;
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

void Application::DeliverScriptEvents(int frameIndex) {
    if (!script || deliveredFrame == frameIndex) return;
    deliveredFrame = frameIndex;
    for (const ScriptEvent* event : script->EventsAt(frameIndex)) {
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
}

int Application::FrameLoop() {
    const bool limitRate = !options.IsTestRun() && !app.presentParameters.waitForVsync;
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
            procedure.Handle(message);
            continue;
        }
        if (procedure.QuitPosted()) {
            WriteFinalScreenshot();
            ReleaseResources();
            DeleteScene();
            app.CloseArchives();
            return screenshotFailed ? 1 : procedure.QuitCode();
        }
        DeliverScriptEvents(frame);
        if (procedure.QuitPosted() || app.runState == 2) continue;

        switch (app.device->TestCooperativeLevel()) {
        case DeviceState::Lost:
            deviceWasLost = true;
            WaitForMessage(100);
            continue;
        case DeviceState::NeedsReset:
            deviceWasLost = true;
            ResetDevice(app);
            if (app.device->TestCooperativeLevel() != DeviceState::Usable) WaitForMessage(100);
            continue;
        case DeviceState::Usable:
            break;
        }

        const uint32_t frameStart = PlatformTimer::TickCount();
        // The time the window spent minimised or without a device is not played: the first
        // frame afterwards starts the clock again instead of receiving the whole gap.
        if (deviceWasLost && options.fixedStep <= 0.0) app.lastCounter = ReadCounter();
        deviceWasLost = false;
        RunUpdateStep(app, ReadCounter());
        const std::string shot = std::exchange(pendingShot, {});
        if (!RunRenderStep(app, shot)) {
            std::fprintf(stderr, "kartenhaus: cannot write screenshot '%s'\n", shot.c_str());
            screenshotFailed = true;
        }
        ++frame;
        if (options.frames > 0 && frame >= options.frames) app.runState = 2;
        if (limitRate) {
            const uint32_t spent = PlatformTimer::TickCount() - frameStart;
            if (spent < 8) PlatformTimer::Sleep(8 - spent);
        }
    }
    WriteFinalScreenshot();
    DeleteScene();
    ReleaseResources();
    app.CloseArchives();
    return screenshotFailed ? 1 : 0;
}

bool Application::WriteFinalScreenshot() {
    if (options.screenshot.empty() || !app.device) return true;
    if (frame == 0) {
        std::fprintf(stderr, "kartenhaus: no frame was drawn, so no screenshot was written\n");
        screenshotFailed = true;
        return false;
    }
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
