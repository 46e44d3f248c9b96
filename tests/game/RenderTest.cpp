// SPDX-License-Identifier: GPL-3.0-or-later
// What the card-game scene draws and in which order: the runs of cards, the table
// background, the status bar, the hint bubble; and the frame update while paused and
// the win animation's schedule.
#include "TableTestSupport.h"

#include "data/GameCategory.h"
#include "game/CardRuns.h"
#include "media/DrawSprite.h"

namespace {

using namespace tabletest;

class RenderTest : public TableTest {
protected:
    std::unique_ptr<SolitärGame> Make(const std::string& categoryPath, const std::string& gamePath,
                                      const std::string& categoryName = "Test",
                                      const std::string& gameName = "Game") {
        category.path = categoryPath;
        category.name = categoryName;
        info.path = gamePath;
        info.name = gameName;
        return std::make_unique<SolitärGame>(&category, &info, 5u);
    }
    std::vector<SpriteCall> CallsOfSlot(const SpriteRecorder& recorder, int slot) {
        std::vector<SpriteCall> calls;
        for (const SpriteCall& c : recorder.calls)
            if (c.slot == slot) calls.push_back(c);
        return calls;
    }

    GameCategory category;
    GameInfo info;
    BackgroundEntry background;
};

TEST_F(RenderTest, MovingRunsAreDrawnFarthestFirstAndDraggedRunsLast) {
    auto game = Make("test", "klondike");
    app.frameTime = app.realFrameTime = 0.0;
    game->Update(); // the cards learn which side they show
    // Lay every card to rest, then set the motion by hand.
    for (Card* card : game->deck) {
        card->position = card->target;
        card->moveMode = 0;
    }
    KartenStapel* a = game->piles[8]; // columns with face-down and visible cards
    KartenStapel* b = game->piles[9];
    auto fly = [](Card* card, float distance) {
        card->moveMode = 1;
        card->position = card->target + Vec2{distance, 0};
    };
    Card* aDown = a->faceDownCards[0];
    Card* aUp = a->TopVisible();
    Card* bUp = b->TopVisible();
    fly(aDown, 30.5f); // 30 whole pixels
    fly(aUp, 30.9f);   // also 30: keeps its encounter order after aDown
    fly(bUp, 10.0f);
    Card* dragged = b->faceDownCards[0];
    dragged->moveMode = 2;

    const std::vector<CardRun> runs = OrderCardRuns(game->piles);
    ASSERT_GE(runs.size(), 4u);
    const CardRun* tail = &runs[runs.size() - 4];
    EXPECT_EQ(tail[0].first, bUp);
    EXPECT_EQ(tail[1].first, aDown);
    EXPECT_EQ(tail[2].first, aUp);
    EXPECT_EQ(tail[3].first, dragged);
    for (size_t i = 0; i + 4 < runs.size(); ++i)
        EXPECT_EQ(runs[i].first->moveMode, 0);
    int cards = 0;
    for (const CardRun& run : runs)
        cards += run.count;
    EXPECT_EQ(cards, game->deck.Count()) << "every card is drawn once";

    // The drawn cards follow the runs: the last face drawn is the dragged card's back.
    SpriteRecorder recorder;
    game->Render();
    const auto cardCalls = CallsOfSlot(recorder, AppState::CardSetSlot);
    ASSERT_FALSE(cardCalls.empty());
    EXPECT_EQ(cardCalls.back().translation.x, dragged->position.x);
    EXPECT_EQ(cardCalls.back().source.top, 13 * 256) << "a face-down card shows its back";
}

TEST_F(RenderTest, StatusBarNamesTheGameOnceWhenCategoryAndGameAgree) {
    auto game = Make("test", "ladder", "Leiter", "Leiter");
    EXPECT_EQ(game->StatusCaption(), "Leiter");
    category.name = "Patiencen";
    EXPECT_EQ(game->StatusCaption(), "Patiencen - Leiter");

    game->SetSceneMode(0); // no screen, so the GUI atlas draws only the bar
    SpriteRecorder recorder;
    game->Render();
    const auto bar = CallsOfSlot(recorder, SolitärGame::MenuSlot);
    ASSERT_EQ(bar.size(), 3u);
    const SpriteCall& middle = bar[0];
    const SpriteCall& left = bar[1];
    const SpriteCall& right = bar[2];
    EXPECT_EQ(middle.source, (IntRect{970, 600, 1070, 640}));
    const float half = middle.scaling.x * 50.0f; // the middle piece spans twice this
    EXPECT_FLOAT_EQ(middle.translation.x, 512.0f - half);
    EXPECT_FLOAT_EQ(left.translation.x, 512.0f - half - 20.0f);
    EXPECT_FLOAT_EQ(right.translation.x, 512.0f + half);
    EXPECT_FLOAT_EQ(middle.translation.y, 718.0f);
    // The caption is set at half size, centred: its glyphs lie inside the bar's middle.
    const auto glyphs = CallsOfSlot(recorder, 1);
    ASSERT_FALSE(glyphs.empty());
    EXPECT_FLOAT_EQ(glyphs.front().scaling.x, 0.4f);
    EXPECT_GE(glyphs.front().translation.x, 512.0f - half);
    EXPECT_LE(glyphs.back().translation.x, 512.0f + half);
    EXPECT_FLOAT_EQ(glyphs.front().translation.y, 728.0f);
    EXPECT_EQ(glyphs.front().colour, 0xFF000000u);
}

TEST_F(RenderTest, TiledBackgroundsRepeatAndOthersStretch) {
    auto game = Make("test", "ladder");
    background.sourceRect = {0, 0, 256, 256};
    background.tiled = true;
    app.currentBackground = &background;
    app.backgroundBrightness = 200;
    {
        SpriteRecorder recorder;
        game->Render();
        const auto tiles = CallsOfSlot(recorder, AppState::BackgroundSlot);
        ASSERT_EQ(tiles.size(), 12u); // 4 columns of 3
        EXPECT_EQ(tiles[1].translation.y, 256.0f) << "columns first";
        EXPECT_EQ(tiles[0].colour, 0xFFC8C8C8u);
    }
    {
        background.tiled = false;
        SpriteRecorder recorder;
        game->Render();
        const auto one = CallsOfSlot(recorder, AppState::BackgroundSlot);
        ASSERT_EQ(one.size(), 1u);
        EXPECT_FLOAT_EQ(one[0].scaling.x, 4.0f);
        EXPECT_FLOAT_EQ(one[0].scaling.y, 3.0f);
    }
    {
        // A one-pixel tile would take 786 432 draws a frame: it is stretched instead.
        background.tiled = true;
        background.sourceRect = {0, 0, 1, 1};
        SpriteRecorder recorder;
        game->Render();
        EXPECT_EQ(CallsOfSlot(recorder, AppState::BackgroundSlot).size(), 1u);
    }
    app.currentBackground = nullptr;
    app.backgroundBrightness = 255;
}

TEST_F(RenderTest, TheHintFadesInNearThePointerAndStaysOnTheScreen) {
    auto game = Make("test", "ladder");
    app.showInfos = true;
    app.frameTime = app.realFrameTime = 0.016;
    game->Update(); // the cards jump to their places
    KartenStapel* column = game->piles[3];
    const Card* top = column->TopVisible();
    app.mouseX = CentreX(top);
    app.mouseY = CentreY(top);
    game->OnMouseMove(app.mouseX, app.mouseY);
    app.frameTime = app.realFrameTime = 0.016;
    game->Update();
    {
        SpriteRecorder recorder;
        game->Render();
        EXPECT_TRUE(CallsOfSlot(recorder, SolitärGame::MiscSlot).empty())
            << "no bubble right after a move";
    }
    game->idleTime = 0.75; // half-way through the fade
    {
        SpriteRecorder recorder;
        game->Render();
        const auto bubble = CallsOfSlot(recorder, SolitärGame::MiscSlot);
        ASSERT_EQ(bubble.size(), 1u);
        EXPECT_EQ(bubble[0].source, (IntRect{0, 50, 150, 130}));
        EXPECT_EQ(bubble[0].colour >> 24, 127u);
        EXPECT_FLOAT_EQ(bubble[0].translation.x, static_cast<float>(app.mouseX + 30));
        EXPECT_FLOAT_EQ(bubble[0].translation.y, static_cast<float>(app.mouseY + 30));
    }
    // Near the bottom right corner the bubble moves inside the screen.
    game->OnMouseMove(1020, 760);
    app.mouseX = 1020;
    app.mouseY = 760;
    column->TopVisible()->position = {960, 650}; // a card under the pointer there
    game->Update();
    game->idleTime = 2.0;
    {
        SpriteRecorder recorder;
        game->Render();
        const auto bubble = CallsOfSlot(recorder, SolitärGame::MiscSlot);
        ASSERT_EQ(bubble.size(), 1u);
        const float w = bubble[0].scaling.x * 150.0f;
        const float h = bubble[0].scaling.y * 80.0f;
        EXPECT_NEAR(bubble[0].translation.x + w, 1014.0f, 0.5f) << "10 pixels from the right";
        EXPECT_NEAR(bubble[0].translation.y + h, 758.0f, 0.5f) << "10 pixels from the bottom";
        EXPECT_EQ(bubble[0].colour >> 24, 255u);
    }
    app.showInfos = false;
}

TEST_F(RenderTest, PausedTheClockAndLockoutStandStillButIdleTimeRuns) {
    auto game = Make("test", "ladder");
    game->doubleClickLockout = 0.3;
    const double time = game->table.gameTime;
    const double score = game->table.timeScore;
    app.paused = true;
    app.frameTime = 0.0;
    app.realFrameTime = 0.5;
    game->Update();
    EXPECT_EQ(game->table.gameTime, time);
    EXPECT_EQ(game->table.timeScore, score);
    EXPECT_EQ(game->doubleClickLockout, 0.3);
    EXPECT_DOUBLE_EQ(game->idleTime, 0.5);
    app.paused = false;
    app.frameTime = 0.5;
    game->Update();
    EXPECT_DOUBLE_EQ(game->table.gameTime, time + 0.5);
    EXPECT_LT(game->doubleClickLockout, 0.0);
}

TEST_F(RenderTest, TheWinIsDetectedOnceAndThrowsPileAfterPile) {
    auto game = Make("test", "fourgoals");
    ASSERT_TRUE(game->IsGameWon());
    EXPECT_FALSE(game->CheckGameEnd());
    EXPECT_EQ(game->gameState, SolitärGame::StateWon);
    // 13 cards a pile from the top down, a tenth of a second apart, ten steps between piles.
    for (int p = 0; p < 4; ++p) {
        KartenStapel* pile = game->piles[p];
        ASSERT_EQ(pile->VisibleCount(), 13);
        EXPECT_NEAR(pile->TopVisible()->bounceDelay, 1.0 + 2.3 * p, 1e-9) << "pile " << p;
        EXPECT_NEAR(pile->visibleCards[0]->bounceDelay, 2.2 + 2.3 * p, 1e-9) << "pile " << p;
        EXPECT_EQ(pile->TopVisible()->gravity, (Vec2{0, 100}));
        // A pile throws all its cards the same way.
        EXPECT_EQ(pile->TopVisible()->velocity, pile->visibleCards[0]->velocity);
    }
    const double firstDelay = game->piles[0]->TopVisible()->bounceDelay;
    app.frameTime = app.realFrameTime = 0.016;
    game->Update();
    EXPECT_FALSE(game->CheckGameEnd());
    EXPECT_NEAR(game->piles[0]->TopVisible()->bounceDelay, firstDelay - 0.016, 1e-9)
        << "the win is not detected again";
    game->OnLeftButtonUp(900, 700);
    EXPECT_TRUE(game->skipWinAnimation);
    EXPECT_TRUE(game->CheckGameEnd());
}

TEST_F(RenderTest, EmptyPlacesShowFrameAndSymbolsOfWhatTheyAccept) {
    auto game = Make("test", "freecell");
    SpriteRecorder recorder;
    game->Render();
    // The four foundations accept an ASS of any suit: frame, suit symbol, rank symbol.
    int frames = 0, aceSymbols = 0;
    for (const SpriteCall& c : CallsOfSlot(recorder, AppState::CardSetSlot)) {
        if (c.source == (IntRect{176, 14 * 256, 352, 15 * 256})) ++frames;
        if (c.source == (IntRect{4 * 176, 12 * 256, 5 * 176, 13 * 256})) {
            ++aceSymbols;
            EXPECT_EQ(c.colour, 0x7F4F4F4Fu);
        }
    }
    EXPECT_EQ(frames, game->piles.Count()) << "every pile draws its empty frame";
    EXPECT_GE(aceSymbols, 4);
}

} // namespace
