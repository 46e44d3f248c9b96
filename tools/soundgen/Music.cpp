// SPDX-License-Identifier: GPL-3.0-or-later
#include "Music.h"

#include "Instruments.h"

#include <algorithm>

namespace music {

using namespace dsp;

namespace {

// A chord as semitones above the key's tonic and its own intervals.
struct Chord {
    int root;
    std::vector<int> intervals; // above the root, e.g. {0, 4, 7}
};

Chord Major(int root) { return {root, {0, 4, 7}}; }
Chord Minor(int root) { return {root, {0, 3, 7}}; }
Chord Dom7(int root) { return {root, {0, 4, 7, 10}}; }

struct Song {
    double bpm;
    int beatsPerBar;
    int tonic; // midi note of the key
    std::vector<Chord> bars; // one chord per bar
    double Beat() const { return 60.0 / bpm; }
    double Bar() const { return Beat() * beatsPerBar; }
    double Length() const { return Bar() * double(bars.size()); }
    double At(int bar, double beat) const { return (double(bar) * beatsPerBar + beat) * Beat(); }
    // The chord's notes placed around a given register.
    std::vector<double> Voicing(int bar, int low) const {
        const Chord& c = bars[size_t(bar)];
        std::vector<double> notes;
        for (int interval : c.intervals) {
            int midi = tonic + c.root + interval;
            while (midi < low) midi += 12;
            while (midi >= low + 12) midi -= 12;
            notes.push_back(midi);
        }
        std::sort(notes.begin(), notes.end());
        return notes;
    }
    int Root(int bar, int low) const {
        int midi = tonic + bars[size_t(bar)].root;
        while (midi < low) midi += 12;
        while (midi >= low + 12) midi -= 12;
        return midi;
    }
};

std::vector<Chord> Repeat(const std::vector<Chord>& cycle, int times) {
    std::vector<Chord> out;
    for (int i = 0; i < times; ++i) out.insert(out.end(), cycle.begin(), cycle.end());
    return out;
}

// --- Melody --------------------------------------------------------------------

struct Note {
    double beat;   // from the start of the phrase
    double length; // in beats
    double midi;
};

// Makes a melody over a run of bars: a two-bar motif of rhythm and contour is
// stated, repeated over the next chords and answered, and each phrase of four
// bars closes on a long chord tone. Strong beats land on chord tones.
std::vector<Note> Melody(const Song& song, int firstBar, int barCount, const std::vector<int>& scale,
                         int low, int high, Random& random,
                         const std::vector<std::vector<std::pair<double, double>>>& rhythms) {
    std::vector<Note> notes;
    auto inScale = [&](int midi) {
        int degree = ((midi - song.tonic) % 12 + 12) % 12;
        return std::find(scale.begin(), scale.end(), degree) != scale.end();
    };
    auto step = [&](int midi, int direction) {
        do midi += direction;
        while (!inScale(midi));
        return midi;
    };
    auto nearestChordTone = [&](int midi, int bar) {
        const Chord& chord = song.bars[size_t(bar)];
        int best = midi, bestDistance = 99;
        for (int candidate = midi - 6; candidate <= midi + 6; ++candidate) {
            int degree = ((candidate - song.tonic - chord.root) % 12 + 12) % 12;
            if (std::find(chord.intervals.begin(), chord.intervals.end(), degree) == chord.intervals.end())
                continue;
            if (candidate < low || candidate > high) continue;
            int distance = std::abs(candidate - midi);
            if (distance < bestDistance) best = candidate, bestDistance = distance;
        }
        return best;
    };

    // The motif: a rhythm of two bars and a contour of steps.
    const auto& rhythm = rhythms[size_t(random.Below(int(rhythms.size())))];
    const auto& answerRhythm = rhythms[size_t(random.Below(int(rhythms.size())))];
    std::vector<int> contour, answerContour;
    for (size_t i = 0; i < 16; ++i) {
        contour.push_back(random.Below(5) - 2);
        answerContour.push_back(random.Below(5) - 2);
    }
    int current = nearestChordTone((low + high) / 2, firstBar);
    for (int pair = 0; pair * 2 < barCount; ++pair) {
        bool answer = pair % 2 == 1;
        bool cadence = pair % 2 == 1;
        const auto& r = answer ? answerRhythm : rhythm;
        const auto& c = answer ? answerContour : contour;
        double pairStart = double(pair * 2 * song.beatsPerBar);
        for (size_t i = 0; i < r.size(); ++i) {
            double beat = r[i].first;
            double length = r[i].second;
            int bar = firstBar + pair * 2 + int(beat) / song.beatsPerBar;
            if (bar >= firstBar + barCount) break;
            int move = c[i % c.size()];
            for (int s = 0; s < std::abs(move); ++s) current = step(current, move > 0 ? 1 : -1);
            if (current > high) current = step(step(current, -1), -1);
            if (current < low) current = step(step(current, 1), 1);
            double withinBar = std::fmod(beat, double(song.beatsPerBar));
            bool strong = std::fmod(withinBar, 2.0) < 1e-6;
            if (strong) current = nearestChordTone(current, bar);
            notes.push_back({pairStart + beat, length, double(current)});
        }
        if (cadence) {
            // Close the phrase on a held chord tone at the start of its last bar.
            int bar = firstBar + pair * 2 + 1;
            if (bar < firstBar + barCount) {
                double beat = pairStart + song.beatsPerBar;
                while (!notes.empty() && notes.back().beat >= beat) notes.pop_back();
                int root = song.tonic + song.bars[size_t(bar)].root;
                int target = nearestChordTone(current, bar);
                if (random.Below(2) == 0) {
                    while (root < low) root += 12;
                    if (root <= high) target = root;
                }
                current = target;
                notes.push_back({beat, double(song.beatsPerBar) * 0.75, double(current)});
            }
        }
    }
    return notes;
}

// Rhythms of two bars in 4/4: (beat, length).
const std::vector<std::vector<std::pair<double, double>>> calmRhythms = {
    {{0, 1.5}, {1.5, 0.5}, {2, 1}, {3, 1}, {4, 2}, {6, 1}, {7, 1}},
    {{0, 1}, {1, 1}, {2, 2}, {4, 0.5}, {4.5, 0.5}, {5, 1}, {6, 2}},
    {{0, 2}, {2, 1}, {3, 1}, {4, 1.5}, {5.5, 0.5}, {6, 2}},
    {{0.5, 0.5}, {1, 1}, {2, 1.5}, {3.5, 0.5}, {4, 3}},
};
const std::vector<std::vector<std::pair<double, double>>> busyRhythms = {
    {{0, 0.5}, {0.5, 0.5}, {1, 1}, {2, 0.5}, {2.5, 0.5}, {3, 1}, {4, 1.5}, {5.5, 0.5}, {6, 2}},
    {{0, 0.75}, {0.75, 0.75}, {1.5, 0.5}, {2, 1}, {3, 1}, {4, 0.5}, {4.5, 0.5}, {5, 0.5}, {5.5, 0.5}, {6, 2}},
    {{0, 1}, {1, 0.5}, {1.5, 0.5}, {2, 1}, {3, 0.5}, {3.5, 0.5}, {4, 2}, {6, 1}, {7, 1}},
};
const std::vector<std::vector<std::pair<double, double>>> waltzRhythms = {
    {{0, 2}, {2, 1}, {3, 1}, {4, 1}, {5, 1}},
    {{0, 1}, {1, 1}, {2, 1}, {3, 3}},
    {{0, 1.5}, {1.5, 0.5}, {2, 1}, {3, 2}, {5, 1}},
};

const std::vector<int> majorScale = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> majorPentatonic = {0, 2, 4, 7, 9};
const std::vector<int> minorPentatonic = {0, 3, 5, 7, 10};
const std::vector<int> harmonicMinor = {0, 2, 3, 5, 7, 8, 11};
const std::vector<int> naturalMinor = {0, 2, 3, 5, 7, 8, 10};

// --- The pieces -------------------------------------------------------------------

void MenuPiece(const Song& song, Mix& mix, Random& random) {
    Voice keys{-0.25, 0.3, 0.22}, pad{0.0, 0.5, 0.3}, bass{0.0, 0.05, 0.4}, bell{0.3, 0.45, 0.2},
        shaker{0.4, 0.1, 0.05}, kick{0.0, 0.05, 0.35};
    int bars = int(song.bars.size());
    for (int bar = 0; bar < bars; ++bar) {
        std::vector<double> chord = song.Voicing(bar, 57);
        std::vector<double> arp = {chord[0], chord[1], chord[2], chord[0] + 12.0,
                                   chord[2], chord[1], chord[0] + 12.0, chord[1]};
        for (int e = 0; e < 8; ++e)
            ElectricPiano(mix, keys, song.At(bar, e * 0.5), arp[size_t(e)], song.Beat() * 0.9,
                          e % 2 ? 0.55 : 0.75);
        Pad(mix, pad, song.At(bar, 0), song.Voicing(bar, 60), song.Bar() * 0.95);
        int root = song.Root(bar, 41);
        SoftBass(mix, bass, song.At(bar, 0), root, song.Beat() * 1.8, 0.9);
        SoftBass(mix, bass, song.At(bar, 2), root + (bar % 2 ? 7 : 0), song.Beat() * 1.5, 0.7);
        if (bar >= 2) {
            for (int e = 0; e < 8; ++e) Shaker(mix, shaker, song.At(bar, e * 0.5), e % 2 ? 0.6 : 1.0);
            Kick(mix, kick, song.At(bar, 0), 0.8);
        }
    }
    for (int section : {0, 1}) {
        int first = 8 + section * 8;
        auto melody = Melody(song, first, 8, majorScale, 67, 81, random, calmRhythms);
        for (const Note& n : melody)
            Bell(mix, bell, song.At(first, n.beat), n.midi, 0.55);
    }
}

void JunglePiece(int variant, const Song& song, Mix& mix, Random& random) {
    Voice marimba{-0.3, 0.25, 0.35}, kalimba{0.35, 0.3, 0.3}, bass{0.0, 0.05, 0.45},
        flute{0.15, 0.45, 0.28}, pad{0.0, 0.5, 0.18}, shaker{0.5, 0.15, 0.06},
        bongoHigh{0.45, 0.2, 0.3}, bongoLow{-0.4, 0.2, 0.35}, kick{0.0, 0.05, 0.3};
    int bars = int(song.bars.size());
    const std::vector<int>& scale = variant == 2 ? majorPentatonic : minorPentatonic;
    // Ostinato shape of the mallets on sixteenths: a 3+3+2 lilt.
    const int pattern[16] = {0, -1, 2, 1, -1, 2, 0, -1, 1, -1, 2, 3, -1, 1, 2, -1};
    for (int bar = 0; bar < bars; ++bar) {
        bool breakdown = bar >= bars - 8 && bar < bars - 4;
        std::vector<double> chord = song.Voicing(bar, variant == 1 ? 62 : 57);
        chord.push_back(chord[0] + 12.0);
        for (int s = 0; s < 16; ++s) {
            int which = pattern[(s + variant * 3) % 16];
            if (which < 0) continue;
            double when = song.At(bar, s * 0.25);
            double midi = chord[size_t(which) % chord.size()];
            if (variant == 1)
                Bell(mix, kalimba, when, midi, s % 4 == 0 ? 0.6 : 0.42);
            else
                Marimba(mix, marimba, when, midi, s % 4 == 0 ? 0.8 : 0.55);
        }
        if (variant == 1) Pad(mix, pad, song.At(bar, 0), song.Voicing(bar, 55), song.Bar() * 0.95);
        int root = song.Root(bar, 38);
        if (!breakdown) {
            Marimba(mix, bass, song.At(bar, 0), root, 1.0);
            Marimba(mix, bass, song.At(bar, 1.5), root, 0.7);
            Marimba(mix, bass, song.At(bar, 2.5), root + 7, 0.75);
            Kick(mix, kick, song.At(bar, 0), 0.7);
            if (variant != 1) Kick(mix, kick, song.At(bar, 2.5), 0.5);
        }
        // Hand drums and shaker.
        double high = 380.0 + 40.0 * variant, low = 250.0 + 20.0 * variant;
        for (int s = 0; s < 16; ++s) Shaker(mix, shaker, song.At(bar, s * 0.25), s % 2 ? 0.5 : 0.9);
        Bongo(mix, bongoHigh, song.At(bar, 0.5), high, 0.6);
        Bongo(mix, bongoHigh, song.At(bar, 1.75), high, 0.45);
        Bongo(mix, bongoLow, song.At(bar, 2.0), low, 0.7);
        Bongo(mix, bongoHigh, song.At(bar, 3.0), high, 0.5);
        Bongo(mix, bongoLow, song.At(bar, 3.5), low, 0.55);
        if (variant == 2 && bar % 2 == 1) Bongo(mix, bongoHigh, song.At(bar, 3.75), high * 1.1, 0.4);
    }
    // The flute enters after the introduction and rests in the breakdown.
    int melodyStart = 4;
    int melodyEnd = bars - 8;
    for (int first = melodyStart; first + 8 <= melodyEnd; first += 8) {
        auto melody = Melody(song, first, 8, scale, 67, 84, random, variant == 2 ? busyRhythms : calmRhythms);
        for (const Note& n : melody)
            Flute(mix, flute, song.At(first, n.beat), n.midi, n.length * song.Beat() * 0.92, 0.5);
    }
    // A short call of the flute over the breakdown.
    auto call = Melody(song, bars - 8, 4, scale, 72, 86, random, calmRhythms);
    for (const Note& n : call)
        Flute(mix, flute, song.At(bars - 8, n.beat), n.midi, n.length * song.Beat() * 0.9, 0.35);
}

void WesternPiece(int variant, const Song& song, Mix& mix, Random& random) {
    Voice guitar{-0.2, 0.25, 0.5}, bass{0.05, 0.05, 0.55}, lead{0.15, 0.55, 0.3},
        block{0.45, 0.2, 0.25}, brush{0.3, 0.15, 0.12}, kick{0.0, 0.05, 0.3};
    int bars = int(song.bars.size());
    for (int bar = 0; bar < bars; ++bar) {
        std::vector<double> chord = song.Voicing(bar, 55);
        std::vector<double> strum = {chord[0] - 12.0, chord[0], chord[1], chord[2], chord[0] + 12.0};
        int root = song.Root(bar, 40);
        int fifth = root + 7 > 52 ? root - 5 : root + 7;
        if (variant == 1) {
            // A waltz: bass on one, strums on two and three.
            Guitar(mix, bass, song.At(bar, 0), bar % 2 ? fifth : root, song.Beat() * 0.95, 0.9, 0.35);
            Strum(mix, guitar, song.At(bar, 1), strum, song.Beat() * 0.8, 0.6, true);
            Strum(mix, guitar, song.At(bar, 2), strum, song.Beat() * 0.8, 0.5, false);
            Shaker(mix, brush, song.At(bar, 1), 0.5);
            Shaker(mix, brush, song.At(bar, 2), 0.4);
        } else {
            // Boom-chick: bass on one and three, strums between.
            Guitar(mix, bass, song.At(bar, 0), root, song.Beat() * 0.95, 0.9, 0.35);
            Guitar(mix, bass, song.At(bar, 2), fifth, song.Beat() * 0.95, 0.8, 0.35);
            for (double beat : {1.0, 3.0})
                Strum(mix, guitar, song.At(bar, beat), strum, song.Beat() * 0.45, 0.6, true);
            if (variant == 2)
                for (double beat : {1.5, 3.5})
                    Strum(mix, guitar, song.At(bar, beat), strum, song.Beat() * 0.4, 0.4, false);
            if (variant == 0) {
                // The trotting horse: clip-clop on the wood block.
                for (int q = 0; q < 4; ++q) {
                    WoodBlock(mix, block, song.At(bar, q), 950.0, 0.5);
                    WoodBlock(mix, block, song.At(bar, q + 0.5), 720.0, 0.35);
                }
            } else {
                // The train beat of the brushes.
                for (int e = 0; e < 8; ++e)
                    Brush(mix, brush, song.At(bar, e * 0.5), e % 4 == 2 ? 0.9 : 0.45, 0.05);
                Kick(mix, kick, song.At(bar, 0), 0.6);
                Kick(mix, kick, song.At(bar, 2), 0.45);
            }
        }
    }
    // The lead: whistled (1), harmonica (2), or guitar and harmonica taking turns (3).
    const auto& rhythms = variant == 1 ? waltzRhythms : (variant == 2 ? busyRhythms : calmRhythms);
    const std::vector<int>& scale = variant == 2 ? majorScale : harmonicMinor;
    int intro = variant == 1 ? 4 : 2;
    int span = variant == 1 ? 16 : 8;
    int section = 0;
    for (int first = intro; first + span <= bars - (variant == 1 ? 2 : 0); first += span, ++section) {
        auto melody = Melody(song, first, span, scale, variant == 0 ? 69 : 64, variant == 0 ? 86 : 81, random, rhythms);
        double previous = 0;
        for (const Note& n : melody) {
            double when = song.At(first, n.beat);
            double length = n.length * song.Beat() * 0.9;
            if (variant == 0)
                Whistle(mix, lead, when, n.midi, length, 0.45, previous);
            else if (variant == 1 || section % 2 == 0)
                Harmonica(mix, lead, when, n.midi, length, 0.45);
            else
                Guitar(mix, Voice{0.2, 0.35, 0.55}, when, n.midi, length, 0.8, 0.7);
            previous = n.midi;
        }
    }
}

Song SongFor(const std::string& name) {
    if (name == "musik_menu") // F major, calm
        return {84, 4, 53,
                Repeat({Major(0), Minor(9), Major(5), Major(7), Major(0), Minor(4), Major(5), Dom7(7)}, 3)};
    if (name == "jungle1") // D minor
        return {100, 4, 50, Repeat({Minor(0), Minor(0), Major(-2), Major(-4), Minor(0), Major(-2), Major(-4), Major(-2)}, 4)};
    if (name == "jungle2") // G major
        return {92, 4, 55, Repeat({Major(0), Minor(9), Major(5), Major(7)}, 7)};
    if (name == "jungle3") // A minor
        return {112, 4, 57, Repeat({Minor(0), Major(-2), Major(-4), Major(-2), Minor(0), Minor(7), Major(-4), Major(-2)}, 4)};
    if (name == "western1") // E minor, trotting
        return {92, 4, 52, Repeat({Minor(0), Minor(0), Minor(5), Minor(0), Major(8), Major(3), Dom7(7), Minor(0)}, 3)};
    if (name == "western2") // A minor waltz
        return {138, 3, 57,
                Repeat({Minor(0), Minor(0), Minor(5), Minor(5), Dom7(7), Dom7(7), Minor(0), Minor(0),
                        Major(8), Major(10), Major(3), Minor(0), Minor(5), Dom7(7), Minor(0), Dom7(7)}, 3)};
    if (name == "western3") // G major, train beat
        return {116, 4, 55,
                Repeat({Major(0), Major(0), Major(5), Major(0), Major(0), Major(0), Major(7), Major(7),
                        Major(0), Major(0), Major(5), Major(5), Major(0), Major(7), Major(0), Dom7(7)}, 2)};
    return {0, 4, 60, {}};
}

// Renders past the end by the tail of the notes and the room, then folds the
// tail back onto the beginning: what rings over the loop point is heard at the
// start, so the piece continues seamlessly when it is played again.
Track Finish(Mix& mix, double length, double roomSize, double wet) {
    Reverb room(roomSize, 0.45, 0.9);
    room.Process(mix.send, mix.left, mix.right, wet);
    size_t loop = Samples(length);
    Track track;
    for (auto* side : {&mix.left, &mix.right}) {
        Buffer folded(side->begin(), side->begin() + long(loop));
        for (size_t i = loop; i < side->size(); ++i) folded[(i - loop) % loop] += (*side)[i];
        double mean = 0;
        for (float v : folded) mean += v;
        mean /= double(folded.size());
        for (auto& v : folded) v = float(v - mean);
        // Start a little before the first downbeat, so that the fade-in at the
        // start leaves the downbeat itself untouched.
        std::rotate(folded.begin(), folded.end() - long(Samples(0.03)), folded.end());
        (side == &mix.left ? track.left : track.right) = std::move(folded);
    }
    // The player restarts a finished piece after a short pause; gentle edges keep
    // that pause free of clicks.
    FadeEdges(track.left, 0.02, 0.02);
    FadeEdges(track.right, 0.02, 0.02);
    double peak = std::max(Peak(track.left), Peak(track.right));
    double gain = DbToGain(-1.5) / std::max(peak, 1e-9);
    Scale(track.left, gain);
    Scale(track.right, gain);
    return track;
}

} // namespace

std::vector<std::string> TrackNames() {
    return {"musik_menu", "jungle1", "jungle2", "jungle3", "western1", "western2", "western3"};
}

Track Render(const std::string& name) {
    Song song = SongFor(name);
    if (song.bars.empty()) return {};
    const double tail = 5.0;
    Mix mix(song.Length() + tail);
    uint32_t seed = 2166136261u; // FNV-1a of the name: the same melody on every machine
    for (char ch : name) seed = (seed ^ uint8_t(ch)) * 16777619u;
    Random random(seed | 1u);
    mix.random = Random(77);
    if (name == "musik_menu") {
        MenuPiece(song, mix, random);
        return Finish(mix, song.Length(), 0.8, 0.9);
    }
    if (name.rfind("jungle", 0) == 0) {
        JunglePiece(name.back() - '1', song, mix, random);
        return Finish(mix, song.Length(), 0.7, 0.8);
    }
    WesternPiece(name.back() - '1', song, mix, random);
    return Finish(mix, song.Length(), 0.75, 0.7);
}

Track TestTone() {
    Track track;
    track.left.assign(Samples(0.25), 0.0f);
    for (size_t i = 0; i < track.left.size(); ++i) {
        double t = double(i) / sampleRate;
        track.left[i] = float(0.3 * std::sin(twoPi * 660.0 * t) * FadeIn(t, 0.01) * FadeIn(0.25 - t, 0.02));
    }
    track.right = track.left;
    return track;
}

} // namespace music
