// SPDX-License-Identifier: GPL-3.0-or-later
// The game left alone, headless, on the data directory the build produces: the program runs
// for ten seconds of wall-clock time with no input and reports the processor time it used
// (all threads, as a share of one core) and the frames it drew in the last nine of them
// (a one-second run of the same case is taken off), and its peak resident memory (VmHWM). Cases: the main menu (its card cascade never rests), a dealt Klondike table with
// background animations and chatter off, the same with the jungle and with the saloon
// playing, and a dealt 104-card Spider table.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr double idleSeconds = 10.0;
// A short run of the same case: what start-up and the first second cost, taken off the long
// run so that the figures tell what the idle seconds cost.
constexpr double baseSeconds = 1.0;

fs::path BuildDir() {
    std::error_code ec;
    return fs::read_symlink("/proc/self/exe", ec).parent_path().parent_path();
}

// A working directory of links to the build's data with settings of its own: windowed,
// no intro, music or sounds, no chatter, and the given background theme and animation level.
fs::path WorkDir(int theme, int level) {
    const fs::path dir = fs::temp_directory_path() /
                         ("kh_idle_" + std::to_string(getpid()) + "_" + std::to_string(theme) +
                          "_" + std::to_string(level));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& entry : fs::directory_iterator(BuildDir() / "data"))
        fs::create_symlink(entry.path(), dir / entry.path().filename());
    std::ofstream(dir / "solit\xC3\xA4r.cfg")
        << "FULLSCREEN:\t0\nINTRO:\t0\nMUSIK:\t0\nSOUND:\t0\nSPRUECHE:\t0\n"
        << "HINTERGRUNDANIS:\t" << theme << "\nHINTERGRUNDANIS_PROP:\t" << level << "\n";
    return dir;
}

struct IdleRun {
    double seconds = 0.0, cpuSeconds = 0.0;
    long peakKiB = 0;
    int framesRun = 0, framesDrawn = 0;
};

bool RunIdle(const std::vector<std::string>& gameArguments, int theme, int level, double seconds,
             IdleRun& run) {
    const fs::path dir = WorkDir(theme, level);
    const fs::path report = dir / "report.txt";
    const std::string program = (BuildDir() / "kartenhaus").string();
    std::vector<std::string> arguments = {program,     "--data",      dir.string(),
                                          "--user-dir", dir.string(),
                                          "--run-for", std::to_string(seconds), "--frame-report"};
    arguments.insert(arguments.end(), gameArguments.begin(), gameArguments.end());
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (!freopen(report.c_str(), "w", stdout) || !freopen("/dev/null", "w", stderr))
            _exit(127);
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    if (child < 0) return false;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return false;
    run.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    auto secondsOf = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    run.cpuSeconds = secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime);
    run.peakKiB = usage.ru_maxrss;
    std::ifstream in(report);
    for (std::string line; std::getline(in, line);) {
        std::sscanf(line.c_str(), "frames run: %d", &run.framesRun);
        std::sscanf(line.c_str(), "frames drawn: %d", &run.framesDrawn);
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Idle(benchmark::State& state, std::vector<std::string> gameArguments, int theme, int level) {
    if (!fs::exists(BuildDir() / "data" / "base.gob")) {
        state.SkipWithError("build/data/base.gob is missing: build the content first");
        return;
    }
    IdleRun total, base;
    for (auto _ : state) {
        IdleRun run, start;
        if (!RunIdle(gameArguments, theme, level, idleSeconds, run) ||
            !RunIdle(gameArguments, theme, level, baseSeconds, start)) {
            state.SkipWithError("the program did not run");
            return;
        }
        state.SetIterationTime(run.seconds);
        total.cpuSeconds += run.cpuSeconds;
        total.framesDrawn += run.framesDrawn;
        total.framesRun += run.framesRun;
        total.peakKiB = std::max(total.peakKiB, run.peakKiB);
        base.cpuSeconds += start.cpuSeconds;
        base.framesDrawn += start.framesDrawn;
        base.framesRun += start.framesRun;
    }
    const double idle = (idleSeconds - baseSeconds) * static_cast<double>(state.iterations());
    state.counters["cpu_percent"] = 100.0 * (total.cpuSeconds - base.cpuSeconds) / idle;
    state.counters["drawn_per_s"] = (total.framesDrawn - base.framesDrawn) / idle;
    state.counters["run_per_s"] = (total.framesRun - base.framesRun) / idle;
    state.counters["peak_MiB"] = static_cast<double>(total.peakKiB) / 1024.0;
}

void BM_IdleMenu(benchmark::State& state) {
    Idle(state, {}, 0, 0);
}
void BM_IdleTable(benchmark::State& state) {
    Idle(state, {"--game", "klondike/klondike", "--seed", "3"}, 0, 0);
}
void BM_IdleTableJungle(benchmark::State& state) {
    Idle(state, {"--game", "klondike/klondike", "--seed", "3"}, 0, 1);
}
void BM_IdleTableSaloon(benchmark::State& state) {
    Idle(state, {"--game", "klondike/klondike", "--seed", "3"}, 1, 1);
}
void BM_IdleSpiderTable(benchmark::State& state) {
    Idle(state, {"--game", "spider/spider2", "--seed", "3"}, 0, 0);
}

// Ten seconds a run: one run each is enough for a processor share.
#define KH_IDLE_BENCHMARK(name)                                                                   \
    BENCHMARK(name)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(1)
KH_IDLE_BENCHMARK(BM_IdleMenu);
KH_IDLE_BENCHMARK(BM_IdleTable);
KH_IDLE_BENCHMARK(BM_IdleTableJungle);
KH_IDLE_BENCHMARK(BM_IdleTableSaloon);
KH_IDLE_BENCHMARK(BM_IdleSpiderTable);

} // namespace
