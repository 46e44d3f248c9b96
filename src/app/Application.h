#pragma once
// Start-up, the frame loop and shutdown of the game.
#include "app/InputScript.h"
#include "app/RunOptions.h"
#include "app/WindowProcedure.h"

#include <optional>

class AppState;

class Application {
public:
    Application(AppState& app, RunOptions options, std::optional<InputScript> script);

    // Runs the whole program; returns the process exit code.
    int Run();

private:
    enum class StartResult { Ok, Failed, Quit };
    StartResult StartUp();
    int FrameLoop();
    void DeliverScriptEvents(int frame);
    int64_t ReadCounter();
    void ReleaseResources();
    void DeleteScene();
    bool WriteFinalScreenshot();

    AppState& app;
    RunOptions options;
    std::optional<InputScript> script;
    WindowProcedure procedure;
    int frame = 0;                // frames rendered so far
    int deliveredFrame = -1;      // last frame whose script events went out
    std::string pendingShot;      // a script screenshot for the frame being drawn
    int64_t syntheticCounter = 0; // the clock of a --step run
    bool screenshotFailed = false;
    bool deviceWasLost = false; // the last loop passes could not draw
};
