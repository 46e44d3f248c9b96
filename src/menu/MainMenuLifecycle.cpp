// SPDX-License-Identifier: GPL-3.0-or-later
// A game's life under the menu: starting and restarting it, the end of a game (won, left to
// the menu, or a new game asked for), the counting of the result and the highscore entry.
#include "menu/MainMenu.h"

#include "app/AppState.h"
#include "app/SoundHooks.h"
#include "app/TextureTable.h"
#include "data/GameStatistics.h"
#include "data/UserFiles.h"
#include "game/SolitärGame.h"
#include "themes/HintergrundGrafik.h"
#include "themes/PlapperMädel1.h"
#include "themes/PlapperMädel2.h"
#include "themes/PlapperTarzan.h"

#include <ctime>

void MainMenu::StartGame() {
    app->shotRecoil = 0.0;
    app->targetHover = 0;
    game.reset();
    GameCategory* category = categories.Get(listCategory);
    GameInfo* info = GameAt(listCategory, chosenGame);
    if (!category || !info) return;
    game = std::make_unique<SolitärGame>(category, info, seed);
    if (seed) seed = *seed + 1;
    app->runState = 1;
    DeleteThemeObjects();
    CreateThemeObjects();
}

void MainMenu::RestartGame() {
    game.reset();
    GameCategory* category = categories.Get(listCategory);
    GameInfo* info = GameAt(listCategory, chosenGame);
    if (!category || !info) return;
    game = std::make_unique<SolitärGame>(category, info, seed);
    if (seed) seed = *seed + 1;
}

void MainMenu::StartGameByFolders(const std::string& categoryPath, const std::string& gamePath) {
    for (int c = 0; c < categories.Count(); ++c) {
        const GameCategory* category = categories[c];
        if (category->path != categoryPath) continue;
        for (int g = 0; g < category->games.Count(); ++g) {
            if (category->games[g]->path != gamePath) continue;
            listCategory = c;
            chosenGame = g;
            ShowPage(PageGames);
            StartGame();
            return;
        }
    }
    // A game the archives hold but no catalog lists: its folder names stand in for its
    // names, and it is listed from now on so that its statistics are kept like any other.
    auto* category = new GameCategory;
    category->path = categoryPath;
    category->name = categoryPath;
    auto* info = new GameInfo;
    info->path = gamePath;
    info->name = gamePath;
    if (info->statistics) info->statistics->gameInfo = info;
    category->AddGame(info);
    if (info->statistics) info->statistics->Read(UserFiles::Folder());
    categories.Append(category);
    listCategory = categories.Count() - 1;
    chosenGame = 0;
    ShowPage(PageGames);
    StartGame();
}

void MainMenu::CreateThemeObjects() {
    app->chatterLeft.Reset(new PlapperMädel1(*app));
    app->chatterRight.Reset(new PlapperMädel2(*app));
    app->chatterSpare.Reset(new PlapperTarzan(*app));
    ReleaseThemeTextures(*app, app->animationTheme == 1 ? 1 : 0);
    app->animatedBackground.Reset(CreateBackgroundAnimation(*app, app->animationTheme));
}

void MainMenu::DeleteThemeObjects() {
    app->chatterLeft.Delete();
    app->chatterRight.Delete();
    app->chatterSpare.Delete();
    app->animatedBackground.Delete();
}

std::unique_ptr<HighscoreEntry> MainMenu::MakeEntry(bool won, int score) const {
    auto entry = std::make_unique<HighscoreEntry>();
    entry->won = won;
    entry->score = score;
    entry->time = game->table.gameTime;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    entry->day = local.tm_mday;
    entry->month = local.tm_mon + 1;
    entry->year = local.tm_year + 1900;
    return entry;
}

void MainMenu::CountResult(bool won) {
    GameStatistics* statistics = game->Statistics();
    if (won) {
        ++app->globalStatistics.wins;
        if (statistics) ++statistics->wins;
    } else {
        ++app->globalStatistics.losses;
        if (statistics) ++statistics->losses;
    }
}

void MainMenu::HandleGameEnd() {
    const int score = game->ComputeScore();
    const GameStatistics* statistics = game->gameInfo ? game->gameInfo->statistics.get() : nullptr;
    const bool qualifies = statistics && statistics->Qualifies(score);
    const bool moved = game->table.undoIndex >= 1;

    switch (game->gameState) {
    case SolitärGame::StateNewGame:
        if (endHandled) return;
        endHandled = true;
        // A deal left before its first move is no loss, however the player leaves it.
        if (!moved) {
            RestartGame();
            return;
        }
        CountResult(false);
        SaveResults();
        if (qualifies) {
            pendingEntry = MakeEntry(false, score);
            ShowPage(PageResult); // over the running game; confirming it deals anew
        } else {
            RestartGame();
        }
        return;
    case SolitärGame::StateLeaveToMenu:
        if (!moved) {
            ShowPage(PageMain);
        } else {
            if (qualifies) {
                pendingEntry = MakeEntry(false, score);
                ShowPage(PageResult);
            } else {
                ShowPage(PageMain);
            }
            CountResult(false);
            SaveResults();
        }
        break;
    case SolitärGame::StateWon:
        if (endHandled) return;
        endHandled = true;
        ShowPage(PageResult);
        // Every win counts; only the highscore entry depends on the score.
        CountResult(true);
        SaveResults();
        if (qualifies) pendingEntry = MakeEntry(true, score);
        // A new game asked for during the bounce: the result page shows over the won game,
        // and confirming it deals anew.
        if (game->dealAgainAfterWin) return;
        break;
    default:
        return;
    }
    StartMenuMusic(*app);
    // The menu shows none of the game's figures: their sheets are decoded again when the
    // next game starts.
    ReleaseThemeTextures(*app, -1);
    app->runState = 0;
}

void MainMenu::SaveResults() {
    if (GameStatistics* statistics = game ? game->Statistics() : nullptr)
        statistics->Write(UserFiles::Folder());
    app->SaveStatistics();
}

void MainMenu::HandOverEntry() {
    if (!pendingEntry) return;
    GameStatistics* statistics =
        game && game->gameInfo ? game->gameInfo->statistics.get() : nullptr;
    if (statistics) {
        statistics->InsertEntry(pendingEntry.release());
        statistics->Write(UserFiles::Folder());
    } else {
        pendingEntry.reset();
    }
    shiftHeld = false;
}

void MainMenu::ConfirmResult() {
    if (pendingEntry) {
        if (pendingEntry->name[0] == '\0') return;
        HandOverEntry();
    }
    if (app->runState == 1 && endHandled) RestartGame();
    ShowPage(PageMain);
}
