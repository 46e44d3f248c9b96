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
#include <string>
#include <string_view>

#include "rules/GameDefinition.h"
#include "rules/RandomGenerator.h"
#include "rules/TableSettings.h"

class WordReader;

class KartenTisch : public GameDefinition {
public:
    static constexpr int32_t ResultOk = 0;
    static constexpr int32_t ResultFail = static_cast<int32_t>(0x80004005u); // E_FAIL
    // Largest .game file read from disk or a stream.
    static constexpr size_t MaxDefinitionBytes = 4u << 20;

    KartenTisch() = default;
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
    // The piles whose pileId is id, in pile order.
    std::vector<KartenStapel*> PilesWithId(int id) const;
    // The index of a pile in piles, -1 if it is not one of them.
    int IndexOfPile(const KartenStapel* pile) const { return piles.IndexOf(pile); }

private:
    void Clear();
    void ParseTopLevel(WordReader& words);
    void ResolvePiles();
};
