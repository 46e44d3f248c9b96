// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/QuickSaveFile.h"

#include "data/PlayerFile.h"
#include "data/RegularFile.h"
#include "data/TextEncoding.h"
#include "data/TextFileLimits.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <optional>
#include <sstream>
#include <utility>

namespace {

// Reads white-space separated words, keeping at most kMaxWordLength characters of
// each, so a file without white space cannot make one word grow without bound.
class SaveWordReader {
public:
    explicit SaveWordReader(std::istream& in) : in(in) {}

    std::optional<std::string> Next() {
        if (pending) return std::exchange(pending, std::nullopt);
        std::streambuf* buffer = in.rdbuf();
        if (!buffer) return std::nullopt;
        int c = buffer->sgetc();
        while (c != EOF && IsSpace(c))
            c = buffer->snextc();
        if (c == EOF) return std::nullopt;
        std::string word;
        while (c != EOF && !IsSpace(c)) {
            if (word.size() < QuickSaveFile::kMaxWordLength) word.push_back(static_cast<char>(c));
            c = buffer->snextc();
        }
        return word;
    }
    // Puts one word back; the next call to Next returns it again.
    void PutBack(std::string word) { pending = std::move(word); }

private:
    static bool IsSpace(int c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }
    std::istream& in;
    std::optional<std::string> pending;
};

std::optional<long long> WholeInteger(const std::string& word) {
    if (word.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    long long value = std::strtoll(word.c_str(), &end, 10);
    if (end == word.c_str() || *end != '\0' || errno == ERANGE) return std::nullopt;
    return value;
}

std::optional<double> WholeDouble(const std::string& word) {
    if (word.empty()) return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(word.c_str(), &end);
    if (end == word.c_str() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
    return value;
}

// The leading decimal number of a word, 0 when it has none (as atoi does, but
// clamped instead of overflowing).
int LeadingInteger(const std::string& word) {
    errno = 0;
    long long value = std::strtoll(word.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// Reads the value after a key. A word that is not a value is left for the caller,
// so a missing value does not swallow the key that follows it.
void ReadIntValue(SaveWordReader& words, int& field) {
    auto word = words.Next();
    if (!word) return;
    auto value = WholeInteger(*word);
    if (value && *value >= INT_MIN && *value <= INT_MAX)
        field = static_cast<int>(*value);
    else if (!value)
        words.PutBack(*word);
}

void ReadDoubleValue(SaveWordReader& words, double& field) {
    auto word = words.Next();
    if (!word) return;
    auto value = WholeDouble(*word);
    if (value)
        field = *value;
    else
        words.PutBack(*word);
}

void WriteCards(std::ostream& out, const SavedPile& pile, bool faceDown) {
    for (const SavedCard& card : pile.cards)
        if (card.faceDown == faceDown) out << "KARTE:\t" << card.suit << '\t' << card.rank << '\n';
}

} // namespace

int QuickSaveFile::CardCount() const {
    int count = 0;
    for (const SavedPile& pile : piles)
        count += static_cast<int>(pile.cards.size());
    return count;
}

void QuickSaveFile::Write(std::ostream& out) const {
    out << "UNDO_POINTS:\t" << undoCount << '\n';
    out << "PUNKTE:\t" << goalBonus << '\n';
    out << "PUNKTEBONUS:\t" << timeScore << '\n';
    out << "DBLFAILED:\t" << failedDoubleClicks << '\n';
    out << "ZEIT:\t" << gameTime << '\n';
    for (const SavedPile& pile : piles) {
        out << "STAPEL_START\n";
        out << "ID:\t" << pile.id << '\n';
        out << "SICHTBAR_START\n";
        WriteCards(out, pile, false);
        out << "SICHTBAR_ENDE\n";
        out << "VERDECKT_START\n";
        WriteCards(out, pile, true);
        out << "VERDECKT_ENDE\n";
        // Readers that do not know the key skip it with its value.
        if (pile.holenCount != 0) out << "HOLEN:\t" << pile.holenCount << '\n';
        out << "STAPEL_ENDE\n";
    }
}

std::string QuickSaveFile::ToText() const {
    std::ostringstream out;
    Write(out);
    return out.str();
}

bool QuickSaveFile::WriteFile(const std::string& path) const {
    return PlayerFile::WriteNow(path, ToText());
}

std::string QuickSaveFile::PathFor(const std::string& categoryFolder,
                                   const std::string& gameFolder) {
    return TextEncoding::WorkingFolderPath(categoryFolder + "\\" + gameFolder + "\\quick.sav");
}

void QuickSaveFile::Read(std::istream& in) {
    SaveWordReader words(in);
    int cardsKept = CardCount();
    auto readCards = [&](SavedPile& pile, const char* closing, bool faceDown) {
        while (auto word = words.Next()) {
            if (*word == closing) return;
            if (*word != "KARTE:") continue;
            auto suitWord = words.Next();
            auto rankWord = words.Next();
            if (!suitWord || !rankWord) return;
            SavedCard card{LeadingInteger(*suitWord), LeadingInteger(*rankWord), faceDown};
            if (card.suit < 0 || card.suit > 3 || card.rank < 0 || card.rank > 12) continue;
            if (cardsKept >= kMaxCards) continue;
            pile.cards.push_back(card);
            ++cardsKept;
        }
    };
    while (auto word = words.Next()) {
        if (*word == "UNDO_POINTS:") {
            ReadIntValue(words, undoCount);
        } else if (*word == "PUNKTE:") {
            ReadDoubleValue(words, goalBonus);
        } else if (*word == "PUNKTEBONUS:") {
            ReadDoubleValue(words, timeScore);
        } else if (*word == "DBLFAILED:") {
            ReadIntValue(words, failedDoubleClicks);
        } else if (*word == "ZEIT:") {
            ReadDoubleValue(words, gameTime);
        } else if (*word == "STAPEL_START") {
            SavedPile pile;
            while (auto inner = words.Next()) {
                if (*inner == "STAPEL_ENDE") {
                    pile.closed = true;
                    break;
                }
                if (*inner == "ID:") {
                    ReadIntValue(words, pile.id);
                } else if (*inner == "HOLEN:") {
                    ReadIntValue(words, pile.holenCount);
                } else if (*inner == "SICHTBAR_START") {
                    readCards(pile, "SICHTBAR_ENDE", false);
                } else if (*inner == "VERDECKT_START") {
                    readCards(pile, "VERDECKT_ENDE", true);
                }
            }
            if (static_cast<int>(piles.size()) < kMaxPiles)
                piles.push_back(std::move(pile));
            else
                cardsKept -= static_cast<int>(pile.cards.size());
        }
    }
}

bool QuickSaveFile::ReadFile(const std::string& path) {
    std::string bytes;
    if (RegularFile::Read(path, TextFileLimits::kQuickSaveBytes, bytes) != RegularFile::Status::ok)
        return false;
    std::istringstream in(std::move(bytes), std::ios::binary);
    Read(in);
    return true;
}
