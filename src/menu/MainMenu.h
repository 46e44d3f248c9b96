// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The top scene of the program, alive for the whole run: the main page with the language,
// music and sound switches, the category and game lists, information, statistics and help
// pages, and the result page after a game. It owns the game catalog and, while a game runs,
// the card-game scene, to which it forwards input, Update and Render; it notices the end
// of that game, counts it in the statistics and takes the highscore name.
#include "app/Game.h"
#include "data/GameCatalog.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CardCascade;
class SolitärGame;
struct HighscoreEntry;

class MainMenu : public Game {
public:
    // Page numbers of ShowPage.
    static constexpr int PageMain = 0;
    static constexpr int PageCategories = 1;
    static constexpr int PageGames = 2;
    static constexpr int PageInformation = 3;
    static constexpr int PageStatistics = 6;
    static constexpr int PageResult = 9;
    static constexpr int PageHelp = 11;

    // Texture slots the pages draw from.
    static constexpr int MiscSlot = 0;
    static constexpr int PreviewSlot = 3;
    static constexpr int MenuSlot = 6;
    static constexpr int HelpSlot = 9;
    static constexpr int ListPanelSlot = 10;
    static constexpr int BackgroundSlot = 11;
    static constexpr int TargetSlot = 34;

    static constexpr int SoundClick = 0;
    static constexpr int MaxNameLength = 99;

    // With a seed every game the menu deals is reproducible: the first deal uses it, each
    // later one the next number.
    explicit MainMenu(std::optional<uint32_t> seed = {});
    ~MainMenu() override;

    void OnMouseMove(uint32_t x, uint32_t y) override;
    void OnLeftButtonDown(uint32_t x, uint32_t y) override;
    void OnLeftButtonUp(uint32_t x, uint32_t y) override;
    void OnLeftDoubleClick(uint32_t x, uint32_t y) override;
    void OnKeyDown(uint32_t key) override;
    void OnKeyUp(uint32_t key) override;
    void Update() override;
    void Render() override;
    void DrawMouseCursor() override;
    double NextChangeIn() const override;

    void ElementCallback0(const ElementDrawInfo& info) override;
    void ElementCallback1(const ElementDrawInfo& info) override;
    void ElementCallback2(const ElementDrawInfo& info) override;
    void ElementCallback3(const ElementDrawInfo& info) override;
    void ElementCallback4(const ElementDrawInfo& info) override;
    void ElementCallback5(const ElementDrawInfo& info) override;
    void ElementCallback6(const ElementDrawInfo& info) override;

    // Shows page n (see the Page constants); any other number shows nothing.
    void ShowPage(int n);
    // Reads "Games.kat" and the add-ons "Games_1.kat" … "Games_99.kat" of the working
    // directory with every game's statistics, and puts both lists back to the top.
    void LoadCatalog();
    // Deals the game at chosenGame of the category at listCategory and runs it.
    void StartGame();
    // Deals the same game again after a new-game request (characters and background stay).
    void RestartGame();
    // Starts the game of these folders at once (a game given on the command line). A game
    // the catalog does not list is added to it under its folder names.
    void StartGameByFolders(const std::string& categoryPath, const std::string& gamePath);

    // What the element with this id does when it is clicked in the menu.
    void ElementAction(int id);
    // The result page's confirm button (and Enter with a typed name).
    void ConfirmResult();

    SolitärGame* CurrentGame() const { return game.get(); }
    const HighscoreEntry* PendingEntry() const { return pendingEntry.get(); }
    // The category and game at a list row's index, or null.
    GameCategory* CategoryAt(int index) const { return categories.Get(index); }
    GameInfo* GameAt(int categoryIndex, int gameIndex) const;
    int GameCount(int categoryIndex) const;

    GameCategoryList categories;
    int currentPage = 0;
    int categoryScroll = 0;
    int listCategory = 0;
    int gameScroll = 0;
    int chosenGame = 0;
    int visibleRows = 7;
    int previewCategory = -1, previewGame = -1;
    bool previewMissing = true;
    double hoverTime = 0.0;
    double tooltipDelay = 0.5;
    bool buttonHeld = false;
    double pressTime = 0.0;
    double pressTimeMax = 0.1;
    bool shiftHeld = false;
    bool endHandled = false;
    int helpPage = 0;

private:
    void BuildPages();
    void ReleaseCatalog();
    void LoadPreview();
    void DrawPreviewTooltip();
    bool HoversValidGameRow() const;
    void HandleGameEnd();
    // Whether input goes on to the card game: only while it runs, never once it has ended.
    bool GameTakesInput() const;
    // Writes the finished game's statistics and the program-wide ones at once, so that a
    // crash later in the run loses nothing of the result.
    void SaveResults();

    std::unique_ptr<HighscoreEntry> MakeEntry(bool won, int score) const;
    void CountResult(bool won);
    void HandOverEntry();
    void TypeNameKey(uint32_t key);
    // The chatter characters and the animated background of a running game, held in
    // AppState: made when a game starts, kept for a new deal of it.
    void CreateThemeObjects();
    void DeleteThemeObjects();

    // Common drawing of the pages (MainMenuPages.cpp).
    void DrawElement(int slot, const ElementDrawInfo& info, bool hoverLook);
    void DrawLabel(const ElementDrawInfo& info, const std::string& text, float offset, double size,
                   uint32_t colour);
    void DrawListRow(const ElementDrawInfo& info, int index, bool categoryRow);
    std::string Text(int slot) const;

    std::unique_ptr<SolitärGame> game;
    std::unique_ptr<HighscoreEntry> pendingEntry;
    std::unique_ptr<CardCascade> cardCascade;
    std::optional<uint32_t> seed;
};
