// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The woman at the right screen edge: sayings when idle, five questions per conversation,
// the time of day, the quit keyword, a scripted change of outfit and the swap with the
// jungle man who waits in chatterSpare. Clicked twice on the body while dressed up, she
// shows a comic "hey!" mark for three seconds.
#include "themes/PlapperMaschine.h"

#include <algorithm>

class PlapperMädel2 : public PlapperMaschine {
public:
    explicit PlapperMädel2(AppState& app);

    void Draw() override;
    void Update() override;
    double NextChangeIn() const override { return std::min(StatesChangeIn(), FaceChangeIn()); }
    void OnLeftButtonUp(uint16_t x, uint16_t y) override;
    void Answer() override;

    static constexpr int MaxQuestions = 4; // the fifth ends the conversation

    int clickCount = 0;
    bool slapped = false;
    double slapTime = 0.0;

protected:
    int IdleTalkState() override { return PickSaying; }

private:
    void ScriptedStep(int index);
};
