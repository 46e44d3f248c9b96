// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texture slots of the animated backgrounds' sheets (the fixed texture table).
namespace ThemeTextures {
// Jungle, "hintergrund\\urwald\\…".
inline constexpr int Monkey = 12;      // affe.PNG
inline constexpr int Frog = 13;        // frosch.PNG
inline constexpr int Snake = 14;       // schlange.PNG
inline constexpr int Dragonfly = 15;   // libelle.PNG
inline constexpr int Plant = 16;       // pflanze.PNG
inline constexpr int Spider = 17;      // spinne.PNG
inline constexpr int CavemanWide = 18; // Urmensch_1.PNG, kinds 0 and 1
inline constexpr int CavemanTall = 19; // Urmensch_2.PNG, kind 2
inline constexpr int JungleStage = 20; // stage.PNG
// Saloon, "hintergrund\\western\\…".
inline constexpr int Bull = 21;
inline constexpr int Bottle = 22;       // flasche.PNG
inline constexpr int Indian = 23;       // Indianer.PNG
inline constexpr int Cactus = 24;       // Kaktus.PNG
inline constexpr int DoorFigure = 25;   // Kakutus1..3.PNG: 25 + kind
inline constexpr int Tumbleweed = 28;   // knäul.PNG
inline constexpr int Mexican = 29;      // Mexikaner.PNG
inline constexpr int Sign = 30;         // Saloon.PNG
inline constexpr int Door = 31;         // Tür.PNG
inline constexpr int Poster = 32;       // Wanted.PNG
inline constexpr int Leaflets = 33;     // Werbung.PNG
inline constexpr int WesternStage = 35; // Stage_western.PNG
} // namespace ThemeTextures
