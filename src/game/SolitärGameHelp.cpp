// SPDX-License-Identifier: GPL-3.0-or-later
// The help the card scene gives: the hint key (a winning line searched on a
// worker thread over a copy of the table, its first move marked), and the
// cards flying home by themselves once the rest of the game is certain.
#include "app/AppState.h"
#include "app/SoundHooks.h"
#include "game/SolitärGame.h"
#include "rules/MovePlayer.h"
#include "rules/RandomGenerator.h"
#include "rules/SolverTask.h"

namespace {

// How long a hint or its failure stays on the table.
constexpr double kHelpShowSeconds = 8.0;
// Seconds between two cards flying home.
constexpr double kFinishStepSeconds = 0.12;
constexpr int uiTextSearching = 114;
constexpr int uiTextHint = 115;
constexpr int uiTextNoHint = 116;

SolverLimits HintLimits() {
    SolverLimits limits;
    limits.maxNodes = 200000;
    limits.maxSeconds = 4.0;
    limits.maxBytes = size_t(256) << 20;
    return limits;
}

KartenStapel* FirstPileWithId(const KartenTisch& table, int id) {
    for (KartenStapel* pile : table.piles)
        if (pile->pileId == id) return pile;
    return nullptr;
}

} // namespace

long long SolitärGame::TableStamp() const {
    return table.movesCounted * 1000003LL + table.undosCounted * 7919LL + table.undoIndex;
}

void SolitärGame::ClearHelp() {
    if (solverTask) solverTask->Stop();
    help = HelpSituation::Idle;
    hintCard = nullptr;
    hintPile = hintTarget = nullptr;
    finishLine.clear();
    finishStep = 0;
}

void SolitärGame::RequestHint() {
    if (definitionBytes.empty() || IsGameWon() || help == HelpSituation::AutoFinishing) return;
    ClearHelp();
    if (!solverTask) solverTask = std::make_unique<SolverTask>();
    solverTask->Start(table, definitionBytes, HintLimits());
    help = HelpSituation::HintSearching;
    helpStamp = TableStamp();
    helpTime = 0.0;
}

void SolitärGame::MarkHint() {
    if (help != HelpSituation::HintShown) return;
    if (hintCard) hintCard->markState = 1;
    if (hintPile && !hintCard) hintPile->dropHighlight = true;
    if (hintTarget) {
        if (Card* top = hintTarget->TopVisible())
            top->markState = 1;
        else
            hintTarget->dropHighlight = true;
    }
}

void SolitärGame::CheckAutoFinish() {
    if (!app->autoFinish || definitionBytes.empty() || IsGameWon()) return;
    const long long stamp = TableStamp();
    if (stamp == finishCheckedStamp) return;
    finishCheckedStamp = stamp;
    // Only once no card is hidden outside the goal piles is the rest certain.
    for (const KartenStapel* pile : piles)
        if (!pile->isGoalPile && pile->FaceDownCount() > 0) return;
    // The rest must be moves home only: tried on a copy, top cards to the goal
    // piles that take them, as long as one does.
    RandomGenerator generator;
    KartenTisch copy(generator);
    copy.ReadQuickSave(table.ToQuickSave(), definitionBytes, 1);
    if (table.rulesRelaxed) copy.RelaxAllRules();
    MovePlayer player(copy, MoveHistory::Skip);
    player.Settle();
    std::vector<ScriptMove> line;
    for (bool moved = true; moved && !copy.IsGameWon();) {
        moved = false;
        for (KartenStapel* source : copy.piles) {
            if (source->isGoalPile || source->VisibleCount() == 0) continue;
            for (KartenStapel* goal : copy.piles) {
                if (!goal->isGoalPile || FirstPileWithId(copy, goal->pileId) != goal) continue;
                if (FirstPileWithId(copy, source->pileId) != source) continue;
                ScriptMove move;
                move.kind = MoveKind::Drag;
                move.source = source->pileId;
                move.depth = 1;
                move.target = goal->pileId;
                std::string reason;
                if (!player.Apply(move, reason)) continue;
                line.push_back(move);
                moved = true;
                break;
            }
        }
    }
    if (!copy.IsGameWon() || line.empty()) return;
    ClearHelp();
    finishLine = std::move(line);
    help = HelpSituation::AutoFinishing;
    helpTime = 0.0;
}

void SolitärGame::StepAutoFinish() {
    helpTime += app->realFrameTime;
    if (helpTime < kFinishStepSeconds) return;
    helpTime = 0.0;
    if (finishStep >= finishLine.size()) {
        ClearHelp();
        return;
    }
    // Each card home is a move of its own, in the history and the statistics.
    MovePlayer player(table);
    std::string reason;
    if (!player.Apply(finishLine[finishStep++], reason)) {
        ClearHelp();
        return;
    }
    PlaySound(*app, SoundCardsMoved);
    finishCheckedStamp = TableStamp();
}

void SolitärGame::UpdateHelp() {
    switch (help) {
    case HelpSituation::Idle:
        CheckAutoFinish();
        break;
    case HelpSituation::HintSearching:
        if (TableStamp() != helpStamp) {
            ClearHelp();
            break;
        }
        if (solverTask && solverTask->Finished()) {
            const SolverResult result = solverTask->TakeResult();
            help = HelpSituation::NoHintFound;
            helpTime = 0.0;
            if (result.verdict != SolverVerdict::Won || result.line.empty()) break;
            const ScriptMove& first = result.line.front();
            hintPile = FirstPileWithId(table, first.source);
            if (!hintPile) break;
            if (first.kind == MoveKind::Drag) {
                hintCard = hintPile->TopVisible(hintPile->VisibleCount() - first.depth);
                hintTarget = FirstPileWithId(table, first.target);
            }
            help = HelpSituation::HintShown;
        }
        break;
    case HelpSituation::HintShown:
    case HelpSituation::NoHintFound:
        helpTime += app->realFrameTime;
        if (TableStamp() != helpStamp || helpTime > kHelpShowSeconds) ClearHelp();
        break;
    case HelpSituation::AutoFinishing:
        StepAutoFinish();
        break;
    }
    MarkHint();
}

void SolitärGame::DrawHelpNotice() {
    int slot = -1;
    if (help == HelpSituation::HintSearching && helpTime >= 0.0) slot = uiTextSearching;
    if (help == HelpSituation::HintShown) slot = uiTextHint;
    if (help == HelpSituation::NoHintFound) slot = uiTextNoHint;
    if (slot < 0) return;
    const std::string& text = app->UiTextOrEmpty(slot);
    if (text != helpShown) {
        helpText.SetText(text);
        helpText.SetSize(0.5);
        helpText.SetAlignment(1);
        helpText.SetColor(0xFFFFFFFF);
        helpShown = text;
    }
    helpText.Draw(app->screenWidth / 2.0, static_cast<double>(app->screenHeight) - 75.0);
}
