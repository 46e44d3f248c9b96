// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The western street's pictures: the stage (saloon front, store and street around the
// table) and the sheets of its figures and targets.
#include "Canvas.h"

#include <string>

// Draws the western sheet named `name` ("Bull", "flasche", …); false for a name it does
// not know.
bool DrawWesternSheet(Canvas& canvas, const std::string& name);

void DrawWesternStage(cairo_t* cr);
void DrawTumbleweed(cairo_t* cr);
void DrawDoorFigureSheet(cairo_t* cr, int kind);
void DrawSignSheet(cairo_t* cr);
void DrawPosterSheet(cairo_t* cr);
void DrawBullSheet(cairo_t* cr);
void DrawCactusSheet(cairo_t* cr);
void DrawBottleSheet(cairo_t* cr);
void DrawDoorSheet(cairo_t* cr);
void DrawLeafletSheet(cairo_t* cr);
// The ranch hand who pops up from the street (Indianer.PNG) and the visiting musician
// (Mexikaner.PNG).
void DrawRanchHandSheet(cairo_t* cr);
void DrawMusicianSheet(cairo_t* cr);
