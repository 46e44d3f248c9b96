// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The identity of a card: a suit and a rank. Several cards of a deck may share
// one CardId; cards on the table are always told apart by object identity.

namespace Suit {
enum : int { KREUZ = 0, KARO = 1, PIK = 2, HERZ = 3 };
}

namespace Rank {
enum : int {
    ASS = 0,
    ZWEI,
    DREI,
    VIER,
    FÜNF,
    SECHS,
    SIEBEN,
    ACHT,
    NEUN,
    ZEHN,
    BUBE,
    DAME,
    KÖNIG = 12
};
}

// Odd suits (KARO, HERZ) are red, even ones (KREUZ, PIK) black.
inline bool IsRedSuit(int suit) {
    return (suit & 1) != 0;
}
// ZAHLEN are ASS to ZEHN, FIGUREN are BUBE, DAME and KÖNIG.
inline bool IsZahl(int rank) {
    return rank <= Rank::ZEHN;
}
inline bool IsFigur(int rank) {
    return rank >= Rank::BUBE;
}

struct CardId {
    int suit = 0;
    int rank = 0;

    bool IsRed() const { return IsRedSuit(suit); }
    friend bool operator==(const CardId&, const CardId&) = default;
};
