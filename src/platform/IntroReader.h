// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the intro video with the FFmpeg libraries, without showing anything:
// pictures in planar YUV 4:2:0 at one fixed size, with the time each is due,
// and the 16-bit PCM sound track in bounded pieces as the file interleaves it.
// The file is untrusted: every picture is converted by a scaler checked
// against that picture's own size and format, pictures beyond kMaxSeconds end
// the intro, a timestamp never jumps more than kMaxFrameGap ahead, and the
// sound read in one step never exceeds kMaxSoundBytesPerStep.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class IntroReader {
public:
    // The largest picture side accepted (the file's own size is kept up to this).
    static constexpr int kMaxSide = 4096;
    // Pictures due later than this end the intro.
    static constexpr double kMaxSeconds = 60.0;
    // The most a picture may be due after the one before it (the first: after the start).
    static constexpr double kMaxFrameGap = 2.0;
    // File packets read in one step before it returns without a picture.
    static constexpr int kMaxPacketsPerStep = 64;
    // Sound bytes delivered in one step; the rest of the step's sound is dropped.
    static constexpr size_t kMaxSoundBytesPerStep = 1 << 20;

    struct Picture {
        const uint8_t* planes[3] = {};
        int pitches[3] = {};
        double due = 0.0; // seconds after the start
    };
    enum class Step { picture, pending, end };

    IntroReader();
    ~IntroReader();
    IntroReader(const IntroReader&) = delete;
    IntroReader& operator=(const IntroReader&) = delete;

    // Opens a regular file (anything else is refused without opening it).
    bool Open(const std::string& path);
    // Opens bytes held in memory; they must outlive the reader.
    bool OpenMemory(const uint8_t* data, size_t size);

    int Width() const;
    int Height() const;
    // The sound track's format when it has a usable one (16-bit PCM), else 0.
    int SampleRate() const;
    int Channels() const;

    // Reads on: a picture (valid until the next call), or pending when
    // kMaxPacketsPerStep packets gave none, or the end. Sound read on the way
    // is appended to sound, interleaved 16-bit samples.
    Step Next(Picture& picture, std::vector<uint8_t>& sound);

private:
    struct State;
    bool OpenStreams();
    std::unique_ptr<State> state;
};
