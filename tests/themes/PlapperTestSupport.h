// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the chatter tests share: a chatter text with a keyword at every index that carries
// meaning, characters loaded from it without any archive, and a player who clicks, types
// and waits.
#include "app/AppState.h"
#include "platform/VirtualKeys.h"
#include "rules/RandomGenerator.h"
#include "themes/PlapperMaschine.h"

#include <sstream>
#include <string>

namespace plappertest {

// Keyword i is "wort" + i, answer i is "antwort" + i, except: keyword 1 is stored with a
// capital ("Hallo", so it can never match), answers 26 and 29 tell the time, answer 0
// holds a literal percent sign and a stray conversion, and the last keyword ("stumm") has
// no answer.
inline std::string ChatterText() {
    std::string keywords = "KEYWORD_START\n", answers = "ANTWORTEN_START\n";
    for (int i = 0; i < 40; ++i) {
        keywords += (i == 1 ? std::string("Hallo") : "wort" + std::to_string(i)) + "\n";
        if (i == 0)
            answers += "100%%_%s-sicher\n";
        else if (i == 26 || i == 29)
            answers += "Zeit_%d:%02d\n";
        else
            answers += "antwort" + std::to_string(i) + "\n";
    }
    keywords += "stumm\nKEYWORD_ENDE\n";
    answers += "ANTWORTEN_ENDE\n";
    return keywords + answers +
           "KA_START ka1 ka2 KA_ENDE\n"
           "DUMMER_SPRUCH_START spruch1 spruch2 DUMMER_SPRUCH_ENDE\n"
           "BLABLA_START frage1 pointe1 frage2 pointe2 BLABLA_ENDE\n"
           "WUT_ENDE_START wut WUT_ENDE_ENDE\n"
           "WITZ_ENDE_START witz WITZ_ENDE_ENDE\n"
           "SPIEL_WARTET_START wartet SPIEL_WARTET_ENDE\n";
}

inline bool IsUnmatchedReply(const std::string& reply) {
    return reply == "ka1" || reply == "ka2" || reply == "spruch1" || reply == "spruch2";
}

// Where a click opens or ends a conversation.
struct Face {
    uint16_t x, y;
};
inline constexpr Face LotteFace{60, 440};
inline constexpr Face MiaFace{940, 445};
inline constexpr Face TarzanFace{950, 365};

struct Stage {
    explicit Stage(int chatter = 1) {
        app.chatter = chatter;
        app.screenWidth = 1024;
        app.screenHeight = 768;
        RandomGenerator::Shared().Seed(4711);
    }
    void Load(PlapperMaschine& character, const std::string& text = ChatterText()) {
        std::istringstream in(text);
        character.LoadPhrases(in);
    }
    void Run(PlapperMaschine& character, double seconds, double step = 0.01) {
        app.realFrameTime = step;
        for (double t = 0.0; t < seconds - 1e-9; t += step)
            character.Update();
    }
    // Letters and digits as the keyboard sends them (upper-case codes), blanks as Space.
    static void Type(PlapperMaschine& character, const std::string& text) {
        for (char c : text) {
            uint32_t key = static_cast<unsigned char>(c);
            if (c >= 'a' && c <= 'z') key = static_cast<uint32_t>(c - 'a' + 'A');
            character.OnKeyDown(key);
        }
    }
    // Click on the face, wait out the greeting: the character listens.
    void Open(PlapperMaschine& character, Face face) {
        character.OnLeftButtonUp(face.x, face.y);
        Run(character, 2.05);
    }
    // Types a question and presses Enter.
    static void Ask(PlapperMaschine& character, const std::string& question) {
        Type(character, question);
        character.OnKeyDown(VirtualKey::Return);
    }
    // Waits until the answer has been shown and the character listens again (or stopped).
    void AfterAnswer(PlapperMaschine& character) {
        for (int i = 0; i < 1000 && character.state == PlapperMaschine::AnswerShown; ++i)
            Run(character, 0.01);
    }

    AppState app{false};
};

} // namespace plappertest
