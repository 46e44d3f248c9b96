// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card-game scene: one running solitaire game. It owns the table model (piles, deck,
// undo history, score and clock), turns the left mouse button into card moves, draws the
// table, and lets the cards bounce when the game is won. The menu (or, when a game is
// opened directly, the DirectGameScene) holds it as its child and forwards input,
// Update and Render to it, asking CheckGameEnd after every Update.
#include "app/Game.h"
#include "game/PlayerHelp.h"
#include "game/ScreenLabel.h"
#include "media/BitmapText.h"
#include "rules/KartenTisch.h"
#include "rules/Vec2.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "rules/MoveScript.h"

class Card;
class SolverTask;
class GameStatistics;
class GUIElement;
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
    static constexpr int StatisticsSlot = 7;
    static constexpr int OptionsSlot = 8;
    static constexpr int RulesSlot = 9;

    // Element ids of the in-game screens.
    enum ElementId {
        IdTopBar = 210,
        IdMenuButton = 212,
        IdGameMenu = 221,
        IdContinue = 222,
        IdRulesEntry = 223,
        IdOptionsEntry = 224,
        IdMainMenuEntry = 225,
        IdStatisticsEntry = 226,
        IdOptions = 301,
        IdRules = 207,
        IdRulesClose = 208,
        IdToolbar = 214,
        IdUndoToStart = 215,
        IdUndoStep = 216,
        IdRedoStep = 217,
        IdRedoToEnd = 218,
        IdWriteQuickSave = 219,
        IdReadQuickSave = 220,
        IdNewGame = 213,
        IdStatistics = 227,
        IdStatisticsClose = 228,
        IdStatisticsReset = 229,
        IdHighscoreUp = 230,
        IdHighscoreDown = 300,
        IdOptionsClose = 302,
        IdCardSetUp = 303,
        IdCardSetRow = 400,
        IdCardSetDown = 500,
        IdBackgroundUp = 501,
        IdBackgroundRow = 600,
        IdBackgroundDown = 700,
        IdDeviationPlus = 701,
        IdDeviationMinus = 702,
        IdShowInfos = 703,
        IdShadows = 704,
        IdCardBack = 705, // 705 … 708
        IdPileSpeed = 709,
        IdMousePileSpeed = 710,
        IdChatter = 711,
        IdCursorStyle = 712, // 712 … 714
        IdJungle = 716,
        IdSaloon = 717,
    };

    // Deals the game of `gameInfo` in `category` (neither owned). The random generator is
    // seeded with `seed`, or with the millisecond tick count when none is given.
    SolitärGame(GameCategory* category, GameInfo* gameInfo, std::optional<uint32_t> seed = {});
    ~SolitärGame() override;

    // ---- Scene operations ----
    void OnMouseMove(uint32_t x, uint32_t y) override;
    void OnLeftButtonDown(uint32_t x, uint32_t y) override;
    void OnLeftButtonUp(uint32_t x, uint32_t y) override;
    void OnLeftDoubleClick(uint32_t x, uint32_t y) override;
    void OnKeyDown(uint32_t key) override;
    void OnKeyUp(uint32_t key) override;
    void Update() override;
    void Render() override;
    double NextChangeIn() const override;

    // ---- The in-game screens (top bar, menu button, game menu, options, rules, toolbar,
    // statistics), drawn by the element callbacks ----
    void ElementCallback0(const ElementDrawInfo& info) override;
    void ElementCallback2(const ElementDrawInfo& info) override;
    void ElementCallback3(const ElementDrawInfo& info) override;
    void ElementCallback4(const ElementDrawInfo& info) override;
    void ElementCallback5(const ElementDrawInfo& info) override;
    void ElementCallback7(const ElementDrawInfo& info) override;
    void ElementCallback8(const ElementDrawInfo& info) override;

    // What a released element does, by its id. Elements that are hidden do nothing.
    void ElementAction(int id);
    // After the win: the history buttons, loading the quick save, a new game and the way back
    // to the menu only end the bounce (a new game is dealt after the result page). False
    // when the game is not won or the element is none of these.
    bool KeepWin(int id);
    // Whether the element is hidden now (scroll arrows at the ends, rows past the list).
    bool IsElementHidden(int id) const;
    // The element with this id in the active or inactive trees, or null.
    GUIElement* FindElement(int id) const;

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
    // The history buttons; each counts in the statistics when it changed the table.
    void UndoToStart();
    void UndoStep();
    void RedoStep();
    void RedoToEnd();
    // quick.sav of this game below the working directory. Loading a missing file changes
    // nothing.
    void WriteQuickSave();
    void ReadQuickSave();
    std::string QuickSavePath() const;
    // Reads this game's rules text in the current language (the previous text stays when
    // there is none).
    void LoadRulesText();
    // Moves the counters of the table (moves, undo steps) into the game's and the
    // program's statistics. Called after everything that can move cards.
    void SyncStatistics();
    // This game's statistics record, or null when the game has none.
    GameStatistics* Statistics() const;

    // ---- Option rules, shared by the options page and the keys ----
    // 1 → 2 → 10 → 10000 → 1; any other value becomes 1.
    static int NextSpeed(int speed);
    // The brightness after an arrow key: ± 16, at most 255, and 64 when it would be lower.
    static int BrightnessAfterKey(int brightness, uint32_t key);
    // max(0, min(value, length − rows)).
    static int ClampScroll(int value, int length, int rows);
    // "%s - %s" of the category's and the game's display names, or the game's name alone
    // when both are the same.
    std::string StatusCaption() const;

    // ---- Player help (SolitärGameHelp.cpp) ----
    // The hint key: searches a winning line from the table on a worker thread;
    // its first move is then marked (the card and where it goes).
    void RequestHint();
    HelpSituation Help() const { return help; }
    // The marks of a shown hint: the card to move (or the pile to click) and its target.
    Card* hintCard = nullptr;
    KartenStapel* hintPile = nullptr;
    KartenStapel* hintTarget = nullptr;
    static constexpr uint32_t HintKey = 0x72; // F3
    // The number of the running deal (the seed it was dealt from).
    uint32_t DealNumber() const { return dealNumber; }

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
    // The new-game button was pressed during the win's bounce: the menu deals anew after the
    // result page.
    bool dealAgainAfterWin = false;
    int previewRank = 0, previewSuit = 0;
    double previewTime = 0.0;

private:
    // The element trees of the in-game screens (InGameScreens.cpp).
    void BuildScreens();
    void BuildOptionsPage(GUIElement* page);
    // The options page's actions (InGameOptions.cpp); false when the id is none of them.
    bool OptionsAction(int id);
    void SelectCardSet(int index);
    void CycleChatter();
    void SwitchBackgroundTheme(int theme);
    void DrawBackgroundPreview(float x, float y);
    void DrawPreviewCards(float x, float y);
    // Drawing helpers of the screens (InGameDrawing.cpp).
    void DrawElementSprite(int slot, const ElementDrawInfo& info, bool shifted);
    bool Hovered(const ElementDrawInfo& info) const;
    // Draws a text at a point; `key` names the cached layout (one per place on screen).
    void DrawLabel(int key, const std::string& text, double size, uint32_t colour, int alignment,
                   double x, double y, double wrapWidth = 0.0);
    // A button label centred on the element, red while hovered.
    void DrawButtonLabel(const ElementDrawInfo& info, const std::string& text, float offset,
                         double size = 0.5);
    const std::string& Text(int slot) const;
    void ResetAfterLoad();

    // Mouse play (SolitärGameMouse.cpp).
    // In play, a press or release goes to the characters (one at a time) and the background.
    void PassPressToThemes(uint32_t x, uint32_t y, bool release);
    void UpdateHighlights();
    void DropGrabbedCard(int x, int y);
    void ClickPile(int x, int y);
    // The pile a held card would go to under (x, y), or null; `onPlace` tells whether it
    // was found by its place rather than its cards.
    KartenStapel* DropTarget(int x, int y, bool& onPlace) const;
    void CopySettingsToTable();
    void StartWinAnimation();
    void StepBounce();
    // The table background with its top-left corner at (x, y), scaled; the options page
    // shows it in miniature.
    void DrawTableBackground(float x = 0.0f, float y = 0.0f, float scaleX = 1.0f,
                             float scaleY = 1.0f);
    void DrawCards();
    void DrawStatusBar();

    // Player help (SolitärGameHelp.cpp).
    void UpdateHelp();
    void MarkHint();
    void ClearHelp();
    void CheckAutoFinish();
    void StepAutoFinish();
    void DrawHelpNotice();
    // Table changes are told by this count of moves and history steps.
    long long TableStamp() const;
    bool ShortcutKey(uint32_t key);

    uint32_t dealNumber = 0;
    HelpSituation help = HelpSituation::Idle;
    std::unique_ptr<SolverTask> solverTask;
    std::string definitionBytes; // of the running game, for the searches' copies
    long long helpStamp = -1;    // the table the help belongs to
    long long finishCheckedStamp = -1;
    double helpTime = 0.0;
    std::vector<ScriptMove> finishLine;
    size_t finishStep = 0;
    bool controlHeld = false, shiftHeld = false;
    BitmapText helpText;
    std::string helpShown = "\x01";

    std::optional<uint32_t> seed;
    // Texts are laid out when they change, not every frame.
    BitmapText captionText, winText, hintText;
    std::string captionShown, winShown = "\x01", hintShown = "\x01";
    std::map<int, std::unique_ptr<ScreenLabel>> labels;
    // The table's move and undo counters already handed to the statistics.
    long long movesSynced = 0, undosSynced = 0;
};
