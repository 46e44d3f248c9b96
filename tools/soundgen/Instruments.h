// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The instruments of the generated music. Each adds one note into a stereo
// mix with a reverb send; times are in seconds from the start of the piece.
#include "Dsp.h"

#include <vector>

namespace music {

class Mix {
public:
    explicit Mix(double seconds);
    dsp::Buffer left, right, send;
    dsp::Random random{1};

    // Adds a sample to both sides with a constant-power pan (−1 … 1) and a reverb send.
    void Add(size_t index, double value, double pan, double sendLevel) {
        if (index >= left.size()) return;
        double angle = (pan + 1.0) * dsp::pi * 0.25;
        left[index] += float(value * std::cos(angle));
        right[index] += float(value * std::sin(angle));
        send[index] += float(value * sendLevel);
    }
};

struct Voice {
    double pan = 0.0;
    double send = 0.2;
    double gain = 1.0;
};

void ElectricPiano(Mix& mix, const Voice& voice, double start, double midi, double length, double velocity);
void Bell(Mix& mix, const Voice& voice, double start, double midi, double velocity);
void Marimba(Mix& mix, const Voice& voice, double start, double midi, double velocity);
void Pad(Mix& mix, const Voice& voice, double start, const std::vector<double>& midis, double length);
void SoftBass(Mix& mix, const Voice& voice, double start, double midi, double length, double velocity);
void Guitar(Mix& mix, const Voice& voice, double start, double midi, double length, double velocity,
            double brightness = 0.55);
// Strums the notes from the lowest up (down) or the highest down (up).
void Strum(Mix& mix, const Voice& voice, double start, const std::vector<double>& midis, double length,
           double velocity, bool down);
void Flute(Mix& mix, const Voice& voice, double start, double midi, double length, double velocity);
void Whistle(Mix& mix, const Voice& voice, double start, double midi, double length, double velocity,
             double previousMidi);
void Harmonica(Mix& mix, const Voice& voice, double start, double midi, double length, double velocity);

void Shaker(Mix& mix, const Voice& voice, double start, double velocity);
void Bongo(Mix& mix, const Voice& voice, double start, double hz, double velocity);
void Kick(Mix& mix, const Voice& voice, double start, double velocity);
void WoodBlock(Mix& mix, const Voice& voice, double start, double hz, double velocity);
void Brush(Mix& mix, const Voice& voice, double start, double velocity, double length);

} // namespace music
