// SPDX-License-Identifier: GPL-3.0-or-later
// kh_previews --stage DIR --catalog Games.kat: renders every catalog game's "vorschau.png"
// from a real deal of its definition, with the first card set on the green cloth.
#include "preview/Screens.h"
#include "preview/TablePreview.h"
#include "rules/KartenTisch.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct CatalogGame {
    std::string category, path, name; // Latin-1
};

std::vector<CatalogGame> ReadCatalog(const std::string& file) {
    std::ifstream in(file);
    std::vector<CatalogGame> games;
    std::vector<CatalogGame> pending;
    std::string word, category;
    bool inCategory = false, inGame = false;
    CatalogGame game;
    while (in >> word) {
        if (!inCategory) {
            if (word == "KATEGORIE_START") {
                inCategory = true;
                category.clear();
                pending.clear();
            }
        } else if (inGame) {
            if (word == "PATH:") {
                in >> game.path;
            } else if (word == "NAME:") {
                in >> game.name;
            } else if (word == "GAME_ENDE") {
                pending.push_back(game);
                inGame = false;
            }
        } else if (word == "PATH:") {
            in >> category;
        } else if (word == "GAME_START") {
            inGame = true;
            game = {};
        } else if (word == "KATEGORIE_ENDE") {
            for (CatalogGame& g : pending) {
                g.category = category;
                games.push_back(g);
            }
            inCategory = false;
        }
    }
    return games;
}

std::string DisplayUtf8(const std::string& latin1) {
    std::string out;
    for (char ch : latin1) {
        auto c = static_cast<unsigned char>(ch);
        if (c == '_') {
            out += ' ';
        } else if (c >= 0x80) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += ch;
        }
    }
    return out;
}

std::string DiskName(const std::string& latin1) {
    std::string out;
    for (char ch : latin1) {
        auto c = static_cast<unsigned char>(ch);
        if (ch == '\\') {
            out += '/';
        } else if (c >= 0x80) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += ch;
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    std::string stage, catalog, texts, screens;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--stage") == 0) {
            stage = argv[i + 1];
        } else if (std::strcmp(argv[i], "--catalog") == 0) {
            catalog = argv[i + 1];
        } else if (std::strcmp(argv[i], "--texts") == 0) {
            texts = argv[i + 1];
        } else if (std::strcmp(argv[i], "--screens") == 0) {
            screens = argv[i + 1];
        }
    }
    if (!stage.empty() && !screens.empty() && !texts.empty()) {
        return DrawReviewScreens(stage, texts, screens) ? 0 : 1;
    }
    if (stage.empty() || catalog.empty()) {
        std::fprintf(stderr,
                     "usage: kh_previews --stage DIR --catalog Games.kat\n"
                     "       kh_previews --stage DIR --texts deutsch.txt --screens OUTDIR\n");
        return 2;
    }
    PreviewArt art;
    art.cards =
        cairo_image_surface_create_from_png((stage + "/cards/karten/klassisch.PNG").c_str());
    art.cloth =
        cairo_image_surface_create_from_png((stage + "/background/tisch/filz_gruen.PNG").c_str());
    if (cairo_surface_status(art.cards) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_status(art.cloth) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "kh_previews: the card set or the cloth is not staged yet\n");
        return 1;
    }
    art.cellWidth = cairo_image_surface_get_width(art.cards) / 6;
    art.cellHeight = cairo_image_surface_get_height(art.cards) / 15;
    auto games = ReadCatalog(catalog);
    int failures = 0;
    for (const CatalogGame& g : games) {
        std::string folder =
            stage + "/games/" + DiskName(g.category) + "/" + DiskName(g.path) + "/";
        std::string definition = folder + DiskName(g.path) + ".game";
        KartenTisch table;
        // A fixed seed: the same deal, and so the same picture, in every build.
        if (table.LoadGameDefinitionFile(definition, 20240601) != KartenTisch::ResultOk) {
            std::fprintf(stderr, "kh_previews: cannot read %s\n", definition.c_str());
            ++failures;
            continue;
        }
        Canvas preview(300, 150);
        DrawPreview(preview, table, art, DisplayUtf8(g.name));
        if (!preview.SavePng(folder + "vorschau.png")) {
            std::fprintf(stderr, "kh_previews: cannot write %svorschau.png\n", folder.c_str());
            ++failures;
        }
    }
    cairo_surface_destroy(art.cards);
    cairo_surface_destroy(art.cloth);
    return failures == 0 ? 0 : 1;
}
