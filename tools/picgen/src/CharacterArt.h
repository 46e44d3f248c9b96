// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The talking characters: two cartoon women (three outfits each) with their eye-and-mouth
// sheets, and the jungle man. The sheets' eye and mouth frames are drawn over the faces of
// the pictures at run time, so both are drawn from the same face recipe.
#include "Canvas.h"

#include <string>

// Draws the character sheet named `name` ("mädel1", "mädel2_s", "mundl", "Tarzan", …);
// false for a name it does not know.
bool DrawCharacterSheet(Canvas& canvas, const std::string& name);

namespace character {

struct Look {
    Rgba skin, hair, iris, lips;
    double eyeY;        // eye strip: top, in the strip's own coordinates the eyes are at
    double eyeStripH;   // 22 (left woman) or 20 (right woman)
    double mouthStripW; // 40 or 36
};

extern const Look kLotte;
extern const Look kMia;

// One eye frame (0 open … 2 closed … 4 opening) of a 40-pixel strip with its top-left corner
// at the origin, on skin; a mouth frame (0 closed smile … 2 wide open) of a 10-pixel strip.
void EyeStrip(cairo_t* cr, const Look& look, int frame);
void MouthStrip(cairo_t* cr, const Look& look, int frame);
// The comic "hey!" mark drawn over the right woman's eyes: squeezed eyes and a red cheek.
void SlapMark(cairo_t* cr, const Look& look);

// outfit 0 everyday, 1 summer, 2 evening.
void DrawLotte(cairo_t* cr, int outfit);
void DrawMia(cairo_t* cr, int outfit);
void DrawTarzan(cairo_t* cr);

} // namespace character
