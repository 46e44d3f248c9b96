// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/GameLint.h"

#include <algorithm>
#include <map>
#include <optional>

#include "rules/ByteWordReader.h"
#include "rules/CharacterFigures.h"
#include "rules/KartenTisch.h"
#include "rules/KeywordTables.h"
#include "rules/PileReach.h"

namespace {

enum class ValueKind { Int, Flag, FloatPair, FloatQuad, SuitA, SuitB, RankA, RankB, Kova, Kola };

struct KeyInfo {
    std::string_view key;
    ValueKind kind;
};

constexpr KeyInfo kPileKeys[] = {
    {"ID:", ValueKind::Int},
    {"POSITION:", ValueKind::FloatPair},
    {"SICHTBAREKARTEN_VERSCH:", ValueKind::FloatPair},
    {"VERDECKTEKARTEN_VERSCH:", ValueKind::FloatPair},
    {"AF:", ValueKind::SuitA},
    {"AF_MOVE:", ValueKind::SuitA},
    {"AW:", ValueKind::RankA},
    {"AW_MOVE:", ValueKind::RankA},
    {"AFLS:", ValueKind::SuitB},
    {"AWLS:", ValueKind::RankB},
    {"WRAPING:", ValueKind::Flag},
    {"CHECK_MOVE_STAPEL:", ValueKind::Flag},
    {"VERSCH_GR\xD6SSE:", ValueKind::Int},
    {"MAX_GR\xD6SSE_SICHTBAR:", ValueKind::Int},
    {"MAX_GR\xD6SSE_VERDECKT:", ValueKind::Int},
    {"MOVE_STAPEL:", ValueKind::Flag},
    {"LEER_ACCEPTS_KARTEN:", ValueKind::Flag},
    {"VERDECKT_ACCEPTS_KARTEN:", ValueKind::Flag},
    {"LEER_ACCEPTS_ONLY_VERKN:", ValueKind::Flag},
    {"ANZ_VERKN_LEER:", ValueKind::Flag},
    {"AKTIV_IF_VERKN_LEER:", ValueKind::Flag},
    {"AUTO_FILL_VERKN:", ValueKind::Flag},
    {"KOVA:", ValueKind::Kova},
    {"KOLA:", ValueKind::Kola},
    {"ANZ_AUFDECKEN:", ValueKind::Int},
    {"INIT_AF:", ValueKind::SuitA},
    {"INIT_AW:", ValueKind::RankA},
    {"INIT_ANZ_SICHTBAR:", ValueKind::Int},
    {"INIT_ANZ_VERDECKT:", ValueKind::Int},
    {"INIT_K\xD6NIGE_UNTEN:", ValueKind::Flag},
    {"MAX_HOLEN:", ValueKind::Int},
    {"KOVA_NICHT_WENN_LEER:", ValueKind::Flag},
    {"VERSCH_NUR_OBERSTE:", ValueKind::Int},
};

constexpr KeyInfo kTopKeys[] = {
    {"SPIEL_ANZ_KARTEN:", ValueKind::Int},
    {"SPIEL_AF:", ValueKind::SuitA},
    {"SPIEL_AW:", ValueKind::RankA},
    {"SPIEL_KARTEN_GR\xD6SSE:", ValueKind::FloatPair},
    {"SPIEL_TISCHRAND:", ValueKind::FloatQuad},
};

struct IdGroup {
    std::string_view open;
    std::string_view close;
    const char* role; // how the message names an id of the group
};

constexpr IdGroup kPileGroups[] = {
    {"VERK_STAPEL_START", "VERK_STAPEL_ENDE", "linked pile"},
    {"ZIELSTAPEL_START", "ZIELSTAPEL_ENDE", "target pile"},
    {"QUELLSTAPEL_START", "QUELLSTAPEL_ENDE", "source pile"},
    {"LEER_VERDOPPELN_START", "LEER_VERDOPPELN_ENDE", "doubling pile"},
};

template <size_t N> const KeyInfo* FindKey(const KeyInfo (&keys)[N], std::string_view word) {
    for (const KeyInfo& info : keys)
        if (info.key == word) return &info;
    return nullptr;
}

// Rule words are Latin-1; messages are printed as UTF-8.
std::string Printable(std::string_view latin1) {
    std::string out;
    for (char c : latin1) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

// Keys are upper-case words that end in a colon, "_START" or "_ENDE"; a title
// such as "Kleine Leiter:" or a number such as "1:" is a comment.
bool LooksLikeKey(std::string_view word) {
    if (!ByteWordReader::IsStructural(word)) return false;
    bool letters = false;
    for (char c : word) {
        unsigned char byte = static_cast<unsigned char>(c);
        bool upper = (c >= 'A' && c <= 'Z') || byte == 0xC4 || byte == 0xD6 || byte == 0xDC;
        letters = letters || upper;
        if (!upper && !(c >= '0' && c <= '9') && c != '_' && c != ':' && c != '/') return false;
    }
    return letters; // "1:" in "Column 1: ..." is a comment too
}

std::string Quoted(std::string_view word) {
    return "\"" + Printable(word) + "\"";
}

struct IdReference {
    int id = 0;
    size_t offset = 0;
    const char* role = "";
};

struct PileRecord {
    size_t offset = 0; // of its STAPEL_START
    bool hasId = false;
};

class Walker {
public:
    explicit Walker(std::string_view text) : text(text), words(text) {}

    void Run() {
        while (auto word = words.Next()) {
            if (*word == "STAPEL_START") {
                PileBlock(Offset(*word));
            } else if (*word == "SPIEL_ZIEL_START") {
                GoalGroup(Offset(*word));
            } else if (*word == "SPIEL_FARBEN_START") {
                SuitGroup(Offset(*word));
            } else if (const KeyInfo* key = FindKey(kTopKeys, *word)) {
                Value(*key, *word);
            } else if (FindKey(kPileKeys, *word)) {
                Report(*word, "key " + Quoted(*word) + " stands outside a pile block");
            } else {
                CheckUnknown(*word, false);
            }
        }
    }

    std::vector<LintProblem> problems;
    std::vector<IdReference> references;
    std::vector<PileRecord> piles;

    LintProblem At(size_t offset, std::string message) const {
        LintProblem problem;
        problem.line = 1;
        problem.column = 1;
        for (size_t i = 0; i < offset && i < text.size(); ++i) {
            if (text[i] == '\n') {
                ++problem.line;
                problem.column = 1;
            } else if (text[i] != '\r') {
                ++problem.column;
            }
        }
        problem.message = std::move(message);
        return problem;
    }

private:
    size_t Offset(std::string_view word) const {
        return static_cast<size_t>(word.data() - text.data());
    }
    void Report(std::string_view word, std::string message) {
        problems.push_back(At(Offset(word), std::move(message)));
    }

    // A word the reader skips. Comments and titles may stand anywhere, so only
    // words that look like keys or group words are reported.
    void CheckUnknown(std::string_view word, bool inPile) {
        std::string withColon = std::string(word) + ":";
        if (FindKey(kPileKeys, withColon) || FindKey(kTopKeys, withColon)) {
            Report(word,
                   "unknown key " + Quoted(word) + " (did you mean " + Quoted(withColon) + "?)");
            return;
        }
        size_t colon = word.find(':');
        if (colon != std::string_view::npos && colon + 1 < word.size()) {
            std::string_view head = word.substr(0, colon + 1);
            if (FindKey(kPileKeys, head) || FindKey(kTopKeys, head)) {
                Report(word, "key and value run together in " + Quoted(word) +
                                 " (a blank must separate them)");
                return;
            }
        }
        if (LooksLikeKey(word))
            Report(word,
                   std::string("unknown key ") + Quoted(word) + (inPile ? " in a pile block" : ""));
    }

    std::optional<std::string_view> ValueWord(std::string_view key) {
        auto word = words.ReadValueWord();
        if (!word) Report(key, Quoted(key) + " has no value");
        return word;
    }

    void Number(std::string_view key) {
        auto word = ValueWord(key);
        if (word && !ByteWordReader::LeadingInt(*word))
            Report(*word, Quoted(*word) + " after " + Quoted(key) + " is not a number");
    }

    void Value(const KeyInfo& info, std::string_view key) {
        switch (info.kind) {
        case ValueKind::Int:
            Number(key);
            return;
        case ValueKind::Flag: {
            auto word = ValueWord(key);
            if (word && *word != "0" && *word != "1")
                Report(*word, Quoted(*word) + " after " + Quoted(key) + " is not 0 or 1");
            return;
        }
        case ValueKind::FloatPair:
        case ValueKind::FloatQuad:
            for (int i = 0; i < (info.kind == ValueKind::FloatPair ? 2 : 4); ++i) {
                auto word = ValueWord(key);
                if (!word) return;
                auto value = ByteWordReader::LeadingFloat(*word);
                if (!value) {
                    Report(*word, Quoted(*word) + " after " + Quoted(key) + " is not a number");
                    return;
                }
                // Table margins beyond half the layout leave the fans no room.
                if (info.kind == ValueKind::FloatQuad && (*value < 0.0f || *value > 384.0f))
                    Report(*word, "margin " + Quoted(*word) + " after " + Quoted(key) +
                                      " is outside 0 to 384; it is clamped");
            }
            return;
        default:
            break;
        }
        auto word = ValueWord(key);
        if (!word) return;
        int (*lookup)(std::string_view) = nullptr;
        int nothing = 0;
        switch (info.kind) {
        case ValueKind::SuitA:
            lookup = LookupSuitA, nothing = SuitA::NICHTS;
            break;
        case ValueKind::SuitB:
            lookup = LookupSuitB, nothing = SuitB::NICHTS;
            break;
        case ValueKind::RankA:
            lookup = LookupRankA, nothing = RankA::NICHTS;
            break;
        case ValueKind::RankB:
            lookup = LookupRankB, nothing = RankB::NICHTS;
            break;
        case ValueKind::Kova:
            lookup = LookupKova, nothing = Kova::NICHTS;
            break;
        case ValueKind::Kola:
            lookup = LookupKola, nothing = Kola::NICHTS;
            break;
        default:
            return;
        }
        if (lookup(*word) == nothing && *word != "NICHTS")
            Report(*word, "rule word " + Quoted(*word) + " after " + Quoted(key) +
                              " is in no table of that key; it counts as NICHTS");
    }

    // open is the opening word as it stands in the text, for its position.
    void IdList(std::string_view open, std::string_view close, const char* role) {
        while (auto word = words.Next()) {
            if (*word == close) return;
            auto id = ByteWordReader::LeadingInt(*word);
            if (!id) {
                Report(*word, Quoted(*word) + " in the " + Printable(open) +
                                  " group is no id; it counts as 0");
            }
            references.push_back({id.value_or(0), Offset(*word), role});
        }
        Report(open, Quoted(open) + " is never closed by " + Quoted(close));
    }

    void GoalGroup(size_t openOffset) {
        while (auto word = words.Next()) {
            if (*word == "SPIEL_ZIEL_ENDE") return;
            if (*word == "ZIELSTAPEL_START") IdList(*word, "ZIELSTAPEL_ENDE", "goal pile");
        }
        problems.push_back(At(openOffset, "\"SPIEL_ZIEL_START\" is never closed by "
                                          "\"SPIEL_ZIEL_ENDE\""));
    }

    // The deck's suits: suit words only, at least one.
    void SuitGroup(size_t openOffset) {
        int suits = 0;
        while (auto word = words.Next()) {
            if (*word == "SPIEL_FARBEN_ENDE") {
                if (suits == 0)
                    problems.push_back(At(openOffset, "\"SPIEL_FARBEN_START\" names no suit; "
                                                      "\"SPIEL_AF:\" decides the deck"));
                return;
            }
            int suit = LookupSuitA(*word);
            if (suit >= Suit::KREUZ && suit <= Suit::HERZ)
                ++suits;
            else
                Report(*word, Quoted(*word) + " in the SPIEL_FARBEN group is no suit "
                                              "(KREUZ, KARO, PIK, HERZ)");
        }
        problems.push_back(At(openOffset, "\"SPIEL_FARBEN_START\" is never closed by "
                                          "\"SPIEL_FARBEN_ENDE\""));
    }

    void PileBlock(size_t openOffset) {
        PileRecord pile;
        pile.offset = openOffset;
        while (auto word = words.Next()) {
            if (*word == "STAPEL_ENDE") {
                Finish(pile);
                return;
            }
            if (*word == "ID:") pile.hasId = true;
            if (const KeyInfo* key = FindKey(kPileKeys, *word)) {
                Value(*key, *word);
                continue;
            }
            bool group = false;
            for (const IdGroup& g : kPileGroups) {
                if (*word == g.open) {
                    IdList(*word, g.close, g.role);
                    group = true;
                }
            }
            if (group) continue;
            if (*word == "STAPEL_START" || *word == "SPIEL_ZIEL_START" ||
                *word == "SPIEL_FARBEN_START" ||
                FindKey(kTopKeys, *word)) {
                Report(*word, Quoted(*word) + " inside a pile block: is \"STAPEL_ENDE\" missing?");
                continue;
            }
            CheckUnknown(*word, true);
        }
        problems.push_back(At(openOffset, "\"STAPEL_START\" is never closed by \"STAPEL_ENDE\""));
        Finish(pile);
    }

    void Finish(const PileRecord& pile) {
        if (!pile.hasId) problems.push_back(At(pile.offset, "pile block without \"ID:\""));
        piles.push_back(pile);
    }

    std::string_view text;
    ByteWordReader words;
};

// Can cards go from one pile to the other by a drag?
bool CanDrag(const KartenStapel& from, const KartenStapel& to) {
    return ContainsValue(from.targetIds, to.pileId) && ContainsValue(to.sourceIds, from.pileId);
}

// Does a click rule or the automatic fill of this pile move cards to or from
// other piles through its links?
bool MovesThroughLinks(const KartenStapel& pile) {
    bool acts =
        (pile.KOVA >= Kova::AUFDECKEN_VERKN_MULT && pile.KOVA <= Kova::AUFDECKEN_VERKN_1_U) ||
        (pile.KOLA >= Kola::HOLEN_VERKN_VERDECKT && pile.KOLA <= Kola::HOLEN_VERKN_ALLE) ||
        pile.KOLA == Kola::MISCHEN_VERKN ||
        pile.AUTO_FILL_VERKN;
    return acts;
}

bool LinkedToOther(const KartenStapel& pile, const KartenStapel& other) {
    return &pile != &other && pile.linkedPiles.Contains(&other);
}

} // namespace

std::vector<LintProblem> GameLint::Check(std::string_view fileBytes) {
    Walker walker(fileBytes);
    walker.Run();
    std::vector<LintProblem> problems = std::move(walker.problems);

    KartenTisch table;
    table.LoadGameDefinition(fileBytes, 1);

    for (const IdReference& reference : walker.references)
        if (table.PilesWithId(reference.id).empty())
            problems.push_back(walker.At(reference.offset, std::string(reference.role) + " id " +
                                                               std::to_string(reference.id) +
                                                               " names no pile"));

    const int pileCount = table.piles.Count();
    for (int i = 0; i < pileCount; ++i) {
        const KartenStapel& pile = *table.piles[i];
        bool connected = MovesThroughLinks(pile) &&
                         std::any_of(pile.linkedPiles.begin(), pile.linkedPiles.end(),
                                     [&](const KartenStapel* other) { return other != &pile; });
        for (const KartenStapel* other : table.piles) {
            if (connected) break;
            if (other == &pile) continue;
            connected = CanDrag(pile, *other) || CanDrag(*other, pile) ||
                        (MovesThroughLinks(*other) && LinkedToOther(*other, pile));
        }
        if (!connected) {
            std::string message = "pile " + std::to_string(pile.pileId) +
                                  ": no other pile can give cards to it or take cards from it";
            if (i < static_cast<int>(walker.piles.size()))
                problems.push_back(walker.At(walker.piles[static_cast<size_t>(i)].offset, message));
            else
                problems.push_back({0, 0, message});
        }
    }

    // Cards under a character's figure are hidden; the figures are drawn over the table.
    for (int i = 0; i < pileCount; ++i) {
        const KartenStapel& pile = *table.piles[i];
        const ReachRect reach =
            LargestReach(pile, LargestCapacity(pile, table.deck.Count()), table.settings);
        for (const FigureOutline& figure : CharacterFigures()) {
            if (!figure.Overlaps(reach.left, reach.top, reach.right, reach.bottom)) continue;
            auto number = [](float v) { return std::to_string(static_cast<int>(v)); };
            std::string message = "pile " + std::to_string(pile.pileId) + " can run under " +
                                  figure.name + " beside the table (its cards reach " +
                                  number(reach.left) + "," + number(reach.top) + " to " +
                                  number(reach.right) + "," + number(reach.bottom) + ")";
            if (i < static_cast<int>(walker.piles.size()))
                problems.push_back(walker.At(walker.piles[static_cast<size_t>(i)].offset, message));
            else
                problems.push_back({0, 0, message});
        }
    }

    if (table.deckSize <= 0)
        problems.push_back({0, 0, "the deck is empty (\"SPIEL_ANZ_KARTEN:\" missing or 0)"});
    else if (table.goalPileIds.empty())
        problems.push_back(
            {0, 0, "no goal piles (\"SPIEL_ZIEL_START\"): the game can never be won"});

    long long asked = 0;
    for (const KartenStapel* pile : table.piles)
        // Summed as 64-bit numbers: a file may ask for up to 2^31 - 1 cards per list.
        asked += static_cast<long long>(std::max(0, pile->INIT_ANZ_VERDECKT)) +
                 std::max(0, pile->INIT_ANZ_SICHTBAR);
    const int deckCards = table.deck.Count();
    if (asked > deckCards) {
        problems.push_back({0, 0,
                            "the deal asks for " + std::to_string(asked) +
                                " cards but the deck holds " + std::to_string(deckCards)});
    }

    // The real deal, under several shuffles: cards left in no pile, and piles
    // whose filters let them get fewer cards than they ask for.
    int leftMin = deckCards, leftMax = 0;
    std::vector<int> shortest(static_cast<size_t>(pileCount), -1);
    for (int seed = 1; seed <= kDealSeeds; ++seed) {
        KartenTisch dealt;
        dealt.LoadGameDefinition(fileBytes, static_cast<uint32_t>(seed));
        int onPiles = 0;
        for (int i = 0; i < dealt.piles.Count() && i < pileCount; ++i) {
            int got = dealt.piles[i]->TotalCount();
            onPiles += got;
            int& least = shortest[static_cast<size_t>(i)];
            least = least < 0 ? got : std::min(least, got);
        }
        int left = dealt.deck.Count() - onPiles;
        leftMin = std::min(leftMin, left);
        leftMax = std::max(leftMax, left);
    }
    if (leftMax > 0 && deckCards > 0) {
        std::string count = leftMin == leftMax
                                ? std::to_string(leftMax)
                                : std::to_string(leftMin) + " to " + std::to_string(leftMax);
        problems.push_back(
            {0, 0, "the deal leaves " + count + " cards in no pile: the game can never be won"});
    }
    if (asked <= deckCards) {
        for (int i = 0; i < pileCount; ++i) {
            const KartenStapel& pile = *table.piles[i];
            int wants = std::max(0, pile.INIT_ANZ_VERDECKT) + std::max(0, pile.INIT_ANZ_SICHTBAR);
            int got = shortest[static_cast<size_t>(i)];
            if (got >= 0 && got < wants) {
                std::string message = "pile " + std::to_string(pile.pileId) + " asks for " +
                                      std::to_string(wants) + " cards but may get only " +
                                      std::to_string(got) +
                                      " (its INIT_AF and INIT_AW admit too few of the cards left)";
                if (i < static_cast<int>(walker.piles.size()))
                    problems.push_back(
                        walker.At(walker.piles[static_cast<size_t>(i)].offset, message));
                else
                    problems.push_back({0, 0, message});
            }
        }
    }

    std::stable_sort(problems.begin(), problems.end(),
                     [](const LintProblem& a, const LintProblem& b) {
                         if (a.line == 0 || b.line == 0) return a.line != 0 && b.line == 0;
                         return a.line != b.line ? a.line < b.line : a.column < b.column;
                     });
    return problems;
}
