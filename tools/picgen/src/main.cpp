// SPDX-License-Identifier: GPL-3.0-or-later
// kh_picgen --stage DIR --group NAME: draws one group of pictures into the staging folders.
#include "AppIcon.h"
#include "CardSheet.h"
#include "ContactSheet.h"
#include "FrameStrip.h"
#include "Groups.h"
#include "Stage.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Development aid: a cut-out of a picture, scaled, over a felt-green ground.
int Crop(char** argv) {
    cairo_surface_t* src = cairo_image_surface_create_from_png(argv[2]);
    double x = std::atof(argv[3]), y = std::atof(argv[4]), w = std::atof(argv[5]),
           h = std::atof(argv[6]);
    double scale = std::atof(argv[7]);
    Canvas out(static_cast<int>(w * scale), static_cast<int>(h * scale));
    cairo_set_source_rgb(out.cr(), 0.18, 0.42, 0.26);
    cairo_paint(out.cr());
    draw::Blit(out.cr(), src, x, y, w, h, 0, 0, w * scale, h * scale);
    cairo_surface_destroy(src);
    return out.SavePng(argv[8]) ? 0 : 1;
}

// Development aid: a picture repeated 2 × 2, to look at the seams of a tile.
int Tile(char** argv) {
    cairo_surface_t* src = cairo_image_surface_create_from_png(argv[2]);
    int w = cairo_image_surface_get_width(src), h = cairo_image_surface_get_height(src);
    Canvas out(2 * w, 2 * h);
    cairo_set_source_surface(out.cr(), src, 0, 0);
    cairo_pattern_set_extend(cairo_get_source(out.cr()), CAIRO_EXTEND_REPEAT);
    cairo_paint(out.cr());
    cairo_surface_destroy(src);
    return out.SavePng(argv[3]) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--tile") == 0) {
        return Tile(argv);
    }
    if (argc == 9 && std::strcmp(argv[1], "--crop") == 0) {
        return Crop(argv);
    }
    // kh_picgen --icons OUT NAME: the program's icon at every desktop size.
    if (argc == 4 && std::strcmp(argv[1], "--icons") == 0) {
        return DrawAppIcons(argv[2], argv[3]) ? 0 : 1;
    }
    // kh_picgen --strip OUT SCALE X Y W H SHOT.png …
    if (argc >= 9 && std::strcmp(argv[1], "--strip") == 0) {
        return DrawFrameStrip(argv[2], std::atof(argv[3]), std::atof(argv[4]), std::atof(argv[5]),
                              std::atof(argv[6]), std::atof(argv[7]),
                              std::vector<std::string>(argv + 8, argv + argc))
                   ? 0
                   : 1;
    }
    std::string stageDir;
    std::string group;
    std::string out;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--stage") == 0) {
            stageDir = argv[i + 1];
        } else if (std::strcmp(argv[i], "--group") == 0) {
            group = argv[i + 1];
        } else if (std::strcmp(argv[i], "--out") == 0) {
            out = argv[i + 1];
        }
    }
    if (stageDir.empty() || group.empty()) {
        std::fprintf(
            stderr,
            "usage: kh_picgen --stage DIR --group cards|font|gui|backgrounds|themes|contact\n");
        return 2;
    }
    if (group == "contact") {
        return DrawContactSheet(stageDir, out.empty() ? stageDir + "/contact-sheet.png" : out) ? 0
                                                                                               : 1;
    }
    Stage stage(stageDir);
    bool ok = RunGroup(stage, group);
    return ok ? 0 : 1;
}
