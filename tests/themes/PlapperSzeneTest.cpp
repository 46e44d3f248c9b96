// SPDX-License-Identifier: GPL-3.0-or-later
// The talking characters at the card table: the scene updates and feeds them, only
// one talks at a time, the jokers change the game, and keys reach them only in play.
// (That both are drawn with their bubble is seen in the headless run.)
#include "../game/TableTestSupport.h"
#include "PlapperTestSupport.h"
#include "themes/PlapperMädel1.h"
#include "themes/PlapperMädel2.h"
#include "themes/PlapperTarzan.h"

#include <gtest/gtest.h>

namespace {

using State = PlapperMaschine::State;

class PlapperSzene : public tabletest::TableTest {
protected:
    void SetUp() override {
        TableTest::SetUp();
        RandomGenerator::Shared().Seed(2024);
    }
    void TearDown() override {
        app.chatterLeft.Delete();
        app.chatterRight.Delete();
        app.chatterSpare.Delete();
        app.forceWinSignal = app.relaxRulesSignal = false;
        app.chatter = 1;
        TableTest::TearDown();
    }
    // The three characters as the menu makes them, with the test texts.
    void Characters(int chatter) {
        app.chatter = chatter;
        auto load = [](PlapperMaschine* character) {
            std::istringstream in(plappertest::ChatterText());
            character->LoadPhrases(in);
            return character;
        };
        app.chatterLeft.Reset(static_cast<PlapperMädel1*>(load(new PlapperMädel1(app))));
        app.chatterRight.Reset(static_cast<PlapperMädel2*>(load(new PlapperMädel2(app))));
        app.chatterSpare.Reset(static_cast<PlapperTarzan*>(load(new PlapperTarzan(app))));
        // The test texts were loaded after construction: wait by the setting from now.
        app.chatterLeft->ResetIdleTimer();
        app.chatterRight->ResetIdleTimer();
    }
    void Key(uint32_t key) {
        procedure.Handle(WindowMessage::Key(MessageKind::KeyDown, key));
        procedure.Handle(WindowMessage::Key(MessageKind::KeyUp, key));
    }
    void Type(const std::string& text) {
        for (char c : text)
            Key(c >= 'a' && c <= 'z' ? static_cast<uint32_t>(c - 'a' + 'A')
                                     : static_cast<uint32_t>(static_cast<unsigned char>(c)));
    }
    // Click on Lotte's face, wait out her greeting, ask, press Enter.
    void AskLotte(const std::string& question) {
        Click(plappertest::LotteFace.x, plappertest::LotteFace.y);
        Frames(130);
        ASSERT_EQ(app.chatterLeft->state, State::Listening);
        Type(question);
        Key(VirtualKey::Return);
    }
};

TEST_F(PlapperSzene, OnlyOneCharacterTalksAtATime) {
    Open("test", "klondike", 5);
    Characters(2);
    int leftTalked = 0, rightTalked = 0;
    for (int frame = 0; frame < 9000; ++frame) { // two and a half minutes
        Frames(1);
        const bool left = app.chatterLeft->IsBusy(), right = app.chatterRight->IsBusy();
        ASSERT_FALSE(left && right) << "frame " << frame;
        leftTalked += left;
        rightTalked += right;
    }
    EXPECT_GT(leftTalked, 300);
    EXPECT_GT(rightTalked, 300);
}

TEST_F(PlapperSzene, TheWinJokerEndsTheGameWithScoreZero) {
    Open("test", "klondike", 5);
    Characters(0);
    ASSERT_GT(Game().ComputeScore(), 0);
    AskLotte("wort30");
    EXPECT_EQ(app.chatterLeft->speechText, "antwort30");
    EXPECT_TRUE(app.forceWinSignal);
    SolitärGame* game = &Game();
    Frames(1);
    EXPECT_FALSE(app.forceWinSignal);
    EXPECT_TRUE(game->table.forceWin);
    EXPECT_TRUE(game->IsGameWon());
    EXPECT_EQ(game->ComputeScore(), 0);
}

TEST_F(PlapperSzene, TheRulesJokerLetsEveryPileTakeEverythingForNoPoints) {
    Open("test", "klondike", 5);
    Characters(0);
    AskLotte("wort31");
    Frames(1);
    EXPECT_FALSE(app.relaxRulesSignal);
    EXPECT_TRUE(Game().table.rulesRelaxed);
    for (const KartenStapel* pile : Game().piles) {
        EXPECT_EQ(pile->AF, 11);
        EXPECT_EQ(pile->AW, 21);
        EXPECT_EQ(pile->MAX_GRÖSSE_SICHTBAR, -1);
    }
    EXPECT_EQ(Game().ComputeScore(), 0);
    EXPECT_FALSE(Game().IsGameWon());
}

TEST_F(PlapperSzene, KeysReachTheCharactersOnlyInPlayAndHIsTypedWhileOneListens) {
    Open("test", "klondike", 5);
    Characters(0);
    Click(plappertest::LotteFace.x, plappertest::LotteFace.y);
    Frames(130);
    ASSERT_EQ(app.chatterLeft->state, State::Listening);
    Type("h");
    EXPECT_EQ(app.chatterLeft->TypedText(), "h");
    EXPECT_EQ(Game().sceneMode, SolitärGame::ModePlaying) << "H went to Lotte, not the rules";
    // In the game menu the keys stay with the menu, and the characters stand still.
    Key(VirtualKey::Escape);
    ASSERT_EQ(Game().sceneMode, SolitärGame::ModeGameMenu);
    Type("ab");
    EXPECT_EQ(app.chatterLeft->TypedText(), "h");
    const double timer = app.chatterLeft->timer;
    Frames(60);
    EXPECT_EQ(app.chatterLeft->timer, timer);
    Key(VirtualKey::Escape);
    // Mia is not offered the click while Lotte listens.
    Click(plappertest::MiaFace.x, plappertest::MiaFace.y);
    EXPECT_EQ(app.chatterRight->state, State::Idle);
    // Silence ends Lotte's conversation; then H opens the rules again.
    Frames(330);
    EXPECT_EQ(app.chatterLeft->state, State::Idle);
    Key('H');
    EXPECT_EQ(Game().sceneMode, SolitärGame::ModeRules);
}

} // namespace

// The characters' speech bubbles lie over the table; the cards under them still take the
// clicks, and a card moved there does not stop the saying.
TEST_F(PlapperSzene, ACardUnderASpeechBubbleTakesTheDrag) {
    Open("freecell", "freecell", 7);
    Characters(0);
    app.chatterLeft->state = State::SayingShown;
    app.chatterLeft->speechText = "Hallo";
    app.chatterLeft->timer = 30.0;
    KartenStapel* column = PileWithId(1);
    KartenStapel* cell = PileWithId(9);
    ASSERT_NE(column, nullptr);
    ASSERT_NE(cell, nullptr);
    Frames(30);
    Card* top = column->TopVisible();
    const int x = CentreX(top), y = GripY(top);
    // Lotte's bubble covers (70, 250) to (370, 450).
    ASSERT_TRUE(x > 70 && x < 370 && y > 250 && y < 450) << x << "," << y;
    const int before = column->VisibleCount();
    Drag(x, y, static_cast<int>(cell->position.x) + 30, static_cast<int>(cell->position.y) + 40);
    EXPECT_EQ(column->VisibleCount(), before - 1);
    ASSERT_EQ(cell->VisibleCount(), 1);
    EXPECT_EQ(cell->TopVisible(), top);
    EXPECT_EQ(app.chatterLeft->state, State::SayingShown);
}
