// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/KeywordTables.h"

#include <array>

namespace {

// The thirteen rank words, ASS first, in Latin-1.
constexpr std::array<std::string_view, 13> kRankWords = {
    "ASS",  "ZWEI", "DREI", "VIER", "F\xDCNF", "SECHS",    "SIEBEN",
    "ACHT", "NEUN", "ZEHN", "BUBE", "DAME",    "K\xD6NIG",
};

template <size_t N>
int Find(const std::array<std::string_view, N>& words, std::string_view word, int nothing) {
    for (size_t i = 0; i < N; ++i)
        if (words[i] == word) return static_cast<int>(i);
    return nothing;
}

int FindRankThen(std::string_view word, std::string_view const* extra, int extraCount,
                 int nothing) {
    for (int i = 0; i < 13; ++i)
        if (kRankWords[static_cast<size_t>(i)] == word) return i;
    for (int i = 0; i < extraCount; ++i)
        if (extra[i] == word) return 13 + i;
    return nothing;
}

} // namespace

int LookupSuitA(std::string_view word) {
    static constexpr std::array<std::string_view, 14> words = {
        "KREUZ",       "KARO",         "PIK",
        "HERZ",        "ROT",          "SCHWARZ",
        "ROT/SCHWARZ", "VORHERIGE",    "VORHERIGE_FARBE",
        "ALLE_SELBE",  "ALLE_WECHSEL", "ALLES",
        "NICHTS",      "ALLE_VORHERIGE"};
    return Find(words, word, SuitA::NICHTS);
}

int LookupSuitB(std::string_view word) {
    static constexpr std::array<std::string_view, 11> words = {
        "KREUZ",   "KARO",       "PIK",          "HERZ",  "ROT",
        "SCHWARZ", "ALLE_SELBE", "ALLE_WECHSEL", "ALLES", "NICHTS",
        "ALLE_VORHERIGE"};
    return Find(words, word, SuitB::NICHTS);
}

int LookupRankA(std::string_view word) {
    static constexpr std::string_view extra[] = {
        "ZAHLEN",     "FIGUREN",     "VORHERIGE",    "VORHERIGE_MINUS", "VORHERIGE_PLUS",
        "PLUS_MINUS", "STAPEL_PLUS", "STAPEL_MINUS", "ALLES",           "NICHTS"};
    return FindRankThen(word, extra, 10, RankA::NICHTS);
}

int LookupRankB(std::string_view word) {
    static constexpr std::string_view extra[] = {"ZAHLEN",       "FIGUREN", "STAPEL_PLUS",
                                                 "STAPEL_MINUS", "ALLES",   "NICHTS",
                                                 "BASIS"};
    return FindRankThen(word, extra, 7, RankB::NICHTS);
}

int LookupKova(std::string_view word) {
    static constexpr std::array<std::string_view, 6> words = {
        "AUFDECKEN",           "AUFDECKEN_VERKN_MULT",
        "AUFDECKEN_VERKN_1",   "AUFDECKEN_VERKN_MULT_U",
        "AUFDECKEN_VERKN_1_U", "NICHTS"};
    return Find(words, word, Kova::NICHTS);
}

int LookupKola(std::string_view word) {
    static constexpr std::array<std::string_view, 5> words = {
        "HOLEN_VERKN_VERDECKT", "HOLEN_VERKN_SICHTBAR", "HOLEN_VERKN_ALLE", "NICHTS",
        "MISCHEN_VERKN"};
    return Find(words, word, Kola::NICHTS);
}
