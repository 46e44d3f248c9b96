// SPDX-License-Identifier: GPL-3.0-or-later
#include "themes/PlapperMaschine.h"

#include "app/AppState.h"
#include "app/ChangeTimes.h"
#include "data/ArchiveMemberStream.h"
#include "data/TextFileLimits.h"
#include "data/TextFormatter.h"
#include "media/DrawSprite.h"
#include "media/SystemText.h"
#include "platform/SystemFont.h"
#include "platform/VirtualKeys.h"
#include "rules/RandomGenerator.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <utility>

PlapperMaschine::PlapperMaschine(AppState& app) : app(&app) {
    timer = 5.0 + Random(1000) / 100.0;
}

void PlapperMaschine::Initialise(const std::string& prefix, IntRect textRect) {
    LoadChatterFile(prefix);
    bubbleTextRect = textRect;
    const int w = app->screenWidth, h = app->screenHeight;
    inputTextRect = {w / 2 - 150, h - 170, w / 2 + 150, h - 60};
    ResetIdleTimer();
}

std::string PlapperMaschine::ChatterFileName(const std::string& prefix, int language) {
    return prefix + (language == 0 ? "_d" : "_e") + ".lng";
}

void PlapperMaschine::LoadChatterFile(const std::string& prefix) {
    ArchiveMemberStream member;
    if (!member.Open(app->gamesArchive.get(), ChatterFileName(prefix, app->language),
                     TextFileLimits::kLanguageBytes))
        return;
    LoadPhrases(*member.Stream());
}

void PlapperMaschine::LoadPhrases(std::istream& input) {
    phrases.Read(input);
    loaded = true;
}

double PlapperMaschine::FrameTime() const {
    return app->realFrameTime;
}
float PlapperMaschine::Width() const {
    return static_cast<float>(app->screenWidth);
}
float PlapperMaschine::Height() const {
    return static_cast<float>(app->screenHeight);
}
int PlapperMaschine::Random(int n) {
    return RandomGenerator::Shared().Below(n);
}

std::string PlapperMaschine::RandomEntry(const PtrList<std::string, true>& list) {
    const std::string* entry = list.Get(Random(list.Count()));
    return entry ? *entry : std::string();
}

std::string PlapperMaschine::Reply(const std::string* entry) {
    return entry ? FormatText(*entry) : std::string();
}

std::string PlapperMaschine::TimeOfDayReply(int index) const {
    const std::string* entry = phrases.answers.Get(index);
    if (!entry) return {};
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return FormatText(*entry, {local.tm_hour, local.tm_min});
}

void PlapperMaschine::ResetIdleTimer() {
    if (state != Idle) return;
    switch (app->chatter) {
    case 0: // never on its own; a click still opens a conversation
        timer = 20000000.0 + Random(1000) / 100.0;
        break;
    case 2:
        timer = 5.0 + Random(1000) / 100.0;
        break;
    default: // 1, and a hand-edited value the options do not know
        timer = 120.0 + Random(5000) / 100.0;
        break;
    }
}

void PlapperMaschine::StartSpeaking() {
    timer = 5.0;
    speakTime = speechText.size() / 15.0;
}

void PlapperMaschine::Listen() {
    timer = ListenSeconds;
}

bool PlapperMaschine::IsBusy() const {
    return state != Idle && state != PickJoke && state != JokePause;
}

void PlapperMaschine::AnimateFace() {
    const double dt = FrameTime();
    blinkCountdown -= dt;
    if (blinkCountdown <= 0.0) {
        blinkTime = 0.5;
        blinkCountdown = 5 + Random(5);
    }
    if (blinkTime > 0.0) {
        blinkTime -= dt;
        blinkPhase += dt * 10.0;
    } else {
        blinkPhase = 0.0;
    }
    speakTime -= dt;
    if (speakTime > 0.0)
        mouthPhase += dt * 10.0;
    else
        mouthPhase = 0.0;
}

double PlapperMaschine::StatesChangeIn() const {
    if (!loaded) return 1.0e30;
    if (state == PickSaying || state == PickJoke) return 0.0;
    return ChangeTimes::TimerIn(timer);
}

double PlapperMaschine::FaceChangeIn() const {
    double next = blinkTime > 0.0
                      ? std::min(blinkTime, ChangeTimes::NextFrameIn(blinkPhase, 10.0))
                      : ChangeTimes::TimerIn(blinkCountdown);
    if (speakTime > 0.0)
        next = std::min({next, speakTime, ChangeTimes::NextFrameIn(mouthPhase, 10.0)});
    return next;
}

void PlapperMaschine::AdvanceStates() {
    timer -= FrameTime();
    switch (state) {
    case Idle:
        if (timer <= 0.0) state = IdleTalkState();
        if (state == Idle && timer <= 0.0) ResetIdleTimer();
        break;
    case PickSaying:
        speechText = RandomEntry(phrases.sayings);
        if (speechText.empty()) { // nothing to say: back to idle
            state = Idle;
            ResetIdleTimer();
            break;
        }
        StartSpeaking();
        state = SayingShown;
        break;
    case PickJoke: {
        const int pairs = phrases.jokes.Count() / 2;
        if (pairs == 0) { // no joke to tell: back to idle
            state = Idle;
            ResetIdleTimer();
            break;
        }
        jokeIndex = 2 * Random(pairs);
        speechText = *phrases.jokes.Get(jokeIndex);
        StartSpeaking();
        state = JokeOpeningShown;
        break;
    }
    case JokeOpeningShown:
        if (timer <= 0.0) {
            state = JokePause;
            timer = 2.0 + Random(100) / 100.0;
        }
        break;
    case JokePause:
        if (timer <= 0.0) {
            const std::string* followUp = phrases.jokes.Get(jokeIndex + 1);
            speechText = followUp ? *followUp : std::string();
            StartSpeaking();
            state = JokeFollowUpShown;
        }
        break;
    case SayingShown:
    case JokeFollowUpShown:
        if (timer <= 0.0) {
            state = Idle;
            ResetIdleTimer();
        }
        break;
    case Greeting:
        if (timer <= 0.0) {
            state = Listening;
            Listen();
        }
        break;
    case Listening:
        if (timer <= 0.0) { // silence ends the conversation; the mood is kept
            state = Idle;
            ResetIdleTimer();
        }
        break;
    case AnswerShown:
        if (timer <= 0.0) {
            if (conversationOver) {
                state = Idle;
                conversationOver = false;
                annoyance = 0;
                silliness = 0;
                questionCount = 0;
                ResetIdleTimer();
            } else {
                state = Listening;
                Listen();
            }
        }
        break;
    default:
        break;
    }
}

void PlapperMaschine::ToggleConversation() {
    if (state < Greeting) {
        state = Greeting;
        questionCount = 0;
        Answer();
    } else {
        state = Idle;
        ResetIdleTimer();
    }
}

void PlapperMaschine::OnKeyDown(uint32_t key) {
    if (!loaded || state != Listening) return;
    timer = ListenSeconds; // every key, even an ignored one, keeps the character listening
    char typed = 0;
    if (key == VirtualKey::Back) {
        if (typedLength > 0) typedText[--typedLength] = 0;
        return;
    }
    if (key == VirtualKey::Return) {
        Answer();
        return;
    }
    if (key == VirtualKey::Shift) {
        shiftHeld = true;
        return;
    }
    if (key == VirtualKey::Space || (key >= '0' && key <= '9'))
        typed = static_cast<char>(key);
    else if (key >= 'A' && key <= 'Z')
        typed = static_cast<char>(shiftHeld ? key : key - 'A' + 'a');
    else if (key == VirtualKey::OemUUmlaut)
        typed = static_cast<char>(shiftHeld ? 0xDC : 0xFC);
    else if (key == VirtualKey::OemOUmlaut)
        typed = static_cast<char>(shiftHeld ? 0xD6 : 0xF6);
    else if (key == VirtualKey::OemAUmlaut)
        typed = static_cast<char>(shiftHeld ? 0xC4 : 0xE4);
    if (typed && typedLength < TypedCapacity - 1) {
        typedText[typedLength++] = typed;
        typedText[typedLength] = 0;
    }
}

void PlapperMaschine::OnKeyUp(uint32_t key) {
    if (loaded && key == VirtualKey::Shift) shiftHeld = false;
}

int PlapperMaschine::TakeQuestion() {
    ++questionCount;
    state = AnswerShown;
    std::string question = TypedText();
    for (char& c : question)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (int i = 0; i < phrases.keywords.Count(); ++i) {
        if (*phrases.keywords.Get(i) != question) continue;
        // A keyword without an answer gives no reply.
        speechText = Reply(phrases.answers.Get(i));
        return i;
    }
    return -1;
}

void PlapperMaschine::LimitQuestions(int maxQuestions, const char* fixedReply) {
    if (questionCount <= maxQuestions) return;
    speechText = fixedReply ? fixedReply : FormatText(RandomEntry(phrases.gameWaiting));
    conversationOver = true;
}

void PlapperMaschine::FinishAnswer() {
    std::memset(typedText, 0, sizeof typedText);
    typedLength = 0;
    speakTime = speechText.size() / 15.0;
}

bool PlapperMaschine::ApplyCommonGroups(int index, int sillinessLimit) {
    if (index >= 4 && index <= 10) {
        conversationOver = true;
        return true;
    }
    if (index >= 11 && index <= 16) {
        if (++annoyance > 1) {
            speechText = FormatText(RandomEntry(phrases.angryEnds));
            conversationOver = true;
        }
        return true;
    }
    if (index >= 17 && index <= 19) {
        ++silliness;
        speechText = FormatText(RandomEntry(phrases.sayings));
        if (silliness > sillinessLimit) {
            speechText = FormatText(RandomEntry(phrases.jokingEnds));
            conversationOver = true;
        }
        return true;
    }
    return false;
}

void PlapperMaschine::SwapWithSpare() {
    if (app->chatterRight.get() != this || !app->chatterSpare) return;
    std::swap(app->chatterRight, app->chatterSpare);
}

void PlapperMaschine::DrawPicture(int slot, IntRect source, PointF at) const {
    DrawSprite(*app, slot, source, {1.0f, 1.0f}, at, 0xFFFFFFFF);
}

void PlapperMaschine::DrawSpeech(PointF bubbleAt, bool mirrored) const {
    const bool bubble = state == SayingShown || state == JokeOpeningShown ||
                        state == JokeFollowUpShown || state == Greeting || state == AnswerShown;
    if (!bubble && state != Listening) return;
    // Opaque, fading out during the last second.
    const int alpha = timer >= 1.0 ? 255 : std::clamp(static_cast<int>(timer * 255.0), 0, 255);
    const uint32_t tint = (static_cast<uint32_t>(alpha) << 24) | 0xFFFFFFu;
    const uint32_t ink = static_cast<uint32_t>(alpha) << 24;
    const uint32_t format = TextFormat::Centre | TextFormat::VerticalCentre | TextFormat::WordBreak;
    if (bubble) {
        if (speechText.empty()) return; // no reply: no empty bubble
        DrawSprite(*app, PlapperTextures::Misc, {0, 200, 300, 400}, {mirrored ? -1.0f : 1.0f, 1.0f},
                   bubbleAt, tint);
        DrawSystemText(*app, speechText, 0.5, bubbleTextRect, format, ink);
    } else {
        DrawSprite(*app, PlapperTextures::Misc, {300, 200, 800, 350}, {1.0f, 1.0f},
                   {Width() / 2 - 250, Height() - 190}, tint);
        DrawSystemText(*app, TypedText(), 0.5, inputTextRect, format, ink);
    }
}
