// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the menu tests share: a fresh working directory per test with a small catalog,
// language files and a games archive (real game files and previews), the application state
// with a headless drawing device, a clock of 16 ms frames, and a player that clicks the
// menu's elements by id and plays card moves with the mouse through the window procedure.
#include "../platform/PngBytes.h"
#include "app/AppState.h"
#include "app/FrameStep.h"
#include "app/WindowProcedure.h"
#include "data/CardSetEntry.h"
#include "data/GameArchiveWriter.h"
#include "data/GameStatistics.h"
#include "data/TextEncoding.h"
#include "game/SolitärGame.h"
#include "menu/GUIElement.h"
#include "menu/MainMenu.h"
#include "platform/Platform.h"
#include "platform/PlatformWindow.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"
#include "platform/VirtualKeys.h"
#include "rules/KartenStapel.h"
#include "rules/MoveScript.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace menutest {

namespace fs = std::filesystem;

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline std::string ContentGame(const std::string& category, const std::string& game) {
    const fs::path file =
        fs::path(KH_SOURCE_DIR) / "content/games" / category / game / (game + ".game");
    return TextEncoding::Utf8ToLatin1(ReadBytes(file)).value_or(std::string());
}

inline std::string FixtureGame(const std::string& relative) {
    return ReadBytes(fs::path(KH_SOURCE_DIR) / "tests/fixtures" / relative);
}

// A language file whose slot n reads "<prefix>n"; the slots the pages use as formats get
// real conversions so that the numbers show.
inline std::string LanguageFile(const std::string& prefix) {
    std::string text = "//test_texts\n";
    for (int slot = 0; slot < 114; ++slot) {
        std::string word = prefix + std::to_string(slot);
        switch (slot) {
        case 55:
        case 93:
            word += ":%d:%02d:%02d";
            break;
        case 94:
            word += ":%d:%02d";
            break;
        case 52:
        case 53:
        case 54:
        case 56:
        case 95:
        case 96:
        case 97:
        case 101:
        case 108:
            word += ":%d";
            break;
        case 98:
            word += ":%d%%";
            break;
        case 99:
            word += ":%s";
            break;
        default:
            break;
        }
        text += word + "\n";
    }
    return text;
}

// Games.kat: Klondike (one game), Test (the game that is won when dealt), Sieben (seven
// games) and Acht (eight games); add-on catalog 9 adds a game to Test.
inline void WriteCatalogs(const fs::path& dir) {
    std::ofstream kat(dir / "Games.kat");
    kat << "Test catalog\n"
           "KATEGORIE_START NAME: Klondike PATH: klondike\n"
           "  GAME_START NAME: Klondike PATH: klondike GAME_ENDE\nKATEGORIE_ENDE\n"
           "KATEGORIE_START NAME: Test PATH: test\n"
           "  GAME_START NAME: Vier_Ziele PATH: fourgoals GAME_ENDE\nKATEGORIE_ENDE\n";
    for (const auto& [name, count] : {std::pair<std::string, int>{"Sieben", 7}, {"Acht", 8}}) {
        kat << "KATEGORIE_START NAME: " << name << " PATH: " << name << "\n";
        for (int g = 0; g < count; ++g)
            kat << "  GAME_START NAME: " << name << "_" << g << " PATH: g" << g << " GAME_ENDE\n";
        kat << "KATEGORIE_ENDE\n";
    }
    std::ofstream addOn(dir / "Games_9.kat");
    addOn << "KATEGORIE_START NAME: Test PATH: test\n"
             "  GAME_START NAME: Leiter PATH: ladder GAME_ENDE\nKATEGORIE_ENDE\n";
}

inline void WriteGamesArchive(const fs::path& dir) {
    std::vector<GameArchiveWriter::Member> members = {
        {"klondike\\klondike\\klondike.game", ContentGame("klondike", "klondike")},
        {"klondike\\klondike\\vorschau.png",
         MakePng(300, 150, [](int, int) { return 0xFF2060A0u; })},
        {"test\\fourgoals\\fourgoals.game", FixtureGame("game/fourgoals.game")},
        {"test\\ladder\\ladder.game", FixtureGame("cli/ladder.game")},
    };
    for (const std::string category : {"Sieben", "Acht"})
        for (int g = 0; g < 8; ++g) {
            const std::string folder = category + "\\g" + std::to_string(g);
            members.push_back(
                {folder + "\\g" + std::to_string(g) + ".game", FixtureGame("cli/ladder.game")});
        }
    GameArchiveWriter::Write(dir / "games.gob", members);
}

// The menu scene in a working directory of its own, with a real (headless) drawing device
// so that previews load as textures.
class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousDir = fs::current_path();
        dir = fs::temp_directory_path() /
              ("kh_menu_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        ASSERT_TRUE(Platform::Initialise());
        WriteCatalogs(dir);
        WriteGamesArchive(dir);
        std::ofstream(dir / "deutsch.lng") << LanguageFile("D");
        std::ofstream(dir / "english.lng") << LanguageFile("E");
        fs::current_path(dir);

        app.window = PlatformWindow::Create("Fenster", 1024, 768, false);
        ASSERT_TRUE(app.window);
        app.presentParameters.backBufferWidth = 1024;
        app.presentParameters.backBufferHeight = 768;
        app.device = RenderDevice::Create(*app.window, app.presentParameters);
        ASSERT_TRUE(app.device);
        app.sprite = std::make_unique<SpriteBatch>(*app.device);

        app.OpenArchives(dir);
        app.language = 0;
        app.LoadUiTexts(0);
        app.globalStatistics = GlobalStatistics{};
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
        app.deviation = 0.0f;
        app.soundVolume = 100;
        app.musicVolume = 100;
        app.runState = 0;
        app.mouseX = app.mouseY = app.previousMouseX = app.previousMouseY = 0;
        InitialiseTimer(app, 1000, counter, 0);
    }

    void TearDown() override {
        EndMenu();
        app.currentCardSet = nullptr;
        app.currentCardSetIndex = -1;
        app.CloseArchives();
        app.ReleaseTextures();
        app.sprite.reset();
        app.device.reset();
        app.window.reset();
        app.runState = 0;
        app.paused = false;
        Platform::Shutdown();
        fs::current_path(previousDir);
        fs::remove_all(dir);
    }

    // The menu as start-up makes it; a seed makes the deals repeatable.
    MainMenu& OpenMenu(std::optional<uint32_t> seed = 7u) {
        EndMenu();
        menu = new MainMenu(seed);
        app.currentScene = menu;
        Frames(2);
        return *menu;
    }
    // Deletes the menu as shutdown does (the catalog writes every game's statistics).
    void EndMenu() {
        delete app.currentScene;
        app.currentScene = nullptr;
        menu = nullptr;
    }

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
    void KeyDown(uint32_t key) { procedure.Handle(WindowMessage::Key(MessageKind::KeyDown, key)); }
    void KeyUp(uint32_t key) { procedure.Handle(WindowMessage::Key(MessageKind::KeyUp, key)); }
    void Press(uint32_t key) {
        KeyDown(key);
        KeyUp(key);
    }

    // The element with this id in the active page, or null.
    GUIElement* Find(int id) const {
        for (int slot = 0; slot < Game::ElementSlots; ++slot)
            if (menu->elementActive[slot] && menu->elements[slot])
                if (GUIElement* e = FindIn(menu->elements[slot], id)) return e;
        return nullptr;
    }
    static GUIElement* FindIn(GUIElement* element, int id) {
        if (element->GetId() == id) return element;
        for (GUIElement* child : element->Children())
            if (GUIElement* e = FindIn(child, id)) return e;
        return nullptr;
    }
    // Moves to the middle of the element of the active page and clicks it.
    void ClickElement(int id) {
        GUIElement* element = Find(id);
        ASSERT_TRUE(element) << "no element " << id << " on page " << menu->currentPage;
        int x = 0, y = 0;
        element->AbsolutePosition(x, y);
        Click(x + element->SourceWidth() / 2, y + element->SourceHeight() / 2);
    }
    void HoverElement(int id) {
        GUIElement* element = Find(id);
        ASSERT_TRUE(element) << "no element " << id;
        int x = 0, y = 0;
        element->AbsolutePosition(x, y);
        MoveTo(x + element->SourceWidth() / 2, y + element->SourceHeight() / 2);
    }

    // Main page → category list → the category's game list → the game.
    void StartGameAt(int categoryIndex, int gameIndex) {
        if (menu->currentPage != MainMenu::PageCategories) ClickElement(1);
        ASSERT_LT(categoryIndex, menu->visibleRows);
        ClickElement(100 + categoryIndex);
        ASSERT_EQ(menu->currentPage, MainMenu::PageGames);
        ClickElement(155 + gameIndex);
        ASSERT_EQ(app.runState, 1);
        ASSERT_TRUE(menu->CurrentGame());
        Frames(3);
    }

    SolitärGame& Game() { return *menu->CurrentGame(); }
    GameStatistics& StatisticsOf(int categoryIndex, int gameIndex) {
        return *menu->GameAt(categoryIndex, gameIndex)->statistics;
    }

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
    void DoubleClick(int x, int y) {
        MoveTo(x, y);
        Send(MessageKind::LeftButtonDown, x, y);
        Send(MessageKind::LeftButtonUp, x, y);
        Send(MessageKind::LeftDoubleClick, x, y);
        Send(MessageKind::LeftButtonUp, x, y);
        Frames(20);
    }
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
    // One move of a moves file, played with the mouse.
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
            const int y = move.depth == 1 ? CentreY(card) : static_cast<int>(card->position.y + 8);
            DoubleClick(CentreX(card), y);
            return true;
        }
        case MoveKind::Drag: {
            Card* card = source->TopVisible(source->VisibleCount() - move.depth);
            KartenStapel* target = PileWithId(move.target);
            if (!card || !target) return false;
            const Card* top = target->TopVisible();
            const Vec2 to = top ? top->position + Vec2{20, 30} : target->position + Vec2{20, 30};
            const int y = move.depth == 1 ? CentreY(card) : static_cast<int>(card->position.y + 8);
            Drag(CentreX(card), y, static_cast<int>(to.x), static_cast<int>(to.y));
            return true;
        }
        default:
            return false;
        }
    }

    AppState& app = GetAppState();
    WindowProcedure procedure{app};
    MainMenu* menu = nullptr;
    CardSetEntry cardSet;
    int64_t counter = 0;
    fs::path dir, previousDir;
};

} // namespace menutest
