// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <thread>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/CliGame.h"
#include "cli/CliOptions.h"
#include "rules/KartenTisch.h"
#include "rules/Solver.h"

namespace {

struct DealOutcome {
    SolverVerdict verdict = SolverVerdict::Unknown;
    double seconds = 0.0;
    bool dealt = false;
};

// Wilson score interval for a rate of k in n at 95 %.
void WilsonInterval(long long k, long long n, double& low, double& high) {
    if (n == 0) {
        low = 0.0;
        high = 1.0;
        return;
    }
    const double z = 1.959964;
    const double p = double(k) / double(n);
    const double denominator = 1.0 + z * z / double(n);
    const double centre = (p + z * z / (2.0 * double(n))) / denominator;
    const double spread =
        z * std::sqrt(p * (1.0 - p) / double(n) + z * z / (4.0 * double(n) * double(n))) /
        denominator;
    low = std::max(0.0, centre - spread);
    high = std::min(1.0, centre + spread);
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int RunSurvey(const CliOptions& options) {
    std::string bytes, error;
    if (!ReadDefinitionBytes(options, bytes, error)) {
        std::cerr << "kartenhaus-cli survey: " << error << '\n';
        return kExitUsage;
    }
    const uint64_t count = uint64_t(options.lastSeed) - options.firstSeed + 1;
    if (count > 10000000) {
        std::cerr << "kartenhaus-cli survey: at most 10000000 deals at a time\n";
        return kExitUsage;
    }
    std::vector<DealOutcome> outcomes(count);
    std::atomic<uint64_t> next{0};
    std::atomic<bool> unfit{false};
    SolverLimits limits;
    limits.maxNodes = options.maxNodes;
    limits.maxSeconds = options.maxSeconds;

    auto work = [&]() {
        // Each thread deals with a generator of its own.
        RandomGenerator generator;
        for (uint64_t k; (k = next.fetch_add(1)) < count;) {
            KartenTisch table(generator);
            std::string ignored;
            const uint32_t seed = static_cast<uint32_t>(options.firstSeed + k);
            if (!DealTable(table, bytes, seed, options.microsoft, ignored)) {
                unfit = true;
                continue;
            }
            const SolverResult result = Solver(table, limits).Solve();
            outcomes[k] = {result.verdict, result.seconds, true};
        }
    };
    const auto started = std::chrono::steady_clock::now();
    std::vector<std::thread> threads;
    const int jobs = static_cast<int>(std::min<uint64_t>(uint64_t(options.jobs), count));
    for (int j = 1; j < jobs; ++j)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (unfit) {
        std::cerr << "kartenhaus-cli survey: this game is not dealt face up onto eight columns "
                     "of 7, 7, 7, 7, 6, 6, 6, 6 cards, so the FreeCell deal numbers do not apply\n";
        return kExitUsage;
    }

    long long won = 0, impossible = 0, unknown = 0;
    std::vector<double> times;
    double total = 0.0;
    for (const DealOutcome& outcome : outcomes) {
        won += outcome.verdict == SolverVerdict::Won;
        impossible += outcome.verdict == SolverVerdict::Impossible;
        unknown += outcome.verdict == SolverVerdict::Unknown;
        times.push_back(outcome.seconds);
        total += outcome.seconds;
    }
    double low = 0.0, high = 1.0;
    WilsonInterval(won, static_cast<long long>(count), low, high);
    char line[256];
    std::printf("deals %llu (seeds %u-%u%s)\n", static_cast<unsigned long long>(count),
                options.firstSeed, options.lastSeed, options.microsoft ? ", FreeCell numbering" : "");
    std::printf("won %lld, impossible %lld, unknown %lld\n", won, impossible, unknown);
    std::snprintf(line, sizeof line, "win rate %.1f %% (95 %% interval %.1f-%.1f %%; unknown counted as not won)\n",
                  100.0 * double(won) / double(count), 100.0 * low, 100.0 * high);
    std::fputs(line, stdout);
    std::printf("time per deal: median %.4f s, max %.4f s; total %.3f s of search, %.3f s wall "
                "clock on %d thread%s\n",
                Median(times), times.empty() ? 0.0 : *std::max_element(times.begin(), times.end()),
                total, wall, jobs, jobs == 1 ? "" : "s");
    std::printf("(the search sees every card, face-down ones too)\n");
    return kExitOk;
}
