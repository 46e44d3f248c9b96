// SPDX-License-Identifier: GPL-3.0-or-later
// The quick save of the running game: the score state and the cards of every
// pile. Loading rebuilds the game from its definition and replaces the dealt
// cards by the saved ones; the pile settings always come from the definition.
#include "rules/KartenTisch.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <unordered_map>

QuickSaveFile KartenTisch::ToQuickSave() const {
    QuickSaveFile save;
    save.undoCount = undoCount;
    save.goalBonus = goalBonus;
    save.timeScore = timeScore;
    save.failedDoubleClicks = failedDoubleClicks;
    save.gameTime = gameTime;
    for (const KartenStapel* pile : piles) {
        SavedPile saved;
        saved.id = pile->pileId;
        saved.closed = true;
        saved.holenCount = pile->holenCount;
        for (const Card* card : pile->visibleCards)
            saved.cards.push_back({card->suit, card->rank, false});
        for (const Card* card : pile->faceDownCards)
            saved.cards.push_back({card->suit, card->rank, true});
        save.piles.push_back(std::move(saved));
    }
    return save;
}

bool KartenTisch::WriteQuickSave(const std::string& path) const {
    // The category and game folders are made first; that they may exist already
    // is no failure.
    std::error_code ignored;
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
    return ToQuickSave().WriteFile(path);
}

namespace {

// How often each card (suit × 13 + rank) occurs; cards outside the four suits
// and thirteen ranks are counted apart, so they never match a deck.
std::vector<int> CardCensus() {
    return std::vector<int>(4 * 13 + 1, 0);
}
void CountCard(std::vector<int>& census, int suit, int rank) {
    const bool known = suit >= Suit::KREUZ && suit <= Suit::HERZ && rank >= Rank::ASS &&
                       rank <= Rank::KÖNIG;
    ++census[known ? static_cast<size_t>(suit * 13 + rank) : census.size() - 1];
}

} // namespace

bool KartenTisch::QuickSaveMatchesDeck(const QuickSaveFile& save,
                                       std::string_view definitionBytes) const {
    // The deck depends on the definition alone, not on the shuffle. A definition that
    // deals only part of its deck plays with that many cards, whichever the shuffle chose:
    // the save may hold no card more often than the deck has it, and exactly as many
    // cards as the deal lays out.
    KartenTisch dealt;
    dealt.settings = settings;
    dealt.LoadGameDefinition(definitionBytes, 0);
    std::vector<int> deckCards = CardCensus(), savedCards = CardCensus();
    for (const Card* card : dealt.deck)
        CountCard(deckCards, card->suit, card->rank);
    size_t savedCount = 0, dealtCount = 0;
    for (const SavedPile& saved : save.piles) {
        for (const SavedCard& card : saved.cards)
            CountCard(savedCards, card.suit, card.rank);
        savedCount += saved.cards.size();
    }
    for (const KartenStapel* pile : dealt.piles)
        dealtCount += static_cast<size_t>(pile->TotalCount());
    for (size_t i = 0; i < deckCards.size(); ++i)
        if (savedCards[i] > deckCards[i]) return false;
    return savedCount == dealtCount;
}

bool KartenTisch::ReadQuickSave(const QuickSaveFile& save, std::string_view definitionBytes,
                                uint32_t seed) {
    if (!QuickSaveMatchesDeck(save, definitionBytes)) return false;
    LoadPosition(save, definitionBytes, seed);
    return true;
}

void KartenTisch::LoadPosition(const QuickSaveFile& save, std::string_view definitionBytes,
                               uint32_t seed) {
    LoadGameDefinition(definitionBytes, seed);
    undoHistory.clear();
    undoIndex = -1;
    for (KartenStapel* pile : piles) {
        pile->visibleCards.Clear();
        pile->faceDownCards.Clear();
        pile->hoveredCard = nullptr;
    }
    deck.Clear();

    undoCount = save.undoCount;
    goalBonus = save.goalBonus;
    timeScore = save.timeScore;
    failedDoubleClicks = save.failedDoubleClicks;
    gameTime = save.gameTime;

    // Several piles may share an id; the save lists them in pile order, so the
    // n-th block of an id goes back to the n-th pile of that id (further blocks
    // of the id to its first pile).
    std::unordered_map<int, size_t> blocksOfId;
    for (const SavedPile& saved : save.piles) {
        std::vector<Card*> visible, faceDown;
        for (const SavedCard& savedCard : saved.cards) {
            // Suit and rank index card images and rule tables: others are dropped.
            if (savedCard.suit < Suit::KREUZ || savedCard.suit > Suit::HERZ ||
                savedCard.rank < Rank::ASS || savedCard.rank > Rank::KÖNIG)
                continue;
            auto card = std::make_unique<Card>(savedCard.rank, savedCard.suit);
            card->jitter.x = static_cast<float>(random.Below(10) - 5);
            card->jitter.y = static_cast<float>(random.Below(10) - 5);
            card->size = cardSize;
            card->position.x = static_cast<float>(random.Below(settings.screenWidth));
            card->position.y = static_cast<float>(random.Below(settings.screenHeight));
            card->target = card->position;
            card->speed = settings.pileSpeed;
            (savedCard.faceDown ? faceDown : visible).push_back(card.get());
            deck.Append(card.release());
        }
        // A block that never ended, or whose id no pile has, leaves its cards in
        // the deck but on no pile.
        if (!saved.closed) continue;
        std::vector<KartenStapel*> receivers = PilesWithId(saved.id);
        if (receivers.empty()) continue;
        const size_t nth = blocksOfId[saved.id]++;
        KartenStapel* pile = nth < receivers.size() ? receivers[nth] : receivers.front();
        pile->holenCount = std::max(0, saved.holenCount);
        for (Card* card : visible)
            pile->visibleCards.Append(card);
        for (Card* card : faceDown)
            pile->faceDownCards.Append(card);
        pile->LayoutFaceDown();
        pile->LayoutVisible();
    }
    PushUndoSnapshot(); // the loaded table is the only undo state
}

int32_t KartenTisch::ReadQuickSave(const std::string& path, std::string_view definitionBytes,
                                   uint32_t seed) {
    QuickSaveFile save;
    if (!save.ReadFile(path)) return ResultFail;
    return ReadQuickSave(save, definitionBytes, seed) ? ResultOk : ResultFail;
}
