// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every rectangle the program cuts from the fixed GUI sheets, with the sheet sizes.
// A rectangle is (left, top, right, bottom), right and bottom exclusive. Elements that show
// the same picture share one row; `second` is the look directly below (hover, selected or
// off), and `reuse` marks rectangles that lie on purpose inside another picture (the status
// bar pieces cut from the wide button, the toolbar's hit area, the options' cursor pictures).
#include <array>
#include <string_view>

struct SheetRect {
    std::string_view sheet;
    std::string_view role;
    int left, top, right, bottom;
    bool second; // a second look lies directly below
    bool reuse;  // lies inside another picture of the table on purpose
};

struct SheetSize {
    std::string_view sheet;
    int width, height;
};

inline constexpr std::array kSheetSizes = {
    SheetSize{"menu.PNG", 1300, 1100},       SheetSize{"misc.PNG", 800, 550},
    SheetSize{"options.PNG", 800, 600},      SheetSize{"help.PNG", 700, 525},
    SheetSize{"statistiken.PNG", 640, 480},  SheetSize{"spieltyp.PNG", 450, 600},
    SheetSize{"MainMenu_HG.PNG", 1024, 768}, SheetSize{"splash.PNG", 1024, 1124},
    SheetSize{"font.PNG", 800, 400},
};

inline constexpr std::array kSheetRects = {
    // menu.PNG: in-game elements
    SheetRect{"menu.PNG", "210 top bar", 500, 500, 880, 550, false, false},
    SheetRect{"menu.PNG", "wide button: 212 229 11 152 205 206 721 722", 950, 600, 1090, 640, true,
              false},
    SheetRect{"menu.PNG", "status bar left cap", 950, 600, 970, 640, false, true},
    SheetRect{"menu.PNG", "status bar middle", 970, 600, 1070, 640, false, true},
    SheetRect{"menu.PNG", "status bar right cap", 1070, 600, 1090, 640, false, true},
    SheetRect{"menu.PNG", "221 game menu panel", 500, 0, 900, 500, false, false},
    SheetRect{"menu.PNG", "list row: 222-226 100+r 155+r", 900, 700, 1200, 750, true, false},
    SheetRect{"menu.PNG", "214 toolbar hit area", 500, 550, 750, 587, false, true},
    SheetRect{"menu.PNG", "215 undo to start", 500, 550, 542, 587, true, false},
    SheetRect{"menu.PNG", "216 undo step", 542, 550, 575, 587, true, false},
    SheetRect{"menu.PNG", "217 redo step", 575, 550, 608, 587, true, false},
    SheetRect{"menu.PNG", "218 redo to end", 608, 550, 641, 587, true, false},
    SheetRect{"menu.PNG", "220 load quick save", 641, 550, 674, 587, true, false},
    SheetRect{"menu.PNG", "219 write quick save", 674, 550, 707, 587, true, false},
    SheetRect{"menu.PNG", "213 new game", 707, 550, 750, 587, true, false},
    SheetRect{"menu.PNG", "close button: 208 228 302 202 204 719 723", 1100, 600, 1140, 640, true,
              false},
    SheetRect{"menu.PNG", "small up arrow: 230 303 501", 1223, 700, 1258, 735, true, false},
    SheetRect{"menu.PNG", "small down arrow: 300 500 700", 1258, 700, 1293, 735, true, false},
    SheetRect{"menu.PNG", "check box: 703 704 705-708 716 717", 910, 600, 950, 640, true, false},
    SheetRect{"menu.PNG", "702 minus", 870, 640, 910, 660, true, false},
    SheetRect{"menu.PNG", "701 plus", 870, 600, 910, 620, true, false},
    SheetRect{"menu.PNG", "value button: 709 710 711 400+i 600+j", 950, 800, 1150, 835, true,
              false},
    // menu.PNG: menu scene
    SheetRect{"menu.PNG", "0 main page panel", 0, 0, 500, 600, false, false},
    SheetRect{"menu.PNG", "main buttons 1-5", 900, 400, 1300, 450, true, false},
    SheetRect{"menu.PNG", "6 7 language marker", 1150, 500, 1182, 532, false, false},
    SheetRect{"menu.PNG", "9 sound switch", 791, 550, 831, 590, true, false},
    SheetRect{"menu.PNG", "8 music switch", 751, 550, 791, 590, true, false},
    SheetRect{"menu.PNG", "big up arrow: 12 153", 1193, 500, 1243, 550, true, false},
    SheetRect{"menu.PNG", "big down arrow: 13 154", 1243, 500, 1293, 550, true, false},
    SheetRect{"menu.PNG", "201 information panel", 900, 0, 1250, 400, false, false},
    SheetRect{"menu.PNG", "203 718 statistics and result panel", 0, 600, 450, 1100, false, false},
    // misc.PNG
    SheetRect{"misc.PNG", "pointer style 0, 10 frames", 0, 0, 500, 50, false, false},
    SheetRect{"misc.PNG", "pointer style 1, 10 frames", 0, 400, 500, 450, false, false},
    SheetRect{"misc.PNG", "pointer style 2, 10 frames", 0, 450, 500, 500, false, false},
    SheetRect{"misc.PNG", "rule-hint bubble", 0, 50, 150, 130, false, false},
    SheetRect{"misc.PNG", "preview frame", 150, 50, 350, 200, false, false},
    SheetRect{"misc.PNG", "speech bubble", 0, 200, 300, 400, false, false},
    SheetRect{"misc.PNG", "chatter input box", 300, 200, 800, 350, false, false},
    SheetRect{"misc.PNG", "712 pointer style 0 (hover below)", 450, 0, 500, 50, true, true},
    SheetRect{"misc.PNG", "713 pointer style 1", 0, 400, 50, 450, false, true},
    SheetRect{"misc.PNG", "714 pointer style 2 (hover below)", 450, 450, 500, 500, true, true},
    // single panels
    SheetRect{"options.PNG", "301 options panel", 0, 0, 800, 600, false, false},
    SheetRect{"help.PNG", "207 720 rules and help panel", 0, 0, 700, 525, false, false},
    SheetRect{"statistiken.PNG", "227 statistics panel", 0, 0, 640, 480, false, false},
    SheetRect{"spieltyp.PNG", "10 151 list panel", 0, 0, 450, 600, false, false},
    SheetRect{"MainMenu_HG.PNG", "menu background", 0, 0, 1024, 768, false, false},
    // splash.PNG
    SheetRect{"splash.PNG", "loading picture", 0, 0, 1024, 768, false, false},
    SheetRect{"splash.PNG", "caption German", 0, 900, 700, 1012, false, false},
    SheetRect{"splash.PNG", "caption English", 0, 1012, 700, 1124, false, false},
    SheetRect{"splash.PNG", "progress bar empty", 122, 768, 940, 834, false, false},
    SheetRect{"splash.PNG", "progress bar filled", 122, 834, 940, 900, false, false},
    // font.PNG
    SheetRect{"font.PNG", "glyph cells", 0, 0, 800, 400, false, false},
};

// The rectangle of the second look.
inline constexpr SheetRect SecondLook(const SheetRect& r) {
    int h = r.bottom - r.top;
    return {r.sheet, r.role, r.left, r.top + h, r.right, r.bottom + h, false, r.reuse};
}

inline constexpr bool Overlap(const SheetRect& a, const SheetRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
