// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IntroVideo.h"

#include "platform/IntroReader.h"

#include <SDL.h>

#include <algorithm>
#include <vector>

namespace {

// Handles the waiting events; the outcome when one of them ends the intro.
bool EndRequested(IntroVideo::Outcome& outcome) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT ||
            (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
            outcome = IntroVideo::Outcome::quit;
            return true;
        }
        if (event.type == SDL_KEYDOWN && event.key.keysym.scancode == SDL_SCANCODE_ESCAPE) {
            outcome = IntroVideo::Outcome::escaped;
            return true;
        }
    }
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    if (keys && keys[SDL_SCANCODE_ESCAPE]) {
        outcome = IntroVideo::Outcome::escaped;
        return true;
    }
    return false;
}

double SecondsSince(Uint64 start) {
    return double(SDL_GetTicks64() - start) / 1000.0;
}

} // namespace

IntroVideo::Outcome IntroVideo::Play(const std::string& path) {
    IntroReader reader;
    if (!reader.Open(path)) return Outcome::notPlayed;

    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return Outcome::notPlayed;
    SDL_DisplayMode display{};
    if (SDL_GetDesktopDisplayMode(0, &display) != 0) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return Outcome::notPlayed;
    }
    SDL_Window* window = SDL_CreateWindow("Fenster", 0, 0, display.w, display.h,
                                          SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_Renderer* renderer =
        window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC) : nullptr;
    if (!renderer && window) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    SDL_Texture* texture =
        renderer ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_IYUV, SDL_TEXTUREACCESS_STREAMING,
                                     reader.Width(), reader.Height())
                 : nullptr;
    Outcome outcome = Outcome::notPlayed;
    if (texture) {
        SDL_ShowCursor(SDL_DISABLE);
        SDL_AudioDeviceID audio = 0;
        Uint32 maxQueued = 0;
        if (reader.SampleRate() > 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            SDL_AudioSpec wanted{};
            wanted.freq = reader.SampleRate();
            wanted.format = AUDIO_S16SYS;
            wanted.channels = Uint8(reader.Channels());
            wanted.samples = 2048;
            audio = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
            maxQueued = Uint32(kMaxQueuedSoundSeconds * reader.SampleRate()) *
                        Uint32(reader.Channels()) * 2;
            if (audio) SDL_PauseAudioDevice(audio, 0);
        }

        std::vector<uint8_t> sound;
        IntroReader::Picture picture;
        const Uint64 start = SDL_GetTicks64();
        outcome = Outcome::finished;
        bool running = true;
        while (running) {
            if (EndRequested(outcome) || SecondsSince(start) > IntroReader::kMaxSeconds) break;
            sound.clear();
            const IntroReader::Step step = reader.Next(picture, sound);
            // The queue is bounded: sound far ahead of the pictures is dropped.
            if (audio && !sound.empty() &&
                SDL_GetQueuedAudioSize(audio) + sound.size() <= maxQueued)
                SDL_QueueAudio(audio, sound.data(), Uint32(sound.size()));
            if (step == IntroReader::Step::end) break;
            if (step == IntroReader::Step::pending) continue;
            SDL_UpdateYUVTexture(texture, nullptr, picture.planes[0], picture.pitches[0],
                                 picture.planes[1], picture.pitches[1], picture.planes[2],
                                 picture.pitches[2]);
            // Wait for the picture's time while keeping the window responsive.
            while (true) {
                if (EndRequested(outcome)) {
                    running = false;
                    break;
                }
                const double now = SecondsSince(start);
                if (now >= picture.due) break;
                SDL_Delay(Uint32(std::min(10.0, (picture.due - now) * 1000.0)) + 1);
            }
            if (!running) break;
            SDL_RenderClear(renderer);
            SDL_RenderCopy(renderer, texture, nullptr, nullptr);
            SDL_RenderPresent(renderer);
        }
        if (audio) SDL_CloseAudioDevice(audio);
    }
    if (texture) SDL_DestroyTexture(texture);
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return outcome;
}
