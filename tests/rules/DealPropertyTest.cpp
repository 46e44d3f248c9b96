// SPDX-License-Identifier: GPL-3.0-or-later
// Over many seeds and every game definition at hand: after the deal, and after
// a walk of random legal moves, every card lies in at most one list of one
// pile, the links agree with the lists, and no card is lost or doubled.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "RulesTestSupport.h"
#include "rules/RandomGenerator.h"

namespace {

namespace fs = std::filesystem;

// The sources of the real collection are UTF-8; the build turns them into
// Latin-1. A file that is valid UTF-8 with multi-byte characters is converted
// here the same way; the Latin-1 test fixtures are left as they are.
std::string AsLatin1(const std::string& bytes) {
    std::string out;
    bool multiByte = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if ((c & 0xE0) == 0xC0 && i + 1 < bytes.size() &&
                   (static_cast<unsigned char>(bytes[i + 1]) & 0xC0) == 0x80) {
            out += static_cast<char>(((c & 0x1F) << 6) | (bytes[i + 1] & 0x3F));
            ++i;
            multiByte = true;
        } else {
            return bytes; // not UTF-8: already Latin-1
        }
    }
    return multiByte ? out : bytes;
}

std::vector<fs::path> GameFiles() {
    std::vector<fs::path> files;
    for (const char* dir : {"/tests/fixtures", "/content/games"}) {
        fs::path root = fs::path(KH_SOURCE_DIR) / fs::path(dir).relative_path();
        if (!fs::exists(root)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.is_regular_file() && entry.path().extension() == ".game")
                files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Returns the first broken invariant, or an empty text.
std::string CheckTable(KartenTisch& table) {
    std::map<const Card*, int> places;
    for (Card* c : table.deck)
        places[c] = 0;
    if (static_cast<int>(places.size()) != table.deck.Count()) return "deck holds a card twice";
    if (table.deck.Count() != table.deckSize) return "deck size differs from deckSize";
    table.UpdatePiles(0.0); // refreshes faceDown
    for (KartenStapel* pile : table.piles) {
        for (const PtrList<Card>* list : {&pile->visibleCards, &pile->faceDownCards}) {
            for (int i = 0; i < list->Count(); ++i) {
                Card* c = (*list)[i];
                auto it = places.find(c);
                if (it == places.end()) return "a pile holds a card that is not in the deck";
                if (++it->second > 1) return "a card lies in two lists";
                if (c->owner != pile) return "owner does not match the list";
                if (c->cardAbove != list->Get(i + 1)) return "cardAbove does not match";
                if (c->cardBelow != list->Get(i - 1)) return "cardBelow does not match";
                if (c->faceDown != (list == &pile->faceDownCards)) return "faceDown does not match";
            }
        }
    }
    for (auto [card, count] : places)
        if (count == 0 && card->owner != nullptr)
            return "a card names an owner that does not hold it";
    return {};
}

// One random legal drag or click, as the card scene would make it, then a frame.
bool RandomMove(KartenTisch& table, RandomGenerator& rng) {
    int pileCount = table.piles.Count();
    if (pileCount == 0) return false;
    table.UpdatePiles(0.02);
    KartenStapel* source = table.piles[rng.Below(pileCount)];
    if (rng.Below(6) == 0) {
        // A click: on the face-down cards of a pile without visible cards, or on its empty place.
        if (source->VisibleCount() == 0 && source->FaceDownCount() > 0)
            return source->UncoverByRule();
        if (source->VisibleCount() == 0) return source->FetchFromLinked();
        return false;
    }
    if (source->VisibleCount() == 0) return false;
    Card* card = source->visibleCards[rng.Below(source->VisibleCount())];
    if (!source->CanGiveCard(card)) return false;
    KartenStapel* target = table.piles[rng.Below(pileCount)];
    if (target == source || !target->CanGiveCard(card)) return false;
    if (!target->AcceptsCards(card, source->MoveCountFor(card))) return false;
    target->AddVisible(card, -1, true, source->MoveDepth());
    return true;
}

} // namespace

TEST(DealProperty, EveryCardInAtMostOneListWithConsistentLinks) {
    std::vector<fs::path> files = GameFiles();
    ASSERT_GE(files.size(), 5u);
    RandomGenerator walk(2024);
    int moves = 0;
    for (const fs::path& file : files) {
        const std::string bytes = AsLatin1(Read(file));
        for (uint32_t seed = 0; seed < 40; ++seed) {
            KartenTisch table;
            table.LoadGameDefinition(std::string_view(bytes), seed * 2654435761u);
            std::string fault = CheckTable(table);
            ASSERT_EQ(fault, "") << file << " seed " << seed << " after the deal";
            if (seed % 8 != 0) continue;
            for (int step = 0; step < 2000; ++step)
                moves += RandomMove(table, walk);
            fault = CheckTable(table);
            ASSERT_EQ(fault, "") << file << " seed " << seed << " after random moves";
        }
    }
    EXPECT_GT(moves, 100); // the walk really moved cards
}
