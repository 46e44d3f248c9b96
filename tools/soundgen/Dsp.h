// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small signal-processing building blocks for the sound generator. Everything
// is deterministic: noise comes from a seeded generator, never from the clock.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace dsp {

constexpr double sampleRate = 44100.0;
constexpr double pi = 3.14159265358979323846;
constexpr double twoPi = 2.0 * pi;

using Buffer = std::vector<float>;

inline size_t Samples(double seconds) { return size_t(std::max(0.0, seconds) * sampleRate); }
inline double MidiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }
inline double DbToGain(double db) { return std::pow(10.0, db / 20.0); }

// xorshift32: the same numbers on every run and every machine.
class Random {
public:
    explicit Random(uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}
    uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    double Uniform() { return (Next() >> 8) / double(1 << 24); }    // 0 … 1
    double Bipolar() { return Uniform() * 2.0 - 1.0; }              // −1 … 1
    int Below(int n) { return n <= 0 ? 0 : int(Next() % uint32_t(n)); }
    double Range(double a, double b) { return a + (b - a) * Uniform(); }

private:
    uint32_t state;
};

// Zero-delay-feedback state-variable filter (stable under fast modulation).
class Svf {
public:
    void Set(double cutoffHz, double q) {
        cutoffHz = std::clamp(cutoffHz, 10.0, sampleRate * 0.45);
        g = std::tan(pi * cutoffHz / sampleRate);
        k = 1.0 / std::max(q, 0.05);
        a1 = 1.0 / (1.0 + g * (g + k));
        a2 = g * a1;
        a3 = g * a2;
    }
    // Processes one sample and leaves the low, band and high outputs.
    void Tick(double x) {
        double v3 = x - ic2;
        double v1 = a1 * ic1 + a2 * v3;
        double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2.0 * v1 - ic1;
        ic2 = 2.0 * v2 - ic2;
        low = v2;
        band = v1;
        high = x - k * v1 - v2;
    }
    double Low(double x) { Tick(x); return low; }
    double Band(double x) { Tick(x); return band; }
    double High(double x) { Tick(x); return high; }
    double low = 0, band = 0, high = 0;

private:
    double g = 0, k = 1, a1 = 0, a2 = 0, a3 = 0, ic1 = 0, ic2 = 0;
};

class OnePole {
public:
    explicit OnePole(double cutoffHz = 1000.0) { Set(cutoffHz); }
    void Set(double cutoffHz) { a = 1.0 - std::exp(-twoPi * cutoffHz / sampleRate); }
    double Low(double x) { return z += a * (x - z); }
    double High(double x) { return x - Low(x); }

private:
    double a = 0, z = 0;
};

// Attack, then exponential decay towards zero with the given time constant.
inline double Percussive(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

// Raised-cosine fade from 0 to 1 over the given length.
inline double FadeIn(double t, double length) {
    if (t <= 0) return 0;
    if (t >= length) return 1;
    return 0.5 - 0.5 * std::cos(pi * t / length);
}

// Band-limited saw by polyBLEP.
class Saw {
public:
    double Tick(double hz) {
        double dt = hz / sampleRate;
        double value = 2.0 * phase - 1.0;
        value -= Blep(phase, dt);
        phase += dt;
        if (phase >= 1.0) phase -= 1.0;
        return value;
    }
    double phase = 0;

private:
    static double Blep(double t, double dt) {
        if (t < dt) {
            t /= dt;
            return t + t - t * t - 1.0;
        }
        if (t > 1.0 - dt) {
            t = (t - 1.0) / dt;
            return t * t + t + t + 1.0;
        }
        return 0.0;
    }
};

// Plucked string (Karplus–Strong with a fractional delay and a damping filter).
class PluckedString {
public:
    PluckedString(double hz, double brightness, double decaySeconds, Random& random,
                  double pickPosition = 0.2) {
        double period = sampleRate / hz;
        length = size_t(period);
        fraction = period - double(length);
        line.assign(length + 2, 0.0f);
        // Excitation: filtered noise with a comb for the picking position.
        OnePole tone(500.0 + 9000.0 * brightness);
        std::vector<double> burst(line.size());
        for (auto& v : burst) v = tone.Low(random.Bipolar());
        size_t pick = std::max<size_t>(1, size_t(pickPosition * double(length)));
        for (size_t i = 0; i < line.size(); ++i)
            line[i] = float(burst[i] - (i >= pick ? burst[i - pick] : 0.0));
        // Loss per period so that the string falls by 60 dB in decaySeconds.
        loss = std::pow(10.0, -3.0 / (decaySeconds * hz));
        damping = 0.15 + 0.35 * (1.0 - brightness);
    }
    double Tick() {
        size_t next = (index + 1) % line.size();
        double a = line[index], b = line[next];
        double delayed = a + (b - a) * fraction;
        double filtered = (1.0 - damping) * delayed + damping * last;
        last = filtered;
        double out = line[index];
        line[index] = float(filtered * loss);
        index = next;
        return out;
    }

private:
    std::vector<float> line;
    size_t length = 0, index = 0;
    double fraction = 0, loss = 0.999, damping = 0.3, last = 0;
};

// A small stereo room: parallel combs into series allpasses per side.
class Reverb {
public:
    Reverb(double roomSize, double damping, double width);
    // Adds the reverberated input to left and right.
    void Process(const Buffer& input, Buffer& left, Buffer& right, double wet);

private:
    struct Comb {
        std::vector<float> line;
        size_t index = 0;
        float store = 0;
    };
    struct Allpass {
        std::vector<float> line;
        size_t index = 0;
    };
    std::vector<Comb> combs[2];
    std::vector<Allpass> allpasses[2];
    float feedback, damp, widthValue;
};

inline Reverb::Reverb(double roomSize, double damping, double width)
    : feedback(float(0.7 + 0.28 * roomSize)), damp(float(damping)), widthValue(float(width)) {
    const int combLengths[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    const int allpassLengths[] = {556, 441, 341, 225};
    for (int side = 0; side < 2; ++side) {
        int spread = side * 23;
        for (int n : combLengths) combs[side].push_back({std::vector<float>(size_t(n + spread)), 0, 0});
        for (int n : allpassLengths) allpasses[side].push_back({std::vector<float>(size_t(n + spread)), 0});
    }
}

inline void Reverb::Process(const Buffer& input, Buffer& left, Buffer& right, double wet) {
    for (size_t i = 0; i < input.size(); ++i) {
        float x = input[i] * 0.015f;
        float out[2];
        for (int side = 0; side < 2; ++side) {
            float sum = 0;
            for (Comb& c : combs[side]) {
                float y = c.line[c.index];
                c.store = y * (1 - damp) + c.store * damp;
                c.line[c.index] = x + c.store * feedback;
                if (++c.index == c.line.size()) c.index = 0;
                sum += y;
            }
            for (Allpass& a : allpasses[side]) {
                float buffered = a.line[a.index];
                float y = -sum + buffered;
                a.line[a.index] = sum + buffered * 0.5f;
                if (++a.index == a.line.size()) a.index = 0;
                sum = y;
            }
            out[side] = sum;
        }
        float mid = (out[0] + out[1]) * 0.5f, side = (out[0] - out[1]) * 0.5f * widthValue;
        left[i] += float(wet) * (mid + side);
        right[i] += float(wet) * (mid - side);
    }
}

// Removes any DC with a gentle high-pass at 20 Hz, run forwards and backwards
// so that it adds no phase shift, then subtracts the remaining mean.
inline void RemoveDc(Buffer& buffer) {
    for (int pass = 0; pass < 2; ++pass) {
        OnePole lp(20.0);
        if (pass == 0)
            for (auto& v : buffer) v = float(v - lp.Low(v));
        else
            for (auto it = buffer.rbegin(); it != buffer.rend(); ++it) *it = float(*it - lp.Low(*it));
    }
    double mean = 0;
    for (float v : buffer) mean += v;
    if (!buffer.empty()) mean /= double(buffer.size());
    for (auto& v : buffer) v = float(v - mean);
}

inline double Peak(const Buffer& buffer) {
    double peak = 0;
    for (float v : buffer) peak = std::max(peak, double(std::fabs(v)));
    return peak;
}

inline void Scale(Buffer& buffer, double gain) {
    for (auto& v : buffer) v = float(v * gain);
}

inline void NormalizeTo(Buffer& buffer, double peakDb) {
    double peak = Peak(buffer);
    if (peak > 0) Scale(buffer, DbToGain(peakDb) / peak);
}

// Short raised-cosine fades at both ends so a sound never starts or stops with a jump.
inline void FadeEdges(Buffer& buffer, double inSeconds, double outSeconds) {
    size_t in = std::min(buffer.size(), Samples(inSeconds));
    size_t out = std::min(buffer.size(), Samples(outSeconds));
    for (size_t i = 0; i < in; ++i) buffer[i] *= float(FadeIn(double(i), double(in)));
    for (size_t i = 0; i < out; ++i)
        buffer[buffer.size() - 1 - i] *= float(FadeIn(double(i), double(out)));
}

} // namespace dsp
