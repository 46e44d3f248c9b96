// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyword tables of the game definition files. Each rule key converts its
// word with its own table; a word that is in none of a table's rows gets that
// table's NICHTS number. Words are Latin-1 bytes: "FÜNF" and "KÖNIG" are
// spelled with the single bytes 0xDC and 0xD6.
#include <string_view>

// Suit table A: AF, AF_MOVE, INIT_AF, SPIEL_AF.
namespace SuitA {
enum : int {
    KREUZ = 0,
    KARO = 1,
    PIK = 2,
    HERZ = 3,
    ROT = 4,
    SCHWARZ = 5,
    ROT_SCHWARZ = 6, // "ROT/SCHWARZ"
    VORHERIGE = 7,
    VORHERIGE_FARBE = 8,
    ALLE_SELBE = 9,
    ALLE_WECHSEL = 10,
    ALLES = 11,
    NICHTS = 12,
    // Added later, so the numbers above keep their meaning: every card of the
    // moved run has the suit of the card it is laid on (a one-suit run).
    ALLE_VORHERIGE = 13
};
}

// Suit table B: AFLS (the empty place).
namespace SuitB {
enum : int {
    KREUZ = 0,
    KARO = 1,
    PIK = 2,
    HERZ = 3,
    ROT = 4,
    SCHWARZ = 5,
    ALLE_SELBE = 6,
    ALLE_WECHSEL = 7,
    ALLES = 8,
    NICHTS = 9,
    ALLE_VORHERIGE = 10 // every card of the run has the suit of its lowest card
};
}

// Rank table A: AW, AW_MOVE, INIT_AW, SPIEL_AW. 0..12 are the ranks ASS..KÖNIG.
namespace RankA {
enum : int {
    ZAHLEN = 13,
    FIGUREN = 14,
    VORHERIGE = 15,
    VORHERIGE_MINUS = 16,
    VORHERIGE_PLUS = 17,
    PLUS_MINUS = 18,
    STAPEL_PLUS = 19,
    STAPEL_MINUS = 20,
    ALLES = 21,
    NICHTS = 22
};
}

// Rank table B: AWLS (the empty place). 0..12 are the ranks ASS..KÖNIG.
namespace RankB {
enum : int {
    ZAHLEN = 13,
    FIGUREN = 14,
    STAPEL_PLUS = 15,
    STAPEL_MINUS = 16,
    ALLES = 17,
    NICHTS = 18,
    // Added later: the rank the deal gave the first of the piles with this word
    // (a foundation whose first rank is chosen by the deal).
    BASIS = 19
};
}

// KOVA: what a click on the face-down cards does.
namespace Kova {
enum : int {
    AUFDECKEN = 0,
    AUFDECKEN_VERKN_MULT = 1,
    AUFDECKEN_VERKN_1 = 2,
    AUFDECKEN_VERKN_MULT_U = 3,
    AUFDECKEN_VERKN_1_U = 4,
    NICHTS = 5
};
}

// KOLA: what a click on the empty place does.
namespace Kola {
enum : int {
    HOLEN_VERKN_VERDECKT = 0,
    HOLEN_VERKN_SICHTBAR = 1,
    HOLEN_VERKN_ALLE = 2,
    NICHTS = 3,
    // Gathers every card of the linked piles, shuffles them and deals them out
    // again face up, ANZ_AUFDECKEN to each linked pile in link order.
    MISCHEN_VERKN = 4
};
}

int LookupSuitA(std::string_view word);
int LookupSuitB(std::string_view word);
int LookupRankA(std::string_view word);
int LookupRankB(std::string_view word);
int LookupKova(std::string_view word);
int LookupKola(std::string_view word);
