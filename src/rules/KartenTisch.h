// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card table of one running game, without any drawing or input: the game
// definition with its piles and deck, and the operations that load, build,
// shuffle and deal it and test for the win. The card scene (SolitärGame), the
// command-line tool and the tests all play through this class.
//
// Piles keep a pointer to the table's settings and pile list, so a table is
// neither copied nor moved.
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rules/GameDefinition.h"
#include "rules/QuickSaveFile.h"
#include "rules/RandomGenerator.h"
#include "rules/TableSettings.h"
#include "rules/TableSnapshot.h"

class ByteWordReader;

class KartenTisch : public GameDefinition {
public:
    static constexpr int32_t ResultOk = 0;
    static constexpr int32_t ResultFail = static_cast<int32_t>(0x80004005u); // E_FAIL
    // Largest .game file read from disk or a stream.
    static constexpr size_t MaxDefinitionBytes = 4u << 20;

    KartenTisch() = default;
    // A table that draws from a generator of its own, so tables on other
    // threads (a search, a survey) never touch the shared one.
    explicit KartenTisch(RandomGenerator& ownGenerator) : random(ownGenerator) {}
    KartenTisch(const KartenTisch&) = delete;
    KartenTisch& operator=(const KartenTisch&) = delete;

    // Screen size and speeds, copied from the application by the card scene.
    TableSettings settings;
    // The generator the table draws from; the shared one of the program.
    RandomGenerator& random = RandomGenerator::Shared();

    // Replaces the table by the game of a definition file's bytes (Latin-1):
    // discards piles and deck, seeds the generator with seed, reads the file,
    // resolves links, goal flags and card size, then builds, shuffles and deals.
    // The caller supplies the seed: the millisecond tick count in the game, a
    // fixed number in tests and in the command-line tool.
    void LoadGameDefinition(std::string_view fileBytes, uint32_t seed);
    // The same from a stream or a file on disk; ResultFail (and no change) when
    // it cannot be read or is larger than MaxDefinitionBytes.
    int32_t LoadGameDefinition(std::istream& stream, uint32_t seed);
    int32_t LoadGameDefinitionFile(const std::string& path, uint32_t seed);

    // Appends deckSize new cards in rank-major order, filtered by deckSuitFilter
    // and deckRankFilter, each of the given size, with a random jitter and a
    // random start point on the screen.
    void BuildDeck(float cardWidth, float cardHeight);
    // Reorders the deck in place: 2 x deckSize random remove-and-insert steps.
    void ShuffleDeck();
    // Distributes the deck over the piles by their INIT_ values.
    void DealInitialLayout();
    // True when forceWin is set or the goal piles hold deckSize cards.
    bool IsGameWon() const;

    // Every pile takes its frame step (card motion, automatic fills).
    void UpdatePiles(double realFrameTime);
    // Only the automatic fills of those frame steps, round after round in pile
    // order, until a round moves no card: the card lists end as after the frames
    // a running game would take. False when they did not come to rest within
    // maxRounds rounds.
    bool SettleFills(int maxRounds);
    // The piles whose pileId is id, in pile order.
    std::vector<KartenStapel*> PilesWithId(int id) const;
    // The index of a pile in piles, -1 if it is not one of them.
    int IndexOfPile(const KartenStapel* pile) const { return piles.IndexOf(pile); }

    // ---- Undo, score and time (UndoHistory.cpp) ----
    // undoHistory[0] is the dealt table; undoIndex is the snapshot that matches
    // the table, -1 before the first one. There is no limit on the history.
    std::vector<std::unique_ptr<TableSnapshot>> undoHistory;
    int undoIndex = -1;
    int undoCount = 0;          // undo and redo steps taken in this game
    int failedDoubleClicks = 0; // double clicks that moved nothing
    double goalBonus = 0;       // 50 per visible card on the goal piles
    double timeScore = 1000;    // time allowance, never below -goalBonus
    double gameTime = 0;        // seconds played
    bool rulesRelaxed = false;  // the chatter joker that relaxes every rule
    // Statistics counters the running game bumps (ANZ_MOVES, ANZ_UNDO); the
    // statistics files take them over. Loading a game does not reset them.
    long long movesCounted = 0;
    long long undosCounted = 0;

    // Back to the state of a freshly loaded game: no history, full time allowance.
    void ResetProgress();
    // Records the table after a move (discarding the redo branch) and counts the move.
    void PushUndoSnapshot();
    // Gives every pile the cards of the snapshot and lays them out anew.
    void RestoreSnapshot(const TableSnapshot& snapshot);
    // The four history buttons. Each returns true and counts one undo step when
    // it changed the table; at the start or the end of the history they do nothing.
    bool UndoToStart();
    bool UndoStep();
    bool RedoStep();
    bool RedoToEnd();
    // Once per unpaused frame: goal bonus from the goal piles, and the time
    // allowance falls by frameTime until the game is won.
    void UpdateTimeScore(double frameTime);
    // goalBonus + timeScore - 20 per undo step - 40 per failed double click,
    // truncated; 0 after either chatter joker.
    int ComputeScore() const;
    // The chatter joker: every pile accepts everything, and the game scores 0.
    void RelaxAllRules();

    // ---- Quick save (QuickSave.cpp) ----
    // The score state and the cards of every pile, as quick.sav holds them.
    QuickSaveFile ToQuickSave() const;
    // Writes quick.sav at path through a temporary file, making its folders
    // first; false on any failure.
    bool WriteQuickSave(const std::string& path) const;
    // Rebuilds the game from a quick save: loads the definition afresh, drops the
    // dealt cards, creates the saved cards and gives them to the piles by id (the
    // n-th block of an id to the n-th pile of that id), and makes the loaded
    // table the only undo state. A save whose cards are not exactly the deck
    // the definition deals (the same cards, each as often) is refused: false,
    // and the table stays as it was.
    bool ReadQuickSave(const QuickSaveFile& save, std::string_view definitionBytes,
                       uint32_t seed);
    // The same from the file at path; ResultFail and no change when it cannot
    // be read or is refused.
    int32_t ReadQuickSave(const std::string& path, std::string_view definitionBytes,
                          uint32_t seed);
    // The table of a save without the deck check: a position set up by hand, for tests
    // and tools that study a few cards; the game and the command-line tool never use it.
    void LoadPosition(const QuickSaveFile& save, std::string_view definitionBytes, uint32_t seed);
    // Whether the save holds exactly the cards of the definition's deck.
    bool QuickSaveMatchesDeck(const QuickSaveFile& save, std::string_view definitionBytes) const;

private:
    void Clear();
    void ParseTopLevel(ByteWordReader& words);
    void ResolvePiles();
    void ReadMargins(ByteWordReader& words);
};
