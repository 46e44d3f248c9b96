// SPDX-License-Identifier: GPL-3.0-or-later
// soundgen: synthesises the program's sound effects, music and intro video.
//   soundgen effects DIR        every WAV of the sound table below DIR
//   soundgen track NAME FILE    one music track as MP3
//   soundgen tone FILE          a short MP3 tone for the tests
//   soundgen intro FILE         the intro video (AVI)
//   soundgen still SECONDS FILE one frame of the intro as PNG
#include "AudioFiles.h"
#include "Effects.h"
#ifdef KH_WITH_INTRO
#include "IntroMaker.h"
#endif
#include "Music.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: soundgen effects DIR | track NAME FILE | tone FILE | intro FILE | "
                         "still SECONDS FILE\n");
    return 2;
}

int Fail(const std::string& what) {
    std::fprintf(stderr, "soundgen: cannot write %s\n", what.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    std::string command = argv[1];
    if (command == "effects") {
        std::string dir = argv[2];
        for (const auto& effect : effects::MakeAll()) {
            std::string path = dir + "/" + effect.path;
            if (!audiofiles::WriteWav(path, effect.samples)) return Fail(path);
        }
        return 0;
    }
    if (command == "track" && argc == 4) {
        music::Track track = music::Render(argv[2]);
        if (track.left.empty()) {
            std::fprintf(stderr, "soundgen: no track named %s\n", argv[2]);
            return 1;
        }
        return audiofiles::WriteMp3(argv[3], track.left, track.right, 160) ? 0 : Fail(argv[3]);
    }
    if (command == "tone") {
        music::Track track = music::TestTone();
        return audiofiles::WriteMp3(argv[2], track.left, track.right, 128) ? 0 : Fail(argv[2]);
    }
#ifdef KH_WITH_INTRO
    if (command == "intro") return intro::Write(argv[2]) ? 0 : Fail(argv[2]);
    if (command == "still" && argc == 4)
        return intro::WriteStill(argv[3], std::atof(argv[2])) ? 0 : Fail(argv[3]);
#endif
    return Usage();
}
