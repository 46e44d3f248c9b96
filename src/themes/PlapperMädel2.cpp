// SPDX-License-Identifier: GPL-3.0-or-later
#include "themes/PlapperMädel2.h"

#include "app/AppState.h"
#include "data/TextFormatter.h"

PlapperMädel2::PlapperMädel2(AppState& app) : PlapperMaschine(app) {
    const int w = app.screenWidth;
    Initialise("blabla_rechts", {w - 373, 288, w - 160, 419});
}

void PlapperMädel2::Update() {
    AnimateFace();
    if (slapped) {
        slapTime -= FrameTime();
        if (slapTime <= 0.0) {
            slapped = false;
            clickCount = 0;
        }
    }
    if (loaded) AdvanceStates();
}

void PlapperMädel2::OnLeftButtonUp(uint16_t x, uint16_t y) {
    if (!loaded) return;
    if (x >= 930 && x <= 957 && y >= 434 && y <= 460) {
        ToggleConversation();
        return;
    }
    const int w = app->screenWidth, h = app->screenHeight;
    if (x >= w - 122 && x <= w - 38 && y >= h - 364 && y <= h) {
        if (!slapped) ++clickCount;
        if (clickCount > 1 && pictureVariant != 0 && !slapped) {
            slapped = true;
            slapTime = 3.0;
        }
    }
}

void PlapperMädel2::Answer() {
    if (state == Greeting) {
        speechText = "HALLO";
        timer = 2.0;
    } else if (state == Listening) {
        const int index = TakeQuestion();
        if (index < 0) {
            StartSpeaking();
            speechText = FormatText(Random(3) == 0 ? RandomEntry(phrases.sayings)
                                                   : RandomEntry(phrases.unmatched));
        } else if (!ApplyCommonGroups(index, 2)) {
            if (index == 26) {
                speechText = TimeOfDayReply(26);
            } else if (index == 27 || index == 28) {
                conversationOver = true;
            } else if (index == 29) {
                conversationOver = true;
                app->runState = 2; // the program ends
            } else if (index >= 30 && index <= 33) {
                ScriptedStep(index);
            } else if (index == 37) {
                SwapWithSpare();
            }
        }
        LimitQuestions(MaxQuestions);
    }
    FinishAnswer();
}

// A compliment (30), the summer outfit (31), from it the evening dress (32), back (33).
void PlapperMädel2::ScriptedStep(int index) {
    if (++annoyance >= 3) {
        speechText = FormatText(RandomEntry(phrases.angryEnds));
        conversationOver = true;
        return;
    }
    switch (index) {
    case 31:
        pictureVariant = 1;
        break;
    case 32:
        if (pictureVariant == 1) {
            pictureVariant = 2;
            conversationOver = true;
        } else {
            speechText = FormatText(RandomEntry(phrases.unmatched));
        }
        break;
    case 33:
        if (pictureVariant == 0)
            speechText = FormatText(RandomEntry(phrases.unmatched));
        else
            --pictureVariant;
        break;
    default:
        break;
    }
}

void PlapperMädel2::Draw() {
    const float w = Width(), h = Height();
    DrawPicture(PlapperTextures::Maedel2 + pictureVariant, {0, 0, 164, 412}, {w - 164, h - 412});
    const int f = static_cast<int>(blinkPhase) % 5;
    const int g = static_cast<int>(mouthPhase) % 5;
    DrawPicture(PlapperTextures::FaceRight, {40 * f, 0, 40 * f + 40, 20}, {w - 110, h - 344});
    DrawPicture(PlapperTextures::FaceRight, {36 * g, 20, 36 * g + 36, 30}, {w - 110, h - 324});
    if (slapped) DrawPicture(PlapperTextures::FaceRight, {200, 0, 250, 30}, {w - 110, h - 344});
    DrawSpeech({w - 120, 250.0f}, true);
}
