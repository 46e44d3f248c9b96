// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The woman at the left screen edge: sayings and two-line jokes when idle, seven questions
// per conversation, the time of day, the two jokers (win the game, lift every pile rule)
// and a little scripted change of outfit.
#include "themes/PlapperMaschine.h"

#include <algorithm>

class PlapperMädel1 : public PlapperMaschine {
public:
    explicit PlapperMädel1(AppState& app);

    void Draw() override;
    void Update() override;
    double NextChangeIn() const override { return std::min(StatesChangeIn(), FaceChangeIn()); }
    void OnLeftButtonUp(uint16_t x, uint16_t y) override;
    void Answer() override;

    static constexpr int MaxQuestions = 6; // the seventh ends the conversation

protected:
    int IdleTalkState() override;

private:
    void ScriptedStep(int index);
};
