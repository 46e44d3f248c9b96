// SPDX-License-Identifier: GPL-3.0-or-later
#include "Effects.h"

#include <functional>

namespace effects {

using namespace dsp;

namespace {

Buffer Silence(double seconds) { return Buffer(Samples(seconds), 0.0f); }

// Adds a sine whose frequency and amplitude follow functions of the time since
// its start (in seconds).
void AddSweep(Buffer& out, double start, double length, const std::function<double(double)>& hz,
              const std::function<double(double)>& amplitude, double phase = 0.0) {
    size_t first = Samples(start);
    size_t count = Samples(length);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        double t = double(i) / sampleRate;
        phase += twoPi * hz(t) / sampleRate;
        out[first + i] += float(amplitude(t) * std::sin(phase));
    }
}

// A struck resonance: a decaying sine.
void AddMode(Buffer& out, double start, double hz, double amplitude, double decay) {
    AddSweep(out, start, decay * 7.0, [=](double) { return hz; },
             [=](double t) { return amplitude * Percussive(t, 0.0005, decay); });
}

// Filtered noise with a percussive envelope.
void AddNoiseBurst(Buffer& out, Random& random, double start, double amplitude, double attack,
                   double decay, double lowHz, double highHz) {
    Svf high, low;
    high.Set(lowHz, 0.7);
    low.Set(highHz, 0.7);
    size_t first = Samples(start);
    size_t count = Samples(attack + decay * 7.0);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        double t = double(i) / sampleRate;
        double v = low.Low(high.High(random.Bipolar()));
        out[first + i] += float(amplitude * Percussive(t, attack, decay) * v);
    }
}

// Adds a mono room to a sound (the two reverb sides summed).
void AddRoom(Buffer& out, double size, double damping, double wet) {
    Buffer left(out.size(), 0.0f), right(out.size(), 0.0f);
    Reverb room(size, damping, 1.0);
    room.Process(out, left, right, 1.0);
    for (size_t i = 0; i < out.size(); ++i) out[i] += float(wet * 0.5 * (left[i] + right[i]));
}

// Formant filtering for voice-like sounds: three band-passes whose centres
// follow the given functions of time.
Buffer Formants(const Buffer& source, const std::function<double(double)>& f1,
                const std::function<double(double)>& f2, const std::function<double(double)>& f3) {
    Buffer out(source.size(), 0.0f);
    Svf a, b, c;
    for (size_t i = 0; i < source.size(); ++i) {
        double t = double(i) / sampleRate;
        a.Set(f1(t), 6.0);
        b.Set(f2(t), 8.0);
        c.Set(f3(t), 10.0);
        out[i] = float(a.Band(source[i]) + 0.6 * b.Band(source[i]) + 0.25 * c.Band(source[i]));
    }
    return out;
}

Buffer Finish(Buffer sound, double peakDb) {
    RemoveDc(sound);
    FadeEdges(sound, 0.002, 0.02);
    NormalizeTo(sound, peakDb);
    return sound;
}

// --- The interface sounds ---------------------------------------------------

Buffer MenuClick() {
    Random random(11);
    Buffer s = Silence(0.08);
    AddMode(s, 0.0, 2200.0, 0.6, 0.006);
    AddMode(s, 0.0, 1150.0, 0.5, 0.012);
    AddNoiseBurst(s, random, 0.0, 0.4, 0.0003, 0.002, 1500, 8000);
    return Finish(s, -6.0);
}

Buffer GameClick() {
    Random random(12);
    Buffer s = Silence(0.09);
    AddMode(s, 0.0, 880.0, 0.7, 0.011);
    AddMode(s, 0.0, 2450.0, 0.35, 0.005);
    AddNoiseBurst(s, random, 0.0, 0.3, 0.0003, 0.003, 600, 5000);
    return Finish(s, -6.0);
}

Buffer CardSlide() {
    Random random(13);
    Buffer s = Silence(0.2);
    // The card's face brushing over the cloth: soft band-limited noise that swells and fades.
    Svf band, low;
    band.Set(2600.0, 0.8);
    low.Set(6000.0, 0.6);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / sampleRate;
        double envelope = FadeIn(t, 0.05) * std::exp(-std::max(0.0, t - 0.05) / 0.04);
        s[i] = float(envelope * low.Low(band.Band(random.Bipolar())));
    }
    // and the light tap as it settles.
    AddMode(s, 0.11, 1400.0, 0.12, 0.006);
    AddNoiseBurst(s, random, 0.11, 0.08, 0.0005, 0.004, 800, 4000);
    return Finish(s, -9.0);
}

Buffer ErrorThud() {
    Random random(14);
    Buffer s = Silence(0.35);
    AddSweep(s, 0.0, 0.35, [](double t) { return 70.0 + 45.0 * std::exp(-t / 0.05); },
             [](double t) { return Percussive(t, 0.002, 0.09); });
    AddSweep(s, 0.0, 0.2, [](double t) { return 2.0 * (70.0 + 45.0 * std::exp(-t / 0.05)); },
             [](double t) { return 0.3 * Percussive(t, 0.002, 0.04); });
    AddNoiseBurst(s, random, 0.0, 0.35, 0.001, 0.02, 60, 900);
    return Finish(s, -4.0);
}

Buffer WinFanfare() {
    Random random(15);
    Buffer s = Silence(3.4);
    // A small brass section: saws through a filter that opens with each note.
    auto brass = [&](double start, double midi, double length, double amplitude) {
        Saw saw1, saw2;
        saw2.phase = 0.37;
        Svf filter;
        size_t first = Samples(start);
        size_t count = Samples(length + 0.5);
        double hz = MidiToHz(midi);
        for (size_t i = 0; i < count && first + i < s.size(); ++i) {
            double t = double(i) / sampleRate;
            double attack = FadeIn(t, 0.03);
            double release = t < length ? 1.0 : std::exp(-(t - length) / 0.12);
            double vibrato = 1.0 + 0.004 * FadeIn(t, 0.4) * std::sin(twoPi * 5.5 * t);
            filter.Set(hz * (2.0 + 5.0 * std::exp(-t / 0.15) + 1.5 * attack), 0.9);
            double v = saw1.Tick(hz * vibrato) + saw2.Tick(hz * vibrato * 1.003);
            s[first + i] += float(amplitude * attack * release * filter.Low(v));
        }
    };
    const double triplet = 0.13;
    brass(0.00, 67, triplet * 0.9, 0.5);  // G4
    brass(triplet, 72, triplet * 0.9, 0.5); // C5
    brass(2 * triplet, 76, triplet * 0.9, 0.5); // E5
    brass(3 * triplet, 79, 0.45, 0.55);   // G5
    brass(3 * triplet + 0.5, 76, 0.16, 0.45);
    brass(3 * triplet + 0.68, 79, 1.5, 0.55);
    for (double midi : {60.0, 64.0, 67.0, 72.0}) brass(3 * triplet + 0.68, midi, 1.5, 0.22);
    // A bright chime on the last chord.
    for (double midi : {84.0, 88.0, 91.0})
        AddMode(s, 3 * triplet + 0.68, MidiToHz(midi), 0.08, 0.5);
    AddNoiseBurst(s, random, 3 * triplet + 0.68, 0.1, 0.002, 0.25, 3000, 12000);
    AddRoom(s, 0.6, 0.4, 0.5);
    return Finish(s, -1.5);
}

// --- The jungle ---------------------------------------------------------------

// The quiet insect bed under every ambience: a shimmering band of noise.
void AddInsects(Buffer& s, Random& random, double centreHz, double pulseHz, double amplitude) {
    Svf band;
    band.Set(centreHz, 4.0);
    double length = double(s.size()) / sampleRate;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / sampleRate;
        double swell = FadeIn(t, 0.8) * FadeIn(length - t, 0.8);
        double pulse = 0.6 + 0.4 * std::sin(twoPi * pulseHz * t);
        s[i] += float(amplitude * swell * pulse * band.Band(random.Bipolar()));
    }
}

void Chirp(Buffer& s, double start, double length, double fromHz, double toHz, double amplitude,
           double trillHz = 0.0, double trillDepth = 0.0) {
    AddSweep(
        s, start, length,
        [=](double t) {
            double x = t / length;
            return fromHz + (toHz - fromHz) * x + trillDepth * std::sin(twoPi * trillHz * t);
        },
        [=](double t) { return amplitude * FadeIn(t, 0.015) * FadeIn(length - t, 0.03); });
}

Buffer Ambience(int variant) {
    Random random(uint32_t(100 + variant));
    Buffer s = Silence(4.0);
    AddInsects(s, random, 4200.0 + 300.0 * variant, 28.0 + 3.0 * variant, 0.05);
    switch (variant) {
    case 0: // a two-note whistler, twice
        for (double at : {0.5, 1.6}) {
            Chirp(s, at, 0.22, 2500, 3200, 0.35);
            Chirp(s, at + 0.28, 0.35, 2900, 2200, 0.3);
        }
        break;
    case 1: // a trilling bird
        for (double at : {0.4, 1.7}) Chirp(s, at, 0.8, 3600, 3300, 0.25, 24.0, 380.0);
        break;
    case 2: // a distant dove: hoo-hoo-hoo
        for (double at : {0.5, 1.0, 1.35, 1.7})
            AddSweep(s, at, 0.3, [](double t) { return 430.0 + 30.0 * std::sin(pi * t / 0.3); },
                     [](double t) { return 0.4 * FadeIn(t, 0.06) * FadeIn(0.3 - t, 0.12); });
        break;
    case 3: // a cuckoo-like call
        for (double at : {0.4, 1.3, 2.2}) {
            Chirp(s, at, 0.18, MidiToHz(76), MidiToHz(76) * 0.98, 0.3);
            Chirp(s, at + 0.24, 0.3, MidiToHz(72), MidiToHz(72) * 0.97, 0.3);
        }
        break;
    case 4: // a swelling cicada
        for (size_t i = Samples(0.3); i < Samples(3.2); ++i) {
            double t = double(i) / sampleRate - 0.3;
            double swell = FadeIn(t, 1.2) * FadeIn(2.9 - t, 0.6);
            double buzz = 0.5 + 0.5 * std::sin(twoPi * 170.0 * t);
            s[i] += float(0.2 * swell * buzz * buzz * std::sin(twoPi * 5600.0 * t + 3.0 * std::sin(twoPi * 170.0 * t)));
        }
        break;
    case 5: // a cascade of falling chirps
        for (int n = 0; n < 7; ++n) {
            double at = 0.5 + n * 0.16;
            double top = 3800.0 - n * 220.0;
            Chirp(s, at, 0.11, top, top - 700.0, 0.28 - n * 0.02);
        }
        break;
    case 6: // tree frogs calling to each other
        for (int n = 0; n < 12; ++n) {
            double at = 0.3 + n * 0.22 + (n % 3) * 0.03;
            double hz = n % 2 ? 2100.0 : 2400.0;
            AddSweep(s, at, 0.06, [=](double) { return hz; },
                     [=](double t) { return 0.22 * std::sin(pi * t / 0.06) * (0.6 + 0.4 * std::sin(twoPi * 90.0 * t)); });
        }
        break;
    default: // a woodpecker far away
        for (double at : {0.6, 2.0})
            for (int n = 0; n < 12; ++n)
                AddNoiseBurst(s, random, at + n * 0.055, 0.5 * (1.0 - n * 0.05), 0.0005, 0.006, 900, 2600);
        break;
    }
    AddRoom(s, 0.75, 0.5, 0.6);
    return Finish(s, -8.0);
}

Buffer SpiderDrop() {
    Buffer s = Silence(0.5);
    // Sliding down its thread …
    AddSweep(s, 0.0, 0.28, [](double t) { return 1900.0 * std::exp(-t / 0.12) + 350.0 + 40.0 * std::sin(twoPi * 30.0 * t); },
             [](double t) { return 0.5 * FadeIn(t, 0.01) * FadeIn(0.28 - t, 0.03); });
    // … and bouncing on it.
    AddSweep(s, 0.27, 0.22, [](double t) { return 320.0 + 60.0 * std::sin(twoPi * 14.0 * t); },
             [](double t) { return 0.35 * Percussive(t, 0.005, 0.06); });
    return Finish(s, -7.0);
}

Buffer FrogJump() {
    Random random(205);
    Buffer s = Silence(0.8);
    AddSweep(s, 0.0, 0.45,
             [](double t) { return t < 0.12 ? 200.0 + 3500.0 * t : 620.0 + 90.0 * std::sin(twoPi * 11.0 * t) * std::exp(-(t - 0.12) / 0.15); },
             [](double t) { return 0.45 * FadeIn(t, 0.01) * Percussive(t, 0.01, 0.18); });
    // The soft landing.
    AddSweep(s, 0.5, 0.2, [](double t) { return 160.0 - 200.0 * t; },
             [](double t) { return 0.6 * Percussive(t, 0.002, 0.04); });
    AddNoiseBurst(s, random, 0.5, 0.15, 0.001, 0.02, 200, 2000);
    return Finish(s, -5.0);
}

// A croak: a train of glottal pulses through frog-mouth formants.
Buffer Croak(int variant) {
    Random random(uint32_t(300 + variant));
    Buffer source = Silence(0.6);
    auto syllable = [&](double start, double length, double pulseHz) {
        double next = 0.0;
        for (double t = 0.0; t < length; t = next) {
            double hz = pulseHz * (1.0 + 0.15 * t / length);
            next = t + 1.0 / hz;
            double envelope = std::sin(pi * t / length);
            AddMode(source, start + t, 900.0, envelope * 0.8, 0.0025);
            AddNoiseBurst(source, random, start + t, envelope * 0.2, 0.0002, 0.002, 300, 3000);
        }
    };
    double f1, f2;
    if (variant == 0) { // "rib-bit"
        syllable(0.02, 0.13, 42.0);
        syllable(0.2, 0.15, 48.0);
        f1 = 500.0;
        f2 = 1300.0;
    } else { // a deeper single "grumph"
        syllable(0.02, 0.38, 28.0);
        f1 = 320.0;
        f2 = 850.0;
    }
    Buffer s = Formants(source, [=](double) { return f1; }, [=](double t) { return f2 + 200.0 * std::sin(pi * t / 0.4); },
                        [](double) { return 2400.0; });
    for (size_t i = 0; i < s.size(); ++i) s[i] += 0.3f * source[i];
    return Finish(s, -4.0);
}

// Chomping: a few crunchy bites of crackling noise.
void AddChomps(Buffer& s, Random& random, double start, int bites) {
    for (int b = 0; b < bites; ++b) {
        double at = start + b * 0.19;
        AddNoiseBurst(s, random, at, 0.5, 0.004, 0.035, 900, 3500);
        for (int c = 0; c < 14; ++c)
            AddNoiseBurst(s, random, at + random.Range(0.0, 0.07), random.Range(0.1, 0.35), 0.0002,
                          0.002, 2000, 7000);
    }
}

// A small monkey voice: a high glottal buzz gliding between vowels.
void AddMonkeyVoice(Buffer& s, double start, double length, double fromHz, double toHz,
                    double vowelFrom, double vowelTo, double amplitude) {
    Buffer source(s.size(), 0.0f);
    Saw saw;
    size_t first = Samples(start);
    size_t count = Samples(length);
    for (size_t i = 0; i < count && first + i < s.size(); ++i) {
        double t = double(i) / sampleRate;
        double x = t / length;
        double hz = fromHz + (toHz - fromHz) * std::sin(pi * 0.5 * x);
        source[first + i] = float(std::sin(pi * x) * saw.Tick(hz * (1.0 + 0.02 * std::sin(twoPi * 7 * t))));
    }
    // vowel 0 is "oo", 1 is "aa"
    auto f1 = [=](double t) {
        double x = std::clamp((t - start) / length, 0.0, 1.0);
        double v = vowelFrom + (vowelTo - vowelFrom) * x;
        return 350.0 + 550.0 * v;
    };
    auto f2 = [=](double t) {
        double x = std::clamp((t - start) / length, 0.0, 1.0);
        double v = vowelFrom + (vowelTo - vowelFrom) * x;
        return 900.0 + 800.0 * v;
    };
    Buffer voice = Formants(source, f1, f2, [](double) { return 2800.0; });
    for (size_t i = 0; i < s.size(); ++i) s[i] += float(amplitude * voice[i]);
}

Buffer MonkeyEats(int variant) {
    Random random(uint32_t(400 + variant));
    Buffer s = Silence(1.8);
    switch (variant) {
    case 0:
        AddChomps(s, random, 0.05, 4);
        AddMonkeyVoice(s, 0.95, 0.22, 520, 600, 0.0, 0.2, 1.2);
        AddMonkeyVoice(s, 1.25, 0.3, 560, 480, 0.1, 0.0, 1.2);
        break;
    case 1:
        AddMonkeyVoice(s, 0.05, 0.18, 650, 780, 0.0, 0.3, 1.3);
        AddMonkeyVoice(s, 0.3, 0.18, 680, 820, 0.0, 0.3, 1.3);
        AddChomps(s, random, 0.65, 5);
        break;
    default:
        AddChomps(s, random, 0.05, 3);
        AddMonkeyVoice(s, 0.7, 0.16, 600, 720, 0.0, 0.4, 1.2);
        AddMonkeyVoice(s, 0.92, 0.45, 760, 900, 0.3, 1.0, 1.4);
        break;
    }
    AddRoom(s, 0.4, 0.6, 0.3);
    return Finish(s, -4.0);
}

// --- The saloon -----------------------------------------------------------------

Buffer Shot() {
    Random random(2);
    Buffer s = Silence(1.3);
    AddNoiseBurst(s, random, 0.0, 1.0, 0.0005, 0.012, 200, 7000);
    AddSweep(s, 0.0, 0.6, [](double t) { return 45.0 + 40.0 * std::exp(-t / 0.05); },
             [](double t) { return 0.9 * Percussive(t, 0.001, 0.12); });
    AddNoiseBurst(s, random, 0.0, 0.5, 0.002, 0.07, 80, 1200);
    AddRoom(s, 0.7, 0.35, 0.8);
    return Finish(s, -1.0);
}

Buffer Glass() {
    Random random(306);
    Buffer s = Silence(1.2);
    AddNoiseBurst(s, random, 0.0, 0.6, 0.0003, 0.006, 2000, 12000);
    for (int n = 0; n < 45; ++n) {
        double at = 0.005 + 0.6 * std::pow(random.Uniform(), 1.8);
        double amplitude = 0.25 * (1.0 - at / 0.8) * random.Range(0.4, 1.0);
        double base = random.Range(3000.0, 8500.0);
        AddMode(s, at, base, amplitude, random.Range(0.015, 0.07));
        AddMode(s, at, base * random.Range(1.4, 1.9), amplitude * 0.5, random.Range(0.01, 0.04));
        AddNoiseBurst(s, random, at, amplitude * 0.4, 0.0002, 0.002, 4000, 14000);
    }
    AddRoom(s, 0.5, 0.3, 0.35);
    return Finish(s, -3.0);
}

void Knock(Buffer& s, Random& random, double at, double amplitude) {
    AddMode(s, at, 175.0, amplitude, 0.04);
    AddMode(s, at, 410.0, amplitude * 0.6, 0.025);
    AddMode(s, at, 1080.0, amplitude * 0.25, 0.01);
    AddNoiseBurst(s, random, at, amplitude * 0.5, 0.0003, 0.003, 300, 3000);
}

Buffer KnockKnock() {
    Random random(307);
    Buffer s = Silence(0.65);
    Knock(s, random, 0.01, 1.0);
    Knock(s, random, 0.24, 0.9);
    AddRoom(s, 0.3, 0.6, 0.25);
    return Finish(s, -3.0);
}

Buffer SaloonDoor() {
    Random random(305);
    Buffer source = Silence(1.7);
    // The hinge: stick-slip friction, a train of small impulses whose rate wanders.
    double t = 0.0;
    while (t < 0.85) {
        double rate = 55.0 + 70.0 * std::sin(pi * t / 0.85) + 15.0 * std::sin(twoPi * 3.0 * t);
        double envelope = FadeIn(t, 0.1) * FadeIn(0.85 - t, 0.15);
        size_t i = Samples(t);
        if (i < source.size()) source[i] += float(envelope * random.Range(0.7, 1.0));
        t += 1.0 / rate;
    }
    Buffer s = Formants(source, [](double) { return 720.0; }, [](double) { return 1550.0; },
                        [](double) { return 2700.0; });
    Scale(s, 6.0);
    // The two wings flapping shut.
    Knock(s, random, 0.95, 0.35);
    Knock(s, random, 1.25, 0.22);
    Knock(s, random, 1.45, 0.12);
    AddRoom(s, 0.5, 0.5, 0.3);
    return Finish(s, -3.0);
}

// Four short guitar phrases with the rhythm and the melody of speech; a
// moving band-pass gives each syllable its vowel ("talking guitar").
struct Syllable {
    double at;
    double midi;
    double vowelHz;
};

Buffer GuitarPhrase(int variant) {
    Random random(uint32_t(200 + variant));
    static const std::vector<std::vector<Syllable>> phrases = {
        {{0.0, 64, 500}, {0.22, 69, 800}, {0.3, 71, 800}},                       // "¡Ho-la!"
        {{0.0, 69, 800}, {0.45, 72, 800}, {0.58, 76, 800}, {0.74, 69, 800}},     // "¡Ay, ca-ram-ba!"
        {{0.0, 67, 1800}, {0.16, 69, 500}, {0.34, 71, 2300}, {0.5, 67, 800}},    // "Bue-nos dí-as"
        {{0.0, 64, 500}, {0.25, 71, 1800}},                                       // "¡O-lé!"
    };
    const auto& phrase = phrases[size_t(variant)];
    Buffer dry = Silence(2.0);
    for (const Syllable& syllable : phrase) {
        PluckedString string(MidiToHz(syllable.midi), 0.6, 1.6, random, 0.18);
        size_t first = Samples(syllable.at);
        for (size_t i = first; i < dry.size(); ++i) dry[i] += float(0.6 * string.Tick());
    }
    if (variant == 3) {
        // ending on a quick strum of E major, like a flourish
        const double chord[] = {40, 47, 52, 56, 59, 64};
        for (int n = 0; n < 6; ++n) {
            PluckedString string(MidiToHz(chord[n]), 0.5, 1.4, random, 0.2);
            size_t first = Samples(0.5 + n * 0.012);
            for (size_t i = first; i < dry.size(); ++i) dry[i] += float(0.35 * string.Tick());
        }
    }
    // The vowel of each syllable holds until the next one begins.
    auto vowel = [&](double t) {
        double hz = phrase.front().vowelHz;
        for (const Syllable& syllable : phrase)
            if (t >= syllable.at) hz = syllable.vowelHz;
        return hz;
    };
    Svf band;
    Buffer s(dry.size(), 0.0f);
    double smoothed = vowel(0);
    for (size_t i = 0; i < dry.size(); ++i) {
        double t = double(i) / sampleRate;
        smoothed += (vowel(t) - smoothed) * 0.002;
        band.Set(smoothed, 2.5);
        s[i] = float(0.55 * dry[i] + 1.2 * band.Band(dry[i]));
    }
    // The guitar body.
    Svf body;
    body.Set(110.0, 2.0);
    for (auto& v : s) v = float(v + 0.3 * body.Band(v));
    AddRoom(s, 0.45, 0.5, 0.3);
    return Finish(s, -3.0);
}

} // namespace

std::vector<Effect> MakeAll() {
    std::vector<Effect> all;
    all.push_back({"Sounds/klick_menu.wav", MenuClick()});
    all.push_back({"Sounds/klick_game.wav", GameClick()});
    all.push_back({"Sounds/western/shot.wav", Shot()});
    for (int i = 0; i < 8; ++i)
        all.push_back({"Sounds/dschungel/ambient" + std::to_string(i) + ".wav", Ambience(i)});
    for (int i = 0; i < 4; ++i)
        all.push_back({"Sounds/western/mexikaner" + std::to_string(i) + ".wav", GuitarPhrase(i)});
    all.push_back({"Sounds/dschungel/spinne_spring.wav", SpiderDrop()});
    all.push_back({"Sounds/dschungel/frosch_spring.wav", FrogJump()});
    all.push_back({"Sounds/dschungel/frosch_quack0.wav", Croak(0)});
    all.push_back({"Sounds/dschungel/frosch_quack1.wav", Croak(1)});
    all.push_back({"Sounds/karten_move.wav", CardSlide()});
    all.push_back({"Sounds/karten_fehler.wav", ErrorThud()});
    all.push_back({"Sounds/win.wav", WinFanfare()});
    all.push_back({"Sounds/western/t\xC3\xBCr.wav", SaloonDoor()});
    all.push_back({"Sounds/western/glass.wav", Glass()});
    all.push_back({"Sounds/western/pochpoch.wav", KnockKnock()});
    for (int i = 0; i < 3; ++i)
        all.push_back({"Sounds/dschungel/affe_eat" + std::to_string(i) + ".wav", MonkeyEats(i)});
    return all;
}

} // namespace effects
