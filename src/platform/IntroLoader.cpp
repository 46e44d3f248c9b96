// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IntroLoader.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace {

constexpr const char* moduleName = "kartenhaus-intro.so";

// The module beside the program (a build folder), else in the installed library folder
// relative to the program; the plain name (the loader's search path) when the program's
// own place cannot be read.
std::string ModulePath() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return moduleName;
    const std::filesystem::path beside = self.parent_path() / moduleName;
#ifdef KH_MODULEDIR_FROM_BINDIR
    if (!std::filesystem::exists(beside, ec))
        return (self.parent_path() / KH_MODULEDIR_FROM_BINDIR / moduleName).string();
#endif
    return beside.string();
}

} // namespace

IntroVideo::Outcome PlayIntroVideo(const std::string& path) {
    void* module = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) return IntroVideo::Outcome::notPlayed;
    using Play = int (*)(const char*);
    auto play = reinterpret_cast<Play>(dlsym(module, "kh_play_intro"));
    int outcome = static_cast<int>(IntroVideo::Outcome::notPlayed);
    if (play) outcome = play(path.c_str());
    dlclose(module);
    switch (outcome) {
    case static_cast<int>(IntroVideo::Outcome::finished):
        return IntroVideo::Outcome::finished;
    case static_cast<int>(IntroVideo::Outcome::escaped):
        return IntroVideo::Outcome::escaped;
    case static_cast<int>(IntroVideo::Outcome::quit):
        return IntroVideo::Outcome::quit;
    default:
        return IntroVideo::Outcome::notPlayed;
    }
}
