// SPDX-License-Identifier: GPL-3.0-or-later
// One whole frame of the card game (update, then drawing into the off-screen back buffer
// with the software renderer) for a two-deck Spider table in the middle of a game: 104
// cards, ten columns fanned out, the stock dealt twice, the pointer over a column. The
// *Jungle and *Saloon variants run the same frame with that animated background, its
// pictures read from the built base.gob (KH_DATA, else build/data of the source tree).
#include "app/AppState.h"
#include "app/FrameStep.h"
#include "app/TextureTable.h"
#include "data/BackgroundEntry.h"
#include "data/CardSetEntry.h"
#include "data/CatalogReader.h"
#include "data/GameArchiveWriter.h"
#include "data/GameCategory.h"
#include "data/TextEncoding.h"
#include "game/SolitärGame.h"
#include "platform/Platform.h"
#include "platform/PlatformWindow.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"
#include "rules/KartenStapel.h"
#include "themes/HintergrundGrafik.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct SpiderTable {
    SpiderTable() {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        AppState::useFiles = false;
        AppState& app = GetAppState();
        Platform::Initialise();
        app.window = PlatformWindow::Create("Fenster", 1024, 768, false);
        app.window->Show();
        app.presentParameters.backBufferWidth = 1024;
        app.presentParameters.backBufferHeight = 768;
        app.device = RenderDevice::Create(*app.window, app.presentParameters);
        app.sprite = std::make_unique<SpriteBatch>(*app.device);
        // Pictures of the sizes the game uses: a card sheet of 176 × 256 cells, a 256 × 256
        // table tile, the interface sheet and the font.
        app.textures[AppState::CardSetSlot] =
            app.device->CreateSolidTexture(0xFFF0F0F0, 6 * 176, 15 * 256);
        app.textures[AppState::BackgroundSlot] =
            app.device->CreateSolidTexture(0xFF206020, 256, 256);
        app.textures[SolitärGame::MenuSlot] = app.device->CreateSolidTexture(0xFFE0E0E0, 1300, 900);
        app.textures[1] = app.device->CreateSolidTexture(0xFFFFFFFF, 800, 400);
        cardSet.width = 176;
        cardSet.height = 256;
        app.currentCardSet = &cardSet;
        app.currentCardSetIndex = 0;
        background.sourceRect = {0, 0, 256, 256};
        background.tiled = true;
        app.currentBackground = &background;
        app.currentBackgroundIndex = 0;

        const fs::path dir =
            fs::temp_directory_path() / ("kh_bench_frame_" + std::to_string(getpid()));
        fs::create_directories(dir);
        std::ifstream in(fs::path(KH_SOURCE_DIR) / "content/games/spider/spider2/spider2.game",
                         std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        GameArchiveWriter::Write(
            dir / "games.gob", {{"spider\\spider2\\spider2.game",
                                 TextEncoding::Utf8ToLatin1(text.str()).value_or(std::string())}});
        const char* data = std::getenv("KH_DATA");
        const fs::path base = fs::path(data ? data : KH_SOURCE_DIR "/build/data") / "base.gob";
        std::error_code error;
        fs::copy_file(base, dir / "base.gob", error);
        for (const char* archive : {"cards.gob", "background.gob"})
            fs::copy_file(base.parent_path() / archive, dir / archive, error);
        dataFolder = base.parent_path();
        app.OpenArchives(dir);
        fs::remove_all(dir);

        category.path = "spider";
        category.name = "Spider";
        info.path = "spider2";
        info.name = "Spider (zwei Farben)";
        game = std::make_unique<SolitärGame>(&category, &info, 1234u);
        app.currentScene = game.get();
        InitialiseTimer(app, 1000000, 0, 0);
        Frames(60);
        // Deal from the stock twice: the pile with the most face-down cards.
        KartenStapel* stock = game->piles[0];
        for (KartenStapel* pile : game->piles)
            if (pile->FaceDownCount() > stock->FaceDownCount()) stock = pile;
        for (int i = 0; i < 2; ++i) {
            const Card* top = stock->faceDownCards[stock->FaceDownCount() - 1];
            const auto x = static_cast<uint32_t>(top->position.x + 20),
                       y = static_cast<uint32_t>(top->position.y + 20);
            game->OnLeftButtonDown(x, y);
            game->OnLeftButtonUp(x, y);
            Frames(60);
        }
        // The pointer rests over the middle of the longest column.
        KartenStapel* column = game->piles[0];
        for (KartenStapel* pile : game->piles)
            if (pile->VisibleCount() > column->VisibleCount()) column = pile;
        const Card* hovered = column->TopVisible(column->VisibleCount() / 2);
        app.mouseX = static_cast<int>(hovered->position.x + 40);
        app.mouseY = static_cast<int>(hovered->position.y + 10);
        game->OnMouseMove(app.mouseX, app.mouseY);
        Frames(60);
    }

    // Loads the animated backgrounds' pictures (slots 12–35) once and shows `theme`.
    bool ShowBackground(int theme) {
        AppState& app = GetAppState();
        if (!app.baseArchive) return false;
        for (int slot = 12; slot <= 35; ++slot)
            if (!app.textures[slot] &&
                app.LoadTexture(TextureTable::SlotName(slot), app.textures[slot],
                                app.baseArchive.get(), false) < 0)
                return false;
        app.animatedBackground.Reset(CreateBackgroundAnimation(app, theme));
        Frames(60);
        return true;
    }

    // Swaps the plain stand-in pictures for the generated ones of the data folder: the first
    // card set and table background of the catalogs, the interface sheet and the font.
    bool ShowRealPictures() {
        AppState& app = GetAppState();
        if (!app.baseArchive || !app.cardsArchive || !app.backgroundArchive) return false;
        for (int slot : {1, SolitärGame::MenuSlot})
            if (app.LoadTexture(TextureTable::SlotName(slot), app.textures[slot],
                                app.baseArchive.get(), false) < 0)
                return false;
        CatalogReader::ReadCardSetCatalog(app.cardSets, dataFolder);
        CatalogReader::ReadBackgroundCatalog(app.backgrounds, dataFolder);
        app.currentCardSetIndex = app.currentBackgroundIndex = -1; // the stand-ins were 0
        app.LoadCardSet(0);
        game->SelectBackground(0);
        Frames(60);
        return app.currentCardSet != &cardSet && app.currentBackground != &background;
    }

    void Frames(int count) {
        for (int i = 0; i < count; ++i)
            Frame();
    }
    void Frame() {
        counter += 16667;
        RunUpdateStep(GetAppState(), counter);
        RunRenderStep(GetAppState());
    }

    fs::path dataFolder;
    CardSetEntry cardSet;
    BackgroundEntry background;
    GameCategory category;
    GameInfo info;
    std::unique_ptr<SolitärGame> game;
    int64_t counter = 0;
};

SpiderTable& Table() {
    static SpiderTable table;
    return table;
}

void BM_SpiderFrame(benchmark::State& state) {
    SpiderTable& table = Table();
    for (auto _ : state)
        table.Frame();
    int onTable = 0;
    for (const KartenStapel* pile : table.game->piles)
        onTable += pile->VisibleCount();
    state.counters["cards"] = table.game->deck.Count();
    state.counters["faceUp"] = onTable;
}
BENCHMARK(BM_SpiderFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same frame over an animated background (default level: seldom).
void SpiderFrameWithBackground(benchmark::State& state, int theme) {
    SpiderTable& table = Table();
    if (!table.ShowBackground(theme)) {
        state.SkipWithError("base.gob with the background pictures not found");
        return;
    }
    for (auto _ : state)
        table.Frame();
    GetAppState().animatedBackground.Delete();
}
void BM_SpiderFrameJungle(benchmark::State& state) {
    SpiderFrameWithBackground(state, 0);
}
void BM_SpiderFrameSaloon(benchmark::State& state) {
    SpiderFrameWithBackground(state, 1);
}
BENCHMARK(BM_SpiderFrameJungle)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SpiderFrameSaloon)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SpiderUpdateOnly(benchmark::State& state) {
    SpiderTable& table = Table();
    for (auto _ : state) {
        table.counter += 16667;
        RunUpdateStep(GetAppState(), table.counter);
    }
}
BENCHMARK(BM_SpiderUpdateOnly)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_SpiderRenderOnly(benchmark::State& state) {
    Table();
    for (auto _ : state)
        RunRenderStep(GetAppState());
}
BENCHMARK(BM_SpiderRenderOnly)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The scene's drawing calls alone, without clearing and presenting the back buffer.
void BM_SpiderSceneRenderCalls(benchmark::State& state) {
    SpiderTable& table = Table();
    AppState& app = GetAppState();
    for (auto _ : state) {
        app.device->BeginScene();
        app.sprite->Begin();
        table.game->Render();
        app.sprite->End();
        app.device->EndScene();
    }
}
BENCHMARK(BM_SpiderSceneRenderCalls)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The plain frame with the generated card set and cloth (run last: it keeps them).
void BM_SpiderFrameRealPictures(benchmark::State& state) {
    SpiderTable& table = Table();
    if (!table.ShowRealPictures()) {
        state.SkipWithError("the generated data folder was not found");
        return;
    }
    for (auto _ : state)
        table.Frame();
}
BENCHMARK(BM_SpiderFrameRealPictures)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
