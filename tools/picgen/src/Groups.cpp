#include "Groups.h"

#include "CardSheet.h"
#include "FontSheet.h"

bool DrawCardSets(const Stage& stage)
{
    bool ok = true;
    for (const CardStyle& style : CardStyles()) {
        Canvas canvas(kCardSheetColumns * kCardCellWidth, kCardSheetRows * kCardCellHeight);
        DrawCardSheet(canvas, style);
        ok = stage.Save(canvas, "cards", style.member) && ok;
    }
    return ok;
}

bool DrawFont(const Stage& stage)
{
    Canvas canvas(800, 400);
    DrawFontSheet(canvas);
    return stage.Save(canvas, "base", "font.PNG");
}

bool RunGroup(const Stage& stage, const std::string& group)
{
    if (group == "cards") {
        return DrawCardSets(stage);
    }
    if (group == "font") {
        return DrawFont(stage);
    }
    return false;
}
