// SPDX-License-Identifier: GPL-3.0-or-later
// Construction, the frame update and the drawing of the card-game scene.
#include "game/SolitärGame.h"

#include "app/AppState.h"
#include "data/CatalogSelection.h"
#include "data/GameCategory.h"
#include "data/GameStatistics.h"
#include "game/CardRuns.h"
#include "game/ThemeHooks.h"
#include "media/BitmapText.h"
#include "media/CardDrawing.h"
#include "media/ChooseMusic.h"
#include "media/DrawSprite.h"
#include "media/MusicPlayer.h"
#include "menu/GUIElement.h"
#include "platform/PlatformTimer.h"
#include "platform/Texture.h"
#include "rules/SolverTask.h"

#include <algorithm>

namespace {

// The status bar is cut from the wide button of "menu.PNG": two caps and a middle piece.
constexpr IntRect statusMiddle{970, 600, 1070, 640};
constexpr IntRect statusLeftCap{950, 600, 970, 640};
constexpr IntRect statusRightCap{1070, 600, 1090, 640};
constexpr double statusTextSize = 0.5;
// Half the bar's middle piece beyond half the caption's width on each side.
constexpr float statusMargin = 12.0f;

// More tiles than this are drawn as one stretched picture: a tiny tile repeated over the
// whole screen would cost hundreds of thousands of draws a frame.
constexpr long long maxBackgroundTiles = 16384;

constexpr int uiTextWon = 63;
constexpr int uiTextDeal = 117;
// Deals drawn at random are numbered 1 … this, short enough to read out.
constexpr uint32_t kDealNumbers = 1000000000u;

} // namespace

SolitärGame::SolitärGame(GameCategory* category, GameInfo* gameInfo, std::optional<uint32_t> seed)
    : category(category), gameInfo(gameInfo), seed(seed) {
    table.random.Seed(seed.value_or(PlatformTimer::TickCount()));
    app->LoadCardSet(app->cardSet);
    SelectBackground(app->background);
    SetSceneMode(ModePlaying);
    // The in-game screens (top bar, menu button, game menu, options, rules, toolbar and
    // statistics pages) go into element slots 0, 2, 3, 4, 5, 7 and 8.
    BuildScreens();
    LoadGameDefinition(category, gameInfo);
    ChooseMusic();
}

void SolitärGame::ChooseMusic() {
    if (!app->musicPlayer) return;
    const int32_t chosen = app->musicVolume;
    ::ChooseMusic(*app->musicPlayer, app->animationTheme, app->musicVolume,
                  [this] { return static_cast<int32_t>(table.random.Next()); });
    // Without music files of the theme the music is off for this run only.
    if (app->musicVolume != chosen)
        app->runOnlySettings.SwitchedOff(RunOnlySettings::Music, chosen);
}

SolitärGame::~SolitärGame() {
    SyncStatistics();
    // The table releases its goal list, undo snapshots, deck and piles; the Game base then
    // deletes the GUI elements.
}

void SolitärGame::SetSceneMode(int mode) {
    elementActive.fill(false);
    switch (mode) {
    case ModeRules:
        elementActive[5] = true;
        break;
    case ModeOptions:
        elementActive[4] = true;
        break;
    case ModePlaying:
        elementActive[0] = true;
        elementActive[2] = true;
        elementActive[7] = true;
        break;
    case ModeGameMenu:
        elementActive[3] = true;
        break;
    case ModeStatistics:
        elementActive[8] = true;
        break;
    default:
        break;
    }
    sceneMode = mode;
    // The pointer now lies on another screen: its hover look follows at once, not only at
    // the next mouse move.
    hoveredElement = nullptr;
    HitTestElements(-1);
}

void SolitärGame::CopySettingsToTable() {
    table.settings.screenWidth = app->screenWidth;
    table.settings.screenHeight = app->screenHeight;
    table.settings.pileSpeed = app->pileSpeed;
    table.settings.mousePileSpeed = app->mousePileSpeed;
}

void SolitärGame::LoadGameDefinition(GameCategory* newCategory, GameInfo* newGameInfo) {
    if (!newCategory || !newGameInfo) return;
    const auto bytes = ReadFamilyMember(ArchiveFamily(app->gamesArchive, app->gameAddOnArchives),
                                        GameDefinitionName(*newCategory, *newGameInfo), false);
    if (!bytes) return;
    category = newCategory;
    gameInfo = newGameInfo;
    CopySettingsToTable();
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    ClearHelp();
    definitionBytes.assign(text);
    // Every deal has a number, the seed it is dealt from: --seed N and
    // 'kartenhaus-cli deal --seed N' deal the same table.
    dealNumber = seed.value_or(PlatformTimer::TickCount() % kDealNumbers + 1);
    table.LoadGameDefinition(text, dealNumber);
    ResetAfterLoad();
    SyncStatistics();
}

void SolitärGame::ResetAfterLoad() {
    // The old cards are gone: nothing may still point at them.
    ClearHelp();
    grabbedCard = nullptr;
    buttonHeld = dragMoved = false;
    doubleClickLockout = 0.0;
    skipWinAnimation = false;
    gameState = StateRunning;
    app->LoadCardSet(app->cardSet);
    SelectBackground(app->background);
    app->paused = false;
}

void SolitärGame::SelectBackground(int index) {
    // A background of an add-on that is missing this time: the first one stands in for this
    // run.
    if (CatalogSelection::Resolve(index, app->backgrounds.Count()) != index)
        app->runOnlySettings.SwitchedOff(RunOnlySettings::Background, index);
    if (!CatalogSelection::Select(index, app->backgrounds, app->currentBackgroundIndex,
                                  app->currentBackground))
        return;
    app->textures[AppState::BackgroundSlot].reset();
    if (app->currentBackground)
        app->LoadFamilyTexture(ArchiveFamily(app->backgroundArchive, app->backgroundAddOnArchives),
                               app->currentBackground->path, true,
                               app->textures[AppState::BackgroundSlot]);
    app->background = app->currentBackgroundIndex;
}

std::string SolitärGame::StatusCaption() const {
    const std::string gameName = gameInfo ? gameInfo->DisplayName(app->language) : std::string();
    if (!category) return gameName;
    const std::string& categoryName = category->DisplayName(app->language);
    if (categoryName == gameName) return gameName;
    return categoryName + " - " + gameName;
}

void SolitärGame::Update() {
    idleTime += app->realFrameTime;
    if (sceneMode == ModePlaying) {
        // Only one character talks at a time.
        if (!ThemeHooks::ChatterBusy(app->chatterRight.get()))
            ThemeHooks::ChatterUpdate(app->chatterLeft.get());
        if (!ThemeHooks::ChatterBusy(app->chatterLeft.get()))
            ThemeHooks::ChatterUpdate(app->chatterRight.get());
        ThemeHooks::BackgroundUpdate(*app);
        if (app->forceWinSignal) {
            app->forceWinSignal = false;
            table.forceWin = true;
        }
        if (app->relaxRulesSignal) {
            app->relaxRulesSignal = false;
            table.RelaxAllRules();
        }
    }
    if (!app->paused) {
        CopySettingsToTable();
        if (gameState != StateWon) table.gameTime += app->frameTime;
        if (GameStatistics* stats = Statistics()) stats->time += app->frameTime;
        app->globalStatistics.gameTime += app->frameTime;
        if (doubleClickLockout > 0.0) doubleClickLockout -= app->realFrameTime;
        for (Card* card : deck)
            card->markState = 0;
        for (KartenStapel* pile : piles)
            pile->dropHighlight = false;
        UpdateHighlights();
        UpdateHelp();
        table.UpdatePiles(app->realFrameTime);
        StepBounce();
        table.UpdateTimeScore(app->frameTime);
        SyncStatistics(); // automatic fills may have moved cards
    }
    if (sceneMode == ModeOptions) {
        previewTime += app->realFrameTime;
        const int t = static_cast<int>(previewTime);
        previewRank = t % 13;
        previewSuit = (t / 13) % 4;
    }
    if (app->musicVolume == 100 && app->musicPlayer && app->musicPlayer->IsFinished())
        ChooseMusic();
}

void SolitärGame::DrawTableBackground(float originX, float originY, float scaleX, float scaleY) {
    const BackgroundEntry* entry = app->currentBackground;
    if (!entry) return;
    const auto b = static_cast<uint32_t>(std::clamp(app->backgroundBrightness, 0, 255));
    const uint32_t colour = 0xFF000000u | b << 16 | b << 8 | b;
    const IntRect source{entry->sourceRect.left, entry->sourceRect.top, entry->sourceRect.right,
                         entry->sourceRect.bottom};
    const int w = source.Width(), h = source.Height();
    if (w <= 0 || h <= 0) return;
    const long long tiles =
        static_cast<long long>((app->screenWidth + w - 1) / w) * ((app->screenHeight + h - 1) / h);
    if (entry->tiled && tiles <= maxBackgroundTiles) {
        for (int x = 0; x < app->screenWidth; x += w)
            for (int y = 0; y < app->screenHeight; y += h)
                DrawSprite(*app, AppState::BackgroundSlot, source, {scaleX, scaleY},
                           {originX + static_cast<float>(x) * scaleX,
                            originY + static_cast<float>(y) * scaleY},
                           colour);
        return;
    }
    DrawSprite(*app, AppState::BackgroundSlot, source,
               {static_cast<float>(app->screenWidth) / w * scaleX,
                static_cast<float>(app->screenHeight) / h * scaleY},
               {originX, originY}, colour);
}

void SolitärGame::DrawCards() {
    static thread_local std::vector<CardRun> runs;
    OrderCardRuns(piles, runs);
    for (const CardRun& run : runs) {
        const Card* card = run.first;
        for (int i = 0; i < run.count && card; ++i, card = card->cardAbove)
            DrawCard(*app, *card, i + 1 < run.count ? card->cardAbove : nullptr);
    }
}

void SolitärGame::DrawStatusBar() {
    BitmapText& caption = captionText;
    const std::string text =
        StatusCaption() + "   " + app->UiTextOrEmpty(uiTextDeal) + " " + std::to_string(dealNumber);
    if (text != captionShown) {
        caption.SetText(text);
        caption.SetSize(statusTextSize);
        caption.SetAlignment(1);
        caption.SetColor(0xFF000000);
        captionShown = text;
    }
    const float w = static_cast<float>(caption.Width()) / 2.0f + statusMargin;
    const float cx = static_cast<float>(app->screenWidth) / 2.0f;
    const float y = static_cast<float>(app->screenHeight) - 50.0f;
    DrawSprite(*app, MenuSlot, statusMiddle, {w / 50.0f, 1.0f}, {cx - w, y}, 0xFFFFFFFF);
    DrawSprite(*app, MenuSlot, statusLeftCap, {1.0f, 1.0f}, {cx - w - 20.0f, y}, 0xFFFFFFFF);
    DrawSprite(*app, MenuSlot, statusRightCap, {1.0f, 1.0f}, {cx + w, y}, 0xFFFFFFFF);
    caption.Draw(cx, static_cast<double>(app->screenHeight) - 40.0);
}

void SolitärGame::Render() {
    DrawTableBackground();
    ThemeHooks::BackgroundDrawBack(*app);
    for (const KartenStapel* pile : piles)
        DrawEmptyMarker(*app, *pile,
                        pile->FaceDownCount() ? pile->faceDownCards[0] : pile->visibleCards[0]);
    DrawCards();
    ThemeHooks::BackgroundDrawFront(*app);
    ThemeHooks::ChatterDraw(app->chatterLeft.get());
    ThemeHooks::ChatterDraw(app->chatterRight.get());
    if (IsGameWon()) {
        const std::string& text = app->UiTextOrEmpty(uiTextWon);
        if (text != winShown) {
            winText.SetText(text);
            winText.SetAlignment(1);
            winShown = text;
        }
        winText.Draw(app->screenWidth / 2.0, app->screenHeight / 2.0 - 20.0);
    }
    for (int slot = 0; slot <= 8; ++slot)
        if (elementActive[slot] && elements[slot]) elements[slot]->Draw(0.0f, 0.0f);
    DrawHelpNotice();
    DrawStatusBar();
    if (idleTime >= hintDelay && app->showInfos && sceneMode == ModePlaying) RuleHint();
}
