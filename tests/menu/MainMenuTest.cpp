// SPDX-License-Identifier: GPL-3.0-or-later
// The menu pages as a player uses them: navigation and Escape, the language, music and sound
// switches, the lists with their scrolling limits and catalog colours, the statistics and
// help pages, the preview tooltip and the pointer, all through the window procedure.
#include "MenuTestSupport.h"

#include "media/DrawSprite.h"

namespace {

using namespace menutest;

// Draws of a texture slot with this source rectangle's top-left corner.
int CountDraws(const SpriteRecorder& recorder, int slot, int left, int top) {
    int n = 0;
    for (const SpriteCall& call : recorder.calls)
        if (call.slot == slot && call.source.left == left && call.source.top == top) ++n;
    return n;
}

bool FontDrawnIn(const SpriteRecorder& recorder, uint32_t colour) {
    for (const SpriteCall& call : recorder.calls)
        if (call.slot == 1 && call.colour == colour) return true;
    return false;
}

TEST_F(MenuTest, TheMenuOpensOnItsMainPageWithTheCatalogMerged) {
    MainMenu& m = OpenMenu();
    EXPECT_EQ(m.currentPage, MainMenu::PageMain);
    for (int slot = 0; slot < Game::ElementSlots; ++slot)
        EXPECT_EQ(m.elementActive[slot], slot == 0) << "slot " << slot;
    ASSERT_EQ(m.categories.Count(), 4);
    EXPECT_EQ(m.categories[1]->name, "Test");
    ASSERT_EQ(m.GameCount(1), 2) << "the add-on's game joins the older category";
    EXPECT_EQ(m.GameAt(1, 0)->name, "Vier Ziele");
    EXPECT_EQ(m.GameAt(1, 1)->catalogIndex, 9);
    EXPECT_EQ(m.GameAt(1, 1)->statistics->category, m.categories[1]);
    EXPECT_EQ(app.runState, 0);
}

TEST_F(MenuTest, EscapeGoesBackPageByPageAndQuitsOnTheMainPage) {
    MainMenu& m = OpenMenu();
    ClickElement(1);
    EXPECT_EQ(m.currentPage, MainMenu::PageCategories);
    ClickElement(100);
    EXPECT_EQ(m.currentPage, MainMenu::PageGames);
    Press(VirtualKey::Escape);
    EXPECT_EQ(m.currentPage, MainMenu::PageCategories) << "from the games to the categories";
    Press(VirtualKey::Escape);
    EXPECT_EQ(m.currentPage, MainMenu::PageMain);

    for (int button : {2, 3}) {
        ClickElement(button);
        EXPECT_NE(m.currentPage, MainMenu::PageMain);
        Press(VirtualKey::Escape);
        EXPECT_EQ(m.currentPage, MainMenu::PageMain) << "button " << button;
    }
    ClickElement(4);
    EXPECT_EQ(m.currentPage, MainMenu::PageHelp);
    Press(VirtualKey::Escape);
    EXPECT_EQ(m.currentPage, MainMenu::PageHelp) << "the help page keeps Escape";
    ClickElement(723);
    EXPECT_EQ(m.currentPage, MainMenu::PageMain);

    EXPECT_EQ(app.runState, 0);
    Press(VirtualKey::Escape);
    EXPECT_EQ(app.runState, 2);
}

TEST_F(MenuTest, BackButtonsAndTheQuitButton) {
    MainMenu& m = OpenMenu();
    const std::pair<int, int> routes[] = {{2, 202}, {3, 204}, {1, 11}};
    for (const auto& [open, back] : routes) {
        ClickElement(open);
        ClickElement(back);
        EXPECT_EQ(m.currentPage, MainMenu::PageMain) << open;
    }
    ClickElement(1);
    ClickElement(101);
    ClickElement(152);
    EXPECT_EQ(m.currentPage, MainMenu::PageCategories);
    ClickElement(11);
    ClickElement(5);
    EXPECT_EQ(app.runState, 2);
}

TEST_F(MenuTest, LanguageMusicAndSoundSwitches) {
    MainMenu& m = OpenMenu();
    ASSERT_EQ(*app.UiText(30), "D30");
    {
        SpriteRecorder recorder;
        m.Render();
        EXPECT_EQ(CountDraws(recorder, MainMenu::MenuSlot, 1150, 500), 1)
            << "one language marker, on German";
    }
    ClickElement(7);
    EXPECT_EQ(app.language, 1);
    EXPECT_EQ(*app.UiText(30), "E30");
    EXPECT_EQ(*app.UiText(113), "E113");
    ClickElement(6);
    EXPECT_EQ(app.language, 0);
    EXPECT_EQ(*app.UiText(30), "D30");

    ClickElement(8);
    EXPECT_EQ(app.musicVolume, 0);
    ClickElement(9);
    EXPECT_EQ(app.soundVolume, 0);
    {
        SpriteRecorder recorder;
        m.Render();
        EXPECT_EQ(CountDraws(recorder, MainMenu::MenuSlot, 751, 590), 1) << "music off look";
        EXPECT_EQ(CountDraws(recorder, MainMenu::MenuSlot, 791, 590), 1) << "sound off look";
    }
    ClickElement(8);
    ClickElement(9);
    EXPECT_EQ(app.musicVolume, 100);
    EXPECT_EQ(app.soundVolume, 100);
}

TEST_F(MenuTest, SevenGamesDoNotScrollAndEightScrollByOneRow) {
    MainMenu& m = OpenMenu();
    ClickElement(1);
    ClickElement(102); // Sieben
    ASSERT_EQ(m.listCategory, 2);
    {
        SpriteRecorder recorder;
        m.Render();
        EXPECT_EQ(CountDraws(recorder, MainMenu::MenuSlot, 1243, 500), 0) << "no down arrow";
        EXPECT_EQ(CountDraws(recorder, MainMenu::MenuSlot, 1193, 500), 0) << "no up arrow";
    }
    ClickElement(154);
    EXPECT_EQ(m.gameScroll, 0);

    ClickElement(152);
    ClickElement(103); // Acht
    ASSERT_EQ(m.listCategory, 3);
    {
        SpriteRecorder recorder;
        m.Render();
        EXPECT_EQ(CountDraws(recorder, MainMenu::MenuSlot, 1243, 500), 1) << "the down arrow";
    }
    ClickElement(154);
    EXPECT_EQ(m.gameScroll, 1);
    ClickElement(154);
    EXPECT_EQ(m.gameScroll, 1) << "at most one row";
    {
        SpriteRecorder recorder;
        m.Render();
        EXPECT_EQ(CountDraws(recorder, MainMenu::MenuSlot, 1193, 500), 1) << "the up arrow";
        EXPECT_EQ(CountDraws(recorder, MainMenu::MenuSlot, 1243, 500), 0);
    }
    // The last row is the eighth game now.
    ClickElement(155 + 6);
    EXPECT_EQ(m.chosenGame, 7);
    EXPECT_EQ(app.runState, 1);
    EXPECT_EQ(Game().gameInfo, m.GameAt(3, 7));
}

TEST_F(MenuTest, CategoryScrollingStopsWithFewCategoriesAndRowsPastTheEndDoNothing) {
    MainMenu& m = OpenMenu();
    ClickElement(1);
    ClickElement(13);
    EXPECT_EQ(m.categoryScroll, 0) << "four categories fit";
    ClickElement(12);
    EXPECT_EQ(m.categoryScroll, 0);
    ClickElement(104); // a row without a category
    EXPECT_EQ(m.currentPage, MainMenu::PageCategories);
    ClickElement(101);
    ClickElement(157); // Test has two games
    EXPECT_EQ(app.runState, 0);
    EXPECT_FALSE(m.CurrentGame());
}

TEST_F(MenuTest, ListEntriesTakeTheColourOfTheirCatalog) {
    MainMenu& m = OpenMenu();
    ClickElement(1);
    ClickElement(101);
    MoveTo(0, 0); // no row hovered
    SpriteRecorder recorder;
    m.Render();
    EXPECT_TRUE(FontDrawnIn(recorder, 0xFFFF0000)) << "the game of add-on catalog 9 is red";
    EXPECT_TRUE(FontDrawnIn(recorder, 0xFF000000));
}

TEST_F(MenuTest, TheStatisticsPageAndItsTwoResets) {
    MainMenu& m = OpenMenu();
    ClickElement(3);
    EXPECT_EQ(m.currentPage, MainMenu::PageStatistics);
    app.globalStatistics.wins = 4;
    app.globalStatistics.losses = 2;
    GameStatistics& stats = StatisticsOf(0, 0);
    stats.wins = 3;
    ClickElement(205);
    EXPECT_EQ(app.globalStatistics.wins, 0);
    EXPECT_EQ(app.globalStatistics.losses, 0);
    EXPECT_EQ(stats.wins, 3) << "the first reset leaves the games alone";
    app.globalStatistics.wins = 4;
    ClickElement(206);
    EXPECT_EQ(app.globalStatistics.wins, 0);
    EXPECT_EQ(stats.wins, 0);
    EXPECT_EQ(app.globalStatistics.clicks, 0) << "the click that reset was counted before";
}

TEST_F(MenuTest, HelpPagesTurnWithinTheirTwoPages) {
    MainMenu& m = OpenMenu();
    ClickElement(4);
    EXPECT_EQ(m.helpPage, 0);
    ClickElement(721);
    EXPECT_EQ(m.helpPage, 1);
    m.ElementAction(721);
    EXPECT_EQ(m.helpPage, 1);
    ClickElement(722);
    EXPECT_EQ(m.helpPage, 0);
    m.ElementAction(722);
    EXPECT_EQ(m.helpPage, 0);
    ClickElement(721);
    ClickElement(723);
    ClickElement(4);
    EXPECT_EQ(m.helpPage, 0) << "the help opens on its first page";
}

TEST_F(MenuTest, ThePreviewFadesInOverTheGameRow) {
    MainMenu& m = OpenMenu();
    ClickElement(1);
    ClickElement(100);
    HoverElement(155);
    EXPECT_EQ(m.previewCategory, 0);
    EXPECT_EQ(m.previewGame, 0);
    EXPECT_FALSE(m.previewMissing);
    EXPECT_DOUBLE_EQ(m.hoverTime, 0.0);

    m.hoverTime = 0.4;
    {
        SpriteRecorder recorder;
        m.Render();
        EXPECT_EQ(CountDraws(recorder, MainMenu::PreviewSlot, 0, 0), 0) << "not yet";
    }
    m.hoverTime = 0.75;
    SpriteRecorder recorder;
    m.Render();
    ASSERT_EQ(CountDraws(recorder, MainMenu::PreviewSlot, 0, 0), 1);
    for (const SpriteCall& call : recorder.calls) {
        if (call.slot == MainMenu::PreviewSlot || (call.slot == 0 && call.source.left == 150)) {
            EXPECT_EQ(call.colour, 0x7FFFFFFFu) << "half faded in";
            EXPECT_EQ(call.translation.x, app.previousMouseX + 30.0f);
            EXPECT_EQ(call.translation.y, app.previousMouseY + 30.0f);
        }
    }
}

TEST_F(MenuTest, AGameWithoutAPreviewShowsNoTooltip) {
    MainMenu& m = OpenMenu();
    ClickElement(1);
    ClickElement(101);
    HoverElement(155);
    EXPECT_TRUE(m.previewMissing);
    m.hoverTime = 2.0;
    SpriteRecorder recorder;
    m.Render();
    EXPECT_EQ(CountDraws(recorder, MainMenu::PreviewSlot, 0, 0), 0);
    EXPECT_EQ(CountDraws(recorder, 0, 150, 50), 0);
}

TEST_F(MenuTest, ClicksDoubleClicksDistanceAndTimeAreCounted) {
    MainMenu& m = OpenMenu();
    MoveTo(100, 100);
    MoveTo(130, 60);
    EXPECT_EQ(app.globalStatistics.mouseDistance, 200 + 70);
    Send(MessageKind::LeftButtonDown, 130, 60);
    Send(MessageKind::LeftButtonUp, 130, 60);
    Send(MessageKind::LeftDoubleClick, 130, 60);
    Send(MessageKind::LeftButtonUp, 130, 60);
    EXPECT_EQ(app.globalStatistics.clicks, 2);
    EXPECT_EQ(app.globalStatistics.doubleClicks, 1);
    const double before = app.globalStatistics.programTime;
    Frames(10);
    EXPECT_NEAR(app.globalStatistics.programTime - before, 0.16, 1e-9);
    (void)m;
}

TEST_F(MenuTest, ThePointerFollowsTheMouseInItsStyle) {
    MainMenu& m = OpenMenu();
    MoveTo(300, 200);
    for (int style : {0, 1, 2}) {
        app.cursorStyle = style;
        SpriteRecorder recorder;
        m.DrawMouseCursor();
        ASSERT_EQ(recorder.calls.size(), 1u);
        const SpriteCall& call = recorder.calls[0];
        EXPECT_EQ(call.slot, 0);
        static constexpr int tops[3] = {0, 400, 450};
        EXPECT_EQ(call.source.top, tops[style]);
        EXPECT_EQ(call.source.left, style == 1 ? 0 : 450) << "the resting frame";
        EXPECT_EQ(call.translation.x, 292.0f);
        EXPECT_EQ(call.translation.y, 186.0f);
    }
    app.cursorStyle = 0;
}

TEST_F(MenuTest, EveryGamesStatisticsAreReadAfterMergingAndChangedOnesWrittenAtTheEnd) {
    fs::create_directories(dir / "test" / "ladder");
    std::ofstream(dir / "test" / "ladder" / "stats.hs") << "ANZ_WIN:\t5\nANZ_LOSE:\t1\n";
    // A category whose folder is named after its games.
    std::ofstream(dir / "Games_3.kat")
        << "KATEGORIE_START NAME: Spaet GAME_START NAME: X PATH: x GAME_ENDE PATH: spaet "
           "KATEGORIE_ENDE\n";
    fs::create_directories(dir / "spaet" / "x");
    std::ofstream(dir / "spaet" / "x" / "stats.hs") << "ANZ_LOSE:\t2\n";

    MainMenu& m = OpenMenu();
    ASSERT_EQ(m.categories.Count(), 5);
    EXPECT_EQ(m.GameAt(1, 1)->statistics->wins, 5) << "the add-on game of a merged category";
    EXPECT_EQ(m.GameAt(4, 0)->statistics->losses, 2);

    m.GameAt(4, 0)->statistics->wins = 3;
    EndMenu();
    const std::string written = ReadBytes(dir / "spaet" / "x" / "stats.hs");
    EXPECT_NE(written.find("ANZ_WIN:\t3"), std::string::npos) << written;
    EXPECT_FALSE(fs::exists(dir / "Sieben" / "g6"))
        << "a game never played keeps nothing, so it gets no folder";
    EXPECT_EQ(ReadBytes(dir / "test" / "ladder" / "stats.hs"), "ANZ_WIN:\t5\nANZ_LOSE:\t1\n")
        << "an unchanged file is left as it is";
}

} // namespace
