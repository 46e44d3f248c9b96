// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played with the mouse through the window procedure, as a person plays them:
// drags that land and drags that return, double clicks home, the stock and the empty
// stock, and a won game whose cards bounce until the scene reports its end.
#include "TableTestSupport.h"

#include "rules/QuickSaveFile.h"

namespace {

using namespace tabletest;

struct Move {
    KartenStapel* source = nullptr;
    Card* card = nullptr;
    KartenStapel* target = nullptr;
};

// A top card that some other pile (not a goal pile) takes, or that a non-empty pile refuses.
Move FindDrag(SolitärGame& game, bool legal) {
    for (KartenStapel* source : game.piles) {
        Card* card = source->TopVisible();
        if (!card || source->isGoalPile || !source->CanGiveCard(card)) continue;
        for (KartenStapel* target : game.piles) {
            if (target == source || target->isGoalPile) continue;
            if (!legal && target->VisibleCount() == 0) continue;
            const bool takes =
                target->CanGiveCard(card) && target->AcceptsCards(card, source->MoveCountFor(card));
            if (takes == legal) return {source, card, target};
        }
    }
    return {};
}

Card* TopAce(SolitärGame& game) {
    for (KartenStapel* pile : game.piles) {
        Card* top = pile->TopVisible();
        if (top && top->rank == 0 && !pile->isGoalPile) return top;
    }
    return nullptr;
}

class PlayTest : public TableTest {
protected:
    void DragOnto(Card* card, KartenStapel* target) {
        const Card* top = target->TopVisible();
        const Vec2 to = top ? top->position + Vec2{44, 40} : target->position + Vec2{44, 40};
        Drag(CentreX(card), CentreY(card), static_cast<int>(to.x), static_cast<int>(to.y));
    }

    // Opens the game with the first seed from `first` whose deal passes `fits`.
    template <typename Fits>
    uint32_t OpenFitting(const std::string& category, const std::string& game, uint32_t first,
                         Fits fits) {
        for (uint32_t seed = first; seed < first + 200; ++seed) {
            Open(category, game, seed);
            if (fits(Game())) return seed;
        }
        ADD_FAILURE() << "no deal of " << category << "/" << game << " fits";
        return 0;
    }
};

TEST_F(PlayTest, FreeCellDragsLandOrReturnAndDoubleClickSendsAnAceHome) {
    OpenFitting("freecell", "freecell", 1, [](SolitärGame& g) { return TopAce(g) != nullptr; });
    SolitärGame& game = Game();
    ASSERT_EQ(game.table.undoIndex, 0);

    const Move legal = FindDrag(game, true);
    ASSERT_TRUE(legal.card);
    DragOnto(legal.card, legal.target);
    EXPECT_EQ(legal.card->owner, legal.target);
    EXPECT_EQ(game.table.undoIndex, 1) << "a move records one undo state";

    const Move illegal = FindDrag(game, false);
    ASSERT_TRUE(illegal.card);
    const Vec2 home = illegal.card->target;
    DragOnto(illegal.card, illegal.target);
    EXPECT_EQ(illegal.card->owner, illegal.source);
    EXPECT_EQ(illegal.card->position, home) << "the refused card went back to its place";
    EXPECT_EQ(game.table.undoIndex, 1) << "a refused drop records nothing";

    Card* ace = TopAce(game);
    ASSERT_TRUE(ace);
    DoubleClick(CentreX(ace), CentreY(ace));
    ASSERT_TRUE(ace->owner);
    EXPECT_TRUE(ace->owner->isGoalPile);
    EXPECT_EQ(game.table.undoIndex, 2);
    EXPECT_EQ(game.table.failedDoubleClicks, 0);
}

TEST_F(PlayTest, KlondikeDragsAndTheStockRoundTrip) {
    OpenFitting("klondike", "klondike", 1,
                [](SolitärGame& g) { return FindDrag(g, true).card != nullptr; });
    SolitärGame& game = Game();
    const Move legal = FindDrag(game, true);
    ASSERT_TRUE(legal.card);
    DragOnto(legal.card, legal.target);
    EXPECT_EQ(legal.card->owner, legal.target);

    const Move illegal = FindDrag(game, false);
    ASSERT_TRUE(illegal.card);
    DragOnto(illegal.card, illegal.target);
    EXPECT_EQ(illegal.card->owner, illegal.source);

    // The stock (id 1) turns one card onto the waste (id 2) per click; a click on the empty
    // stock brings the waste back.
    KartenStapel* stock = PileWithId(1);
    KartenStapel* waste = PileWithId(2);
    ASSERT_TRUE(stock && waste);
    const int stockCards = stock->FaceDownCount();
    ASSERT_GT(stockCards, 0);
    const int undoBefore = game.table.undoIndex;
    for (int i = 0; i < stockCards; ++i) {
        const Card* top = stock->faceDownCards[stock->FaceDownCount() - 1];
        Click(CentreX(top), CentreY(top));
    }
    EXPECT_EQ(stock->TotalCount(), 0);
    EXPECT_EQ(waste->VisibleCount(), stockCards);
    EXPECT_EQ(game.table.undoIndex, undoBefore + stockCards);
    Click(static_cast<int>(stock->position.x + 40), static_cast<int>(stock->position.y + 60));
    EXPECT_EQ(stock->FaceDownCount(), stockCards);
    EXPECT_EQ(waste->VisibleCount(), 0);
    EXPECT_EQ(game.table.undoIndex, undoBefore + stockCards + 1);
}

TEST_F(PlayTest, DoubleClickThatMovesNothingCountsAndLocksTheRelease) {
    Open("klondike", "klondike", 3);
    SolitärGame& game = Game();
    // A waste card nobody takes: turn stock cards until one sits on the waste that no pile
    // accepts.
    KartenStapel* stock = PileWithId(1);
    KartenStapel* waste = PileWithId(2);
    Card* stuck = nullptr;
    for (int i = 0; i < 24 && !stuck; ++i) {
        const Card* top = stock->faceDownCards[stock->FaceDownCount() - 1];
        Click(CentreX(top), CentreY(top));
        Card* card = waste->TopVisible();
        bool anyTakes = false;
        for (KartenStapel* pile : game.piles)
            if (pile != waste && pile->AcceptsCards(card, 1)) anyTakes = true;
        if (!anyTakes) stuck = card;
    }
    ASSERT_TRUE(stuck);
    const int undo = game.table.undoIndex;
    DoubleClick(CentreX(stuck), CentreY(stuck));
    EXPECT_EQ(game.table.failedDoubleClicks, 1);
    EXPECT_EQ(stuck->owner, waste);
    EXPECT_EQ(game.table.undoIndex, undo);
    EXPECT_EQ(game.ComputeScore(),
              static_cast<int>(game.table.goalBonus + game.table.timeScore) - 40);

    // Within 0.3 s of a double click a release neither drops nor clicks: the stock stays.
    const int stockBefore = stock->FaceDownCount();
    ASSERT_GT(stockBefore, 0);
    Send(MessageKind::LeftButtonDown, CentreX(stuck), CentreY(stuck));
    Send(MessageKind::LeftButtonUp, CentreX(stuck), CentreY(stuck));
    Send(MessageKind::LeftDoubleClick, CentreX(stuck), CentreY(stuck));
    Send(MessageKind::LeftButtonUp, CentreX(stuck), CentreY(stuck));
    Frames(5);
    const Card* stockTop = stock->faceDownCards[stockBefore - 1];
    Click(CentreX(stockTop), CentreY(stockTop));
    EXPECT_EQ(stock->FaceDownCount(), stockBefore);
    Frames(20);
    Click(CentreX(stockTop), CentreY(stockTop));
    EXPECT_EQ(stock->FaceDownCount(), stockBefore - 1) << "after the lockout the click works";
}

TEST_F(PlayTest, AWonKlondikeBouncesAndEndsTheScene) {
    DirectGameScene& scene = Open("klondike", "klondike", 1);
    const fs::path fixtures = fs::path(KH_SOURCE_DIR) / "tests/fixtures/content";
    ASSERT_EQ(Game().table.ReadQuickSave((fixtures / "klondike_won.sav").string(),
                                         ContentGame("klondike", "klondike"), 1),
              0);
    Frames(3);
    std::ifstream movesFile(fixtures / "klondike_won.moves");
    MoveScript script;
    std::string error;
    ASSERT_TRUE(script.Parse(movesFile, error)) << error;
    for (const ScriptMove& move : script.moves) {
        ASSERT_TRUE(Play(move)) << "line " << move.line << ": " << move.Text();
        ASSERT_EQ(scene.GamesEnded(), 0) << "line " << move.line;
    }
    SolitärGame* won = &Game();
    ASSERT_TRUE(won->IsGameWon());
    Frames(1);
    EXPECT_EQ(won->gameState, SolitärGame::StateWon);

    // The cards leave their piles one after another and come to rest on the floor.
    bool someCardLeft = false;
    int frames = 0;
    while (scene.GamesEnded() == 0 && frames < 60 * 60) {
        Frames(1);
        ++frames;
        if (scene.GamesEnded() == 0)
            for (const Card* card : won->deck)
                if (card->BounceActive() && card->position.y > 500) someCardLeft = true;
    }
    EXPECT_TRUE(someCardLeft);
    EXPECT_EQ(scene.GamesEnded(), 1) << "the bounce ends by itself at 60 frames a second";
    EXPECT_EQ(scene.GamesWon(), 1);
    EXPECT_GT(frames, 60) << "the bounce takes its time";
    EXPECT_EQ(Game().gameState, SolitärGame::StateRunning) << "the same game is dealt again";
    EXPECT_FALSE(Game().IsGameWon());
}

TEST_F(PlayTest, AClickDuringTheBounceEndsTheScene) {
    DirectGameScene& scene = Open("test", "fourgoals", 1);
    EXPECT_EQ(Game().gameState, SolitärGame::StateWon);
    EXPECT_EQ(scene.GamesEnded(), 0);
    Click(900, 700);
    EXPECT_EQ(scene.GamesEnded(), 1);
    EXPECT_EQ(scene.GamesWon(), 1);
}

TEST_F(PlayTest, OverlappingPilesTheLaterPileWinsGrabAndDrop) {
    Open("test", "overlap", 1);
    SolitärGame& game = Game();
    Card* lower = game.piles[0]->TopVisible();
    Card* upper = game.piles[1]->TopVisible();
    ASSERT_TRUE(lower && upper);
    // (150, 150) lies on both source cards and (650, 150) on both target places.
    Drag(150, 150, 650, 150);
    EXPECT_EQ(upper->owner, game.piles[3]);
    EXPECT_EQ(lower->owner, game.piles[0]);
}

TEST_F(PlayTest, APressAndReleaseOnAVisibleCardDoesNothing) {
    Open("test", "overlap", 1);
    SolitärGame& game = Game();
    Card* card = game.piles[1]->TopVisible();
    Click(CentreX(card), CentreY(card));
    EXPECT_EQ(card->owner, game.piles[1]);
    EXPECT_EQ(game.table.undoIndex, 0);
}

TEST_F(PlayTest, ADragBackOntoTheSourcePutsTheCardsBack) {
    Open("test", "overlap", 1);
    SolitärGame& game = Game();
    Card* card = game.piles[0]->TopVisible();
    const Vec2 home = card->target;
    Drag(110, 110, 112, 112);
    EXPECT_EQ(card->owner, game.piles[0]);
    EXPECT_EQ(card->position, home);
    EXPECT_EQ(game.table.undoIndex, 0);
}

} // namespace
