// SPDX-License-Identifier: GPL-3.0-or-later
#include "themes/PlapperTarzan.h"

#include "app/AppState.h"
#include "data/TextFormatter.h"

PlapperTarzan::PlapperTarzan(AppState& app) : PlapperMaschine(app) {
    const int w = app.screenWidth;
    Initialise("blabla_tarzan_rechts", {w - 373, 248, w - 160, 379});
}

void PlapperTarzan::Update() {
    // He only talks when spoken to.
    if (loaded && state >= Greeting && state <= AnswerShown) AdvanceStates();
}

void PlapperTarzan::OnLeftButtonUp(uint16_t x, uint16_t y) {
    if (!loaded) return;
    const int w = app->screenWidth, h = app->screenHeight;
    if (x >= w - 98 && x <= w - 51 && y >= h - 418 && y <= h - 381) ToggleConversation();
}

void PlapperTarzan::Answer() {
    if (state == Greeting) {
        speechText = "...";
        timer = 2.0;
    } else if (state == Listening) {
        const int index = TakeQuestion();
        if (index < 0) {
            StartSpeaking();
            speechText = FormatText(RandomEntry(phrases.unmatched));
        } else if (index <= 4) {
            SwapWithSpare();
        }
        LimitQuestions(MaxQuestions, "?!?!");
    }
    FinishAnswer();
}

void PlapperTarzan::Draw() {
    const float w = Width(), h = Height();
    DrawPicture(PlapperTextures::Tarzan, {0, 0, 164, 460}, {w - 164, h - 460});
    DrawSpeech({w - 120, 210.0f}, true);
}
