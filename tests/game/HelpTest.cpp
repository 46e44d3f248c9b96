// SPDX-License-Identifier: GPL-3.0-or-later
// The help the table gives, through the window procedure as a player asks for
// it: the hint key, the keyboard shortcuts, and the cards flying home.
#include "TableTestSupport.h"

#include <chrono>
#include <thread>

#include "platform/VirtualKeys.h"
#include "rules/QuickSaveFile.h"

namespace {

using namespace tabletest;

class HelpTest : public TableTest {
protected:
    void Key(uint32_t key) {
        procedure.Handle(WindowMessage::Key(MessageKind::KeyDown, key));
        procedure.Handle(WindowMessage::Key(MessageKind::KeyUp, key));
    }
    void WithControl(uint32_t key, bool shift = false) {
        procedure.Handle(WindowMessage::Key(MessageKind::KeyDown, VirtualKey::Control));
        if (shift) procedure.Handle(WindowMessage::Key(MessageKind::KeyDown, VirtualKey::Shift));
        Key(key);
        if (shift) procedure.Handle(WindowMessage::Key(MessageKind::KeyUp, VirtualKey::Shift));
        procedure.Handle(WindowMessage::Key(MessageKind::KeyUp, VirtualKey::Control));
        Frames(2);
    }
    // Frames go on while the search runs on its own thread.
    void FramesUntilNotSearching() {
        for (int i = 0; i < 2000 && Game().Help() == HelpSituation::HintSearching; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            Frames(1);
        }
    }
};

} // namespace

TEST_F(HelpTest, TheHintKeyMarksALegalFirstMoveOfAWinningLine) {
    Open("freecell", "freecell", 1);
    EXPECT_EQ(Game().DealNumber(), 1u) << "the seed is the deal number";
    Key(SolitärGame::HintKey);
    Frames(1);
    EXPECT_NE(Game().Help(), HelpSituation::Idle);
    FramesUntilNotSearching();
    ASSERT_EQ(Game().Help(), HelpSituation::HintShown);
    Card* card = Game().hintCard;
    KartenStapel* target = Game().hintTarget;
    ASSERT_TRUE(card && target);
    KartenStapel* source = card->owner;
    EXPECT_TRUE(source->CanGiveCard(card));
    EXPECT_TRUE(target->CanGiveCard(card) && target->AcceptsCards(card, source->MoveCountFor(card)));
    EXPECT_EQ(card->markState, 1);

    // Playing any move takes the hint away.
    const int before = Game().table.undoIndex;
    ScriptMove move;
    move.kind = MoveKind::Drag;
    move.source = source->pileId;
    move.depth = source->VisibleCount() - source->visibleCards.IndexOf(card);
    move.target = target->pileId;
    ASSERT_TRUE(Play(move));
    EXPECT_EQ(Game().table.undoIndex, before + 1);
    Frames(1);
    EXPECT_EQ(Game().Help(), HelpSituation::Idle);
    EXPECT_EQ(Game().hintCard, nullptr);
}

TEST_F(HelpTest, ControlKeysUndoRedoAndDealAnewButLettersStayWithTheTable) {
    Open("freecell", "freecell", 1);
    Key(SolitärGame::HintKey);
    FramesUntilNotSearching();
    ASSERT_EQ(Game().Help(), HelpSituation::HintShown);
    Card* card = Game().hintCard;
    KartenStapel* source = card->owner;
    ScriptMove move;
    move.kind = MoveKind::Drag;
    move.source = source->pileId;
    move.depth = source->VisibleCount() - source->visibleCards.IndexOf(card);
    move.target = Game().hintTarget->pileId;
    ASSERT_TRUE(Play(move));
    ASSERT_EQ(Game().table.undoIndex, 1);

    WithControl('Z');
    EXPECT_EQ(Game().table.undoIndex, 0);
    WithControl('Y');
    EXPECT_EQ(Game().table.undoIndex, 1);
    WithControl('Z');
    WithControl('Z', true);
    EXPECT_EQ(Game().table.undoIndex, 1);
    Key('Z'); // without Control it is no shortcut
    Frames(1);
    EXPECT_EQ(Game().table.undoIndex, 1);

    Key(VirtualKey::F1 + 1); // F2
    EXPECT_EQ(Game().gameState, SolitärGame::StateNewGame);
}

TEST_F(HelpTest, WhenOnlyMovesHomeAreLeftTheCardsFlyHomeAndEndTheGame) {
    DirectGameScene& scene = Open("klondike", "klondike", 1);
    app.autoFinish = true;
    // Every suit home up to the jack; its queen lies on its king in a column.
    QuickSaveFile save;
    for (int id : {1, 2})
        save.piles.push_back({id, {}, true});
    for (int suit = 0; suit < 4; ++suit) {
        SavedPile home{3 + suit, {}, true};
        for (int rank = 0; rank <= 10; ++rank)
            home.cards.push_back({suit, rank, false});
        save.piles.push_back(home);
    }
    for (int column = 0; column < 7; ++column) {
        SavedPile pile{7 + column, {}, true};
        if (column < 4) pile.cards = {{column, 12, false}, {column, 11, false}};
        save.piles.push_back(pile);
    }
    Game().table.LoadPosition(save, ContentGame("klondike", "klondike"), 1);
    const long long moves = Game().table.movesCounted;
    Frames(2);
    EXPECT_EQ(Game().Help(), HelpSituation::AutoFinishing);
    SolitärGame* game = &Game();
    for (int i = 0; i < 200 && !game->IsGameWon(); ++i)
        Frames(1);
    ASSERT_TRUE(game->IsGameWon());
    EXPECT_EQ(game->table.movesCounted - moves, 8) << "every card home is a move";
    for (int i = 0; i < 60 * 60 && scene.GamesEnded() == 0; ++i)
        Frames(1);
    EXPECT_EQ(scene.GamesWon(), 1);
}

TEST_F(HelpTest, AutoFinishWaitsWhileCardsAreFaceDownOrWhenSwitchedOff) {
    Open("klondike", "klondike", 1);
    app.autoFinish = true;
    Frames(5);
    EXPECT_EQ(Game().Help(), HelpSituation::Idle);
}
