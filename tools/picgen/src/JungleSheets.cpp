// SPDX-License-Identifier: GPL-3.0-or-later
#include "JungleArt.h"

bool DrawJungleSheet(Canvas& canvas, const std::string& name) {
    cairo_t* cr = canvas.cr();
    if (name == "stage")
        DrawJungleStage(cr);
    else if (name == "frosch")
        DrawFrogSheet(cr);
    else if (name == "affe")
        DrawMonkeySheet(cr);
    else if (name == "libelle")
        DrawDragonflySheet(cr);
    else if (name == "pflanze")
        DrawPlantSheet(cr);
    else if (name == "schlange")
        DrawSnakeSheet(cr);
    else if (name == "spinne")
        DrawSpiderSheet(cr);
    else if (name == "Urmensch_1")
        DrawCavemanSheet(cr, false);
    else if (name == "Urmensch_2")
        DrawCavemanSheet(cr, true);
    else
        return false;
    return true;
}
