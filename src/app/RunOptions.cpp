// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RunOptions.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <ostream>

#ifndef KH_VERSION
#define KH_VERSION "0"
#endif

void PrintUsage(std::ostream& out) {
    out << "Usage: kartenhaus [options]\n"
           "\n"
           "  --frames N          quit after N frames\n"
           "  --screenshot FILE   write the last frame as a 1024 x 768 PNG picture\n"
           "  --script FILE       play timed input events from FILE (see README.md)\n"
           "  --data DIR          run in DIR (default: the current directory if it holds\n"
           "                      base.gob, else the installed data directory)\n"
           "  --user-dir DIR      keep settings, statistics and quick saves in DIR, laid out\n"
           "                      as in the data directory (default: solit\xc3\xa4r.cfg in\n"
           "                      $XDG_CONFIG_HOME/kartenhaus, the rest in\n"
           "                      $XDG_DATA_HOME/kartenhaus)\n"
           "  --step SECONDS      advance the clock by SECONDS every frame\n"
           "  --require-content   stop on missing pictures even in a test run (a run with\n"
           "                      --frames or --script reports them and goes on)\n"
           "  --test-scene        start on the built-in test scene\n"
           "  --game CAT/GAME     open a game directly, by its category and game folders\n"
           "                      (for example klondike/klondike)\n"
           "  --seed N            deal with the random seed N instead of the clock\n"
           "  --run-for SECONDS   quit after SECONDS of wall-clock time (an ordinary run,\n"
           "                      paced like one; for measuring)\n"
           "  --frame-report      at exit, print the frames run and the frames drawn\n"
           "  --help              show this help\n"
           "  --version           show the version\n";
}

namespace {

bool ParseInt(const char* text, int& value) {
    const char* end = text + std::strlen(text);
    auto [ptr, ec] = std::from_chars(text, end, value);
    return ec == std::errc() && ptr == end;
}

bool ParseDouble(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end && *end == '\0' && end != text;
}

} // namespace

ParseResult ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                             std::ostream& err) {
    ParseResult result;
    auto fail = [&](const std::string& reason) {
        err << "kartenhaus: " << reason << "\n";
        PrintUsage(err);
        result.outcome = ParseOutcome::UsageError;
        return result;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        auto value = [&]() { return argv[++i]; };
        if (arg == "--help" || arg == "-h") {
            PrintUsage(out);
            result.outcome = ParseOutcome::Exit;
            return result;
        }
        if (arg == "--version") {
            out << "kartenhaus " << KH_VERSION << "\n";
            result.outcome = ParseOutcome::Exit;
            return result;
        }
        if (arg == "--require-content") {
            result.options.requireContent = true;
            continue;
        }
        if (arg == "--frame-report") {
            result.options.frameReport = true;
            continue;
        }
        if (arg == "--test-scene") {
            result.options.testScene = true;
            continue;
        }
        const bool takesValue = arg == "--frames" || arg == "--screenshot" || arg == "--script" ||
                                arg == "--data" || arg == "--step" || arg == "--game" ||
                                arg == "--seed" || arg == "--run-for" ||
                                arg == "--user-dir";
        if (!takesValue) return fail("unknown option '" + arg + "'");
        if (!hasValue) return fail("option " + arg + " needs a value");
        const char* v = value();
        if (arg == "--frames") {
            if (!ParseInt(v, result.options.frames) || result.options.frames < 1)
                return fail("--frames needs a whole number of at least 1, not '" + std::string(v) +
                            "'");
        } else if (arg == "--step") {
            if (!ParseDouble(v, result.options.fixedStep) || !(result.options.fixedStep > 0.0) ||
                result.options.fixedStep > 10.0)
                return fail("--step needs seconds above 0 and at most 10, not '" + std::string(v) +
                            "'");
        } else if (arg == "--run-for") {
            if (!ParseDouble(v, result.options.runFor) || !(result.options.runFor > 0.0) ||
                result.options.runFor > 86400.0)
                return fail("--run-for needs seconds above 0 and at most 86400, not '" +
                            std::string(v) + "'");
        } else if (arg == "--seed") {
            char* end = nullptr;
            const unsigned long long n = std::strtoull(v, &end, 10);
            if (*v == '-' || !end || *end != '\0' || end == v || n > 0xFFFFFFFFull)
                return fail("--seed needs a whole number from 0 to 4294967295, not '" +
                            std::string(v) + "'");
            result.options.hasSeed = true;
            result.options.seed = static_cast<uint32_t>(n);
        } else if (*v == '\0') {
            return fail("option " + arg + " needs a non-empty value");
        } else if (arg == "--screenshot") {
            result.options.screenshot = v;
        } else if (arg == "--script") {
            result.options.script = v;
        } else if (arg == "--game") {
            const std::string game = v;
            const size_t slash = game.find('/');
            if (slash == std::string::npos || slash == 0 || slash + 1 == game.size() ||
                game.find('/', slash + 1) != std::string::npos)
                return fail("--game needs CATEGORY/GAME (two folder names), not '" + game + "'");
            result.options.game = game;
        } else if (arg == "--user-dir") {
            result.options.userDir = v;
        } else {
            result.options.dataDir = v;
        }
    }
    return result;
}
