// SPDX-License-Identifier: GPL-3.0-or-later
// Games started from the menu and how they end: left before and after the first move, a new
// game asked for, won with and without a place in the highscore list, the name typed with
// Shift, and the statistics files written when the menu ends.
#include "MenuTestSupport.h"

#include "media/DrawSprite.h"
#include "themes/HintergrundDschungel.h"
#include "themes/HintergrundSaloon.h"

namespace {

using namespace menutest;

class LifecycleTest : public MenuTest {
protected:
    // Escape opens the game menu; its last entry goes back to the main menu.
    void LeaveToMenu() {
        Press(VirtualKey::Escape);
        Frames(1);
        ASSERT_EQ(Game().sceneMode, SolitärGame::ModeGameMenu);
        Click(512, 134 + 340 + 25);
    }
    // The last button of the toolbar above the table.
    void AskForNewGame() { Click(387 + 207 + 21, 50 + 18); }
    void TurnStockCard() {
        KartenStapel* stock = PileWithId(1);
        ASSERT_TRUE(stock);
        ASSERT_GT(stock->FaceDownCount(), 0);
        const Card* top = stock->faceDownCards[stock->FaceDownCount() - 1];
        Click(CentreX(top), CentreY(top));
        ASSERT_EQ(Game().table.undoIndex, 1);
    }
    void Type(const std::string& text) {
        for (char c : text) {
            if (c >= 'A' && c <= 'Z') {
                KeyDown(VirtualKey::Shift);
                Press(static_cast<uint32_t>(c));
                KeyUp(VirtualKey::Shift);
            } else if (c >= 'a' && c <= 'z') {
                Press(static_cast<uint32_t>(c - 'a' + 'A'));
            } else {
                Press(static_cast<uint32_t>(c));
            }
        }
    }
    void FillHighscores(GameStatistics& stats, int score) {
        for (int i = 0; i < 10; ++i) {
            auto* entry = new HighscoreEntry;
            entry->SetName("Best");
            entry->score = score;
            stats.InsertEntry(entry);
        }
    }
};

TEST_F(LifecycleTest, LeavingBeforeTheFirstMoveCountsNothing) {
    MainMenu& m = OpenMenu();
    StartGameAt(0, 0);
    LeaveToMenu();
    EXPECT_EQ(app.runState, 0);
    EXPECT_EQ(m.currentPage, MainMenu::PageMain);
    EXPECT_FALSE(m.PendingEntry());
    EXPECT_EQ(app.globalStatistics.losses, 0);
    EXPECT_EQ(StatisticsOf(0, 0).losses, 0);
    EXPECT_TRUE(m.CurrentGame()) << "the finished game stays until the next one starts";
}

TEST_F(LifecycleTest, LeavingAfterAMoveCountsALossAndAsksForTheName) {
    MainMenu& m = OpenMenu();
    StartGameAt(0, 0);
    TurnStockCard();
    const int score = Game().ComputeScore();
    ASSERT_GT(score, 0);
    LeaveToMenu();
    EXPECT_EQ(app.runState, 0);
    EXPECT_EQ(app.globalStatistics.losses, 1);
    EXPECT_EQ(StatisticsOf(0, 0).losses, 1);
    EXPECT_EQ(app.globalStatistics.wins, 0);
    ASSERT_EQ(m.currentPage, MainMenu::PageResult);
    ASSERT_TRUE(m.PendingEntry());
    EXPECT_FALSE(m.PendingEntry()->won);
    EXPECT_EQ(m.PendingEntry()->score, score);

    // Escape does not leave the result page, Enter without a name does nothing.
    Press(VirtualKey::Escape);
    Press(VirtualKey::Return);
    EXPECT_EQ(m.currentPage, MainMenu::PageResult);
    ClickElement(719); // not there while the name is empty
    EXPECT_EQ(m.currentPage, MainMenu::PageResult);

    Type("Ab 1");
    EXPECT_STREQ(m.PendingEntry()->name, "Ab 1");
    ClickElement(719);
    EXPECT_EQ(m.currentPage, MainMenu::PageMain);
    EXPECT_FALSE(m.PendingEntry());
    ASSERT_EQ(StatisticsOf(0, 0).highscores.Count(), 1);
    EXPECT_STREQ(StatisticsOf(0, 0).highscores[0]->name, "Ab 1");
    EXPECT_EQ(app.runState, 0) << "leaving to the menu deals nothing new";
}

TEST_F(LifecycleTest, ANewGameBeforeTheFirstMoveCountsNothingAndDealsAtOnce) {
    MainMenu& m = OpenMenu();
    StartGameAt(0, 0);
    AskForNewGame();
    EXPECT_EQ(app.runState, 1);
    EXPECT_EQ(app.globalStatistics.losses, 0);
    EXPECT_EQ(StatisticsOf(0, 0).losses, 0);
    EXPECT_FALSE(m.PendingEntry());
    EXPECT_FALSE(Game().gameEnded);
    EXPECT_EQ(Game().gameState, SolitärGame::StateRunning);
    // After a move the next request is a loss, counted once.
    TurnStockCard();
    FillHighscores(StatisticsOf(0, 0), 1000000);
    AskForNewGame();
    Frames(5);
    EXPECT_EQ(app.globalStatistics.losses, 1);
    EXPECT_EQ(StatisticsOf(0, 0).losses, 1);
    EXPECT_FALSE(m.PendingEntry()) << "the score is below the list: dealt at once";
    EXPECT_EQ(Game().table.undoIndex, 0);
}

TEST_F(LifecycleTest, ANewGameWithAQualifyingScoreTakesTheNameOverTheGameThenDeals) {
    MainMenu& m = OpenMenu();
    StartGameAt(0, 0);
    TurnStockCard();
    SolitärGame* first = &Game();
    AskForNewGame();
    Frames(1);
    EXPECT_EQ(app.runState, 1) << "the result page shows over the game";
    EXPECT_EQ(m.currentPage, MainMenu::PageResult);
    ASSERT_TRUE(m.PendingEntry());
    EXPECT_EQ(app.globalStatistics.losses, 1);
    EXPECT_EQ(m.CurrentGame(), first);

    // Clicks on the old menu page do nothing while the game runs; keys go to the name.
    Type("Zed");
    EXPECT_STREQ(m.PendingEntry()->name, "Zed");
    Press(VirtualKey::Back);
    EXPECT_STREQ(m.PendingEntry()->name, "Ze");
    Press(VirtualKey::Return);
    EXPECT_FALSE(m.PendingEntry());
    EXPECT_FALSE(Game().gameEnded) << "the same game is dealt anew";
    EXPECT_EQ(Game().table.undoIndex, 0);
    EXPECT_EQ(m.CurrentGame()->gameInfo, m.GameAt(0, 0));
    EXPECT_EQ(app.runState, 1);
    ASSERT_EQ(StatisticsOf(0, 0).highscores.Count(), 1);
    EXPECT_STREQ(StatisticsOf(0, 0).highscores[0]->name, "Ze");
    Frames(3);
    EXPECT_EQ(app.globalStatistics.losses, 1);
}

TEST_F(LifecycleTest, AWonGameWithAQualifyingScoreCountsAWinAndStoresTheName) {
    MainMenu& m = OpenMenu();
    StartGameAt(1, 0); // dealt won
    EXPECT_EQ(Game().gameState, SolitärGame::StateWon);
    Click(900, 700); // skips the bounce
    Frames(1);
    EXPECT_EQ(app.runState, 0);
    ASSERT_EQ(m.currentPage, MainMenu::PageResult);
    ASSERT_TRUE(m.PendingEntry());
    EXPECT_TRUE(m.PendingEntry()->won);
    EXPECT_EQ(app.globalStatistics.wins, 1);
    EXPECT_EQ(StatisticsOf(1, 0).wins, 1);
    EXPECT_EQ(app.globalStatistics.losses, 0);

    // Shift held gives capitals, released gives small letters; at 99 characters the name
    // is full.
    KeyDown(VirtualKey::Shift);
    Press('L');
    Press('U');
    KeyUp(VirtualKey::Shift);
    Press('C');
    Press(VirtualKey::Space);
    Press('7');
    Press(VirtualKey::OemAUmlaut); // not a name character
    EXPECT_STREQ(m.PendingEntry()->name, "LUc 7");
    for (int i = 0; i < 120; ++i)
        Press('X');
    EXPECT_EQ(std::string(m.PendingEntry()->name).size(), 99u);
    for (int i = 0; i < 94; ++i)
        Press(VirtualKey::Back);
    EXPECT_STREQ(m.PendingEntry()->name, "LUc 7");
    Press(VirtualKey::Return);
    EXPECT_EQ(m.currentPage, MainMenu::PageMain);
    EXPECT_EQ(app.runState, 0);
    ASSERT_EQ(StatisticsOf(1, 0).highscores.Count(), 1);
    EXPECT_TRUE(StatisticsOf(1, 0).highscores[0]->won);

    // The catalog writes the game's file when the menu ends.
    EndMenu();
    const std::string written = ReadBytes(dir / "test" / "fourgoals" / "stats.hs");
    EXPECT_NE(written.find("ANZ_WIN:\t1"), std::string::npos) << written;
    EXPECT_NE(written.find("NAME:\tLUc_7"), std::string::npos) << written;

    // And reads it back with the next menu.
    MainMenu& again = OpenMenu();
    EXPECT_EQ(again.GameAt(1, 0)->statistics->wins, 1);
    ASSERT_EQ(again.GameAt(1, 0)->statistics->highscores.Count(), 1);
    EXPECT_STREQ(again.GameAt(1, 0)->statistics->highscores[0]->name, "LUc 7");
}

TEST_F(LifecycleTest, AWinBelowTheHighscoresShowsTheResultAndCountsTheWin) {
    MainMenu& m = OpenMenu();
    FillHighscores(StatisticsOf(1, 0), 1000000);
    StartGameAt(1, 0);
    Click(900, 700);
    Frames(1);
    EXPECT_EQ(app.runState, 0);
    EXPECT_EQ(m.currentPage, MainMenu::PageResult);
    EXPECT_FALSE(m.PendingEntry());
    EXPECT_EQ(app.globalStatistics.wins, 1);
    EXPECT_EQ(app.globalStatistics.losses, 0);
    EXPECT_EQ(StatisticsOf(1, 0).wins, 1);
    // Written as the game ended, not only at exit.
    EXPECT_NE(ReadBytes(dir / "test" / "fourgoals" / "stats.hs").find("ANZ_WIN:\t1\n"),
              std::string::npos);
    ClickElement(719);
    EXPECT_EQ(m.currentPage, MainMenu::PageMain);
    EXPECT_EQ(app.runState, 0);
}

TEST_F(LifecycleTest, OnceWonTheHistoryAndANewGameOnlyEndTheBounce) {
    MainMenu& m = OpenMenu();
    FillHighscores(StatisticsOf(1, 0), 1000000);
    StartGameAt(1, 0); // dealt won: the cards bounce
    ASSERT_EQ(Game().gameState, SolitärGame::StateWon);
    Game().ElementAction(SolitärGame::IdUndoToStart);
    EXPECT_EQ(Game().gameState, SolitärGame::StateWon);
    EXPECT_TRUE(Game().skipWinAnimation);
    Frames(1);
    EXPECT_EQ(app.runState, 0);
    EXPECT_EQ(StatisticsOf(1, 0).wins, 1);

    // A new game asked for during the bounce: the result shows over the won game, and
    // confirming it deals anew.
    ClickElement(719);
    ClickElement(1);
    ClickElement(101);
    ClickElement(155);
    ASSERT_EQ(Game().gameState, SolitärGame::StateWon);
    AskForNewGame();
    Frames(2);
    EXPECT_EQ(app.runState, 1);
    EXPECT_EQ(m.currentPage, MainMenu::PageResult);
    EXPECT_EQ(StatisticsOf(1, 0).wins, 2);
    EXPECT_EQ(app.globalStatistics.losses, 0);
    ClickElement(719);
    EXPECT_EQ(app.runState, 1);
    EXPECT_FALSE(Game().gameEnded) << "dealt anew";
    Frames(3);
    EXPECT_EQ(StatisticsOf(1, 0).wins, 2) << "counted once";
}

TEST_F(LifecycleTest, AKlondikeWonMoveByMoveEndsOnTheResultPage) {
    MainMenu& m = OpenMenu();
    StartGameAt(0, 0);
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
        ASSERT_EQ(app.runState, 1) << "line " << move.line;
    }
    ASSERT_TRUE(Game().IsGameWon());
    const int score = Game().ComputeScore();
    int frames = 0;
    while (app.runState == 1 && frames < 60 * 60) {
        Frames(1);
        ++frames;
    }
    EXPECT_EQ(app.runState, 0) << "the bounce ends by itself";
    EXPECT_EQ(m.currentPage, MainMenu::PageResult);
    ASSERT_TRUE(m.PendingEntry());
    EXPECT_EQ(m.PendingEntry()->score, score);
    EXPECT_EQ(app.globalStatistics.wins, 1);
    EXPECT_EQ(StatisticsOf(0, 0).wins, 1);
}

TEST_F(LifecycleTest, WhileAGameRunsOnlyTheResultPageTakesClicks) {
    MainMenu& m = OpenMenu();
    StartGameAt(0, 0);
    // The game list is still the active page underneath; its rows must not start games.
    SolitärGame* running = &Game();
    ASSERT_TRUE(Find(155));
    int x = 0, y = 0;
    Find(155)->AbsolutePosition(x, y);
    MoveTo(x + 150, y + 25);
    Send(MessageKind::LeftButtonDown, x + 150, y + 25);
    Send(MessageKind::LeftButtonUp, x + 150, y + 25);
    Frames(1);
    EXPECT_EQ(m.CurrentGame(), running);
    EXPECT_EQ(app.runState, 1);
}

TEST_F(LifecycleTest, TheConfirmButtonShowsWithTheFirstTypedCharacter) {
    MainMenu& m = OpenMenu();
    StartGameAt(0, 0);
    TurnStockCard();
    LeaveToMenu();
    ASSERT_EQ(m.currentPage, MainMenu::PageResult);
    auto confirmDrawn = [&] {
        SpriteRecorder recorder;
        m.Render();
        for (const SpriteCall& call : recorder.calls)
            if (call.slot == MainMenu::MenuSlot && call.source.left == 1100) return true;
        return false;
    };
    EXPECT_FALSE(confirmDrawn());
    Press('A');
    EXPECT_TRUE(confirmDrawn());
}

TEST_F(LifecycleTest, AGameBringsTheBackgroundOfItsThemeAndANewDealKeepsIt) {
    MainMenu& m = OpenMenu();
    app.animationTheme = 1;
    StartGameAt(0, 0);
    ASSERT_TRUE(app.animatedBackground);
    EXPECT_TRUE(dynamic_cast<HintergrundSaloon*>(app.animatedBackground.get()));
    HintergrundGrafik* background = app.animatedBackground.get();
    AskForNewGame();
    EXPECT_EQ(app.animatedBackground.get(), background) << "a new deal keeps the background";

    // Over a saloon target the pointer is the cross-hair, its frame the recoil.
    MoveTo(400, 300);
    app.targetHover = 1; // as the saloon sets it over a target
    app.shotRecoil = 2.5;
    {
        SpriteRecorder recorder;
        m.DrawMouseCursor();
        ASSERT_EQ(recorder.calls.size(), 1u);
        EXPECT_EQ(recorder.calls[0].slot, MainMenu::TargetSlot);
        EXPECT_EQ(recorder.calls[0].source, (IntRect{84, 0, 126, 37}));
        EXPECT_EQ(recorder.calls[0].translation.x, 380.0f);
    }

    LeaveToMenu();
    ClickElement(1);
    ClickElement(100);
    app.animationTheme = 0;
    ClickElement(155);
    EXPECT_EQ(app.targetHover, 0) << "a new game clears the pointer state";
    EXPECT_EQ(app.shotRecoil, 0.0);
    EXPECT_TRUE(dynamic_cast<HintergrundDschungel*>(app.animatedBackground.get()));
    app.animationTheme = 0;
}

} // namespace
