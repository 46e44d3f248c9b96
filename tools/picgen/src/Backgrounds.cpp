// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backgrounds.h"

#include "Noise.h"
#include "Suits.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

using Shader = std::function<Rgba(int x, int y)>;

void Fill(Canvas& canvas, const Shader& shade) {
    cairo_surface_t* s = canvas.surface();
    cairo_surface_flush(s);
    uint8_t* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < canvas.Height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < canvas.Width(); ++x) {
            Rgba c = shade(x, y);
            auto byte = [](double v) {
                return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
            };
            row[x] = 0xFF000000u | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
        }
    }
    cairo_surface_mark_dirty(s);
}

Rgba Scale(Rgba c, double k) {
    return {c.r * k, c.g * k, c.b * k, 1};
}

void Felt(Canvas& canvas, Rgba base, uint64_t seed) {
    const int p = canvas.Width();
    auto mottle = MakeOctaves(p, 4, 3, seed);
    auto fibre = MakeOctaves(p, 64, 2, seed + 100);
    Random grain(seed + 200);
    std::vector<double> speck(static_cast<size_t>(p) * p);
    for (double& v : speck) {
        v = grain.Unit();
    }
    Fill(canvas, [&](int x, int y) {
        double m = Fractal(mottle, x, y) - 0.5;
        double f = Fractal(fibre, x, y) - 0.5;
        double s = speck[static_cast<size_t>(y) * p + x] - 0.5;
        return Scale(base, 1 + m * 0.16 + f * 0.14 + s * 0.07);
    });
}

void Wood(Canvas& canvas) {
    const int p = canvas.Width();
    const int plank = p / 4;
    auto warp = MakeOctaves(p, 2, 3, 41);
    auto streak = MakeOctaves(p, 4, 2, 43);
    auto pores = MakeOctaves(p, 64, 1, 53);
    Random random(47);
    double tone[4], joint[4];
    for (int i = 0; i < 4; ++i) {
        tone[i] = 0.88 + random.Unit() * 0.22;
        joint[i] = std::floor(random.Unit() * p);
    }
    const Rgba light = Hex(0xC08A52), dark = Hex(0x7A4824);
    Fill(canvas, [&](int x, int y) {
        int row = y / plank;
        int ly = y % plank;
        // Long grain lines along x: a slow warp bends them, streaks (noise stretched 16 times
        // across y, which keeps the tile period) vary their darkness.
        double bend = Fractal(warp, x, y) * 28;
        double rings = 0.5 + 0.5 * std::sin((ly * 0.55 + bend + row * 23) * 0.9);
        rings = std::pow(rings, 3);
        double s = Fractal(streak, x, y * 16.0) - 0.5;
        double pore = Fractal(pores, x, y * 4.0) - 0.5;
        Rgba c = Mix(light, dark, 0.25 + rings * 0.35 + s * 0.5 + pore * 0.12);
        c = Scale(c, tone[row]);
        // Seams between planks and one butt joint per plank.
        if (ly == 0 || ly == plank - 1) {
            c = Scale(c, 0.6);
        } else if (ly == 1) {
            c = Scale(c, 1.05);
        }
        int dx = std::abs(x - static_cast<int>(joint[row]));
        dx = std::min(dx, p - dx);
        if (dx == 0) {
            c = Scale(c, 0.6);
        }
        return c;
    });
}

void Slate(Canvas& canvas) {
    const int p = canvas.Width();
    auto large = MakeOctaves(p, 3, 4, 61);
    auto vein = MakeOctaves(p, 6, 3, 67);
    Random random(71);
    std::vector<double> speck(static_cast<size_t>(p) * p);
    for (double& v : speck) {
        v = random.Unit();
    }
    const Rgba base = Hex(0x39434D);
    Fill(canvas, [&](int x, int y) {
        double m = Fractal(large, x, y) - 0.5;
        double v = std::fabs(Fractal(vein, x, y) - 0.5);
        double s = speck[static_cast<size_t>(y) * p + x];
        Rgba c = Scale(base, 1 + m * 0.35);
        if (v < 0.006) {
            c = Mix(c, Hex(0x56626E), 0.25);
        }
        if (s > 0.997) {
            c = Mix(c, Hex(0x9AA6B2), 0.5);
        }
        return Scale(c, 1 + (s - 0.5) * 0.05);
    });
}

void Linen(Canvas& canvas) {
    const int p = canvas.Width();
    auto slub = MakeOctaves(p, 16, 2, 83);
    auto slubY = MakeOctaves(p, 16, 2, 89);
    const Rgba base = Hex(0xCDBE9C);
    Fill(canvas, [&](int x, int y) {
        // Warp and weft threads, 4 px apart, thickening here and there.
        double wx = 0.5 + 0.5 * std::cos(x * M_PI / 2);
        double wy = 0.5 + 0.5 * std::cos(y * M_PI / 2);
        double over = ((x / 4 + y / 4) % 2) ? wx : wy;
        double t = Fractal(slub, x, y * 4.0) - 0.5;
        double u = Fractal(slubY, x * 4.0, y) - 0.5;
        return Scale(base, 0.9 + over * 0.12 + t * 0.12 + u * 0.12);
    });
}

void Casino(Canvas& canvas) {
    Felt(canvas, Hex(0x23774A), 97);
    cairo_t* cr = canvas.cr();
    draw::RadialGradient(cr, 512, 384, 150, 700, Rgba{1, 1, 0.85, 0.10}, Rgba{0, 0, 0, 0.5});
    cairo_paint(cr);
    // A gold-lined oval inlay with the four suits, in the manner of a casino table.
    cairo_save(cr);
    cairo_translate(cr, 512, 384);
    cairo_scale(cr, 1.0, 0.62);
    cairo_arc(cr, 0, 0, 470, 0, 2 * M_PI);
    cairo_restore(cr);
    draw::SetColor(cr, Hex(0xE2C46A, 0.35));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    const SuitShape suits[4] = {SuitShape::Pik, SuitShape::Herz, SuitShape::Kreuz, SuitShape::Karo};
    for (int i = 0; i < 4; ++i) {
        PaintSuit(cr, suits[i], 512 + (i - 1.5) * 70, 384, 44, Hex(0xFFFFFF, 0.06));
    }
}

} // namespace

std::vector<BackgroundInfo> BackgroundList() {
    return {
        {"tisch\\filz_gruen.PNG", "Grüner_Filz", 256, 256, true},
        {"tisch\\filz_blau.PNG", "Blauer_Filz", 256, 256, true},
        {"tisch\\filz_rot.PNG", "Roter_Filz", 256, 256, true},
        {"tisch\\holz.PNG", "Holz", 512, 512, true},
        {"tisch\\schiefer.PNG", "Schiefer", 256, 256, true},
        {"tisch\\leinen.PNG", "Leinen", 256, 256, true},
        {"tisch\\casino.PNG", "Casino", 1024, 768, false},
    };
}

void DrawBackground(Canvas& canvas, size_t index) {
    switch (index) {
    case 0:
        Felt(canvas, Hex(0x2A7A4B), 11);
        break;
    case 1:
        Felt(canvas, Hex(0x27587F), 13);
        break;
    case 2:
        Felt(canvas, Hex(0x7C2834), 17);
        break;
    case 3:
        Wood(canvas);
        break;
    case 4:
        Slate(canvas);
        break;
    case 5:
        Linen(canvas);
        break;
    default:
        Casino(canvas);
        break;
    }
}
