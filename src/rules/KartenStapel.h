// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One pile of the table: its face-up and face-down card lists and the rule
// values its block of the game definition gave it. The same class is stock,
// waste, tableau column, free cell and foundation; only the data differs.
//
// Index 0 of a card list is the lowest card, the last index the top card. The
// run of a card is the card with all cards lying on it in the same list.
// Rule fields keep the names of their keys in the game definition file.
#include <vector>

#include "data/PtrList.h"
#include "rules/Card.h"
#include "rules/FanSqueeze.h"
#include "rules/KeywordTables.h"
#include "rules/TableSettings.h"
#include "rules/Vec2.h"

class ByteWordReader;

// Which list of a pile holds a card.
enum class CardPlace { None, Visible, FaceDown };

// One cell of the card-set image, by column and row.
struct MarkerCell {
    int column = 0;
    int row = 0;
};

// What the empty place of a pile shows (drawn by the card scene, cells of the
// card-set image): always the frame, then optionally a suit symbol, a rank
// symbol and the drop highlight, each in the colour given.
struct EmptyMarker {
    static constexpr unsigned SymbolColour = 0x7F4F4F4Fu;
    static constexpr unsigned HighlightColour = 0x7FFFFFFFu;
    MarkerCell frame{1, 14};
    bool hasSuit = false;
    MarkerCell suit;
    bool hasRank = false;
    MarkerCell rank;
    bool hasHighlight = false;
    MarkerCell highlight{2, 14};
};

class KartenStapel {
public:
    explicit KartenStapel(Vec2 position = {}, const TableSettings* settings = nullptr);
    KartenStapel(const KartenStapel&) = delete;
    KartenStapel& operator=(const KartenStapel&) = delete;
    virtual ~KartenStapel() = default;

    // ---- Rule fields, in their declared order ----
    PtrList<Card> visibleCards;                // face-up cards (not owned)
    PtrList<Card> faceDownCards;               // face-down cards (not owned)
    Card* hoveredCard = nullptr;               // the card whose followers are spread apart
    const TableSettings* app;                  // screen size and speeds
    Vec2 position;                             // "POSITION:", top-left corner of the place
    Vec2 visibleOffset{10.0f, 20.0f};          // "SICHTBAREKARTEN_VERSCH:"
    Vec2 effectiveVisibleOffset{10.0f, 20.0f}; // visibleOffset after squeezing
    Vec2 faceDownOffset;                       // "VERDECKTEKARTEN_VERSCH:" (unset: 0, 0)
    Vec2 effectiveFaceDownOffset;              // copy made by layout
    // Unset rule words read as NICHTS: a pile whose file forgot a rule accepts nothing.
    int AF = SuitA::NICHTS;      // suit rule while the pile has visible cards
    int AFLS = SuitB::NICHTS;    // suit rule while it has none
    int AF_MOVE = SuitA::NICHTS; // suit rule of the move-order test
    int AW = RankA::NICHTS;      // rank rule while the pile has visible cards
    int AWLS = RankB::NICHTS;    // rank rule while it has none
    int AW_MOVE = RankA::NICHTS; // rank rule of the move-order test
    int pileId = -1;             // "ID:"; unset: -1, which no id list of the file names by accident
    std::vector<int> linkIds;    // "VERK_STAPEL_START" group, else the ids read by "ID:"
    PtrList<KartenStapel> linkedPiles;                     // resolved links (not owned)
    int ANZ_AUFDECKEN = 0;                                 // cards per linked pile for KOVA
    std::vector<int> targetIds;                            // piles this pile may give cards to
    std::vector<int> sourceIds;                            // piles this pile may receive cards from
    const PtrList<KartenStapel, true>* allPiles = nullptr; // the game's pile list
    int VERSCH_GRÖSSE = -1;         // most cards taken at once; -1 = no limit
    bool MOVE_STAPEL = false;       // cards on a moved card follow it
    int INIT_ANZ_SICHTBAR = 0;      // deal: cards face up
    int INIT_ANZ_VERDECKT = 0;      // deal: cards face down
    int INIT_AF = SuitA::NICHTS;    // deal suit filter (NICHTS admits every suit)
    int INIT_AW = RankA::NICHTS;    // deal rank filter (NICHTS admits every rank)
    int KOVA = Kova::NICHTS;        // click on the face-down cards
    int KOLA = Kola::NICHTS;        // click on the empty place
    int MAX_GRÖSSE_SICHTBAR = -1;   // most visible cards; -1 = no limit
    int MAX_GRÖSSE_VERDECKT = -1;   // kept; no rule reads it
    bool CHECK_MOVE_STAPEL = false; // check the order inside moved runs
    bool LEER_ACCEPTS_KARTEN = true;
    bool VERDECKT_ACCEPTS_KARTEN = true;
    bool LEER_ACCEPTS_ONLY_VERKN = false;
    bool WRAPING = false; // KÖNIG and ASS are neighbours for the AW rules 16..18
    bool ANZ_VERKN_LEER = false;
    bool AUTO_FILL_VERKN = false;
    bool AKTIV_IF_VERKN_LEER = false;
    // Added keys (absent from a file: the behaviour of files written before them).
    bool INIT_KÖNIGE_UNTEN = false; // the deal puts this pile's face-up kings under its other cards
    int MAX_HOLEN = -1;             // most times KOLA may act; -1 = no limit
    int VERSCH_NUR_OBERSTE = -1;    // only the top n face-up cards fan out; -1 = all of them
    bool KOVA_NICHT_WENN_LEER = false; // no dealing onto the links while one of them is empty
    std::vector<int> doublingIds;   // "LEER_VERDOPPELN_START": empty piles that double a run
    int holenCount = 0;             // times KOLA has acted in this game (undo and quick save keep it)
    bool isGoalPile = false;
    bool dropHighlight = false;
    Vec2 cardSize{88.0f, 128.0f};
    TableMargins tableMargins; // the game's "SPIEL_TISCHRAND:": where fans are squeezed

    // ---- Definition file ----
    // Reads the words of one pile block up to and including "STAPEL_ENDE" or
    // the end of the words.
    void ParsePileBlock(ByteWordReader& words);

    // ---- Rules ----
    // May the card, with its run, leave this pile?
    bool CanGiveCard(const Card* card) const;
    // Does the card fit, by AF_MOVE and AW_MOVE, on the visible card at index?
    bool FitsMoveOrder(const Card* card, int index) const;
    // May the card, the lowest of count cards (its run), be laid on this pile?
    // The run check appends the card for the time of the check; both piles are
    // exactly as before when it returns.
    bool AcceptsCards(Card* card, int count);
    // The count the scene and the automatic move pass to AcceptsCards for a
    // card of this pile: VERSCH_GRÖSSE, or the run length without a limit.
    int MoveCountFor(const Card* card) const;
    // The depth the scene passes to AddVisible on a drop from this pile.
    int MoveDepth() const { return VERSCH_GRÖSSE == -1 ? -1 : VERSCH_GRÖSSE + 1; }

    // ---- Moving cards ----
    // Inserts the card face up at position (-1 or past the top = on top), with
    // up to depth cards above it (-1 = all, 0 = the card alone) when
    // withCardsAbove is set; the old owner lets go of them.
    void AddVisible(Card* card, int position = -1, bool withCardsAbove = true, int depth = -1);
    // Inserts the card face down at position (-1 = on top); it jumps to the place.
    void AddFaceDown(Card* card, int position = -1);
    void RemoveVisible(Card* card);
    void RemoveFaceDown(Card* card);
    void CountCards(int& visibleCount, int& faceDownCount) const;
    int VisibleCount() const { return visibleCards.Count(); }
    int FaceDownCount() const { return faceDownCards.Count(); }
    int TotalCount() const { return visibleCards.Count() + faceDownCards.Count(); }
    bool IsCompletelyEmpty() const { return TotalCount() == 0; }
    // The visible card at index (-1 = the top card), or null.
    Card* TopVisible(int index = -1) const;
    CardPlace WhereIs(const Card* card) const;
    void ClearMarks();
    // The four deal values together: face-up count, face-down count, suit and rank filter.
    void GetDealValues(int& faceUp, int& faceDown, int& suitFilter, int& rankFilter) const {
        faceUp = INIT_ANZ_SICHTBAR;
        faceDown = INIT_ANZ_VERDECKT;
        suitFilter = INIT_AF;
        rankFilter = INIT_AW;
    }
    // AWLS BASIS: the rank of the lowest card of the first pile with that rule
    // that holds cards; -1 while none does (then any rank starts).
    int BaseRank() const;
    // The chatter joker: every rule accepts everything from now on.
    void RelaxRules();

    // Every frame: the cards glide towards their targets, then the automatic
    // fill of linked piles.
    virtual void UpdatePile(double realFrameTime);

    // ---- Linked piles (KartenStapelLinks.cpp) ----
    // Click on the face-down cards by KOVA; true when an undo state is due.
    bool UncoverByRule();
    // Click on the empty place by KOLA; true when an undo state is due. Once the
    // pile has acted MAX_HOLEN times the click does nothing.
    bool FetchFromLinked();
    // Turns the visible cards over onto the face-down cards, keeping their order.
    void TurnVisibleFaceDown();
    // AUTO_FILL_VERKN, run by UpdatePile: every completely empty linked pile gets
    // this pile's top visible card. True when a card moved.
    bool FillLinkedPiles();

    // ---- Questions a search asks (KartenStapelRules.cpp) ----
    // Could the card, by this pile's suit and rank rules, ever be laid on top
    // when top were this pile's top card? Rules that judge a whole run answer
    // yes; a pile that receives from nowhere or holds one card at most answers no.
    bool RulesMightAllowOn(const Card* card, const Card* top) const;

    // ---- Double click (AutoMove.cpp) ----
    // Sends a visible card of this pile, with the cards on it, to the first pile
    // of the table that accepts it: goal piles first, then the others, each in
    // pile order, never this pile. True when it moved.
    bool AutoMoveCard(Card* card);

    // ---- Layout and hit tests ----
    void LayoutFaceDown();
    void LayoutVisible();
    void Layout() {
        LayoutFaceDown();
        LayoutVisible();
    }
    void SetHoveredCard(Card* card);
    bool HitVisibleCard(int x, int y) const;
    bool HitFaceDownCard(int x, int y) const;
    bool HitPlace(int x, int y) const;
    int VisibleCardAt(int x, int y) const;
    int FaceDownCardAt(int x, int y) const;
    // What DrawEmptyMarker shows for this pile.
    EmptyMarker EmptyMarkerCells() const;
    // The scale of a marker cell of cw x ch pixels drawn at the card size.
    Vec2 MarkerScale(float cellWidth, float cellHeight) const;

private:
    bool SuitRuleAllows(const Card* card, const Card* top, int count) const;
    bool RankRuleAllows(const Card* card, const Card* top, int count, int rankRule) const;
    int RankRuleInEffect() const;

    // Call points of the link conditions and the automatic fill, implemented
    // with the linked piles in KartenStapelLinks.cpp.
    // AKTIV_IF_VERKN_LEER: may this pile give or receive cards now?
    bool LinkConditionsAllowActivity() const;
    // LEER_ACCEPTS_ONLY_VERKN, asked only when the pile is completely empty.
    bool LinkConditionsAllowEmptyFrom(int sourceId) const;
    // KOLA MISCHEN_VERKN: false when the linked piles hold no card.
    bool ShuffleLinkedAndDeal();
    // ANZ_VERKN_LEER: room on the linked piles for a run of count cards.
    bool LinkConditionsAllowRun(int sourceId, int count) const;
};
