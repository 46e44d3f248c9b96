// SPDX-License-Identifier: GPL-3.0-or-later
// What the in-game screens and keys do: the toolbar (history, quick save, new game), the
// game menu, the rules and statistics pages, Escape and H by screen, the brightness keys,
// and the hand-over of the table's counters to the statistics.
#include "app/AppState.h"
#include "data/Counter.h"
#include "data/GameCategory.h"
#include "data/GameInfo.h"
#include "data/GameStatistics.h"
#include "data/UserFiles.h"
#include "game/SolitärGame.h"
#include "game/ThemeHooks.h"
#include "platform/PlatformTimer.h"
#include "platform/VirtualKeys.h"
#include "rules/QuickSaveFile.h"

#include <algorithm>
#include <iostream>

namespace {

constexpr uint32_t keyH = 'H';
constexpr int brightnessStep = 16;
constexpr int brightnessFloor = 64;

} // namespace

int SolitärGame::NextSpeed(int speed) {
    switch (speed) {
    case 1:
        return 2;
    case 2:
        return 10;
    case 10:
        return 10000;
    default:
        return 1;
    }
}

int SolitärGame::BrightnessAfterKey(int brightness, uint32_t key) {
    if (key == VirtualKey::Up || key == VirtualKey::Right)
        brightness += brightnessStep;
    else if (key == VirtualKey::Left || key == VirtualKey::Down)
        brightness -= brightnessStep;
    else
        return brightness;
    brightness = std::min(brightness, 255);
    return brightness <= brightnessFloor ? brightnessFloor : brightness;
}

int SolitärGame::ClampScroll(int value, int length, int rows) {
    return std::max(0, std::min(value, length - rows));
}

GameStatistics* SolitärGame::Statistics() const {
    return gameInfo ? gameInfo->statistics.get() : nullptr;
}

void SolitärGame::SyncStatistics() {
    const long long moves = table.movesCounted - movesSynced;
    const long long undos = table.undosCounted - undosSynced;
    if (moves == 0 && undos == 0) return;
    movesSynced = table.movesCounted;
    undosSynced = table.undosCounted;
    GlobalStatistics& global = app->globalStatistics;
    Counter::Add(global.moves, moves);
    Counter::Add(global.undoSteps, undos);
    if (GameStatistics* stats = Statistics()) Counter::Add(stats->moves, moves);
}

void SolitärGame::UndoToStart() {
    table.UndoToStart();
    SyncStatistics();
}
void SolitärGame::UndoStep() {
    table.UndoStep();
    SyncStatistics();
}
void SolitärGame::RedoStep() {
    table.RedoStep();
    SyncStatistics();
}
void SolitärGame::RedoToEnd() {
    table.RedoToEnd();
    SyncStatistics();
}

std::string SolitärGame::QuickSavePath() const {
    if (!category || !gameInfo) return {};
    const std::string relative = QuickSaveFile::PathFor(category->path, gameInfo->path);
    if (relative.empty()) return {};
    return UserFiles::PathOf(relative).string();
}

void SolitärGame::WriteQuickSave() {
    const std::string path = QuickSavePath();
    if (!path.empty()) table.WriteQuickSave(path);
}

void SolitärGame::ReadQuickSave() {
    const std::string path = QuickSavePath();
    if (path.empty()) return;
    QuickSaveFile save;
    if (!save.ReadFile(path)) return; // no save yet: the game goes on as it is
    const auto bytes = ReadFamilyMember(ArchiveFamily(app->gamesArchive, app->gameAddOnArchives),
                                        GameDefinitionName(*category, *gameInfo), false);
    if (!bytes) return;
    CopySettingsToTable();
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    if (!table.ReadQuickSave(save, text, seed.value_or(PlatformTimer::TickCount()))) {
        // A save edited by hand or made for another deck could conjure cards;
        // the running game goes on as it is.
        std::cerr << "kartenhaus: " << path << " ignored: its cards are not the deck of "
                  << gameInfo->path << '\n';
        return;
    }
    ResetAfterLoad();
    SyncStatistics();
}

void SolitärGame::LoadRulesText() {
    if (!category || !gameInfo) return;
    app->LoadGameTexts(ArchiveFamily(app->gamesArchive, app->gameAddOnArchives), category->path,
                       gameInfo->path, app->language);
}

bool SolitärGame::KeepWin(int id) {
    if (gameState != StateWon) return false;
    // The win is decided: what would change the table or end the game another way only ends
    // the bounce, so the win is counted like any other.
    switch (id) {
    case IdNewGame:
        dealAgainAfterWin = true;
        break;
    case IdMainMenuEntry:
        app->paused = false;
        break;
    case IdUndoToStart:
    case IdUndoStep:
    case IdRedoStep:
    case IdRedoToEnd:
    case IdReadQuickSave:
        break;
    default:
        return false;
    }
    skipWinAnimation = true;
    return true;
}

void SolitärGame::ElementAction(int id) {
    if (IsElementHidden(id)) return;
    if (OptionsAction(id)) return;
    if (KeepWin(id)) return;
    GameStatistics* stats = Statistics();
    switch (id) {
    // The toolbar.
    case IdUndoToStart:
        UndoToStart();
        break;
    case IdUndoStep:
        UndoStep();
        break;
    case IdRedoStep:
        RedoStep();
        break;
    case IdRedoToEnd:
        RedoToEnd();
        break;
    case IdReadQuickSave:
        ReadQuickSave();
        break;
    case IdWriteQuickSave:
        WriteQuickSave();
        break;
    case IdNewGame:
        app->paused = true;
        gameEnded = true;
        gameState = StateNewGame;
        break;
    // The menu button opens the game menu and stops the clock.
    case IdMenuButton:
        app->paused = true;
        SetSceneMode(ModeGameMenu);
        break;
    // The game menu.
    case IdContinue:
        app->paused = false;
        SetSceneMode(ModePlaying);
        break;
    case IdRulesEntry:
        LoadRulesText();
        SetSceneMode(ModeRules);
        break;
    case IdOptionsEntry:
        SetSceneMode(ModeOptions);
        break;
    case IdStatisticsEntry:
        SetSceneMode(ModeStatistics);
        break;
    case IdMainMenuEntry:
        app->paused = false;
        gameEnded = true;
        gameState = StateLeaveToMenu;
        break;
    // The rules and statistics pages.
    case IdRulesClose:
    case IdStatisticsClose:
        SetSceneMode(ModeGameMenu);
        break;
    case IdStatisticsReset:
        if (stats) stats->Reset();
        highscoreScroll = 0;
        break;
    case IdHighscoreUp:
    case IdHighscoreDown: {
        const int entries = stats ? stats->highscores.Count() : 0;
        const int step = id == IdHighscoreUp ? -1 : 1;
        highscoreScroll = ClampScroll(highscoreScroll + step, entries, highscoreRows);
        break;
    }
    default:
        break;
    }
}

bool SolitärGame::ShortcutKey(uint32_t key) {
    if (key == VirtualKey::Control) controlHeld = true;
    if (key == VirtualKey::Shift) shiftHeld = true;
    // While the player types to a character, every key is the character's.
    if (sceneMode != ModePlaying || app->paused ||
        ThemeHooks::ChatterBusy(app->chatterLeft.get()) ||
        ThemeHooks::ChatterBusy(app->chatterRight.get()))
        return false;
    const uint32_t newDeal = VirtualKey::F1 + 1; // F2
    if (key == HintKey) {
        RequestHint();
        return true;
    }
    if (key == newDeal || (controlHeld && key == 'N')) {
        ElementAction(IdNewGame);
        return true;
    }
    if (!controlHeld) return false;
    if (key == 'Z' && !shiftHeld) {
        UndoStep();
        return true;
    }
    if (key == 'Y' || (key == 'Z' && shiftHeld)) {
        RedoStep();
        return true;
    }
    return false;
}

void SolitärGame::OnKeyDown(uint32_t key) {
    if (ShortcutKey(key)) return;
    if (sceneMode == ModePlaying) {
        ThemeHooks::ChatterKeyDown(app->chatterLeft.get(), key);
        ThemeHooks::ChatterKeyDown(app->chatterRight.get(), key);
    }
    app->backgroundBrightness = BrightnessAfterKey(app->backgroundBrightness, key);
}

void SolitärGame::OnKeyUp(uint32_t key) {
    if (key == VirtualKey::Control) controlHeld = false;
    if (key == VirtualKey::Shift) shiftHeld = false;
    if (sceneMode == ModePlaying) {
        ThemeHooks::ChatterKeyUp(app->chatterLeft.get(), key);
        ThemeHooks::ChatterKeyUp(app->chatterRight.get(), key);
    }
    if (key == VirtualKey::Escape) {
        switch (sceneMode) {
        case ModeRules:
        case ModeOptions:
        case ModeStatistics:
            SetSceneMode(ModeGameMenu);
            break;
        case ModePlaying:
            app->paused = true;
            SetSceneMode(ModeGameMenu);
            break;
        case ModeGameMenu:
            app->paused = false;
            SetSceneMode(ModePlaying);
            break;
        default:
            break;
        }
        return;
    }
    if (key != keyH || controlHeld) return;
    // H is a letter the player may be typing to a character.
    if (ThemeHooks::ChatterBusy(app->chatterLeft.get()) ||
        ThemeHooks::ChatterBusy(app->chatterRight.get()))
        return;
    if (sceneMode == ModePlaying) {
        app->paused = true;
        LoadRulesText();
        SetSceneMode(ModeRules);
    } else if (sceneMode == ModeRules) {
        app->paused = false;
        SetSceneMode(ModePlaying);
    } else {
        LoadRulesText();
        SetSceneMode(ModeRules);
    }
}
