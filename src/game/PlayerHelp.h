// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the card scene is doing to help the player, as one value: nothing, a
// hint being searched or shown, a search that found no winning line, or the
// cards flying home by themselves at the end of a game.
enum class HelpSituation { Idle, HintSearching, HintShown, NoHintFound, AutoFinishing };
