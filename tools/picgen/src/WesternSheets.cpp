// SPDX-License-Identifier: GPL-3.0-or-later
#include "WesternArt.h"

bool DrawWesternSheet(Canvas& canvas, const std::string& name) {
    cairo_t* cr = canvas.cr();
    if (name == "Stage_western")
        DrawWesternStage(cr);
    else if (name == "knäul")
        DrawTumbleweed(cr);
    else if (name == "Kakutus1" || name == "Kakutus2" || name == "Kakutus3")
        DrawDoorFigureSheet(cr, name.back() - '1');
    else if (name == "Saloon")
        DrawSignSheet(cr);
    else if (name == "Wanted")
        DrawPosterSheet(cr);
    else if (name == "Bull")
        DrawBullSheet(cr);
    else if (name == "Kaktus")
        DrawCactusSheet(cr);
    else if (name == "flasche")
        DrawBottleSheet(cr);
    else if (name == "Tür")
        DrawDoorSheet(cr);
    else if (name == "Werbung")
        DrawLeafletSheet(cr);
    else if (name == "Indianer")
        DrawRanchHandSheet(cr);
    else if (name == "Mexikaner")
        DrawMusicianSheet(cr);
    else
        return false;
    return true;
}
