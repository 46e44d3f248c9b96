// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The jungle man who takes turns with the right-hand woman: no idle talk and no face
// animation, five questions per conversation, and his first five keywords bring her back.
#include "themes/PlapperMaschine.h"

class PlapperTarzan : public PlapperMaschine {
public:
    explicit PlapperTarzan(AppState& app);

    void Draw() override;
    void Update() override;
    // He only moves while spoken to.
    double NextChangeIn() const override {
        return state >= Greeting && state <= AnswerShown ? StatesChangeIn() : 1.0e30;
    }
    void OnLeftButtonUp(uint16_t x, uint16_t y) override;
    void Answer() override;

    static constexpr int MaxQuestions = 4;
};
