// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Canvas.h"

void DrawMenuSheet(Canvas& canvas);      // "menu.PNG", 1300 × 1100
void DrawMiscSheet(Canvas& canvas);      // "misc.PNG", 800 × 550
void DrawOptionsSheet(Canvas& canvas);   // "options.PNG", 800 × 600
void DrawHelpSheet(Canvas& canvas);      // "help.PNG", 700 × 525
void DrawStatsSheet(Canvas& canvas);     // "statistiken.PNG", 640 × 480
void DrawListSheet(Canvas& canvas);      // "spieltyp.PNG", 450 × 600
void DrawMenuBackground(Canvas& canvas); // "MainMenu_HG.PNG", 1024 × 768
void DrawSplashSheet(Canvas& canvas);    // "splash.PNG", 1024 × 1124
