// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a pile: CanGiveCard, FitsMoveOrder and AcceptsCards, grouped by
// rule family.
#include <gtest/gtest.h>

#include <initializer_list>

#include "RulesTestSupport.h"

namespace {

constexpr int kKreuz = Suit::KREUZ, kKaro = Suit::KARO, kPik = Suit::PIK, kHerz = Suit::HERZ;

// A source pile (id 1, gives to 2) and a target pile (id 2, takes from 1). Both
// accept everything until a test sets their rules.
class PileRules : public ::testing::Test {
protected:
    void SetUp() override {
        source = MakePile(1, {}, {2});
        target = MakePile(2, {1}, {});
        for (KartenStapel* p : {source.get(), target.get()}) {
            p->AF = p->AF_MOVE = SuitA::ALLES;
            p->AW = p->AW_MOVE = RankA::ALLES;
            p->AFLS = SuitB::ALLES;
            p->AWLS = RankB::ALLES;
        }
    }

    // Lays cards face up on a pile, lowest first; returns the lowest.
    Card* Put(KartenStapel& pile, std::initializer_list<std::pair<int, int>> rankSuit) {
        Card* first = nullptr;
        for (auto [rank, suit] : rankSuit) {
            Card* c = box.Make(rank, suit);
            pile.AddVisible(c, -1, false, 0);
            if (first == nullptr) first = c;
        }
        return first;
    }
    Card* One(int rank, int suit) { return Put(*source, {{rank, suit}}); }
    bool Accepts(Card* c) { return target->AcceptsCards(c, c->RunLength()); }

    CardBox box;
    std::unique_ptr<KartenStapel> source;
    std::unique_ptr<KartenStapel> target;
};

} // namespace

TEST_F(PileRules, AlternatingColoursDescending) {
    target->AF = SuitA::ROT_SCHWARZ;
    target->AW = RankA::VORHERIGE_MINUS;
    Put(*target, {{Rank::NEUN, kPik}});
    EXPECT_TRUE(Accepts(One(Rank::ACHT, kHerz)));
    EXPECT_TRUE(Accepts(One(Rank::ACHT, kKaro)));
    EXPECT_FALSE(Accepts(One(Rank::ACHT, kKreuz)));  // black on black
    EXPECT_FALSE(Accepts(One(Rank::SIEBEN, kHerz))); // two below
    EXPECT_FALSE(Accepts(One(Rank::ZEHN, kHerz)));   // above
}

TEST_F(PileRules, WrappingForTheThreeNeighbourRules) {
    struct Case {
        int rule;
        int top;
        int card;
    } cases[] = {
        {RankA::VORHERIGE_MINUS, Rank::ASS, Rank::KÖNIG},
        {RankA::VORHERIGE_PLUS, Rank::KÖNIG, Rank::ASS},
        {RankA::PLUS_MINUS, Rank::KÖNIG, Rank::ASS},
        {RankA::PLUS_MINUS, Rank::ASS, Rank::KÖNIG},
    };
    for (const Case& c : cases) {
        for (bool wrap : {false, true}) {
            SetUp();
            target->AW = c.rule;
            target->WRAPING = wrap;
            Put(*target, {{c.top, kKreuz}});
            EXPECT_EQ(Accepts(One(c.card, kHerz)), wrap)
                << "rule " << c.rule << " top " << c.top << " wrap " << wrap;
        }
    }
    // The ordinary neighbours hold with and without wrapping.
    for (bool wrap : {false, true}) {
        SetUp();
        target->AW = RankA::PLUS_MINUS;
        target->WRAPING = wrap;
        Put(*target, {{Rank::SIEBEN, kKreuz}});
        EXPECT_TRUE(Accepts(One(Rank::ACHT, kHerz)));
        EXPECT_TRUE(Accepts(One(Rank::SECHS, kHerz)));
        EXPECT_FALSE(Accepts(One(Rank::SIEBEN, kHerz)));
    }
    // VORHERIGE_MINUS wraps only downwards: ASS on KÖNIG stays refused.
    SetUp();
    target->AW = RankA::VORHERIGE_MINUS;
    target->WRAPING = true;
    Put(*target, {{Rank::KÖNIG, kKreuz}});
    EXPECT_FALSE(Accepts(One(Rank::ASS, kHerz)));
}

TEST_F(PileRules, SuitRulesOnCards) {
    struct Case {
        int rule;
        int topSuit;
        int cardSuit;
        bool accepted;
    } cases[] = {
        {SuitA::HERZ, kPik, kHerz, true},
        {SuitA::HERZ, kHerz, kKaro, false},
        {SuitA::ROT, kHerz, kKaro, true},
        {SuitA::ROT, kHerz, kPik, false},
        {SuitA::SCHWARZ, kHerz, kKreuz, true},
        {SuitA::SCHWARZ, kPik, kHerz, false},
        {SuitA::ROT_SCHWARZ, kKaro, kPik, true},
        {SuitA::ROT_SCHWARZ, kKaro, kHerz, false},
        {SuitA::VORHERIGE, kKaro, kKaro, true},
        {SuitA::VORHERIGE, kKaro, kHerz, false},
        {SuitA::VORHERIGE_FARBE, kKaro, kHerz, true},
        {SuitA::VORHERIGE_FARBE, kKaro, kPik, false},
        {SuitA::ALLES, kKaro, kPik, true},
        {SuitA::NICHTS, kKaro, kKaro, false},
    };
    for (const Case& c : cases) {
        SetUp();
        target->AF = c.rule;
        Put(*target, {{Rank::FÜNF, c.topSuit}});
        EXPECT_EQ(Accepts(One(Rank::FÜNF, c.cardSuit)), c.accepted) << "AF " << c.rule;
    }
}

TEST_F(PileRules, RunColourRules) {
    target->AF = SuitA::ALLE_SELBE;
    Put(*target, {{Rank::ZEHN, kKreuz}});
    Card* sameColour =
        Put(*source, {{Rank::NEUN, kHerz}, {Rank::ACHT, kKaro}, {Rank::SIEBEN, kHerz}});
    EXPECT_TRUE(Accepts(sameColour));
    Put(*source, {{Rank::SECHS, kPik}});
    EXPECT_FALSE(Accepts(sameColour)); // the black SECHS breaks it

    SetUp();
    target->AF = SuitA::ALLE_WECHSEL;
    Put(*target, {{Rank::ZEHN, kKreuz}});
    Card* alternating =
        Put(*source, {{Rank::NEUN, kHerz}, {Rank::ACHT, kPik}, {Rank::SIEBEN, kKaro}});
    EXPECT_TRUE(Accepts(alternating));
    Put(*source, {{Rank::SECHS, kHerz}});
    EXPECT_FALSE(Accepts(alternating));

    // The same two rules on the empty place come from table B.
    SetUp();
    target->AFLS = SuitB::ALLE_SELBE;
    Card* mixed = Put(*source, {{Rank::NEUN, kHerz}, {Rank::ACHT, kPik}});
    EXPECT_FALSE(Accepts(mixed));
    target->AFLS = SuitB::ALLE_WECHSEL;
    EXPECT_TRUE(Accepts(mixed));
}

TEST_F(PileRules, RankRulesOnCards) {
    struct Case {
        int rule;
        int top;
        int card;
        bool accepted;
    } cases[] = {
        {Rank::DAME, Rank::ZWEI, Rank::DAME, true},
        {Rank::DAME, Rank::ZWEI, Rank::BUBE, false},
        {RankA::ZAHLEN, Rank::BUBE, Rank::ZEHN, true},
        {RankA::ZAHLEN, Rank::BUBE, Rank::BUBE, false},
        {RankA::ZAHLEN, Rank::BUBE, Rank::ASS, true},
        {RankA::FIGUREN, Rank::ZWEI, Rank::BUBE, true},
        {RankA::FIGUREN, Rank::ZWEI, Rank::ASS, false},
        {RankA::VORHERIGE, Rank::SIEBEN, Rank::SIEBEN, true},
        {RankA::VORHERIGE, Rank::SIEBEN, Rank::ACHT, false},
        {RankA::VORHERIGE_PLUS, Rank::SIEBEN, Rank::ACHT, true},
        {RankA::VORHERIGE_PLUS, Rank::SIEBEN, Rank::SECHS, false},
        {RankA::ALLES, Rank::SIEBEN, Rank::ASS, true},
        {RankA::NICHTS, Rank::SIEBEN, Rank::SECHS, false},
    };
    for (const Case& c : cases) {
        SetUp();
        target->AW = c.rule;
        Put(*target, {{c.top, kKreuz}});
        EXPECT_EQ(Accepts(One(c.card, kHerz)), c.accepted) << "AW " << c.rule << " card " << c.card;
    }
}

TEST_F(PileRules, EmptyPlaceUsesAflsAndAwls) {
    target->AF = SuitA::NICHTS; // not consulted without visible cards
    target->AW = RankA::NICHTS;
    target->AFLS = SuitB::SCHWARZ;
    target->AWLS = Rank::KÖNIG;
    EXPECT_TRUE(Accepts(One(Rank::KÖNIG, kPik)));
    EXPECT_FALSE(Accepts(One(Rank::KÖNIG, kHerz)));
    EXPECT_FALSE(Accepts(One(Rank::DAME, kPik)));
    target->AFLS = SuitB::ALLES;
    target->AWLS = RankB::ZAHLEN;
    EXPECT_TRUE(Accepts(One(Rank::ASS, kHerz)));
    EXPECT_FALSE(Accepts(One(Rank::BUBE, kHerz)));
    target->AWLS = RankB::FIGUREN;
    EXPECT_TRUE(Accepts(One(Rank::BUBE, kHerz)));
    target->AWLS = RankB::NICHTS;
    EXPECT_FALSE(Accepts(One(Rank::BUBE, kHerz)));
    target->AWLS = RankB::ALLES;
    target->AFLS = SuitB::NICHTS;
    EXPECT_FALSE(Accepts(One(Rank::BUBE, kHerz)));
}

TEST_F(PileRules, EmptyPileWithLeerAcceptsKartenOffRefusesEverything) {
    target->LEER_ACCEPTS_KARTEN = false;
    for (int rank : {Rank::ASS, Rank::SIEBEN, Rank::KÖNIG})
        for (int suit = 0; suit < 4; ++suit)
            EXPECT_FALSE(Accepts(One(rank, suit)));
    target->LEER_ACCEPTS_KARTEN = true;
    EXPECT_TRUE(Accepts(One(Rank::ASS, kKreuz)));
}

TEST_F(PileRules, FaceDownOnlyPileFollowsVerdecktAcceptsAndTheEmptyRules) {
    target->LEER_ACCEPTS_KARTEN = false; // not asked: the pile is not completely empty
    target->AddFaceDown(box.Make(Rank::ZWEI, kKreuz));
    target->AF = SuitA::ALLES;
    target->AW = RankA::VORHERIGE_MINUS; // would refuse a KÖNIG if consulted
    target->AFLS = SuitB::ALLES;
    target->AWLS = Rank::KÖNIG;
    target->VERDECKT_ACCEPTS_KARTEN = true;
    EXPECT_TRUE(Accepts(One(Rank::KÖNIG, kHerz)));
    EXPECT_FALSE(Accepts(One(Rank::ASS, kHerz)));
    target->VERDECKT_ACCEPTS_KARTEN = false;
    EXPECT_FALSE(Accepts(One(Rank::KÖNIG, kHerz)));
}

TEST_F(PileRules, SourceAndTargetIdsRefuseWhateverTheRules) {
    Card* card = One(Rank::ASS, kHerz);
    EXPECT_TRUE(Accepts(card));
    target->sourceIds = {3, 4};
    EXPECT_FALSE(Accepts(card));
    target->sourceIds = {1};
    source->targetIds = {5};
    EXPECT_FALSE(Accepts(card));
    source->targetIds.clear(); // a pile with no target ids never gives
    EXPECT_FALSE(Accepts(card));
    source->targetIds = {2};
    target->sourceIds.clear(); // a pile with no source ids never receives
    EXPECT_FALSE(Accepts(card));
    // A card in no pile has no source at all.
    target->sourceIds = {1};
    EXPECT_FALSE(target->AcceptsCards(box.Make(Rank::ASS, kHerz), 1));
}

TEST_F(PileRules, FreeCellOfCapacityOne) {
    target->MAX_GRÖSSE_SICHTBAR = 1;
    Card* pair = Put(*source, {{Rank::NEUN, kHerz}, {Rank::ACHT, kPik}});
    EXPECT_FALSE(target->AcceptsCards(pair, 2));
    EXPECT_TRUE(target->AcceptsCards(pair->cardAbove, 1));
    target->AddVisible(pair->cardAbove, -1, true, -1);
    EXPECT_FALSE(target->AcceptsCards(pair, 1)); // the cell is full
}

TEST_F(PileRules, CapacityCountsTheRunPassed) {
    target->MAX_GRÖSSE_SICHTBAR = 4;
    Put(*target, {{Rank::ZEHN, kKreuz}, {Rank::NEUN, kKreuz}});
    Card* c = One(Rank::ACHT, kHerz);
    EXPECT_TRUE(target->AcceptsCards(c, 2));
    EXPECT_FALSE(target->AcceptsCards(c, 3)); // count decides, not the run present
}

TEST_F(PileRules, VerschGroesseOneGivesOnlyTheTopCard) {
    source->VERSCH_GRÖSSE = 1;
    Card* low = Put(*source, {{Rank::NEUN, kHerz}, {Rank::ACHT, kPik}, {Rank::SIEBEN, kHerz}});
    EXPECT_FALSE(source->CanGiveCard(low));
    EXPECT_FALSE(source->CanGiveCard(low->cardAbove));
    EXPECT_TRUE(source->CanGiveCard(low->cardAbove->cardAbove));
    EXPECT_EQ(source->MoveCountFor(low), 1);
    EXPECT_EQ(source->MoveDepth(), 2);
}

TEST_F(PileRules, CheckMoveStapelGivesOrderedRunsOnly) {
    source->VERSCH_GRÖSSE = -1;
    source->CHECK_MOVE_STAPEL = true;
    source->AF_MOVE = SuitA::ROT_SCHWARZ;
    source->AW_MOVE = RankA::VORHERIGE_MINUS;
    Card* broken =
        Put(*source,
            {{Rank::DAME, kKreuz}, {Rank::NEUN, kHerz}, {Rank::ACHT, kPik}, {Rank::SIEBEN, kKaro}});
    Card* nine = broken->cardAbove;
    EXPECT_TRUE(source->CanGiveCard(nine)); // NEUN ACHT SIEBEN alternate and descend
    EXPECT_TRUE(source->CanGiveCard(nine->cardAbove));
    EXPECT_FALSE(source->CanGiveCard(broken)); // NEUN does not follow DAME
    EXPECT_EQ(source->MoveCountFor(nine), 3);
    EXPECT_EQ(source->MoveDepth(), -1);
    source->CHECK_MOVE_STAPEL = false;
    EXPECT_TRUE(source->CanGiveCard(broken));
    // A card that is not one of the pile's visible cards: only the link condition decides.
    EXPECT_TRUE(source->CanGiveCard(box.Make(Rank::ASS, kKreuz)));
}

TEST_F(PileRules, FitsMoveOrderTable) {
    Put(*source, {{Rank::SIEBEN, kKreuz}});
    auto fits = [&](int suitRule, int rankRule, int rank, int suit) {
        source->AF_MOVE = suitRule;
        source->AW_MOVE = rankRule;
        Card probe(rank, suit);
        return source->FitsMoveOrder(&probe, 0);
    };
    EXPECT_TRUE(fits(SuitA::PIK, RankA::ALLES, Rank::ASS, kPik));
    EXPECT_FALSE(fits(SuitA::PIK, RankA::ALLES, Rank::ASS, kKreuz));
    EXPECT_TRUE(fits(SuitA::ROT, RankA::ALLES, Rank::ASS, kKaro));
    EXPECT_TRUE(fits(SuitA::SCHWARZ, RankA::ALLES, Rank::ASS, kPik));
    EXPECT_TRUE(fits(SuitA::ROT_SCHWARZ, RankA::ALLES, Rank::ASS, kHerz));
    EXPECT_FALSE(fits(SuitA::ROT_SCHWARZ, RankA::ALLES, Rank::ASS, kPik));
    EXPECT_TRUE(fits(SuitA::VORHERIGE, RankA::ALLES, Rank::ASS, kKreuz));
    EXPECT_FALSE(fits(SuitA::VORHERIGE, RankA::ALLES, Rank::ASS, kPik));
    for (int free : {SuitA::VORHERIGE_FARBE, SuitA::ALLE_SELBE, SuitA::ALLE_WECHSEL, SuitA::ALLES})
        EXPECT_TRUE(fits(free, RankA::ALLES, Rank::ASS, kHerz)) << free;
    EXPECT_FALSE(fits(SuitA::NICHTS, RankA::ALLES, Rank::ASS, kHerz));

    EXPECT_TRUE(fits(SuitA::ALLES, Rank::DAME, Rank::DAME, kHerz));
    EXPECT_FALSE(fits(SuitA::ALLES, Rank::DAME, Rank::BUBE, kHerz));
    EXPECT_TRUE(fits(SuitA::ALLES, RankA::ZAHLEN, Rank::ZEHN, kHerz));
    EXPECT_FALSE(fits(SuitA::ALLES, RankA::FIGUREN, Rank::ZEHN, kHerz));
    EXPECT_TRUE(fits(SuitA::ALLES, RankA::VORHERIGE, Rank::SIEBEN, kHerz));
    EXPECT_TRUE(fits(SuitA::ALLES, RankA::VORHERIGE_MINUS, Rank::SECHS, kHerz));
    EXPECT_FALSE(fits(SuitA::ALLES, RankA::VORHERIGE_MINUS, Rank::ACHT, kHerz));
    EXPECT_TRUE(fits(SuitA::ALLES, RankA::VORHERIGE_PLUS, Rank::ACHT, kHerz));
    for (int free : {RankA::PLUS_MINUS, RankA::STAPEL_PLUS, RankA::STAPEL_MINUS, RankA::ALLES})
        EXPECT_TRUE(fits(SuitA::ALLES, free, Rank::ASS, kHerz)) << free;
    EXPECT_FALSE(fits(SuitA::ALLES, RankA::NICHTS, Rank::SECHS, kHerz));
    // WRAPING plays no part in the move order.
    source->WRAPING = true;
    source->visibleCards[0]->rank = Rank::ASS;
    EXPECT_FALSE(fits(SuitA::ALLES, RankA::VORHERIGE_MINUS, Rank::KÖNIG, kHerz));
}

TEST_F(PileRules, CompleteRunsCountThirteen) {
    // An empty foundation that takes KÖNIG down to ASS in one go.
    target->AFLS = SuitB::ALLE_SELBE;
    target->AWLS = RankB::STAPEL_MINUS;
    target->CHECK_MOVE_STAPEL = true; // skipped for complete-run rules
    Card* king = nullptr;
    for (int rank = Rank::KÖNIG; rank >= Rank::ASS; --rank) {
        Card* c = One(rank, kPik);
        if (king == nullptr) king = c;
    }
    EXPECT_EQ(king->RunLength(), 13);
    EXPECT_TRUE(target->AcceptsCards(king, 13));
    EXPECT_FALSE(target->AcceptsCards(king, 12));
    EXPECT_FALSE(target->AcceptsCards(king->cardAbove, 13)); // not a KÖNIG
    target->AWLS = RankB::STAPEL_PLUS;
    EXPECT_FALSE(target->AcceptsCards(king, 13));
    // A gap in the run refuses it: swap the DAME for a BUBE.
    target->AWLS = RankB::STAPEL_MINUS;
    king->cardAbove->rank = Rank::BUBE;
    EXPECT_FALSE(target->AcceptsCards(king, 13));
}

TEST_F(PileRules, CompleteRunUpwardsOnCards) {
    target->AW = RankA::STAPEL_PLUS;
    Put(*target, {{Rank::FÜNF, kKaro}});
    Card* ace = nullptr;
    for (int rank = Rank::ASS; rank <= Rank::KÖNIG; ++rank) {
        Card* c = One(rank, kHerz);
        if (ace == nullptr) ace = c;
    }
    EXPECT_TRUE(target->AcceptsCards(ace, 13));
    EXPECT_FALSE(target->AcceptsCards(ace, 12));
    target->AW = RankA::STAPEL_MINUS;
    EXPECT_FALSE(target->AcceptsCards(ace, 13));
}

TEST_F(PileRules, RunWhoseSecondCardBreaksTheTargetIsRefusedAndNothingChanges) {
    target->AF = SuitA::ROT_SCHWARZ;
    target->AW = RankA::VORHERIGE_MINUS;
    target->CHECK_MOVE_STAPEL = true;
    Card* top = Put(*target, {{Rank::KÖNIG, kPik}, {Rank::NEUN, kPik}});
    Card* eight = Put(*source, {{Rank::ZWEI, kKreuz}, {Rank::ACHT, kHerz}, {Rank::SIEBEN, kKaro}});
    eight = eight->cardAbove;

    auto snapshot = [](const KartenStapel& p) {
        std::vector<std::tuple<Card*, KartenStapel*, Card*, Card*>> s;
        for (Card* c : p.visibleCards)
            s.emplace_back(c, c->owner, c->cardAbove, c->cardBelow);
        for (Card* c : p.faceDownCards)
            s.emplace_back(c, c->owner, c->cardAbove, c->cardBelow);
        return s;
    };
    auto targetBefore = snapshot(*target);
    auto sourceBefore = snapshot(*source);

    EXPECT_FALSE(target->AcceptsCards(eight, 2)); // red SIEBEN on red ACHT
    EXPECT_EQ(snapshot(*target), targetBefore);
    EXPECT_EQ(snapshot(*source), sourceBefore);
    EXPECT_EQ(target->VisibleCount(), 2);
    EXPECT_EQ(target->TopVisible(), top->cardAbove);

    eight->cardAbove->suit = kPik; // now ACHT red, SIEBEN black: the run fits
    EXPECT_TRUE(target->AcceptsCards(eight, 2));
    EXPECT_EQ(snapshot(*target), targetBefore);
    EXPECT_EQ(snapshot(*source), sourceBefore);

    // Without CHECK_MOVE_STAPEL only the lowest card is judged.
    eight->cardAbove->suit = kHerz;
    target->CHECK_MOVE_STAPEL = false;
    EXPECT_TRUE(target->AcceptsCards(eight, 2));
}

TEST_F(PileRules, RunCheckOnAnEmptyTargetJudgesTheRestOnCards) {
    // The first card goes onto the empty place by AFLS/AWLS, the rest by AF/AW.
    target->AFLS = SuitB::ALLES;
    target->AWLS = Rank::KÖNIG;
    target->AF = SuitA::ROT_SCHWARZ;
    target->AW = RankA::VORHERIGE_MINUS;
    target->CHECK_MOVE_STAPEL = true;
    Card* king = Put(*source, {{Rank::KÖNIG, kPik}, {Rank::DAME, kHerz}, {Rank::BUBE, kKreuz}});
    EXPECT_TRUE(target->AcceptsCards(king, 3));
    king->cardAbove->cardAbove->suit = kKaro;
    EXPECT_FALSE(target->AcceptsCards(king, 3));
    EXPECT_EQ(target->VisibleCount(), 0);
}
