// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/Screens.h"

#include "../FontWidths.h"
#include "preview/TablePreview.h"
#include "rules/KartenTisch.h"

#include <cmath>
#include <fstream>
#include <map>
#include <memory>

namespace {

using Surface = std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)>;

Surface Load(const std::string& file) {
    return Surface(cairo_image_surface_create_from_png(file.c_str()), cairo_surface_destroy);
}

bool Ok(const Surface& s) {
    return cairo_surface_status(s.get()) == CAIRO_STATUS_SUCCESS;
}

// The sprite draw: a source rectangle of a sheet at (x, y), scaled, modulated by a colour.
void Sprite(cairo_t* cr, cairo_surface_t* sheet, int l, int t, int r, int b, double x, double y,
            double sx = 1, double sy = 1, uint32_t argb = 0xFFFFFFFF) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, sx, sy);
    cairo_rectangle(cr, 0, 0, r - l, b - t);
    cairo_clip(cr);
    double a = (argb >> 24) / 255.0;
    if ((argb & 0xFFFFFF) == 0xFFFFFF) {
        // The rectangle on its own, padded at its edges, so that scaling never pulls in the
        // neighbouring pictures of the sheet.
        cairo_surface_t* part = cairo_surface_create_for_rectangle(sheet, l, t, r - l, b - t);
        cairo_set_source_surface(cr, part, 0, 0);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint_with_alpha(cr, a);
        cairo_surface_destroy(part);
    } else {
        // Colour modulation of white glyphs: the colour through the sheet's alpha.
        cairo_set_source_rgba(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0,
                              (argb & 0xFF) / 255.0, a);
        cairo_surface_t* part = cairo_surface_create_for_rectangle(sheet, l, t, r - l, b - t);
        cairo_pattern_t* mask = cairo_pattern_create_for_surface(part);
        cairo_pattern_set_extend(mask, CAIRO_EXTEND_PAD);
        cairo_pattern_set_filter(mask, CAIRO_FILTER_GOOD);
        cairo_mask(cr, mask);
        cairo_pattern_destroy(mask);
        cairo_surface_destroy(part);
    }
    cairo_restore(cr);
}

// Text in the bitmap font, laid out as the text layer does: advance (width + 2) × scale.
class BitmapFont {
public:
    explicit BitmapFont(cairo_surface_t* sheet) : sheet(sheet), widths(FontGlyphWidths()) {}

    std::vector<int> Codes(const std::string& utf8) const {
        std::vector<int> codes;
        for (size_t i = 0; i < utf8.size(); ++i) {
            auto c = static_cast<unsigned char>(utf8[i]);
            if (c == 0xC3 && i + 1 < utf8.size()) {
                auto d = static_cast<unsigned char>(utf8[++i]);
                const std::map<int, int> umlauts = {{0x9C, 0}, {0x84, 1}, {0x96, 2},
                                                    {0xBC, 3}, {0xA4, 4}, {0xB6, 5}};
                auto it = umlauts.find(d);
                if (it != umlauts.end()) {
                    codes.push_back(it->second);
                }
            } else if (c >= 32 && c < 127) {
                codes.push_back(c);
            }
        }
        return codes;
    }
    double Width(const std::string& utf8, double scale) const {
        double w = 0;
        for (int c : Codes(utf8)) {
            w += (widths[c] + 2) * scale;
        }
        return w;
    }
    // alignment 0 left, 1 centred, 2 right; size as the callers pass it (scale = 0.8 × size).
    void Draw(cairo_t* cr, const std::string& utf8, double x, double y, double size, uint32_t argb,
              int alignment = 1) const {
        double scale = 0.8 * size;
        double pen = x - (alignment == 1   ? Width(utf8, scale) / 2
                          : alignment == 2 ? Width(utf8, scale)
                                           : 0);
        for (int c : Codes(utf8)) {
            int col = c % 16, row = c / 16;
            Sprite(cr, sheet, 50 * col, 50 * row, 50 * col + 50, 50 * row + 46, pen, y, scale,
                   scale, argb);
            pen += (widths[c] + 2) * scale;
        }
    }

private:
    cairo_surface_t* sheet;
    std::array<int, 128> widths;
};

std::map<int, std::string> ReadTexts(const std::string& file) {
    std::map<int, std::string> texts;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || !std::isdigit(static_cast<unsigned char>(line[0]))) {
            continue;
        }
        size_t space = line.find(' ');
        if (space != std::string::npos) {
            texts[std::stoi(line.substr(0, space))] = line.substr(space + 1);
        }
    }
    return texts;
}

constexpr uint32_t kBlack = 0xFF000000, kRed = 0xFFFF0000;

void Pointer(cairo_t* cr, cairo_surface_t* misc, double x, double y) {
    Sprite(cr, misc, 450, 0, 500, 50, x - 8, y - 14);
}

bool Save(cairo_surface_t* s, const std::string& file) {
    return cairo_surface_write_to_png(s, file.c_str()) == CAIRO_STATUS_SUCCESS;
}

} // namespace

bool DrawReviewScreens(const std::string& stage, const std::string& textFile,
                       const std::string& outDir) {
    const std::string base = stage + "/base/";
    Surface menu = Load(base + "menu.PNG"), misc = Load(base + "misc.PNG"),
            fontSheet = Load(base + "font.PNG"), splash = Load(base + "splash.PNG"),
            menuBg = Load(base + "MainMenu_HG.PNG"), list = Load(base + "spieltyp.PNG");
    for (const Surface* s : {&menu, &misc, &fontSheet, &splash, &menuBg, &list}) {
        if (!Ok(*s)) {
            return false;
        }
    }
    BitmapFont font(fontSheet.get());
    auto texts = ReadTexts(textFile);
    bool ok = true;

    { // Loading screen, 30 of 57 steps.
        Canvas c(1024, 768);
        cairo_t* cr = c.cr();
        cairo_set_source_rgb(cr, 100 / 255.0, 100 / 255.0, 100 / 255.0);
        cairo_paint(cr);
        Sprite(cr, splash.get(), 0, 0, 1024, 768, 0, 0);
        Sprite(cr, splash.get(), 0, 900, 700, 1012, 0, 168);
        Sprite(cr, splash.get(), 122, 768, 940, 834, 103, 667);
        Sprite(cr, splash.get(), 122, 834, 122 + 30 * 818 / 57, 900, 103, 667);
        ok = Save(c.surface(), outDir + "/loading.png") && ok;
    }
    { // Main page, with the pointer on "play".
        Canvas c(1024, 768);
        cairo_t* cr = c.cr();
        Sprite(cr, menuBg.get(), 0, 0, 1024, 768, 0, 0);
        const double px = 1024 / 2 - 250, py = 768 / 2 - 300;
        Sprite(cr, menu.get(), 0, 0, 500, 600, px, py);
        const int ys[5] = {220, 280, 340, 400, 470};
        for (int i = 0; i < 5; ++i) {
            bool hover = i == 0;
            Sprite(cr, menu.get(), 900, hover ? 450 : 400, 1300, hover ? 500 : 450, px + 50,
                   py + ys[i]);
            font.Draw(cr, texts[30 + i], px + 50 + 200, py + ys[i] + 15, 0.5,
                      hover ? kRed : kBlack);
        }
        Sprite(cr, menu.get(), 1150, 500, 1182, 532, px + 112, py + 545);
        Sprite(cr, menu.get(), 791, 550, 831, 590, px + 200, py + 150);
        Sprite(cr, menu.get(), 751, 550, 791, 590, px + 260, py + 150);
        Pointer(cr, misc.get(), px + 300, py + 240);
        ok = Save(c.surface(), outDir + "/menu.png") && ok;
    }
    { // The game list of the first category, the pointer resting on a game: its preview shows.
        Canvas c(1024, 768);
        cairo_t* cr = c.cr();
        Sprite(cr, menuBg.get(), 0, 0, 1024, 768, 0, 0);
        const double px = 1024 / 2 - 225, py = 768 / 2 - 300;
        Sprite(cr, list.get(), 0, 0, 450, 600, px, py);
        font.Draw(cr, texts[43], px + 225, py + 40, 0.75, kBlack);
        font.Draw(cr, "Klondike", px + 225, py + 75, 0.55, kBlack);
        const char* names[7] = {"Klondike",  "Klondike (drei Karten)", "Thoughtful",
                                "Whitehead", "Double Klondike",        "Westcliff",
                                "Easthaven"};
        for (int r = 0; r < 7; ++r) {
            bool hover = r == 1;
            Sprite(cr, menu.get(), 900, hover ? 750 : 700, 1200, hover ? 800 : 750, px + 75,
                   py + 138 + 52 * r);
            font.Draw(cr, names[r], px + 75 + 150, py + 138 + 52 * r + 15, 0.5, kBlack);
        }
        Sprite(cr, menu.get(), 950, 600, 1090, 640, px + 40, py + 515);
        font.Draw(cr, texts[44], px + 40 + 70, py + 515 + 10, 0.5, kBlack);
        double mx = px + 260, my = py + 138 + 52 + 30;
        Surface preview = Load(stage + "/games/klondike/klondike3/vorschau.png");
        if (Ok(preview)) {
            Sprite(cr, preview.get(), 0, 0, 300, 150, mx + 30, my + 30);
            Sprite(cr, misc.get(), 150, 50, 350, 200, mx + 30, my + 30);
        }
        Pointer(cr, misc.get(), mx, my);
        ok = Save(c.surface(), outDir + "/gamelist.png") && ok;
    }
    // A dealt game with each card set, on a different cloth each.
    struct Shot {
        const char* cards;
        const char* cloth;
        const char* game; // category/game
        const char* title;
        const char* file;
    };
    const Shot shots[3] = {
        {"klassisch.PNG", "filz_gruen.PNG", "klondike/klondike", "Klondike", "game-klassisch.png"},
        {"vierfarben.PNG", "filz_blau.PNG", "freecell/freecell", "FreeCell", "game-vierfarben.png"},
        {"grosse_zahlen.PNG", "holz.PNG", "spider/spider2", "Spider - Spider (zwei Farben)",
         "game-grosse_zahlen.png"},
    };
    for (const Shot& shot : shots) {
        Surface cards = Load(stage + "/cards/karten/" + shot.cards);
        Surface cloth = Load(stage + "/background/tisch/" + shot.cloth);
        if (!Ok(cards) || !Ok(cloth)) {
            return false;
        }
        std::string game = shot.game;
        std::string name = game.substr(game.find('/') + 1);
        KartenTisch table;
        if (table.LoadGameDefinitionFile(stage + "/games/" + game + "/" + name + ".game", 7) !=
            KartenTisch::ResultOk) {
            return false;
        }
        PreviewArt art{cards.get(), cairo_image_surface_get_width(cards.get()) / 6,
                       cairo_image_surface_get_height(cards.get()) / 15, cloth.get()};
        Canvas c(1024, 768);
        cairo_t* cr = c.cr();
        DrawTable(cr, table, art);
        // Top bar, menu button, toolbar and the status bar with the title.
        const double W = 1024, H = 768;
        Sprite(cr, menu.get(), 500, 500, 880, 550, W / 2 - 190, 0);
        std::string clock = texts[59], score = texts[60];
        auto fill = [](std::string f, const std::string& v1, const std::string& v2 = "") {
            size_t a = f.find('%');
            if (a != std::string::npos) {
                size_t e = f.find('d', a);
                f.replace(a, e - a + 1, v1);
            }
            size_t b = f.find('%');
            if (b != std::string::npos && !v2.empty()) {
                size_t e = f.find('d', b);
                f.replace(b, e - b + 1, v2);
            }
            return f;
        };
        font.Draw(cr, fill(clock, "0", "00") + "     " + fill(score, "1000"), W / 2, 15, 0.6,
                  kBlack);
        Sprite(cr, menu.get(), 950, 600, 1090, 640, 10, H - 50);
        font.Draw(cr, texts[61], 10 + 70, H - 50 + 10, 0.5, kBlack);
        const int toolX[8] = {500, 542, 575, 608, 641, 674, 707, 750};
        for (int i = 0; i < 7; ++i) {
            Sprite(cr, menu.get(), toolX[i], 550, toolX[i + 1], 587, W / 2 - 125 + (toolX[i] - 500),
                   50);
        }
        double w = font.Width(shot.title, 0.8 * 0.5);
        Sprite(cr, menu.get(), 970, 600, 1070, 640, W / 2 - w, H - 50, w / 50, 1);
        Sprite(cr, menu.get(), 950, 600, 970, 640, W / 2 - w - 20, H - 50);
        Sprite(cr, menu.get(), 1070, 600, 1090, 640, W / 2 + w, H - 50);
        font.Draw(cr, shot.title, W / 2, H - 40, 0.5, kBlack);
        Pointer(cr, misc.get(), 700, 520);
        ok = Save(c.surface(), outDir + "/" + shot.file) && ok;
    }
    { // The options page over the table, with its headings, buttons, lists and previews.
        Surface options = Load(base + "options.PNG");
        Surface cards = Load(stage + "/cards/karten/klassisch.PNG");
        Surface cloth = Load(stage + "/background/tisch/filz_gruen.PNG");
        if (!Ok(options) || !Ok(cards) || !Ok(cloth)) {
            return false;
        }
        Canvas c(1024, 768);
        cairo_t* cr = c.cr();
        cairo_set_source_surface(cr, cloth.get(), 0, 0);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_REPEAT);
        cairo_paint(cr);
        const double x = 1024 / 2 - 400, y = 768 / 2 - 300;
        Sprite(cr, options.get(), 0, 0, 800, 600, x, y);
        font.Draw(cr, texts[71], x + 400, y + 37, 0.75, kBlack);
        font.Draw(cr, texts[73], x + 170, y + 295, 0.5, kBlack);
        font.Draw(cr, texts[74], x + 630, y + 295, 0.5, kBlack);
        // Preview card face (a queen of hearts) and back, 66 × 90.
        const int cw = cairo_image_surface_get_width(cards.get()) / 6,
                  ch = cairo_image_surface_get_height(cards.get()) / 15;
        Sprite(cr, cards.get(), cw, ch, 2 * cw, 2 * ch, x + 95, y + 120, 66.0 / cw, 90.0 / ch);
        Sprite(cr, cards.get(), 0, 13 * ch, cw, 14 * ch, x + 175, y + 120, 66.0 / cw, 90.0 / ch);
        // Background miniature, tiled at 150 / W × 112.5 / H.
        cairo_save(cr);
        cairo_rectangle(cr, x + 560, y + 120, 150, 112.5);
        cairo_clip(cr);
        cairo_translate(cr, x + 560, y + 120);
        cairo_scale(cr, 150.0 / 1024, 112.5 / 768);
        cairo_set_source_surface(cr, cloth.get(), 0, 0);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_REPEAT);
        cairo_paint(cr);
        cairo_restore(cr);
        auto button = [&](int l, int t, int r, int b, double bx, double by, bool second) {
            int h = b - t;
            Sprite(cr, menu.get(), l, t + (second ? h : 0), r, b + (second ? h : 0), x + bx,
                   y + by);
        };
        button(1100, 600, 1140, 640, 380, 500, false);
        button(910, 600, 950, 640, 450, 460, true);
        font.Draw(cr, texts[76], x + 450, y + 470, 0.5, kBlack, 2);
        button(870, 640, 910, 660, 450, 425, false);
        button(870, 600, 910, 620, 450, 400, false);
        font.Draw(cr, texts[75] + " 3", x + 450, y + 415, 0.5, kBlack, 2);
        button(910, 600, 950, 640, 450, 350, true);
        font.Draw(cr, texts[77], x + 450, y + 360, 0.5, kBlack, 2);
        for (int i = 0; i < 4; ++i) {
            button(910, 600, 950, 640, 90 + 40 * i, 250, i == 0);
        }
        font.Draw(cr, texts[78], x + 170, y + 230, 0.5, kBlack, 1);
        const int values[3][2] = {{86, 89}, {80, 84}, {81, 85}};
        for (int i = 0; i < 3; ++i) {
            button(950, 800, 1150, 835, 300, 180 + 60 * i, false);
            font.Draw(cr, texts[values[i][0]], x + 400, y + 155 + 60 * i, 0.5, kBlack);
            font.Draw(cr, texts[values[i][1]], x + 400, y + 187 + 60 * i, 0.5, kBlack);
        }
        Sprite(cr, misc.get(), 450, 0, 500, 50, x + 305, y + 100);
        Sprite(cr, misc.get(), 0, 400, 50, 450, x + 375, y + 100);
        Sprite(cr, misc.get(), 450, 450, 500, 500, x + 445, y + 100);
        font.Draw(cr, texts[91], x + 400, y + 80, 0.5, kBlack);
        const char* sets[3] = {"Klassisch", "Vier Farben", "Grosse Zahlen"};
        for (int i = 0; i < 3; ++i) {
            button(950, 800, 1150, 835, 70, 320 + 40 * i, i == 1);
            font.Draw(cr, sets[i], x + 170, y + 327 + 40 * i, 0.5, i == 1 ? kRed : kBlack);
        }
        button(1258, 700, 1293, 735, 165, 500, false);
        const char* cloths[4] = {"Grüner Filz", "Blauer Filz", "Roter Filz", "Holz"};
        for (int j = 0; j < 4; ++j) {
            button(950, 800, 1150, 835, 530, 320 + 40 * j, false);
            font.Draw(cr, cloths[j], x + 630, y + 327 + 40 * j, 0.5, kBlack);
        }
        button(1258, 700, 1293, 735, 625, 500, false);
        button(910, 600, 950, 640, 590, 250, true);
        button(910, 600, 950, 640, 630, 250, false);
        font.Draw(cr, texts[79], x + 630, y + 230, 0.5, kBlack, 1);
        Pointer(cr, misc.get(), x + 220, y + 360);
        ok = Save(c.surface(), outDir + "/options.png") && ok;
    }
    return ok;
}
