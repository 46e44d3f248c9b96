// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A talking character beside the card table. It idles, now and then says a saying or a
// two-line joke in a speech bubble, blinks and moves its mouth while it talks, and holds a
// little typed conversation: a click on its face opens it, the character greets, the
// player types a question and presses Enter, and the character looks the text up in its
// keyword list and answers. Some answers end the conversation, tell the time, let the
// player win or lift the pile rules, quit the program, or swap the right-hand character.
//
// The card-game scene drives chatterLeft and chatterRight of AppState; chatterSpare waits
// until a swap brings it to the right. All times run on the wall-clock frame time, so the
// characters keep moving while the game is paused.
#include "platform/IntRect.h"
#include "platform/Transform2D.h"
#include "themes/PlapperPhrasen.h"

#include <cstdint>
#include <istream>
#include <string>

class AppState;

class PlapperMaschine {
public:
    // Conversation states; the timer counts down in every state that waits.
    enum State : int {
        Idle = 0,
        PickSaying = 1,
        SayingShown = 2,
        PickJoke = 3,
        JokeOpeningShown = 4,
        JokePause = 5,
        JokeFollowUpShown = 6,
        Greeting = 7,
        Listening = 8,
        AnswerShown = 9,
    };

    static constexpr int TypedCapacity = 100; // 99 characters and a terminator
    static constexpr double ListenSeconds = 5.0;

    virtual ~PlapperMaschine() = default;
    PlapperMaschine(const PlapperMaschine&) = delete;
    PlapperMaschine& operator=(const PlapperMaschine&) = delete;

    virtual void Draw() {}
    virtual void Update() {}
    virtual void OnLeftButtonDown(uint16_t, uint16_t) {}
    virtual void OnLeftButtonUp(uint16_t, uint16_t) {}
    virtual void OnKeyDown(uint32_t key);
    virtual void OnKeyUp(uint32_t key);
    // Talking or listening: everything but idle and the two silent steps of a joke.
    virtual bool IsBusy() const;
    virtual void Answer() {}
    // Wall-clock seconds until the character's picture or bubble changes by itself (the next
    // mouth or eye frame, the end of a wait that moves the conversation on).
    virtual double NextChangeIn() const { return StatesChangeIn(); }

    // Only while idle: the next saying waits by the chatter setting (off: practically
    // never; 1: 120–170 s; 2: 5–15 s).
    void ResetIdleTimer();
    void StartSpeaking();
    void Listen();

    // Reads the chatter file "PREFIX_d.lng" / "PREFIX_e.lng" of the configured language
    // from the games archive; `loaded` tells whether it was there.
    void LoadChatterFile(const std::string& prefix);
    // The texts from a stream instead (an add-on's file, tests); the character is loaded.
    void LoadPhrases(std::istream& input);
    // The file name of a character's chatter file in a language.
    static std::string ChatterFileName(const std::string& prefix, int language);

    std::string TypedText() const { return std::string(typedText, typedLength); }

    AppState* app;
    int state = Idle;
    double timer = 0.0;
    std::string speechText; // Latin-1, up to 999 characters
    char typedText[TypedCapacity] = {};
    int typedLength = 0;
    bool shiftHeld = false;
    PlapperPhrasen phrases;
    bool loaded = false;
    int pictureVariant = 0;
    bool conversationOver = false;
    int annoyance = 0;
    int silliness = 0;
    int questionCount = 0;
    int jokeIndex = 0;
    bool keywordFlag = false;
    IntRect bubbleTextRect;
    IntRect inputTextRect;
    double blinkCountdown = 0.0, blinkTime = 0.0, blinkPhase = 0.0;
    double speakTime = 0.0, mouthPhase = 0.0;

protected:
    explicit PlapperMaschine(AppState& app);
    // What every character does at the end of its constructor.
    void Initialise(const std::string& prefix, IntRect textRect);

    double FrameTime() const;
    float Width() const;
    float Height() const;
    static int Random(int n);
    // A random entry of a list as a reply; an empty list gives no reply.
    static std::string RandomEntry(const PtrList<std::string, true>& list);
    // A reply of the chatter file: printf-style, but a conversion without an argument
    // prints as written.
    static std::string Reply(const std::string* entry);
    // Answer entry `index` with the current hour and minute.
    std::string TimeOfDayReply(int index) const;

    // The eyes and the mouth of the women.
    void AnimateFace();
    // When AdvanceStates next moves the conversation on, and when AnimateFace next shows
    // another frame.
    double StatesChangeIn() const;
    double FaceChangeIn() const;
    // Where an elapsed idle timer leads: a saying or a joke, or nowhere (stays idle).
    virtual int IdleTalkState() { return Idle; }
    // Counts the timer down and moves through the states.
    void AdvanceStates();
    // The opening and closing click on the character's face.
    void ToggleConversation();
    // Enter was pressed: the common part of Answer. Returns the keyword index that matched,
    // or -1; the caller then applies its keyword groups or picks a reply of its own.
    int TakeQuestion();
    // After the keyword groups: too many questions end the conversation with a reply that
    // the game is waiting (`fixedReply`, or a random one of the chatter file).
    void LimitQuestions(int maxQuestions, const char* fixedReply = nullptr);
    // Clears the typed text and times the mouth by the reply.
    void FinishAnswer();
    // Keyword groups shared by both women: ending, annoying and silly keywords. Returns
    // whether `index` belonged to one of them.
    bool ApplyCommonGroups(int index, int sillinessLimit);
    // Swaps this character (on the right) with the one waiting in chatterSpare.
    void SwapWithSpare();

    // The bubble (or the input box while listening) with its text, in the states that show
    // one; `mirrored` draws the bubble flipped for the right-hand characters.
    void DrawSpeech(PointF bubbleAt, bool mirrored) const;
    void DrawPicture(int slot, IntRect source, PointF at) const;
};

// Texture slots of the characters' pictures.
namespace PlapperTextures {
inline constexpr int Maedel1 = 36;   // + pictureVariant: mädel1.PNG, _s, _n
inline constexpr int Maedel2 = 39;   // + pictureVariant: mädel2.PNG, _s, _n
inline constexpr int FaceLeft = 42;  // mundl.PNG
inline constexpr int FaceRight = 43; // mundr.PNG
inline constexpr int Tarzan = 44;
inline constexpr int Misc = 0; // the bubble and the input box
} // namespace PlapperTextures
