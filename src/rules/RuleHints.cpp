// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/RuleHints.h"

#include "data/TextFormatter.h"
#include "rules/KartenStapel.h"

namespace {

std::string Slot(const TextList& texts, int slot) {
    const std::string* text = texts.Get(slot);
    return text ? *text : std::string();
}

// A text slot with one number, through the safe formatter: a stray conversion
// in a language file can never read an argument that is not there.
std::string FormatCount(const std::string& format, int value) {
    return FormatText(format, {value});
}

std::string Limited(std::string text) {
    if (text.size() > kMaxHintText) text.resize(kMaxHintText);
    return text;
}

// Suit names lie in the slot order KARO, PIK, HERZ, KREUZ.
std::string SuitName(const TextList& texts, int suit) {
    if (suit < 0 || suit > 3) return {};
    return Slot(texts, (suit + 3) % 4);
}

std::string RankName(const TextList& texts, int rank) {
    if (rank < 0 || rank > 12) return {};
    return Slot(texts, 4 + rank);
}

std::string ColourWord(const TextList& texts, bool red) {
    return Slot(texts, red ? 20 : 21);
}

// The rank below the card for VORHERIGE_MINUS; nothing when there is none.
std::optional<std::string> RankBelow(const TextList& texts, int rank, bool wrap) {
    if (rank == 0) {
        if (!wrap) return std::nullopt;
        return RankName(texts, 12);
    }
    return RankName(texts, rank - 1);
}

std::string TrimEnd(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

} // namespace

std::string CardName(const TextList& texts, int suit, int rank) {
    return Limited(SuitName(texts, suit) + " " + RankName(texts, rank));
}

std::string DescribeCardRules(const TextList& texts, int suitRule, int rankRule, int suit, int rank,
                              bool wrap) {
    if (suitRule == SuitA::ALLES && rankRule == RankA::ALLES) return Limited(Slot(texts, 26));
    if (suitRule == SuitA::NICHTS || rankRule == RankA::NICHTS) return Limited(Slot(texts, 27));
    const std::string nothing = Limited(Slot(texts, 27));
    const bool red = IsRedSuit(suit);

    std::string text;
    if (suitRule >= SuitA::KREUZ && suitRule <= SuitA::HERZ)
        text = SuitName(texts, suitRule) + " "; // a required suit is named too
    else if (suitRule == SuitA::ROT)
        text = ColourWord(texts, true) + " ";
    else if (suitRule == SuitA::SCHWARZ)
        text = ColourWord(texts, false) + " ";
    else if (suitRule == SuitA::ROT_SCHWARZ)
        text = ColourWord(texts, !red) + " ";
    else if (suitRule == SuitA::VORHERIGE_FARBE)
        text = ColourWord(texts, red) + " ";
    else if (suitRule == SuitA::VORHERIGE)
        text = SuitName(texts, suit) + " ";

    if (rankRule >= 0 && rankRule <= 12) {
        text += RankName(texts, rankRule);
    } else if (rankRule == RankA::VORHERIGE_MINUS) {
        auto below = RankBelow(texts, rank, wrap);
        if (!below) return nothing;
        text += *below;
    } else if (rankRule == RankA::VORHERIGE_PLUS) {
        if (rank == 12 && !wrap) return nothing;
        text += RankName(texts, rank == 12 ? 0 : rank + 1);
    } else if (rankRule == RankA::PLUS_MINUS) {
        if (rank == 0) {
            if (wrap) text += RankName(texts, 12) + ", ";
            text += RankName(texts, 1);
        } else if (rank == 12) {
            text += RankName(texts, 11);
            if (wrap) text += ", " + RankName(texts, 0);
        } else {
            text += RankName(texts, rank - 1) + ", " + RankName(texts, rank + 1);
        }
    } else if (rankRule == RankA::STAPEL_PLUS || rankRule == RankA::STAPEL_MINUS) {
        auto below = RankBelow(texts, rank, wrap);
        if (!below) return nothing;
        if (rankRule == RankA::STAPEL_PLUS) text += Slot(texts, 22) + " ";
        text += Slot(texts, 23) + " " + *below;
    }
    return Limited(TrimEnd(text));
}

std::string DescribeEmptyRules(const TextList& texts, int suitRule, int rankRule) {
    if (suitRule == SuitB::ALLES && rankRule == RankB::ALLES) return Limited(Slot(texts, 26));
    if (suitRule == SuitB::NICHTS || rankRule == RankB::NICHTS) return Limited(Slot(texts, 27));
    std::string text;
    if (suitRule >= SuitB::KREUZ && suitRule <= SuitB::HERZ)
        text = SuitName(texts, suitRule) + " ";
    else if (suitRule == SuitB::ROT)
        text = ColourWord(texts, true) + " ";
    else if (suitRule == SuitB::SCHWARZ)
        text = ColourWord(texts, false) + " ";

    if (rankRule >= 0 && rankRule <= 12)
        text += RankName(texts, rankRule);
    else if (rankRule == RankB::STAPEL_PLUS)
        text += Slot(texts, 22) + " " + Slot(texts, 23);
    else if (rankRule == RankB::STAPEL_MINUS)
        text += Slot(texts, 23);
    return Limited(TrimEnd(text));
}

int RuleHintAlpha(double idleTime, double hintDelay) {
    double alpha = (idleTime - hintDelay) * 2.0 * 255.0;
    if (!(alpha > 0.0)) return 0;
    return alpha >= 255.0 ? 255 : static_cast<int>(alpha);
}

std::optional<std::string> RuleHintText(const TextList& texts,
                                        const PtrList<KartenStapel, true>& piles,
                                        const Card* hoveredCard, int x, int y) {
    if (hoveredCard && hoveredCard->owner) {
        const KartenStapel& pile = *hoveredCard->owner;
        std::string text = CardName(texts, hoveredCard->suit, hoveredCard->rank) + "\n" +
                           Slot(texts, pile.CanGiveCard(hoveredCard) ? 17 : 18);
        if (pile.TopVisible() == hoveredCard) {
            // A pile that takes cards from nowhere accepts nothing, whatever its rules say.
            int suitRule = pile.sourceIds.empty() ? SuitA::NICHTS : pile.AF;
            text += "\n" + Slot(texts, 28) + " " +
                    DescribeCardRules(texts, suitRule, pile.AW, hoveredCard->suit,
                                      hoveredCard->rank, pile.WRAPING);
        }
        if (pile.MAX_GRÖSSE_SICHTBAR != -1)
            text +=
                "\n" + FormatCount(Slot(texts, 25), pile.MAX_GRÖSSE_SICHTBAR - pile.VisibleCount());
        return Limited(text);
    }
    for (const KartenStapel* pile : piles) {
        if (pile->HitFaceDownCard(x, y))
            return Limited(FormatCount(Slot(texts, 19), pile->FaceDownCount()));
        if (pile->HitPlace(x, y)) {
            // A foundation started by the deal names the rank it starts with.
            int rankRule = pile->AWLS;
            if (rankRule == RankB::BASIS && pile->BaseRank() >= 0) rankRule = pile->BaseRank();
            std::string text =
                Slot(texts, 28) + " " + DescribeEmptyRules(texts, pile->AFLS, rankRule);
            if (pile->MAX_GRÖSSE_SICHTBAR != -1)
                text += "\n" + FormatCount(Slot(texts, 24), pile->MAX_GRÖSSE_SICHTBAR);
            return Limited(text);
        }
    }
    return std::nullopt;
}
