// SPDX-License-Identifier: GPL-3.0-or-later
#include "Instruments.h"

namespace music {

using namespace dsp;

Mix::Mix(double seconds)
    : left(Samples(seconds), 0.0f), right(Samples(seconds), 0.0f), send(Samples(seconds), 0.0f) {}

namespace {

// Release: full until the note's length, then an exponential fade.
double Release(double t, double length, double time) {
    return t < length ? 1.0 : std::exp(-(t - length) / time);
}

template <typename Fn>
void Render(Mix& mix, const Voice& voice, double start, double seconds, Fn sample) {
    size_t first = Samples(start);
    size_t count = Samples(seconds);
    for (size_t i = 0; i < count; ++i) {
        double t = double(i) / sampleRate;
        mix.Add(first + i, voice.gain * sample(t), voice.pan, voice.send);
    }
}

} // namespace

void ElectricPiano(Mix& mix, const Voice& voice, double start, double midi, double length,
                   double velocity) {
    double hz = MidiToHz(midi);
    double decay = std::clamp(2.2 - (midi - 48.0) * 0.03, 0.6, 2.5);
    double phase = 0, modPhase = 0;
    Render(mix, voice, start, length + 0.8, [&](double t) {
        double index = (0.4 + 1.2 * velocity) * std::exp(-t / 0.25) + 0.15;
        modPhase += twoPi * hz / sampleRate;
        phase += twoPi * hz / sampleRate;
        double tremolo = 1.0 + 0.05 * std::sin(twoPi * 4.5 * t);
        double envelope = Percussive(t, 0.003, decay) * Release(t, length, 0.18);
        return velocity * envelope * tremolo * std::sin(phase + index * std::sin(modPhase));
    });
}

void Bell(Mix& mix, const Voice& voice, double start, double midi, double velocity) {
    double hz = MidiToHz(midi);
    Render(mix, voice, start, 2.5, [&](double t) {
        double body = std::sin(twoPi * hz * t) * Percussive(t, 0.002, 0.9);
        double tine = 0.35 * std::sin(twoPi * hz * 5.4 * t) * Percussive(t, 0.001, 0.08);
        double shimmer = 0.12 * std::sin(twoPi * hz * 2.0 * t) * Percussive(t, 0.002, 0.4);
        return velocity * (body + tine + shimmer);
    });
}

void Marimba(Mix& mix, const Voice& voice, double start, double midi, double velocity) {
    double hz = MidiToHz(midi);
    double decay = std::clamp(0.9 - (midi - 48.0) * 0.015, 0.25, 1.0);
    Render(mix, voice, start, decay * 6.0, [&](double t) {
        double fundamental = std::sin(twoPi * hz * t) * Percussive(t, 0.001, decay);
        double fourth = 0.25 * std::sin(twoPi * hz * 3.9 * t) * Percussive(t, 0.0008, 0.05);
        double tenth = 0.08 * std::sin(twoPi * hz * 9.8 * t) * Percussive(t, 0.0005, 0.015);
        return velocity * (fundamental + fourth + tenth);
    });
}

void Pad(Mix& mix, const Voice& voice, double start, const std::vector<double>& midis,
         double length) {
    for (double midi : midis) {
        double hz = MidiToHz(midi);
        Saw a, b;
        b.phase = 0.5;
        Svf filter;
        filter.Set(std::min(1400.0, hz * 4.0), 0.7);
        Render(mix, voice, start, length + 1.5, [&](double t) {
            double envelope = FadeIn(t, 0.7) * Release(t, length, 0.5);
            double v = a.Tick(hz * 1.0035) + b.Tick(hz * 0.9965);
            return 0.5 * envelope * filter.Low(v) / double(midis.size());
        });
    }
}

void SoftBass(Mix& mix, const Voice& voice, double start, double midi, double length,
              double velocity) {
    double hz = MidiToHz(midi);
    Render(mix, voice, start, length + 0.4, [&](double t) {
        double envelope = Percussive(t, 0.006, 0.9) * Release(t, length, 0.07);
        double w = twoPi * hz * t;
        return velocity * envelope * (std::sin(w) + 0.28 * std::sin(2 * w) + 0.08 * std::sin(3 * w));
    });
}

void Guitar(Mix& mix, const Voice& voice, double start, double midi, double length,
            double velocity, double brightness) {
    double hz = MidiToHz(midi);
    PluckedString string(hz, brightness * (0.7 + 0.3 * velocity), 2.0 + 40.0 / hz, mix.random,
                         0.15 + 0.1 * mix.random.Uniform());
    Svf body;
    body.Set(180.0, 1.5);
    Render(mix, voice, start, length + 0.25, [&](double t) {
        double v = string.Tick();
        v += 0.4 * body.Band(v);
        return velocity * 0.8 * v * Release(t, length, 0.06);
    });
}

void Strum(Mix& mix, const Voice& voice, double start, const std::vector<double>& midis,
           double length, double velocity, bool down) {
    size_t n = midis.size();
    for (size_t i = 0; i < n; ++i) {
        double midi = down ? midis[i] : midis[n - 1 - i];
        double spread = 0.011 * double(i);
        double v = velocity * (down ? 1.0 - 0.05 * double(i) : 0.7 + 0.04 * double(i));
        Guitar(mix, voice, start + spread, midi, length - spread, v / std::sqrt(double(n)), 0.5);
    }
}

void Flute(Mix& mix, const Voice& voice, double start, double midi, double length,
           double velocity) {
    double hz = MidiToHz(midi);
    Svf breath;
    breath.Set(hz * 2.0, 2.0);
    double phase = 0;
    Render(mix, voice, start, length + 0.2, [&](double t) {
        double vibrato = 1.0 + 0.006 * FadeIn(t - 0.15, 0.3) * std::sin(twoPi * 5.0 * t);
        phase += twoPi * hz * vibrato / sampleRate;
        double envelope = FadeIn(t, 0.06) * Release(t, length, 0.07);
        double tone = std::sin(phase) + 0.12 * std::sin(2 * phase) + 0.05 * std::sin(3 * phase);
        double air = breath.Band(mix.random.Bipolar()) * (0.08 + 0.25 * std::exp(-t / 0.04));
        return velocity * envelope * (tone + air);
    });
}

void Whistle(Mix& mix, const Voice& voice, double start, double midi, double length,
             double velocity, double previousMidi) {
    double phase = 0;
    double from = previousMidi > 0 ? previousMidi : midi;
    Render(mix, voice, start, length + 0.15, [&](double t) {
        double glide = from + (midi - from) * FadeIn(t, 0.05);
        double vibrato = 0.12 * FadeIn(t - 0.12, 0.25) * std::sin(twoPi * 6.0 * t);
        phase += twoPi * MidiToHz(glide + vibrato) / sampleRate;
        double envelope = FadeIn(t, 0.03) * Release(t, length, 0.05);
        return velocity * envelope * (std::sin(phase) + 0.04 * std::sin(2 * phase));
    });
}

void Harmonica(Mix& mix, const Voice& voice, double start, double midi, double length,
               double velocity) {
    Saw reed;
    Svf tone;
    double phase = 0;
    Render(mix, voice, start, length + 0.15, [&](double t) {
        double bend = -0.4 * std::exp(-t / 0.05);
        double vibrato = 0.08 * FadeIn(t - 0.2, 0.3) * std::sin(twoPi * 5.5 * t);
        double hz = MidiToHz(midi + bend + vibrato);
        phase += twoPi * hz / sampleRate;
        tone.Set(hz * 3.0, 1.2);
        double envelope = FadeIn(t, 0.04) * Release(t, length, 0.06);
        double v = 0.6 * reed.Tick(hz) + 0.5 * std::sin(phase);
        return velocity * envelope * tone.Low(v) * (1.0 + 0.1 * std::sin(twoPi * 5.5 * t));
    });
}

void Shaker(Mix& mix, const Voice& voice, double start, double velocity) {
    Svf band;
    band.Set(7000.0, 1.2);
    Render(mix, voice, start, 0.12, [&](double t) {
        return velocity * FadeIn(t, 0.008) * std::exp(-t / 0.03) * band.Band(mix.random.Bipolar());
    });
}

void Bongo(Mix& mix, const Voice& voice, double start, double hz, double velocity) {
    double phase = 0;
    Svf click;
    click.Set(3000.0, 1.0);
    Render(mix, voice, start, 0.5, [&](double t) {
        phase += twoPi * hz * (1.0 + 0.25 * std::exp(-t / 0.015)) / sampleRate;
        double skin = std::sin(phase) * Percussive(t, 0.001, 0.09 * 300.0 / hz);
        double slap = 0.3 * click.Band(mix.random.Bipolar()) * std::exp(-t / 0.004);
        return velocity * (skin + slap);
    });
}

void Kick(Mix& mix, const Voice& voice, double start, double velocity) {
    double phase = 0;
    Render(mix, voice, start, 0.6, [&](double t) {
        phase += twoPi * (48.0 + 60.0 * std::exp(-t / 0.03)) / sampleRate;
        return velocity * std::sin(phase) * Percussive(t, 0.002, 0.15);
    });
}

void WoodBlock(Mix& mix, const Voice& voice, double start, double hz, double velocity) {
    Render(mix, voice, start, 0.2, [&](double t) {
        double v = std::sin(twoPi * hz * t) * Percussive(t, 0.0005, 0.025) +
                   0.4 * std::sin(twoPi * hz * 2.7 * t) * Percussive(t, 0.0005, 0.01);
        return velocity * v;
    });
}

void Brush(Mix& mix, const Voice& voice, double start, double velocity, double length) {
    Svf band;
    band.Set(3500.0, 0.8);
    Render(mix, voice, start, length * 4.0, [&](double t) {
        return velocity * FadeIn(t, 0.012) * std::exp(-t / length) * band.Band(mix.random.Bipolar());
    });
}

} // namespace music
