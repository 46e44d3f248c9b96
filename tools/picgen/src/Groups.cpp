// SPDX-License-Identifier: GPL-3.0-or-later
#include "Groups.h"

#include "Backgrounds.h"
#include "CardSheet.h"
#include "FontSheet.h"
#include "GuiSheets.h"
#include "ThemeSheets.h"

bool DrawCardSets(const Stage& stage) {
    bool ok = true;
    for (const CardStyle& style : CardStyles()) {
        Canvas canvas(kCardSheetColumns * kCardCellWidth, kCardSheetRows * kCardCellHeight);
        DrawCardSheet(canvas, style);
        ok = stage.Save(canvas, "cards", style.member) && ok;
    }
    return ok;
}

bool DrawFont(const Stage& stage) {
    Canvas canvas(800, 400);
    DrawFontSheet(canvas);
    return stage.Save(canvas, "base", "font.PNG");
}

bool DrawGuiSheets(const Stage& stage) {
    struct Sheet {
        const char* member;
        int width, height;
        void (*paint)(Canvas&);
    };
    const Sheet sheets[] = {
        {"menu.PNG", 1300, 1100, DrawMenuSheet},
        {"misc.PNG", 800, 550, DrawMiscSheet},
        {"options.PNG", 800, 600, DrawOptionsSheet},
        {"help.PNG", 700, 525, DrawHelpSheet},
        {"statistiken.PNG", 640, 480, DrawStatsSheet},
        {"spieltyp.PNG", 450, 600, DrawListSheet},
        {"MainMenu_HG.PNG", 1024, 768, DrawMenuBackground},
        {"splash.PNG", 1024, 1124, DrawSplashSheet},
    };
    bool ok = true;
    for (const Sheet& sheet : sheets) {
        Canvas canvas(sheet.width, sheet.height);
        sheet.paint(canvas);
        ok = stage.Save(canvas, "base", sheet.member) && ok;
    }
    return ok;
}

bool DrawBackgrounds(const Stage& stage) {
    bool ok = true;
    auto list = BackgroundList();
    for (size_t i = 0; i < list.size(); ++i) {
        Canvas canvas(list[i].width, list[i].height);
        DrawBackground(canvas, i);
        ok = stage.Save(canvas, "background", list[i].member) && ok;
    }
    return ok;
}

bool DrawThemeSheets(const Stage& stage) {
    bool ok = true;
    for (const FrameSheet& sheet : ThemeSheetList()) {
        Canvas canvas(sheet.width, sheet.height);
        DrawThemeSheet(canvas, sheet);
        ok = stage.Save(canvas, "base", sheet.member) && ok;
    }
    return ok;
}

bool RunGroup(const Stage& stage, const std::string& group) {
    if (group == "cards") {
        return DrawCardSets(stage);
    }
    if (group == "font") {
        return DrawFont(stage);
    }
    if (group == "gui") {
        return DrawGuiSheets(stage);
    }
    if (group == "backgrounds") {
        return DrawBackgrounds(stage);
    }
    if (group == "themes") {
        return DrawThemeSheets(stage);
    }
    return false;
}
