// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the game, headless, on the data directory the build produces:
//  - the whole program from process start until it exits after its first presented menu
//    frame (`kartenhaus --frames 1`), with the peak memory and processor time of that
//    process, and the same run up to the moment that frame is drawn;
//  - its three large parts measured alone: decoding the pictures of the texture table,
//    loading the sounds, and reading the game catalog with every game's statistics (the
//    menu's construction, cascade and pages included).
// Run with --benchmark_repetitions=5 (the default below) for medians.
#include "app/AppState.h"
#include "app/SoundHooks.h"
#include "app/TextureTable.h"
#include "data/GameArchive.h"
#include "menu/MainMenu.h"
#include "platform/Platform.h"
#include "platform/PlatformWindow.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"

#include <benchmark/benchmark.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The build directory holds this program in tests/ and the data directory in data/.
fs::path BuildDir() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return self.parent_path().parent_path();
}

// A working directory of links to the build's data, so that nothing the runs write (settings,
// statistics) lands in the build's data directory.
const fs::path& WorkDir() {
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / ("kh_startup_" + std::to_string(getpid()));
        fs::remove_all(d);
        fs::create_directories(d);
        for (const auto& entry : fs::directory_iterator(BuildDir() / "data"))
            fs::create_symlink(entry.path(), d / entry.path().filename());
        return d;
    }();
    static const struct Remover {
        ~Remover() {
            std::error_code ec;
            fs::remove_all(dir, ec);
        }
    } remover;
    return dir;
}

bool HaveData(benchmark::State& state) {
    if (fs::exists(BuildDir() / "data" / "base.gob")) return true;
    state.SkipWithError("build/data/base.gob is missing: build the content first");
    return false;
}

// One run of the program: wall time and the processor time of all its threads in seconds
// (the latter steadier on a busy machine), peak resident set in KiB, and, when watched for,
// the wall time until its first frame was drawn.
struct ProgramRun {
    double seconds = 0.0, cpuSeconds = 0.0, firstFrameSeconds = -1.0;
    long peakKiB = 0;
};

// The first frame counts as drawn when its screenshot file appears: the program creates it
// right after drawing the frame, before presenting it and before encoding the picture.
bool RunProgram(ProgramRun& run, bool watchFirstFrame = false) {
    const std::string program = (BuildDir() / "kartenhaus").string();
    const fs::path shot = WorkDir() / ("first_frame_" + std::to_string(getpid()) + ".png");
    fs::remove(shot);
    const int watch = watchFirstFrame ? inotify_init1(IN_CLOEXEC | IN_NONBLOCK) : -1;
    if (watchFirstFrame &&
        (watch < 0 || inotify_add_watch(watch, WorkDir().c_str(), IN_CREATE) < 0))
        return false;
    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const pid_t child = fork();
    if (child == 0) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(127);
        if (watchFirstFrame)
            execl(program.c_str(), program.c_str(), "--data", WorkDir().c_str(),
                  "--user-dir", WorkDir().c_str(), "--frames", "1",
                  "--screenshot", shot.c_str(), static_cast<char*>(nullptr));
        else
            execl(program.c_str(), program.c_str(), "--data", WorkDir().c_str(),
                  "--user-dir", WorkDir().c_str(), "--frames", "1",
                  static_cast<char*>(nullptr));
        _exit(127);
    }
    if (child < 0) {
        if (watch >= 0) close(watch);
        return false;
    }
    int status = 0;
    rusage usage{};
    pid_t ended = 0;
    if (watchFirstFrame) {
        // Woken by the file's creation rather than polling for it, which would take processor
        // time from the program on a busy machine.
        while ((ended = wait4(child, &status, WNOHANG, &usage)) == 0) {
            pollfd ready{watch, POLLIN, 0};
            if (poll(&ready, 1, 5) <= 0) continue;
            alignas(inotify_event) char events[4096];
            const ssize_t length = read(watch, events, sizeof events);
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(events + at);
                if (event->len > 0 && shot.filename() == event->name && run.firstFrameSeconds < 0.0)
                    run.firstFrameSeconds = elapsed();
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        close(watch);
    } else {
        ended = wait4(child, &status, 0, &usage);
    }
    if (ended != child) return false;
    run.seconds = elapsed();
    run.peakKiB = usage.ru_maxrss;
    auto secondsOf = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    run.cpuSeconds = secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime);
    const bool drawn = !watchFirstFrame || fs::exists(shot);
    if (watchFirstFrame && run.firstFrameSeconds < 0.0 && drawn)
        run.firstFrameSeconds = run.seconds;
    fs::remove(shot);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && drawn;
}

void BM_ProcessStartToFirstMenuFrame(benchmark::State& state) {
    if (!HaveData(state)) return;
    long peak = 0;
    double cpu = 0.0;
    for (auto _ : state) {
        ProgramRun run;
        if (!RunProgram(run)) {
            state.SkipWithError("the program did not run to its first frame");
            return;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakKiB);
        cpu += run.cpuSeconds;
    }
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
    state.counters["cpu_ms"] = 1000.0 * cpu / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ProcessStartToFirstMenuFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same run up to the moment the first menu frame is drawn, without what the program
// does on its way out (saving settings and statistics); exit_ms is the whole run.
void BM_ProcessStartToFirstFrameDrawn(benchmark::State& state) {
    if (!HaveData(state)) return;
    double whole = 0.0;
    for (auto _ : state) {
        ProgramRun run;
        if (!RunProgram(run, true)) {
            state.SkipWithError("the program did not draw its first frame");
            return;
        }
        state.SetIterationTime(run.firstFrameSeconds);
        whole += run.seconds;
    }
    state.counters["exit_ms"] = 1000.0 * whole / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ProcessStartToFirstFrameDrawn)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The application state with a headless window and drawing device, once per process.
AppState& HeadlessApp() {
    static AppState& app = [&]() -> AppState& {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        AppState::useFiles = false;
        AppState& a = GetAppState();
        Platform::Initialise();
        a.window = PlatformWindow::Create("Fenster", 1024, 768, false);
        a.presentParameters.backBufferWidth = 1024;
        a.presentParameters.backBufferHeight = 768;
        a.device = RenderDevice::Create(*a.window, a.presentParameters);
        a.sprite = std::make_unique<SpriteBatch>(*a.device);
        a.OpenArchives(WorkDir());
        return a;
    }();
    return app;
}

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_TextureDecoding(benchmark::State& state) {
    if (!HaveData(state)) return;
    AppState& app = HeadlessApp();
    static const long before = PeakKiB(); // before the first decoding of this process
    for (auto _ : state) {
        const bool complete = LoadTextureTable(app, [&app](const std::string& name) {
            return ReadMember(app.baseArchive.get(), name);
        });
        benchmark::DoNotOptimize(complete);
        state.PauseTiming();
        app.ReleaseTextures();
        state.ResumeTiming();
    }
    // How much the decoded pictures raised the peak memory of this process.
    state.counters["peak_growth_MiB"] = static_cast<double>(PeakKiB() - before) / 1024.0;
}
BENCHMARK(BM_TextureDecoding)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_SoundLoading(benchmark::State& state) {
    if (!HaveData(state)) return;
    AppState& app = HeadlessApp();
    for (auto _ : state) {
        const bool ok = InitSound(app);
        benchmark::DoNotOptimize(ok);
        state.PauseTiming();
        ReleaseSoundDevice(app);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SoundLoading)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_CatalogAndMenu(benchmark::State& state) {
    if (!HaveData(state)) return;
    AppState& app = HeadlessApp();
    app.musicVolume = 0;
    const fs::path previous = fs::current_path();
    fs::current_path(WorkDir());
    for (auto _ : state) {
        auto* menu = new MainMenu();
        benchmark::DoNotOptimize(menu->categories.Count());
        state.PauseTiming();
        delete menu; // writes the statistics files into the working directory
        state.ResumeTiming();
    }
    fs::current_path(previous);
}
BENCHMARK(BM_CatalogAndMenu)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
