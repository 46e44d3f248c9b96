// SPDX-License-Identifier: GPL-3.0-or-later
// The in-game screens played through the window procedure: the game menu by Escape and by
// its button (the clock stands still while it is open), the options page changing the
// card set and the background live, the history buttons, quick save and load, the rules
// page with H, and the statistics page with its scrolling and reset.
#include "TableTestSupport.h"

#include "data/BackgroundEntry.h"
#include "data/GameInfo.h"
#include "data/GameStatistics.h"
#include "media/DrawSprite.h"
#include "menu/GUIElement.h"
#include "platform/VirtualKeys.h"

#include <memory>

namespace {

using namespace tabletest;
using G = SolitärGame;

// The rules text of the test Klondike, in an add-on games archive beside the test archive.
void AddRulesArchive() {
    const fs::path addOn = DataFolder() / "games_1.gob";
    if (fs::exists(addOn)) return;
    GameArchiveWriter::Write(addOn, {{"klondike\\klondike\\klondike_d.lng", "Baue_abw\xE4rts."},
                                     {"klondike\\klondike\\klondike_e.lng", "Build_down."}});
}

// A working directory of its own for the files a game writes (quick.sav).
class ScratchDirectory {
public:
    ScratchDirectory() : previous(fs::current_path()) {
        path = fs::temp_directory_path() / ("kh_ingame_" + std::to_string(getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
        fs::current_path(path);
    }
    ~ScratchDirectory() {
        fs::current_path(previous);
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    fs::path path;

private:
    fs::path previous;
};

class InGameTest : public TableTest {
protected:
    void SetUp() override {
        AddRulesArchive();
        TableTest::SetUp();
        app.language = 0;
        app.backgroundBrightness = 255;
        app.chatter = 1;
        app.animationLevel = 1;
        app.animationTheme = 0;
        app.cursorStyle = 0;
        app.cardBack = 0;
        app.musicVolume = 0;
        app.globalStatistics = GlobalStatistics();
    }
    void TearDown() override {
        TableTest::TearDown();
        app.cardSets.Clear();
        app.backgrounds.Clear();
        app.currentBackground = nullptr;
        app.currentBackgroundIndex = -1;
        app.background = 0;
        app.cardSet = 0;
        app.paused = false;
        app.gameTexts.Clear();
    }

    // Clicks the middle of an element of the running game.
    void ClickElement(int id) {
        GUIElement* element = Game().FindElement(id);
        ASSERT_NE(element, nullptr) << id;
        int x = 0, y = 0;
        element->AbsolutePosition(x, y);
        Click(x + element->SourceWidth() / 2, y + element->SourceHeight() / 2);
    }
    void Key(uint32_t key) {
        procedure.Handle(WindowMessage::Key(MessageKind::KeyDown, key));
        procedure.Handle(WindowMessage::Key(MessageKind::KeyUp, key));
        Frames(1);
    }
    void AddCardSets(std::initializer_list<int> widths) {
        int n = 0;
        for (int width : widths) {
            auto* entry = new CardSetEntry;
            entry->name = "Set " + std::to_string(n++);
            entry->width = width;
            entry->height = width * 16 / 11;
            app.cardSets.Append(entry);
        }
    }
    void AddBackgrounds(int count) {
        for (int i = 0; i < count; ++i) {
            auto* entry = new BackgroundEntry;
            entry->name = "Background " + std::to_string(i);
            entry->sourceRect = {0, 0, 100 + i, 100 + i};
            app.backgrounds.Append(entry);
        }
    }
    // The stock of Klondike (id 1): one click turns a card onto the waste.
    void TurnStockCard() {
        KartenStapel* stock = PileWithId(1);
        const Card* top = stock->faceDownCards[stock->FaceDownCount() - 1];
        Click(CentreX(top), CentreY(top));
    }
    std::vector<std::vector<int>> Table() {
        std::vector<std::vector<int>> table;
        for (const KartenStapel* pile : Game().piles) {
            std::vector<int> cards;
            for (const Card* card : pile->faceDownCards)
                cards.push_back(-(card->suit * 13 + card->rank) - 1);
            for (const Card* card : pile->visibleCards)
                cards.push_back(card->suit * 13 + card->rank);
            table.push_back(cards);
        }
        return table;
    }
    std::vector<SpriteCall> RenderedCalls(int slot) {
        SpriteRecorder recorder;
        Frames(1);
        std::vector<SpriteCall> calls;
        for (const SpriteCall& call : recorder.calls)
            if (call.slot == slot) calls.push_back(call);
        return calls;
    }
};

TEST_F(InGameTest, EscapeAndTheMenuButtonOpenTheGameMenuAndStopTheClock) {
    Open("klondike", "klondike", 1);
    G& game = Game();
    EXPECT_EQ(game.sceneMode, G::ModePlaying);
    EXPECT_TRUE(game.elementActive[0] && game.elementActive[2] && game.elementActive[7]);

    Key(VirtualKey::Escape);
    EXPECT_EQ(game.sceneMode, G::ModeGameMenu);
    EXPECT_TRUE(app.paused);
    EXPECT_TRUE(game.elementActive[3]);
    EXPECT_FALSE(game.elementActive[0]);
    const double clock = game.table.gameTime;
    const double statsTime = game.Statistics()->time;
    Frames(30);
    EXPECT_EQ(game.table.gameTime, clock) << "the clock stands still behind the menu";
    EXPECT_EQ(game.Statistics()->time, statsTime);

    Key(VirtualKey::Escape);
    EXPECT_EQ(game.sceneMode, G::ModePlaying);
    EXPECT_FALSE(app.paused);
    Frames(10);
    EXPECT_GT(game.table.gameTime, clock);

    ClickElement(G::IdMenuButton);
    EXPECT_EQ(game.sceneMode, G::ModeGameMenu);
    EXPECT_TRUE(app.paused);
    ClickElement(G::IdContinue);
    EXPECT_EQ(game.sceneMode, G::ModePlaying);
    EXPECT_FALSE(app.paused);
}

TEST_F(InGameTest, PagesOfTheGameMenuReturnToItAndLeaveTheGamePaused) {
    Open("klondike", "klondike", 1);
    G& game = Game();
    Key(VirtualKey::Escape);
    for (int entry : {G::IdOptionsEntry, G::IdStatisticsEntry, G::IdRulesEntry}) {
        ClickElement(entry);
        EXPECT_NE(game.sceneMode, G::ModeGameMenu) << entry;
        EXPECT_TRUE(app.paused) << entry;
        Key(VirtualKey::Escape);
        EXPECT_EQ(game.sceneMode, G::ModeGameMenu) << entry;
    }
    for (auto [entry, close] : {std::pair{G::IdOptionsEntry, G::IdOptionsClose},
                                {G::IdStatisticsEntry, G::IdStatisticsClose},
                                {G::IdRulesEntry, G::IdRulesClose}}) {
        ClickElement(entry);
        ClickElement(close);
        EXPECT_EQ(game.sceneMode, G::ModeGameMenu) << close;
    }
    // Leaving to the main menu ends the scene and unpauses; the direct start then quits.
    ClickElement(G::IdMainMenuEntry);
    EXPECT_EQ(app.runState, 2);
    EXPECT_FALSE(app.paused);
}

TEST_F(InGameTest, TheNewGameButtonDealsAgain) {
    DirectGameScene& scene = Open("klondike", "klondike", 1);
    TurnStockCard();
    ASSERT_EQ(Game().table.undoIndex, 1);
    ClickElement(G::IdNewGame);
    EXPECT_EQ(scene.GamesEnded(), 1);
    EXPECT_EQ(Game().table.undoIndex, 0) << "a fresh deal";
    EXPECT_EQ(Game().gameState, G::StateRunning);
    EXPECT_FALSE(app.paused) << "the new deal unpauses";
}

TEST_F(InGameTest, HOpensTheRulesTextAndClosesItAgain) {
    Open("klondike", "klondike", 1);
    G& game = Game();
    Key('H');
    EXPECT_EQ(game.sceneMode, G::ModeRules);
    EXPECT_TRUE(app.paused);
    ASSERT_NE(app.FirstGameText(), nullptr);
    EXPECT_EQ(*app.FirstGameText(), "Baue abw\xE4rts.");
    // The page draws the text in the bitmap font.
    EXPECT_FALSE(RenderedCalls(BitmapText::FontSlot).empty());
    Key('H');
    EXPECT_EQ(game.sceneMode, G::ModePlaying);
    EXPECT_FALSE(app.paused);

    // From the options page H opens the rules too, in the current language.
    app.language = 1;
    Key(VirtualKey::Escape);
    ClickElement(G::IdOptionsEntry);
    Key('H');
    EXPECT_EQ(game.sceneMode, G::ModeRules);
    EXPECT_EQ(*app.FirstGameText(), "Build down.");
    EXPECT_TRUE(app.paused);
}

TEST_F(InGameTest, TheHistoryButtonsWalkTheTableBackAndForth) {
    Open("klondike", "klondike", 1);
    G& game = Game();
    const auto dealt = Table();
    TurnStockCard();
    const auto one = Table();
    TurnStockCard();
    TurnStockCard();
    const auto three = Table();
    ASSERT_EQ(game.table.undoIndex, 3);
    const int undosBefore = app.globalStatistics.undoSteps;

    ClickElement(G::IdUndoToStart);
    EXPECT_EQ(Table(), dealt);
    EXPECT_EQ(game.table.undoIndex, 0);
    ClickElement(G::IdUndoToStart); // already at the start: costs nothing
    ClickElement(G::IdUndoStep);
    EXPECT_EQ(game.table.undoCount, 1);
    ClickElement(G::IdRedoStep);
    EXPECT_EQ(Table(), one);
    ClickElement(G::IdRedoToEnd);
    EXPECT_EQ(Table(), three);
    ClickElement(G::IdRedoStep);
    ClickElement(G::IdUndoStep);
    EXPECT_EQ(game.table.undoIndex, 2);
    EXPECT_EQ(game.table.undoCount, 4);
    EXPECT_EQ(app.globalStatistics.undoSteps - undosBefore, 4);
    EXPECT_EQ(game.ComputeScore(),
              static_cast<int>(game.table.goalBonus + game.table.timeScore) - 80);
}

TEST_F(InGameTest, SaveMoveLoadBringsBackTableAndClock) {
    ScratchDirectory scratch;
    Open("klondike", "klondike", 1);
    G& game = Game();
    TurnStockCard();
    Frames(20);
    const auto saved = Table();
    const double clock = game.table.gameTime;
    ClickElement(G::IdWriteQuickSave);
    ASSERT_TRUE(fs::exists(scratch.path / "klondike" / "klondike" / "quick.sav"));

    TurnStockCard();
    TurnStockCard();
    Frames(30);
    ASSERT_NE(Table(), saved);
    const int movesBefore = game.Statistics()->moves;

    ClickElement(G::IdReadQuickSave);
    EXPECT_EQ(Table(), saved);
    EXPECT_NEAR(game.table.gameTime, clock + 2 * 0.016, 1e-4) << "the two frames after the click";
    EXPECT_EQ(game.table.undoIndex, 0) << "the loaded table is the only undo state";
    ClickElement(G::IdUndoStep);
    EXPECT_EQ(Table(), saved);
    EXPECT_EQ(game.Statistics()->moves - movesBefore, 2) << "the fresh deal and the loaded table";
    Frames(5);
    EXPECT_GT(game.table.gameTime, clock) << "the clock runs on from the saved time";
}

TEST_F(InGameTest, LoadingWithoutASaveChangesNothing) {
    ScratchDirectory scratch;
    Open("klondike", "klondike", 1);
    TurnStockCard();
    const auto table = Table();
    const int undoIndex = Game().table.undoIndex;
    ClickElement(G::IdReadQuickSave);
    EXPECT_EQ(Table(), table);
    EXPECT_EQ(Game().table.undoIndex, undoIndex);
}

TEST_F(InGameTest, TheTableFeedsTheStatistics) {
    Open("klondike", "klondike", 1);
    G& game = Game();
    GameStatistics& stats = *game.Statistics();
    EXPECT_EQ(stats.moves, 1) << "the deal counts as a move";
    TurnStockCard();
    TurnStockCard();
    EXPECT_EQ(stats.moves, 3);
    EXPECT_EQ(app.globalStatistics.moves, 3);
    EXPECT_NEAR(stats.time, game.table.gameTime, 1e-9);
    EXPECT_NEAR(app.globalStatistics.gameTime, stats.time, 1e-9);
}

TEST_F(InGameTest, TheOptionsPageChangesCardSetAndBackgroundForTheNextFrame) {
    AddCardSets({176, 110, 220});
    AddBackgrounds(5);
    Open("klondike", "klondike", 1);
    G& game = Game();
    EXPECT_EQ(app.currentBackgroundIndex, 0);
    Key(VirtualKey::Escape);
    ClickElement(G::IdOptionsEntry);
    ASSERT_EQ(game.sceneMode, G::ModeOptions);

    ClickElement(G::IdCardSetRow + 1);
    EXPECT_EQ(app.cardSet, 1);
    const auto cards = RenderedCalls(AppState::CardSetSlot);
    ASSERT_FALSE(cards.empty());
    for (const SpriteCall& call : cards)
        EXPECT_EQ(call.source.Width(), 110) << "every card is drawn from the new set";

    ClickElement(G::IdBackgroundRow + 2);
    EXPECT_EQ(app.background, 2);
    const auto tiles = RenderedCalls(AppState::BackgroundSlot);
    ASSERT_EQ(tiles.size(), 2u) << "the table and the miniature on the page";
    EXPECT_EQ(tiles[0].source, (IntRect{0, 0, 102, 102}));
    EXPECT_FLOAT_EQ(tiles[1].scaling.x, 1024.0f / 102 * 150 / 1024);
    EXPECT_FLOAT_EQ(tiles[1].translation.x, static_cast<float>(512 - 400 + 560));
}

TEST_F(InGameTest, ListsScrollWithinTheirEnds) {
    AddCardSets({176, 110, 220});
    AddBackgrounds(5);
    Open("klondike", "klondike", 1);
    G& game = Game();
    Key(VirtualKey::Escape);
    ClickElement(G::IdOptionsEntry);

    // Three card sets in four rows: no up arrow, a down arrow that leaves the list where it
    // is, and an empty fourth row that selects nothing.
    EXPECT_TRUE(game.IsElementHidden(G::IdCardSetUp));
    EXPECT_FALSE(game.IsElementHidden(G::IdCardSetDown));
    EXPECT_TRUE(game.IsElementHidden(G::IdCardSetRow + 3));
    ClickElement(G::IdCardSetDown);
    EXPECT_EQ(game.cardSetScroll, 0);
    ClickElement(G::IdCardSetRow + 3);
    EXPECT_EQ(app.cardSet, 0);

    // Five backgrounds in four rows scroll by one.
    EXPECT_TRUE(game.IsElementHidden(G::IdBackgroundUp));
    ClickElement(G::IdBackgroundDown);
    EXPECT_EQ(game.backgroundScroll, 1);
    EXPECT_TRUE(game.IsElementHidden(G::IdBackgroundDown));
    ClickElement(G::IdBackgroundDown);
    EXPECT_EQ(game.backgroundScroll, 1);
    ClickElement(G::IdBackgroundRow + 3);
    EXPECT_EQ(app.background, 4) << "the rows follow the scrolling";
    ClickElement(G::IdBackgroundUp);
    EXPECT_EQ(game.backgroundScroll, 0);

    EXPECT_EQ(G::ClampScroll(5, 3, 4), 0);
    EXPECT_EQ(G::ClampScroll(-1, 10, 4), 0);
    EXPECT_EQ(G::ClampScroll(7, 10, 4), 6);
}

TEST_F(InGameTest, TheSettingsOfTheOptionsPage) {
    Open("klondike", "klondike", 1);
    G& game = Game();
    Key(VirtualKey::Escape);
    ClickElement(G::IdOptionsEntry);

    app.pileSpeed = 5; // a hand-edited value has no name and becomes 1
    ClickElement(G::IdPileSpeed);
    EXPECT_EQ(app.pileSpeed, 1);
    for (int expected : {2, 10, 10000, 1}) {
        ClickElement(G::IdPileSpeed);
        EXPECT_EQ(app.pileSpeed, expected);
    }
    app.mousePileSpeed = 10000;
    ClickElement(G::IdMousePileSpeed);
    EXPECT_EQ(app.mousePileSpeed, 1);

    app.deviation = 0.5f;
    for (int i = 0; i < 7; ++i)
        ClickElement(G::IdDeviationPlus);
    EXPECT_FLOAT_EQ(app.deviation, 1.0f);
    for (int i = 0; i < 7; ++i)
        ClickElement(G::IdDeviationMinus);
    EXPECT_FLOAT_EQ(app.deviation, 0.3f);
    for (int i = 0; i < 5; ++i)
        ClickElement(G::IdDeviationMinus);
    EXPECT_FLOAT_EQ(app.deviation, 0.0f);

    const bool infos = app.showInfos, shadows = app.shadows;
    ClickElement(G::IdShowInfos);
    ClickElement(G::IdShadows);
    EXPECT_NE(app.showInfos, infos);
    EXPECT_NE(app.shadows, shadows);
    ClickElement(G::IdCardBack + 3);
    EXPECT_EQ(app.cardBack, 3);
    ClickElement(G::IdCursorStyle + 2);
    EXPECT_EQ(app.cursorStyle, 2);

    for (int expected : {2, 0, 1}) {
        ClickElement(G::IdChatter);
        EXPECT_EQ(app.chatter, expected);
        EXPECT_EQ(app.animationLevel, expected);
    }
    app.chatter = 7;
    ClickElement(G::IdChatter);
    EXPECT_EQ(app.chatter, 7) << "an unknown value stays";

    const HintergrundGrafik* jungle = app.animatedBackground.get();
    ASSERT_NE(jungle, nullptr) << "a started game has its background";
    ClickElement(G::IdJungle); // already the jungle: the same figures go on
    EXPECT_EQ(app.animatedBackground.get(), jungle);
    ClickElement(G::IdSaloon);
    EXPECT_EQ(app.animationTheme, 1);
    const HintergrundGrafik* saloon = app.animatedBackground.get();
    EXPECT_NE(saloon, nullptr);
    ClickElement(G::IdSaloon);
    EXPECT_EQ(app.animationTheme, 1);
    EXPECT_EQ(app.animatedBackground.get(), saloon);
    ClickElement(G::IdJungle);
    EXPECT_EQ(app.animationTheme, 0);
    EXPECT_EQ(game.sceneMode, G::ModeOptions);

    // The preview card runs through all 52 faces, one a second.
    const double t = game.previewTime;
    Frames(63); // 1.008 s
    EXPECT_GT(game.previewTime, t + 1.0);
    game.previewTime = 13.0 * 2 + 5.5;
    Frames(1);
    EXPECT_EQ(game.previewRank, 5);
    EXPECT_EQ(game.previewSuit, 2);
}

TEST_F(InGameTest, ArrowKeysSetTheBrightnessInEveryScreen) {
    EXPECT_EQ(G::BrightnessAfterKey(250, VirtualKey::Up), 255);
    EXPECT_EQ(G::BrightnessAfterKey(100, VirtualKey::Right), 116);
    EXPECT_EQ(G::BrightnessAfterKey(81, VirtualKey::Left), 65);
    EXPECT_EQ(G::BrightnessAfterKey(80, VirtualKey::Left), 64);
    EXPECT_EQ(G::BrightnessAfterKey(10, VirtualKey::Up), 64) << "a stored 10 is lifted";
    EXPECT_EQ(G::BrightnessAfterKey(100, 'A'), 100);

    Open("klondike", "klondike", 1);
    app.backgroundBrightness = 70;
    Key(VirtualKey::Down);
    EXPECT_EQ(app.backgroundBrightness, 64);
    Key(VirtualKey::Down);
    EXPECT_EQ(app.backgroundBrightness, 64);
    Key(VirtualKey::Escape);
    Key(VirtualKey::Up);
    EXPECT_EQ(app.backgroundBrightness, 80) << "also behind the game menu";
}

TEST_F(InGameTest, TheStatisticsPageScrollsItsHighscoresAndResets) {
    Open("klondike", "klondike", 1);
    G& game = Game();
    GameStatistics& stats = *game.Statistics();
    for (int score : {900, 800, 700, 600, 500}) {
        auto* entry = new HighscoreEntry;
        entry->score = score;
        entry->SetName("Ann");
        stats.InsertEntry(entry);
    }
    stats.wins = 1;
    stats.losses = 2;
    Key(VirtualKey::Escape);
    ClickElement(G::IdStatisticsEntry);
    ASSERT_EQ(game.sceneMode, G::ModeStatistics);
    EXPECT_TRUE(game.IsElementHidden(G::IdHighscoreUp));
    EXPECT_FALSE(game.IsElementHidden(G::IdHighscoreDown));
    ClickElement(G::IdHighscoreDown);
    EXPECT_EQ(game.highscoreScroll, 1);
    ClickElement(G::IdHighscoreDown);
    EXPECT_EQ(game.highscoreScroll, 2) << "entries 3 to 5";
    EXPECT_TRUE(game.IsElementHidden(G::IdHighscoreDown));
    ClickElement(G::IdHighscoreDown);
    EXPECT_EQ(game.highscoreScroll, 2);
    ClickElement(G::IdHighscoreUp);
    EXPECT_EQ(game.highscoreScroll, 1);
    EXPECT_FALSE(RenderedCalls(BitmapText::FontSlot).empty());

    ClickElement(G::IdStatisticsReset);
    EXPECT_EQ(stats.wins + stats.losses + stats.moves, 0);
    EXPECT_EQ(stats.time, 0.0);
    EXPECT_TRUE(stats.highscores.Empty());
    EXPECT_EQ(game.highscoreScroll, 0);
    EXPECT_TRUE(game.IsElementHidden(G::IdHighscoreDown));
}

TEST_F(InGameTest, ButtonsShowTheirHoverLookAndRedLabel) {
    Open("klondike", "klondike", 1);
    GUIElement* button = Game().FindElement(G::IdMenuButton);
    MoveTo(button->X() + 5, button->Y() + 5);
    auto calls = RenderedCalls(G::MenuSlot);
    bool hoverLook = false;
    for (const SpriteCall& call : calls)
        if (call.source == IntRect{950, 640, 1090, 680}) hoverLook = true;
    EXPECT_TRUE(hoverLook);
    MoveTo(600, 600);
    calls = RenderedCalls(G::MenuSlot);
    for (const SpriteCall& call : calls)
        EXPECT_NE(call.source, (IntRect{950, 640, 1090, 680}));
}

} // namespace
