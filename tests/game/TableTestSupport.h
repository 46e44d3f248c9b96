// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the card-table tests share: a games archive built from test and content game files
// in a folder of this test process, the application state set up for a headless table, a
// clock of fixed 16 ms frames, and a player that turns moves ("drag 3 1 5", "auto 2 1",
// "click 1") into mouse messages through the window procedure, the way a person plays.
#include "app/AppState.h"
#include "app/FrameStep.h"
#include "app/WindowProcedure.h"
#include "data/CardSetEntry.h"
#include "data/GameArchiveWriter.h"
#include "data/TextEncoding.h"
#include "game/DirectGameScene.h"
#include "game/SolitärGame.h"
#include "rules/KartenStapel.h"
#include "rules/MoveScript.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tabletest {

namespace fs = std::filesystem;

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A content game (UTF-8 in the repository) as the game reads it (Latin-1).
inline std::string ContentGame(const std::string& category, const std::string& game) {
    const fs::path file =
        fs::path(KH_SOURCE_DIR) / "content/games" / category / game / (game + ".game");
    return TextEncoding::Utf8ToLatin1(ReadBytes(file)).value_or(std::string());
}

inline std::string FixtureGame(const std::string& relative) {
    return ReadBytes(fs::path(KH_SOURCE_DIR) / "tests/fixtures" / relative);
}

// The games archive of the tests, made once per process: the category "test" with the
// fixture games, and the real games of the content under their own folders.
inline const fs::path& DataFolder() {
    static const fs::path folder = [] {
        const fs::path dir = fs::temp_directory_path() / ("kh_table_" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::vector<GameArchiveWriter::Member> members = {
            {"test\\klondike\\klondike.game", FixtureGame("games/klondike.game")},
            {"test\\freecell\\freecell.game", FixtureGame("games/freecell.game")},
            {"test\\spider\\spider.game", FixtureGame("games/spider.game")},
            {"test\\ladder\\ladder.game", FixtureGame("cli/ladder.game")},
            {"test\\fourgoals\\fourgoals.game", FixtureGame("game/fourgoals.game")},
            {"test\\overlap\\overlap.game", FixtureGame("game/overlap.game")},
            {"klondike\\klondike\\klondike.game", ContentGame("klondike", "klondike")},
            {"freecell\\freecell\\freecell.game", ContentGame("freecell", "freecell")},
            {"spider\\spider2\\spider2.game", ContentGame("spider", "spider2")},
        };
        GameArchiveWriter::Write(dir / "games.gob", members);
        return dir;
    }();
    // The folder goes when the test process ends.
    static const struct Remover {
        ~Remover() {
            std::error_code ec;
            fs::remove_all(folder, ec);
        }
    } remover;
    return folder;
}

// The application state for a table without pictures: archives of the test folder, a card
// set of 11 : 16 cells so that cards are drawn (into a recorder), fast piles, and a clock
// of whole milliseconds.
class TableTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.OpenArchives(DataFolder());
        cardSet.width = 176;
        cardSet.height = 256;
        app.currentCardSet = &cardSet;
        app.currentCardSetIndex = 0;
        app.screenWidth = 1024;
        app.screenHeight = 768;
        app.pileSpeed = 10000;
        app.mousePileSpeed = 10000;
        app.paused = false;
        app.showInfos = false;
        app.autoFinish = false; // tests that play to the end make every move themselves
        app.deviation = 0.0f;
        app.shadows = true;
        app.mouseX = app.mouseY = 0;
        InitialiseTimer(app, 1000, counter, 0);
    }
    void TearDown() override {
        delete app.currentScene;
        app.currentScene = nullptr;
        app.currentCardSet = nullptr;
        app.currentCardSetIndex = -1;
        app.CloseArchives();
    }

    // Runs frames of 16 ms: the update step, then the scene's drawing.
    void Frames(int count) {
        for (int i = 0; i < count; ++i) {
            counter += 16;
            RunUpdateStep(app, counter);
            if (app.currentScene) app.currentScene->Render();
        }
    }

    void Send(MessageKind kind, int x, int y) {
        procedure.Handle(WindowMessage::Mouse(kind, x, y));
    }
    void MoveTo(int x, int y) { Send(MessageKind::MouseMove, x, y); }
    void Click(int x, int y) {
        MoveTo(x, y);
        Send(MessageKind::LeftButtonDown, x, y);
        Send(MessageKind::LeftButtonUp, x, y);
        Frames(2);
    }
    // The whole double click as the platform delivers it: down, up, double click, up; then
    // the player waits out the 0.3 s in which a release does nothing.
    void DoubleClick(int x, int y) {
        MoveTo(x, y);
        Send(MessageKind::LeftButtonDown, x, y);
        Send(MessageKind::LeftButtonUp, x, y);
        Send(MessageKind::LeftDoubleClick, x, y);
        Send(MessageKind::LeftButtonUp, x, y);
        Frames(20);
    }
    // Press at `from`, move in steps with frames between, release at `to`.
    void Drag(int fx, int fy, int tx, int ty) {
        MoveTo(fx, fy);
        Frames(1);
        Send(MessageKind::LeftButtonDown, fx, fy);
        for (int step = 1; step <= 4; ++step) {
            MoveTo(fx + (tx - fx) * step / 4, fy + (ty - fy) * step / 4);
            Frames(1);
        }
        Send(MessageKind::LeftButtonUp, tx, ty);
        Frames(2);
    }

    // Starts CATEGORY/GAME as a directly opened game (the top scene of the run).
    DirectGameScene& Open(const std::string& categoryPath, const std::string& gamePath,
                          uint32_t seed) {
        delete app.currentScene;
        auto* scene = new DirectGameScene(categoryPath, gamePath, seed);
        app.currentScene = scene;
        Frames(3);
        return *scene;
    }
    SolitärGame& Game() { return *static_cast<DirectGameScene*>(app.currentScene)->CurrentGame(); }

    KartenStapel* PileWithId(int id) {
        for (KartenStapel* pile : Game().piles)
            if (pile->pileId == id) return pile;
        return nullptr;
    }
    static int CentreX(const Card* card) {
        return static_cast<int>(card->position.x + card->size.x / 2);
    }
    static int CentreY(const Card* card) {
        return static_cast<int>(card->position.y + card->size.y / 2);
    }
    // A point on the visible part of a card: its upper strip, which no later card covers.
    static int GripY(const Card* card) { return static_cast<int>(card->position.y + 8); }

    // Plays one move with the mouse; false when the move names something that is not there.
    bool Play(const ScriptMove& move) {
        KartenStapel* source = PileWithId(move.source);
        if (!source) return false;
        switch (move.kind) {
        case MoveKind::Click: {
            const Vec2 at = source->faceDownCards.Empty()
                                ? source->position
                                : source->faceDownCards[source->FaceDownCount() - 1]->position;
            Click(static_cast<int>(at.x + 20), static_cast<int>(at.y + 20));
            return true;
        }
        case MoveKind::Auto: {
            Card* card = source->TopVisible(source->VisibleCount() - move.depth);
            if (!card) return false;
            const int y = move.depth == 1 ? CentreY(card) : GripY(card);
            DoubleClick(CentreX(card), y);
            return true;
        }
        case MoveKind::Drag: {
            Card* card = source->TopVisible(source->VisibleCount() - move.depth);
            KartenStapel* target = PileWithId(move.target);
            if (!card || !target) return false;
            const Card* top = target->TopVisible();
            const Vec2 to = top ? top->position + Vec2{20, 30} : target->position + Vec2{20, 30};
            const int y = move.depth == 1 ? CentreY(card) : GripY(card);
            Drag(CentreX(card), y, static_cast<int>(to.x), static_cast<int>(to.y));
            return true;
        }
        default:
            return false;
        }
    }

    AppState& app = GetAppState();
    WindowProcedure procedure{app};
    CardSetEntry cardSet;
    int64_t counter = 0;
};

} // namespace tabletest
