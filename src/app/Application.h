// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up, the frame loop and shutdown of the game.
#include "app/InputScript.h"
#include "app/RunOptions.h"
#include "app/WindowProcedure.h"

#include <optional>
#include <vector>

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
    // Hands the script's events of this frame to the window procedure; true when there were.
    bool DeliverScriptEvents(int frame);
    // The clock of the frame loop in seconds, read now.
    double ClockSeconds() const;
    // Seconds until the first scheduled sound is due.
    double NextScheduledSoundIn() const;
    // --frame-report: the frames run and which of them were drawn, on stdout.
    void ReportFrames() const;
    int64_t ReadCounter();
    void ReleaseResources();
    void DeleteScene();
    bool WriteFinalScreenshot();
    // Writes the settings and statistics at exit and tells the player of every file that
    // could not be saved.
    void SavePlayerFiles();

    AppState& app;
    RunOptions options;
    std::optional<InputScript> script;
    WindowProcedure procedure;
    int frame = 0;                // frames run so far (updates)
    std::vector<int> drawnFrames; // the frames that were drawn
    bool lastFrameDrawn = false;
    int deliveredFrame = -1;      // last frame whose script events went out
    std::string pendingShot;      // a script screenshot for the frame being drawn
    int64_t syntheticCounter = 0; // the clock of a --step run
    bool screenshotFailed = false;
    bool deviceWasLost = false; // the last loop passes could not draw
};
