#pragma once
// The card-game scene: one running solitaire game. It owns the table model (piles, deck,
// undo history, score and clock), turns the left mouse button into card moves, draws the
// table, and lets the cards bounce when the game is won. The menu (or, when a game is
// opened directly, the DirectGameScene) holds it as its child and forwards input,
// Update and Render to it, asking CheckGameEnd after every Update.
#include "app/Game.h"
#include "media/BitmapText.h"
#include "rules/KartenTisch.h"
#include "rules/Vec2.h"

#include <cstdint>
#include <optional>
#include <string>

class Card;
class KartenStapel;
struct GameCategory;
struct GameInfo;

class SolitärGame : public Game {
public:
    // Scene modes: which in-game screen is shown.
    static constexpr int ModeRules = 4;
    static constexpr int ModeOptions = 5;
    static constexpr int ModePlaying = 7;
    static constexpr int ModeGameMenu = 8;
    static constexpr int ModeStatistics = 10;

    // gameState values.
    static constexpr int StateWon = 0;
    static constexpr int StateRunning = 1;
    static constexpr int StateLeaveToMenu = 2;
    static constexpr int StateNewGame = 3;

    // Sound ids of the table.
    static constexpr int SoundMenuClick = 0;
    static constexpr int SoundCardsMoved = 302;
    static constexpr int SoundNothingMoved = 303;
    static constexpr int SoundWin = 304;

    // Texture slots drawn from here.
    static constexpr int MiscSlot = 0;
    static constexpr int MenuSlot = 6;

    // Deals the game of `gameInfo` in `category` (neither owned). The random generator is
    // seeded with `seed`, or with the millisecond tick count when none is given.
    SolitärGame(GameCategory* category, GameInfo* gameInfo, std::optional<uint32_t> seed = {});
    ~SolitärGame() override;

    // ---- Scene operations ----
    void OnMouseMove(uint32_t x, uint32_t y) override;
    void OnLeftButtonDown(uint32_t x, uint32_t y) override;
    void OnLeftButtonUp(uint32_t x, uint32_t y) override;
    void OnLeftDoubleClick(uint32_t x, uint32_t y) override;
    void Update() override;
    void Render() override;

    // Clears every element-active flag, activates the elements of the mode and stores it.
    void SetSceneMode(int mode);
    // Reads and deals the game; a game whose definition no archive holds leaves the table
    // as it was.
    void LoadGameDefinition(GameCategory* category, GameInfo* gameInfo);
    // Makes the background at `index` of the catalog the table background (texture slot 5).
    void SelectBackground(int index);
    // Detects the win once (sound, bounce) and reports whether the scene has ended.
    bool CheckGameEnd();
    // A random track of the current theme for the background music (played when music is on).
    void ChooseMusic();
    // The rule hint bubble for what lies under the pointer.
    void RuleHint();

    bool IsGameWon() const { return table.IsGameWon(); }
    int ComputeScore() const { return table.ComputeScore(); }
    void PushUndoSnapshot() { table.PushUndoSnapshot(); }
    // "%s - %s" of the category's and the game's display names, or the game's name alone
    // when both are the same.
    std::string StatusCaption() const;

    // The table model: piles, deck, goalPileIds, undo history, score and clock.
    KartenTisch table;
    PtrList<KartenStapel, true>& piles = table.piles;
    PtrList<Card, true>& deck = table.deck;

    Card* grabbedCard = nullptr;
    Vec2 pressPoint;
    bool buttonHeld = false;
    bool dragMoved = false;
    GameCategory* category;
    GameInfo* gameInfo;
    Vec2 grabOffset;
    double doubleClickLockout = 0.0;
    double idleTime = 0.0;
    double hintDelay = 0.5;
    int sceneMode = ModePlaying;
    bool gameEnded = false;
    int gameState = StateRunning;
    int cardSetScroll = 0, backgroundScroll = 0, highscoreScroll = 0;
    int backgroundRows = 4, cardSetRows = 4, highscoreRows = 3;
    bool skipWinAnimation = false;
    int previewRank = 0, previewSuit = 0;
    double previewTime = 0.0;

private:
    // Mouse play (SolitärGameMouse.cpp).
    void UpdateHighlights();
    void DropGrabbedCard(int x, int y);
    void ClickPile(int x, int y);
    // The pile a held card would go to under (x, y), or null; `onPlace` tells whether it
    // was found by its place rather than its cards.
    KartenStapel* DropTarget(int x, int y, bool& onPlace) const;
    void CopySettingsToTable();
    void StartWinAnimation();
    void StepBounce();
    void DrawTableBackground();
    void DrawCards();
    void DrawStatusBar();

    std::optional<uint32_t> seed;
    // Texts are laid out when they change, not every frame.
    BitmapText captionText, winText, hintText;
    std::string captionShown, winShown = "\x01", hintShown = "\x01";
};
