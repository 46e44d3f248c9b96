// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MusicPlayer.h"

#include "media/DiskPath.h"
#include "platform/MusicStream.h"

#include <algorithm>

MusicPlayer::MusicPlayer() = default;
MusicPlayer::~MusicPlayer() = default;

int32_t MusicPlayer::Load(const std::string& name) {
    Unload();
    if (name.empty() || name.size() > maxFileName) return failure;
    auto stream = std::make_unique<MusicStream>();
    if (!stream->Open(DiskPathOf(name))) return failure;
    graph = std::move(stream);
    fileName = name;
    state = stopped;
    return ok;
}

int32_t MusicPlayer::Play() {
    if (state != stopped && state != paused) return playRefused;
    if (graph->IsPaused())
        graph->Resume();
    else if (!graph->Start(position))
        return failure;
    completionReported = false;
    state = playing;
    return ok;
}

int32_t MusicPlayer::Pause() {
    if (state != playing && state != stopped) return pauseRefused;
    if (state == playing) {
        position = graph->Position();
        graph->Pause();
    }
    state = paused;
    return ok;
}

int32_t MusicPlayer::Stop() {
    if (state != playing && state != paused) return stopRefused;
    if (graph->IsActive()) position = graph->Position();
    graph->Halt();
    state = stopped;
    return ok;
}

int32_t MusicPlayer::Rewind() {
    if (state == nothingLoaded) return rewindRefused;
    Stop(); // refused harmlessly when already stopped
    position = 0.0;
    return ok;
}

int32_t MusicPlayer::SetVolume(int32_t level) {
    if (state == nothingLoaded) return volumeRefused;
    volume = std::clamp(level, int32_t(-10000), int32_t(0));
    MusicStream::SetVolume(volume);
    return ok;
}

bool MusicPlayer::IsFinished() {
    if (state != playing || completionReported) return false;
    if (graph->IsActive()) return false;
    completionReported = true;
    return true;
}

void MusicPlayer::Unload() {
    graph.reset();
    fileName.clear();
    state = nothingLoaded;
    position = 0.0;
    completionReported = false;
}
