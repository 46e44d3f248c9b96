// SPDX-License-Identifier: GPL-3.0-or-later
// The talking characters on their own: the chatter file, typing, keyword lookup, the
// states of a conversation and of idle talk, and what the keyword groups do.
#include "PlapperTestSupport.h"
#include "media/DrawSprite.h"
#include "themes/PlapperMädel1.h"
#include "themes/PlapperMädel2.h"
#include "themes/PlapperTarzan.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

using namespace plappertest;
using State = PlapperMaschine::State;

TEST(PlapperPhrasen, SectionsAreReadInOrderDecodedAndMayRepeat) {
    std::istringstream in("vorher KA_START ein_Satz zwei-Zeilen KA_ENDE dazwischen "
                          "WUT_ENDE_START KA_ENDE böse WUT_ENDE_ENDE KA_START drei KA_ENDE "
                          "BLABLA_START offen");
    PlapperPhrasen phrases;
    phrases.Read(in);
    ASSERT_EQ(phrases.unmatched.Count(), 3);
    EXPECT_EQ(*phrases.unmatched[0], "ein Satz");
    EXPECT_EQ(*phrases.unmatched[1], "zwei\nZeilen");
    EXPECT_EQ(*phrases.unmatched[2], "drei");
    // Inside a section only its own closer ends it; another section's closer is an entry.
    ASSERT_EQ(phrases.angryEnds.Count(), 2);
    EXPECT_EQ(*phrases.angryEnds[0], "KA ENDE");
    // A file that ends inside a section keeps what it read.
    ASSERT_EQ(phrases.jokes.Count(), 1);
    EXPECT_EQ(phrases.keywords.Count(), 0);
}

TEST(PlapperPhrasen, AMissingFileLeavesTheCharacterDeafButDrawn) {
    Stage stage;
    PlapperMädel1 lotte(stage.app); // no games archive
    EXPECT_FALSE(lotte.loaded);
    lotte.OnLeftButtonUp(LotteFace.x, LotteFace.y);
    EXPECT_EQ(lotte.state, State::Idle);
    stage.Run(lotte, 400.0, 0.5);
    EXPECT_EQ(lotte.state, State::Idle);
    SpriteRecorder recorder;
    lotte.Draw();
    ASSERT_FALSE(recorder.calls.empty());
    EXPECT_EQ(recorder.calls[0].slot, PlapperTextures::Maedel1);
}

TEST(PlapperTyping, KeysShiftUmlautsBackspaceAndTheLimit) {
    Stage stage;
    PlapperMädel1 lotte(stage.app);
    stage.Load(lotte);
    lotte.OnKeyDown('A'); // not listening yet: ignored
    EXPECT_EQ(lotte.typedLength, 0);
    stage.Open(lotte, LotteFace);
    ASSERT_EQ(lotte.state, State::Listening);

    lotte.OnKeyDown(VirtualKey::Shift);
    lotte.OnKeyDown('G');
    lotte.OnKeyUp(VirtualKey::Shift);
    Stage::Type(lotte, "ruen 1");
    lotte.OnKeyDown(VirtualKey::OemUUmlaut);
    lotte.OnKeyDown(VirtualKey::OemOUmlaut);
    lotte.OnKeyDown(VirtualKey::Shift);
    lotte.OnKeyDown(VirtualKey::OemAUmlaut);
    lotte.OnKeyUp(VirtualKey::Shift);
    lotte.OnKeyDown(VirtualKey::OemMinus); // not a key the character types
    lotte.OnKeyDown(VirtualKey::Left);
    EXPECT_EQ(lotte.TypedText(), "Gruen 1\xFC\xF6\xC4");
    lotte.OnKeyDown(VirtualKey::Back);
    EXPECT_EQ(lotte.TypedText(), "Gruen 1\xFC\xF6");

    // Every key restarts the five listening seconds, even one that is ignored.
    stage.Run(lotte, 4.0);
    lotte.OnKeyDown(VirtualKey::Left);
    stage.Run(lotte, 4.0);
    EXPECT_EQ(lotte.state, State::Listening);

    // 99 characters at most; the 100th is dropped but still keeps her listening.
    for (int i = 0; i < 120; ++i)
        lotte.OnKeyDown('X');
    EXPECT_EQ(lotte.typedLength, 99);
    EXPECT_EQ(lotte.typedText[99], '\0');
    stage.Run(lotte, 4.0);
    lotte.OnKeyDown('X');
    EXPECT_EQ(lotte.typedLength, 99);
    stage.Run(lotte, 4.0);
    EXPECT_EQ(lotte.state, State::Listening);
    // Five seconds without a key end the conversation.
    stage.Run(lotte, 1.1);
    EXPECT_EQ(lotte.state, State::Idle);
}

TEST(PlapperKeywords, TheTypedTextIsLoweredAndComparedExactly) {
    Stage stage;
    PlapperMädel1 lotte(stage.app);
    stage.Load(lotte);
    stage.Open(lotte, LotteFace);

    // Typed in capitals, lowered for the comparison.
    lotte.OnKeyDown(VirtualKey::Shift);
    Stage::Type(lotte, "WORT");
    lotte.OnKeyUp(VirtualKey::Shift);
    Stage::Ask(lotte, "2");
    EXPECT_EQ(lotte.speechText, "antwort2");
    stage.AfterAnswer(lotte);
    ASSERT_EQ(lotte.state, State::Listening);

    Stage::Ask(lotte, "wort3");
    EXPECT_EQ(lotte.speechText, "antwort3");
    EXPECT_EQ(lotte.typedLength, 0);
    EXPECT_EQ(lotte.typedText[0], '\0');
    stage.AfterAnswer(lotte);

    // A keyword stored with a capital can never match, whatever is typed.
    lotte.OnKeyDown(VirtualKey::Shift);
    Stage::Type(lotte, "H");
    lotte.OnKeyUp(VirtualKey::Shift);
    Stage::Ask(lotte, "allo");
    EXPECT_TRUE(IsUnmatchedReply(lotte.speechText)) << lotte.speechText;
    stage.AfterAnswer(lotte);

    // One trailing blank, or a question mark, is a different text.
    Stage::Ask(lotte, "wort3 ");
    EXPECT_TRUE(IsUnmatchedReply(lotte.speechText)) << lotte.speechText;
    stage.AfterAnswer(lotte);
    Stage::Type(lotte, "wort3");
    lotte.typedText[lotte.typedLength++] = '?';
    lotte.OnKeyDown(VirtualKey::Return);
    EXPECT_TRUE(IsUnmatchedReply(lotte.speechText)) << lotte.speechText;
}

TEST(PlapperKeywords, RepliesAreFormattedSafelyAndMissingOnesStaySilent) {
    Stage stage;
    PlapperMädel2 mia(stage.app);
    stage.Load(mia);
    stage.Open(mia, MiaFace);
    Stage::Ask(mia, "wort0");
    EXPECT_EQ(mia.speechText, "100% %s\nsicher") << "a stray conversion prints as written";
    stage.AfterAnswer(mia);

    // A keyword without an answer gives no reply, and no empty bubble is drawn.
    Stage::Ask(mia, "stumm");
    EXPECT_EQ(mia.state, State::AnswerShown);
    EXPECT_EQ(mia.speechText, "");
    {
        SpriteRecorder recorder;
        mia.Draw();
        for (const SpriteCall& call : recorder.calls)
            EXPECT_NE(call.slot, PlapperTextures::Misc);
    }
    stage.AfterAnswer(mia);

    // The time of day fills in the hour and the minute.
    Stage::Ask(mia, "wort26");
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char expected[32];
    std::snprintf(expected, sizeof expected, "Zeit %d:%02d", local.tm_hour, local.tm_min);
    EXPECT_EQ(mia.speechText, expected);
}

TEST(PlapperKeywords, EmptyListsGiveNoReply) {
    Stage stage(2);
    PlapperMädel1 lotte(stage.app);
    stage.Load(lotte, "KEYWORD_START a KEYWORD_ENDE");
    stage.Open(lotte, LotteFace);
    Stage::Ask(lotte, "zzz");
    EXPECT_EQ(lotte.speechText, "");
    // Idle talk with nothing to say stays idle.
    lotte.OnLeftButtonUp(LotteFace.x, LotteFace.y);
    for (int i = 0; i < 200; ++i) {
        stage.Run(lotte, 0.5, 0.05);
        ASSERT_FALSE(lotte.IsBusy()) << lotte.state;
    }
}

TEST(PlapperConversation, TheFifthQuestionToMiaAndTheSeventhToLotteEndIt) {
    Stage stage;
    PlapperMädel2 mia(stage.app);
    stage.Load(mia);
    stage.Open(mia, MiaFace);
    for (int i = 0; i < 4; ++i) {
        Stage::Ask(mia, "wort2" + std::to_string(i));
        EXPECT_EQ(mia.speechText, "antwort2" + std::to_string(i));
        stage.AfterAnswer(mia);
        ASSERT_EQ(mia.state, State::Listening);
    }
    Stage::Ask(mia, "wort3");
    EXPECT_EQ(mia.speechText, "wartet");
    EXPECT_TRUE(mia.conversationOver);
    stage.AfterAnswer(mia);
    EXPECT_EQ(mia.state, State::Idle);
    EXPECT_EQ(mia.questionCount, 0);

    PlapperMädel1 lotte(stage.app);
    stage.Load(lotte);
    stage.Open(lotte, LotteFace);
    for (int i = 0; i < 6; ++i) {
        Stage::Ask(lotte, "nonsense");
        stage.AfterAnswer(lotte);
        ASSERT_EQ(lotte.state, State::Listening) << "question " << i + 1;
    }
    Stage::Ask(lotte, "wort3");
    EXPECT_EQ(lotte.speechText, "wartet");
}

TEST(PlapperConversation, AClickOpensAndASecondClickEndsIt) {
    Stage stage;
    PlapperTarzan tarzan(stage.app);
    stage.Load(tarzan);
    tarzan.OnLeftButtonUp(TarzanFace.x, TarzanFace.y);
    EXPECT_EQ(tarzan.state, State::Greeting);
    EXPECT_EQ(tarzan.speechText, "...");
    EXPECT_TRUE(tarzan.IsBusy());
    stage.Run(tarzan, 1.9);
    EXPECT_EQ(tarzan.state, State::Greeting);
    stage.Run(tarzan, 0.2);
    EXPECT_EQ(tarzan.state, State::Listening);
    tarzan.OnLeftButtonUp(TarzanFace.x, TarzanFace.y);
    EXPECT_EQ(tarzan.state, State::Idle);
    // Outside the face nothing happens; Lotte's face is between the bounds, not on them.
    PlapperMädel1 lotte(stage.app);
    stage.Load(lotte);
    lotte.OnLeftButtonUp(46, 440);
    lotte.OnLeftButtonUp(60, 450);
    EXPECT_EQ(lotte.state, State::Idle);
    lotte.OnLeftButtonUp(47, 431);
    EXPECT_EQ(lotte.state, State::Greeting);
    EXPECT_EQ(lotte.speechText, "HALLO");
}

TEST(PlapperMood, AnnoyanceAndSillinessOutlastAConversationEndedBySilence) {
    Stage stage;
    PlapperMädel2 mia(stage.app);
    stage.Load(mia);
    stage.Open(mia, MiaFace);
    Stage::Ask(mia, "wort11");
    EXPECT_EQ(mia.speechText, "antwort11");
    stage.AfterAnswer(mia);
    Stage::Ask(mia, "wort17");
    EXPECT_TRUE(mia.speechText == "spruch1" || mia.speechText == "spruch2");
    stage.AfterAnswer(mia);
    stage.Run(mia, 5.1); // silence
    ASSERT_EQ(mia.state, State::Idle);
    EXPECT_EQ(mia.annoyance, 1);
    EXPECT_EQ(mia.silliness, 1);

    // The next conversation reaches the angry end with the first annoying question.
    stage.Open(mia, MiaFace);
    Stage::Ask(mia, "wort16");
    EXPECT_EQ(mia.speechText, "wut");
    EXPECT_TRUE(mia.conversationOver);
    stage.AfterAnswer(mia);
    EXPECT_EQ(mia.state, State::Idle);
    EXPECT_EQ(mia.annoyance, 0);
    EXPECT_EQ(mia.silliness, 0);

    // Silly questions: Mia stops joking at the third, Lotte at the fourth.
    stage.Open(mia, MiaFace);
    for (int i = 0; i < 2; ++i) {
        Stage::Ask(mia, "wort19");
        EXPECT_NE(mia.speechText, "witz");
        stage.AfterAnswer(mia);
    }
    Stage::Ask(mia, "wort18");
    EXPECT_EQ(mia.speechText, "witz");
    PlapperMädel1 lotte(stage.app);
    stage.Load(lotte);
    stage.Open(lotte, LotteFace);
    for (int i = 0; i < 3; ++i) {
        Stage::Ask(lotte, "wort17");
        EXPECT_NE(lotte.speechText, "witz");
        stage.AfterAnswer(lotte);
    }
    Stage::Ask(lotte, "wort17");
    EXPECT_EQ(lotte.speechText, "witz");
}

TEST(PlapperKeywordGroups, EndingJokersQuitAndTheOtherGroups) {
    Stage stage;
    PlapperMädel1 lotte(stage.app);
    stage.Load(lotte);
    stage.Open(lotte, LotteFace);
    Stage::Ask(lotte, "wort30");
    EXPECT_TRUE(stage.app.forceWinSignal);
    EXPECT_TRUE(lotte.conversationOver);
    EXPECT_EQ(lotte.speechText, "antwort30");
    stage.AfterAnswer(lotte);
    stage.Open(lotte, LotteFace);
    Stage::Ask(lotte, "wort31");
    EXPECT_TRUE(stage.app.relaxRulesSignal);
    EXPECT_TRUE(lotte.conversationOver);
    stage.AfterAnswer(lotte);
    stage.Open(lotte, LotteFace);
    Stage::Ask(lotte, "wort27"); // only an answer for Lotte
    EXPECT_FALSE(lotte.conversationOver);
    stage.AfterAnswer(lotte);
    Stage::Ask(lotte, "wort4");
    EXPECT_TRUE(lotte.conversationOver);

    PlapperMädel2 mia(stage.app);
    stage.Load(mia);
    stage.Open(mia, MiaFace);
    stage.app.forceWinSignal = false;
    Stage::Ask(mia, "wort30"); // no joker for Mia: a scripted step
    EXPECT_FALSE(stage.app.forceWinSignal);
    EXPECT_EQ(mia.annoyance, 1);
    stage.AfterAnswer(mia);
    Stage::Ask(mia, "wort28");
    EXPECT_TRUE(mia.conversationOver);
    EXPECT_EQ(stage.app.runState, 0);
    stage.AfterAnswer(mia);
    stage.Open(mia, MiaFace);
    Stage::Ask(mia, "wort29");
    EXPECT_EQ(stage.app.runState, 2) << "the quit keyword ends the program";
}

TEST(PlapperOutfit, LotteDressesUpStepByStepAndGetsCrossAtTheFourthStep) {
    Stage stage;
    PlapperMädel1 lotte(stage.app);
    stage.Load(lotte);
    stage.Open(lotte, LotteFace);
    Stage::Ask(lotte, "wort33"); // not dressed for going out: answer 34
    EXPECT_EQ(lotte.speechText, "antwort34");
    EXPECT_FALSE(lotte.keywordFlag);
    stage.AfterAnswer(lotte);
    Stage::Ask(lotte, "wort32");
    EXPECT_EQ(lotte.pictureVariant, 1);
    stage.AfterAnswer(lotte);
    Stage::Ask(lotte, "wort33");
    EXPECT_TRUE(lotte.keywordFlag);
    EXPECT_EQ(lotte.speechText, "antwort33");
    stage.AfterAnswer(lotte);
    // The fourth scripted step makes her cross instead of dressing her up.
    Stage::Ask(lotte, "wort35");
    EXPECT_EQ(lotte.speechText, "wut");
    EXPECT_EQ(lotte.pictureVariant, 1);
    stage.AfterAnswer(lotte);
    ASSERT_EQ(lotte.state, State::Idle);

    // Fresh mood: 33 then 35 brings the evening dress and ends the conversation.
    stage.Open(lotte, LotteFace);
    Stage::Ask(lotte, "wort33");
    stage.AfterAnswer(lotte);
    Stage::Ask(lotte, "wort35");
    EXPECT_EQ(lotte.pictureVariant, 2);
    EXPECT_TRUE(lotte.conversationOver);
    EXPECT_FALSE(lotte.keywordFlag);
    stage.AfterAnswer(lotte);
    stage.Open(lotte, LotteFace);
    Stage::Ask(lotte, "wort36");
    EXPECT_EQ(lotte.pictureVariant, 1);
    stage.AfterAnswer(lotte);
    Stage::Ask(lotte, "wort36");
    EXPECT_EQ(lotte.pictureVariant, 0);
    stage.AfterAnswer(lotte);
    Stage::Ask(lotte, "wort34"); // without the flag: a random reply
    EXPECT_TRUE(lotte.speechText == "ka1" || lotte.speechText == "ka2");
}

TEST(PlapperOutfit, MiaDressesUpAndTwoClicksOnHerDressedFigureShowTheMark) {
    Stage stage;
    PlapperMädel2 mia(stage.app);
    stage.Load(mia);
    // In her everyday clothes clicks only count.
    mia.OnLeftButtonUp(950, 600);
    mia.OnLeftButtonUp(950, 600);
    EXPECT_FALSE(mia.slapped);
    EXPECT_EQ(mia.clickCount, 2);

    stage.Open(mia, MiaFace);
    Stage::Ask(mia, "wort32"); // not in summer clothes yet
    EXPECT_TRUE(mia.speechText == "ka1" || mia.speechText == "ka2");
    stage.AfterAnswer(mia);
    Stage::Ask(mia, "wort31");
    EXPECT_EQ(mia.pictureVariant, 1);
    stage.AfterAnswer(mia);
    Stage::Ask(mia, "wort32"); // the third scripted step: cross
    EXPECT_EQ(mia.speechText, "wut");
    EXPECT_EQ(mia.pictureVariant, 1);
    stage.AfterAnswer(mia);

    mia.OnLeftButtonUp(990, 700); // outside the figure
    mia.OnLeftButtonUp(950, 600);
    EXPECT_TRUE(mia.slapped);
    SpriteRecorder recorder;
    mia.Draw();
    bool markDrawn = false;
    for (const SpriteCall& call : recorder.calls)
        markDrawn |= call.slot == PlapperTextures::FaceRight && call.source.left == 200;
    EXPECT_TRUE(markDrawn);
    stage.Run(mia, 3.05);
    EXPECT_FALSE(mia.slapped);
    EXPECT_EQ(mia.clickCount, 0);
}

TEST(PlapperSwap, TarzanTakesMiasPlaceAndBringsHerBackAsSheWas) {
    Stage stage;
    auto* mia = new PlapperMädel2(stage.app);
    auto* tarzan = new PlapperTarzan(stage.app);
    stage.Load(*mia);
    stage.Load(*tarzan);
    stage.app.chatterRight.Reset(mia);
    stage.app.chatterSpare.Reset(tarzan);

    stage.Open(*mia, MiaFace);
    Stage::Ask(*mia, "wort11");
    stage.AfterAnswer(*mia);
    Stage::Ask(*mia, "wort37");
    EXPECT_EQ(stage.app.chatterRight.get(), tarzan);
    EXPECT_EQ(stage.app.chatterSpare.get(), mia);
    const int herState = mia->state;
    const double herTimer = mia->timer;
    EXPECT_EQ(herState, State::AnswerShown);
    EXPECT_EQ(mia->speechText, "antwort37");

    EXPECT_EQ(tarzan->state, State::Idle);
    stage.Run(*tarzan, 300.0, 0.5); // he never talks unasked
    EXPECT_EQ(tarzan->state, State::Idle);
    stage.Open(*tarzan, TarzanFace);
    Stage::Ask(*tarzan, "nix");
    EXPECT_TRUE(tarzan->speechText == "ka1" || tarzan->speechText == "ka2");
    stage.AfterAnswer(*tarzan);
    Stage::Ask(*tarzan, "wort4");
    EXPECT_EQ(stage.app.chatterRight.get(), mia);
    EXPECT_EQ(stage.app.chatterSpare.get(), tarzan);
    EXPECT_EQ(mia->state, herState);
    EXPECT_EQ(mia->timer, herTimer);
    EXPECT_EQ(mia->annoyance, 1);
    EXPECT_EQ(mia->speechText, "antwort37");
    stage.app.chatterRight.Delete();
    stage.app.chatterSpare.Delete();
}

TEST(PlapperSwap, TarzanRunsOutOfPatienceAtTheFifthQuestion) {
    Stage stage;
    PlapperTarzan tarzan(stage.app);
    stage.Load(tarzan);
    stage.Open(tarzan, TarzanFace);
    for (int i = 0; i < 4; ++i) {
        Stage::Ask(tarzan, "wort7"); // not in the swap group: just the answer
        EXPECT_EQ(tarzan.speechText, "antwort7");
        stage.AfterAnswer(tarzan);
    }
    Stage::Ask(tarzan, "wort7");
    EXPECT_EQ(tarzan.speechText, "?!?!");
    EXPECT_TRUE(tarzan.conversationOver);
}

TEST(PlapperIdle, HowOftenTheWomenTalkByTheChatterSetting) {
    // Off: never unasked, not even in an hour; a click still opens a conversation.
    {
        Stage stage(0);
        PlapperMädel1 lotte(stage.app);
        PlapperMädel2 mia(stage.app);
        stage.Load(lotte);
        stage.Load(mia);
        for (int i = 0; i < 3600; ++i) {
            stage.Run(lotte, 1.0, 0.25);
            stage.Run(mia, 1.0, 0.25);
            ASSERT_EQ(lotte.state, State::Idle);
            ASSERT_EQ(mia.state, State::Idle);
        }
        EXPECT_EQ(lotte.speechText, "");
        lotte.OnLeftButtonUp(LotteFace.x, LotteFace.y);
        EXPECT_EQ(lotte.state, State::Greeting);
    }
    // Seldom: 120 to 170 seconds; often: 5 to 15 seconds.
    for (const auto& [level, low, high] : {std::tuple{1, 120.0, 170.0}, {2, 5.0, 15.0}}) {
        for (int round = 0; round < 20; ++round) {
            Stage stage(level);
            RandomGenerator::Shared().Seed(static_cast<uint32_t>(round * 977 + 1));
            PlapperMädel2 mia(stage.app);
            stage.Load(mia);
            EXPECT_GE(mia.timer, low);
            EXPECT_LT(mia.timer, high);
            const double waited = mia.timer;
            stage.Run(mia, waited - 0.05, 0.05);
            EXPECT_EQ(mia.state, State::Idle);
            stage.Run(mia, 0.2, 0.05);
            EXPECT_EQ(mia.state, State::SayingShown);
            EXPECT_TRUE(mia.speechText == "spruch1" || mia.speechText == "spruch2");
        }
    }
}

TEST(PlapperIdle, LotteTellsAJokeInTwoLinesWithASilentPause) {
    Stage stage(2);
    PlapperMädel1 lotte(stage.app);
    stage.Load(lotte);
    bool jokeSeen = false;
    for (int i = 0; i < 4000 && !jokeSeen; ++i) {
        stage.Run(lotte, 0.05, 0.05);
        jokeSeen = lotte.state == State::JokeOpeningShown;
    }
    ASSERT_TRUE(jokeSeen);
    const std::string opening = lotte.speechText;
    ASSERT_TRUE(opening == "frage1" || opening == "frage2");
    EXPECT_TRUE(lotte.IsBusy());
    EXPECT_NEAR(lotte.speakTime, opening.size() / 15.0, 0.06);
    stage.Run(lotte, 5.05, 0.05);
    EXPECT_EQ(lotte.state, State::JokePause);
    EXPECT_FALSE(lotte.IsBusy()) << "the other character may talk in the pause";
    EXPECT_GE(lotte.timer, 1.9);
    EXPECT_LT(lotte.timer, 3.0);
    stage.Run(lotte, 3.0, 0.05);
    EXPECT_EQ(lotte.state, State::JokeFollowUpShown);
    EXPECT_EQ(lotte.speechText, opening == "frage1" ? "pointe1" : "pointe2");
    stage.Run(lotte, 5.0, 0.05);
    EXPECT_EQ(lotte.state, State::Idle);
}

TEST(PlapperDrawing, BubbleMirroredOnTheRightFadingInTheLastSecondAndTheInputBox) {
    Stage stage;
    PlapperMädel2 mia(stage.app);
    stage.Load(mia);
    mia.OnLeftButtonUp(MiaFace.x, MiaFace.y);
    auto bubble = [&mia]() {
        SpriteRecorder recorder;
        mia.Draw();
        for (const SpriteCall& call : recorder.calls)
            if (call.slot == PlapperTextures::Misc) return call;
        return SpriteCall{};
    };
    SpriteCall call = bubble();
    EXPECT_EQ(call.source, (IntRect{0, 200, 300, 400}));
    EXPECT_FLOAT_EQ(call.scaling.x, -1.0f);
    EXPECT_FLOAT_EQ(call.translation.x, 1024 - 120);
    EXPECT_FLOAT_EQ(call.translation.y, 250);
    EXPECT_EQ(call.colour, 0xFFFFFFFFu);
    stage.Run(mia, 1.5); // half a second left of the greeting
    call = bubble();
    EXPECT_NEAR(static_cast<double>(call.colour >> 24), 0.5 * 255, 3.0);
    stage.Run(mia, 0.6);
    ASSERT_EQ(mia.state, State::Listening);
    call = bubble();
    EXPECT_EQ(call.source, (IntRect{300, 200, 800, 350}));
    EXPECT_FLOAT_EQ(call.translation.x, 512 - 250);
    EXPECT_FLOAT_EQ(call.translation.y, 768 - 190);
    EXPECT_EQ(mia.inputTextRect, (IntRect{362, 598, 662, 708}));
}

} // namespace
