// SPDX-License-Identifier: GPL-3.0-or-later
#include "themes/PlapperMädel1.h"

#include "app/AppState.h"
#include "data/TextFormatter.h"

PlapperMädel1::PlapperMädel1(AppState& app) : PlapperMaschine(app) {
    Initialise("blabla_links", {110, 288, 323, 419});
}

int PlapperMädel1::IdleTalkState() {
    return Random(2) == 0 ? PickSaying : PickJoke;
}

void PlapperMädel1::Update() {
    AnimateFace();
    if (loaded) AdvanceStates();
}

void PlapperMädel1::OnLeftButtonUp(uint16_t x, uint16_t y) {
    if (!loaded) return;
    if (x > 46 && x < 75 && y > 430 && y < 450) ToggleConversation();
}

void PlapperMädel1::Answer() {
    if (state == Greeting) {
        speechText = "HALLO";
        timer = 2.0;
    } else if (state == Listening) {
        const int index = TakeQuestion();
        if (index < 0) {
            StartSpeaking();
            speechText = FormatText(Random(3) == 0 ? RandomEntry(phrases.sayings)
                                                   : RandomEntry(phrases.unmatched));
        } else if (!ApplyCommonGroups(index, 3)) {
            if (index == 29) {
                speechText = TimeOfDayReply(29);
            } else if (index == 30) {
                app->forceWinSignal = true;
                conversationOver = true;
            } else if (index == 31) {
                app->relaxRulesSignal = true;
                conversationOver = true;
            } else if (index >= 32 && index <= 36) {
                ScriptedStep(index);
            }
        }
        LimitQuestions(MaxQuestions);
    }
    FinishAnswer();
}

// Asking her out: a summer outfit first (32), then "shall we go out" (33) arms the
// evening dress, which the next step (35) brings; 34 spends the step; 36 changes back.
void PlapperMädel1::ScriptedStep(int index) {
    if (++annoyance >= 4) {
        speechText = FormatText(RandomEntry(phrases.angryEnds));
        conversationOver = true;
        return;
    }
    switch (index) {
    case 32:
        pictureVariant = 1;
        break;
    case 33:
        if (pictureVariant == 1)
            keywordFlag = true;
        else
            speechText = Reply(phrases.answers.Get(34));
        break;
    case 34:
        if (!keywordFlag) speechText = FormatText(RandomEntry(phrases.unmatched));
        keywordFlag = false;
        break;
    case 35:
        if (!keywordFlag) {
            speechText = FormatText(RandomEntry(phrases.unmatched));
        } else {
            pictureVariant = 2;
            conversationOver = true;
        }
        keywordFlag = false;
        break;
    case 36:
        if (pictureVariant == 0)
            speechText = FormatText(RandomEntry(phrases.unmatched));
        else
            --pictureVariant;
        break;
    default:
        break;
    }
}

void PlapperMädel1::Draw() {
    const float h = Height();
    DrawPicture(PlapperTextures::Maedel1 + pictureVariant, {0, 0, 150, 412}, {0.0f, h - 412});
    const int f = static_cast<int>(blinkPhase) % 5;
    const int g = static_cast<int>(mouthPhase) % 5;
    DrawPicture(PlapperTextures::FaceLeft, {40 * f, 0, 40 * f + 40, 22}, {36.0f, h - 352});
    DrawPicture(PlapperTextures::FaceLeft, {40 * g, 22, 40 * g + 40, 32}, {36.0f, h - 330});
    DrawSpeech({70.0f, 250.0f}, false);
}
