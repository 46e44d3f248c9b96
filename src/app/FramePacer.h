// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When the frame loop runs its next frame and whether that frame is drawn. A frame is drawn
// when input arrived or when the scene said its picture would have changed by now; between
// such frames the loop sleeps. Frames are never closer than the display's refresh allows,
// and a frame runs at least every `maxWait` seconds for work nobody sees (music that
// ended, sounds waiting for their delay).
#include <limits>

class FramePacer {
public:
    // Seconds on one clock; `minInterval` is the shortest time between two frames.
    FramePacer(double minInterval, double maxWait) : minInterval(minInterval), maxWait(maxWait) {}

    // Something happened that may change the picture (input, a window event).
    void NoteInput() { inputPending = true; }
    // Whether the frame that runs at `now` is drawn.
    bool ShouldDraw(double now) const { return inputPending || now >= drawAt; }
    // After the frame at `now`: whether it was drawn, the scene's NextChangeIn, and the
    // seconds until unseen work is due.
    void FrameDone(double now, bool drawn, double changeIn, double workIn);
    // When the next frame should run.
    double NextFrameAt() const;

    // The display's refresh rate in Hz (0: unknown) as the shortest frame interval; never
    // faster than 60 frames a second.
    static double IntervalFor(int refreshRate);

private:
    static constexpr double never = std::numeric_limits<double>::infinity();
    double minInterval;
    double maxWait;
    double lastFrame = -never;
    double drawAt = -never; // the first frame is drawn
    double workAt = -never;
    bool inputPending = true;
};
