// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/KartenTisch.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

#include "data/RegularFile.h"
#include "rules/ByteWordReader.h"

namespace {

// The deck filters: 0..12 one rank, ZAHLEN ASS..ZEHN, FIGUREN BUBE..KÖNIG,
// anything else every rank; 0..3 one suit, ROT, SCHWARZ, anything else every suit.
bool DeckAdmitsRank(int filter, int rank) {
    if (filter >= Rank::ASS && filter <= Rank::KÖNIG) return rank == filter;
    if (filter == RankA::ZAHLEN) return IsZahl(rank);
    if (filter == RankA::FIGUREN) return IsFigur(rank);
    return true;
}

bool AdmitsSuit(int filter, int suit) {
    if (filter >= Suit::KREUZ && filter <= Suit::HERZ) return suit == filter;
    if (filter == SuitA::ROT) return IsRedSuit(suit);
    if (filter == SuitA::SCHWARZ) return !IsRedSuit(suit);
    return true;
}

// The deal filter differs from the deck filter in one point: there ASS counts
// with the FIGUREN, not with the ZAHLEN.
bool DealAdmitsRank(int filter, int rank) {
    if (filter >= Rank::ASS && filter <= Rank::KÖNIG) return rank == filter;
    if (filter == RankA::ZAHLEN) return rank >= Rank::ZWEI && rank <= Rank::ZEHN;
    if (filter == RankA::FIGUREN) return rank == Rank::ASS || rank >= Rank::BUBE;
    return true;
}

constexpr float kMinCardExtent = 1.0f;
constexpr float kMaxCardExtent = 1024.0f;
constexpr float kMaxMargin = 384.0f;

} // namespace

void KartenTisch::Clear() {
    // Piles only point at cards, so the order of the two clears does not matter.
    piles.Clear();
    deck.Clear();
    goalPileIds.clear();
    // A file without the deck keys must not inherit the previous game's values.
    deckSize = 0;
    deckSuitFilter = SuitA::NICHTS;
    deckRankFilter = RankA::NICHTS;
    deckSuitSet = 0;
    cardSize = {88.0f, 128.0f};
    tableMargins = TableMargins{};
    forceWin = false;
}

void KartenTisch::LoadGameDefinition(std::string_view fileBytes, uint32_t seed) {
    Clear();
    ResetProgress();
    random.Seed(seed);
    ByteWordReader words(fileBytes);
    ParseTopLevel(words);
    ResolvePiles();
    BuildDeck(cardSize.x, cardSize.y);
    ShuffleDeck();
    DealInitialLayout();
    PushUndoSnapshot(); // the dealt table is the first undo state
}

int32_t KartenTisch::LoadGameDefinition(std::istream& stream, uint32_t seed) {
    if (!stream) return ResultFail;
    std::string bytes;
    char buffer[8192];
    while (stream.read(buffer, sizeof buffer) || stream.gcount() > 0) {
        bytes.append(buffer, static_cast<size_t>(stream.gcount()));
        if (bytes.size() > MaxDefinitionBytes) return ResultFail;
    }
    if (stream.bad()) return ResultFail;
    LoadGameDefinition(std::string_view(bytes), seed);
    return ResultOk;
}

int32_t KartenTisch::LoadGameDefinitionFile(const std::string& path, uint32_t seed) {
    std::string bytes;
    if (RegularFile::Read(path, MaxDefinitionBytes, bytes) != RegularFile::Status::ok)
        return ResultFail;
    LoadGameDefinition(std::string_view(bytes), seed);
    return ResultOk;
}

void KartenTisch::ParseTopLevel(ByteWordReader& words) {
    while (auto next = words.Next()) {
        std::string_view key = *next;
        if (key == "STAPEL_START") {
            auto pile = std::make_unique<KartenStapel>(Vec2{0.0f, 0.0f}, &settings);
            pile->ParsePileBlock(words);
            if (piles.Count() < MaxPiles) piles.Append(pile.release());
        } else if (key == "SPIEL_ANZ_KARTEN:") {
            if (auto count = words.ReadInt()) deckSize = std::clamp(*count, 0, MaxDeckSize);
        } else if (key == "SPIEL_AF:") {
            if (auto word = words.ReadValueWord()) deckSuitFilter = LookupSuitA(*word);
        } else if (key == "SPIEL_AW:") {
            if (auto word = words.ReadValueWord()) deckRankFilter = LookupRankA(*word);
        } else if (key == "SPIEL_KARTEN_GR\xD6SSE:") {
            auto width = words.ReadFloat();
            auto height = width ? words.ReadFloat() : std::nullopt;
            if (width && height)
                cardSize = {std::clamp(*width, kMinCardExtent, kMaxCardExtent),
                            std::clamp(*height, kMinCardExtent, kMaxCardExtent)};
        } else if (key == "SPIEL_FARBEN_START") {
            while (auto word = words.Next()) {
                if (*word == "SPIEL_FARBEN_ENDE") break;
                int suit = LookupSuitA(*word);
                if (suit >= Suit::KREUZ && suit <= Suit::HERZ) deckSuitSet |= 1u << suit;
            }
        } else if (key == "SPIEL_TISCHRAND:") {
            ReadMargins(words);
        } else if (key == "SPIEL_ZIEL_START") {
            while (auto word = words.Next()) {
                if (*word == "SPIEL_ZIEL_ENDE") break;
                if (*word != "ZIELSTAPEL_START") continue;
                while (auto id = words.Next()) {
                    if (*id == "ZIELSTAPEL_ENDE") break;
                    if (static_cast<int>(goalPileIds.size()) < MaxGoalIds)
                        goalPileIds.push_back(ByteWordReader::IdValue(*id));
                }
            }
        }
        // Every other word is skipped.
    }
}

// Four margins, left, top, right and bottom, applied only when all four read. Each is
// kept within half the layout space, so the squeeze always has room to work in.
void KartenTisch::ReadMargins(ByteWordReader& words) {
    float values[4];
    for (float& value : values) {
        auto read = words.ReadFloat();
        if (!read) return;
        value = std::clamp(*read, 0.0f, kMaxMargin);
    }
    tableMargins = {values[0], values[1], values[2], values[3]};
}

void KartenTisch::ResolvePiles() {
    for (KartenStapel* pile : piles) {
        pile->linkedPiles.Clear();
        for (KartenStapel* other : piles)
            if (ContainsValue(pile->linkIds, other->pileId)) pile->linkedPiles.Append(other);
        pile->allPiles = &piles;
        pile->app = &settings;
        pile->cardSize = cardSize;
        pile->tableMargins = tableMargins;
        pile->isGoalPile = ContainsValue(goalPileIds, pile->pileId);
    }
}

void KartenTisch::BuildDeck(float cardWidth, float cardHeight) {
    int count = 0;
    // Every filter admits at least one card per pass, so each pass adds cards.
    while (count < deckSize) {
        for (int rank = Rank::ASS; rank <= Rank::KÖNIG && count < deckSize; ++rank) {
            if (!DeckAdmitsRank(deckRankFilter, rank)) continue;
            for (int suit = Suit::KREUZ; suit <= Suit::HERZ && count < deckSize; ++suit) {
                if (deckSuitSet != 0 ? (deckSuitSet & (1u << suit)) == 0
                                     : !AdmitsSuit(deckSuitFilter, suit))
                    continue;
                auto card = std::make_unique<Card>(rank, suit);
                card->jitter.x = static_cast<float>(random.Below(10) - 5);
                card->jitter.y = static_cast<float>(random.Below(10) - 5);
                card->size = {cardWidth, cardHeight};
                card->position.x = static_cast<float>(random.Below(settings.screenWidth));
                card->position.y = static_cast<float>(random.Below(settings.screenHeight));
                card->target = card->position;
                card->speed = settings.pileSpeed;
                deck.Append(card.release());
                ++count;
            }
        }
    }
}

void KartenTisch::ShuffleDeck() {
    int n = deck.Count();
    if (n < 2) return;
    for (int step = 0; step < 2 * n; ++step) {
        Card* card = deck.RemoveAt(random.Below(deck.Count()), false);
        // Inserting before an index of the shorter list never reaches the last place.
        deck.Insert(card, random.Below(deck.Count()));
    }
}

void KartenTisch::DealInitialLayout() {
    std::vector<Card*> remaining(deck.begin(), deck.end());
    std::vector<Card*> candidates;
    auto takeOne = [&]() {
        size_t index = candidates.size() == 1
                           ? 0
                           : static_cast<size_t>(random.Below(static_cast<int>(candidates.size())));
        Card* card = candidates[index];
        candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(index));
        remaining.erase(std::find(remaining.begin(), remaining.end(), card));
        return card;
    };
    for (KartenStapel* pile : piles) {
        if (remaining.empty()) break;
        int faceUp = 0, faceDown = 0, suitFilter = 0, rankFilter = 0;
        pile->GetDealValues(faceUp, faceDown, suitFilter, rankFilter);
        // The candidates are chosen once, before the pile gets any card.
        candidates.clear();
        for (Card* card : remaining)
            if (AdmitsSuit(suitFilter, card->suit) && DealAdmitsRank(rankFilter, card->rank))
                candidates.push_back(card);
        for (int k = 0; k < faceDown && !candidates.empty(); ++k)
            pile->AddFaceDown(takeOne(), -1);
        std::vector<Card*> faceUpCards;
        for (int k = 0; k < faceUp && !candidates.empty(); ++k)
            faceUpCards.push_back(takeOne());
        // Baker's Dozen: the kings go under the other cards, keeping their order.
        if (pile->INIT_KÖNIGE_UNTEN)
            std::stable_partition(faceUpCards.begin(), faceUpCards.end(),
                                  [](const Card* c) { return c->rank == Rank::KÖNIG; });
        for (Card* card : faceUpCards)
            pile->AddVisible(card, -1, true, -1);
    }
}

bool KartenTisch::IsGameWon() const {
    if (forceWin) return true;
    // A game without cards has nothing to win; it must not count as won at once.
    if (deckSize == 0) return false;
    int sum = 0;
    for (int id : goalPileIds)
        for (KartenStapel* pile : piles)
            if (pile->pileId == id) sum += pile->TotalCount();
    return sum == deckSize;
}

void KartenTisch::UpdatePiles(double realFrameTime) {
    for (KartenStapel* pile : piles)
        pile->UpdatePile(realFrameTime);
}

bool KartenTisch::SettleFills(int maxRounds) {
    for (int round = 0; round < maxRounds; ++round) {
        bool moved = false;
        for (KartenStapel* pile : piles)
            moved = pile->FillLinkedPiles() || moved;
        if (!moved) return true;
    }
    return false;
}

std::vector<KartenStapel*> KartenTisch::PilesWithId(int id) const {
    std::vector<KartenStapel*> result;
    for (KartenStapel* pile : piles)
        if (pile->pileId == id) result.push_back(pile);
    return result;
}
