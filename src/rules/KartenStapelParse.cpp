// SPDX-License-Identifier: GPL-3.0-or-later
// Reading one pile block of a game definition file.
#include <string_view>

#include "rules/KartenStapel.h"
#include "rules/ByteWordReader.h"

namespace {

// No game needs more ids in one group; further ids are read but not kept, so a
// malformed file cannot grow a list without bound.
constexpr size_t kMaxIdsPerList = 1024;

// Reads the words of an id list up to its closing word (or the end of the words).
void ReadIdList(ByteWordReader& words, std::string_view closing, std::vector<int>& ids) {
    while (auto word = words.Next()) {
        if (*word == closing) return;
        if (ids.size() < kMaxIdsPerList) ids.push_back(ByteWordReader::IdValue(*word));
    }
}

// A pair of floats is applied only when both numbers read.
void ReadPair(ByteWordReader& words, Vec2& value) {
    auto x = words.ReadFloat();
    if (!x) return;
    auto y = words.ReadFloat();
    if (!y) return;
    value = {*x, *y};
}

void ReadInt(ByteWordReader& words, int& value) {
    if (auto v = words.ReadInt()) value = *v;
}

// A flag is an integer: 0 off, anything else on. A word that is no number
// leaves the flag as it was.
void ReadFlag(ByteWordReader& words, bool& value) {
    if (auto v = words.ReadInt()) value = *v != 0;
}

bool ReadWord(ByteWordReader& words, int (*lookup)(std::string_view), int& value) {
    auto word = words.ReadValueWord();
    if (!word) return false;
    value = lookup(*word);
    return true;
}

} // namespace

void KartenStapel::ParsePileBlock(ByteWordReader& words) {
    // Order rules within this block: "AF_MOVE:"/"AW_MOVE:" win over the copy
    // "AF:"/"AW:" make, and a "VERK_STAPEL_START" group replaces the ids "ID:" adds.
    bool sawAfMove = false;
    bool sawAwMove = false;
    bool sawLinkGroup = false;

    while (auto next = words.Next()) {
        std::string_view key = *next;
        if (key == "STAPEL_ENDE") return;
        if (key == "ID:") {
            if (auto id = words.ReadInt()) {
                pileId = *id;
                if (!sawLinkGroup && linkIds.size() < kMaxIdsPerList) linkIds.push_back(*id);
            }
        } else if (key == "VERK_STAPEL_START") {
            linkIds.clear();
            sawLinkGroup = true;
            ReadIdList(words, "VERK_STAPEL_ENDE", linkIds);
        } else if (key == "POSITION:") {
            ReadPair(words, position);
        } else if (key == "SICHTBAREKARTEN_VERSCH:") {
            ReadPair(words, visibleOffset);
            effectiveVisibleOffset = visibleOffset;
        } else if (key == "VERDECKTEKARTEN_VERSCH:") {
            ReadPair(words, faceDownOffset);
            effectiveFaceDownOffset = faceDownOffset;
        } else if (key == "AF:") {
            if (ReadWord(words, LookupSuitA, AF) && !sawAfMove) AF_MOVE = AF;
        } else if (key == "AF_MOVE:") {
            if (ReadWord(words, LookupSuitA, AF_MOVE)) sawAfMove = true;
        } else if (key == "AW:") {
            if (ReadWord(words, LookupRankA, AW) && !sawAwMove) AW_MOVE = AW;
        } else if (key == "AW_MOVE:") {
            if (ReadWord(words, LookupRankA, AW_MOVE)) sawAwMove = true;
        } else if (key == "AFLS:") {
            ReadWord(words, LookupSuitB, AFLS);
        } else if (key == "AWLS:") {
            ReadWord(words, LookupRankB, AWLS);
        } else if (key == "WRAPING:") {
            ReadFlag(words, WRAPING);
        } else if (key == "CHECK_MOVE_STAPEL:") {
            ReadFlag(words, CHECK_MOVE_STAPEL);
        } else if (key == "VERSCH_GR\xD6SSE:") {
            ReadInt(words, VERSCH_GRÖSSE);
        } else if (key == "MAX_GR\xD6SSE_SICHTBAR:") {
            ReadInt(words, MAX_GRÖSSE_SICHTBAR);
        } else if (key == "MAX_GR\xD6SSE_VERDECKT:") {
            ReadInt(words, MAX_GRÖSSE_VERDECKT);
        } else if (key == "MOVE_STAPEL:") {
            ReadFlag(words, MOVE_STAPEL);
        } else if (key == "LEER_ACCEPTS_KARTEN:") {
            ReadFlag(words, LEER_ACCEPTS_KARTEN);
        } else if (key == "VERDECKT_ACCEPTS_KARTEN:") {
            ReadFlag(words, VERDECKT_ACCEPTS_KARTEN);
        } else if (key == "LEER_ACCEPTS_ONLY_VERKN:") {
            ReadFlag(words, LEER_ACCEPTS_ONLY_VERKN);
        } else if (key == "ANZ_VERKN_LEER:") {
            ReadFlag(words, ANZ_VERKN_LEER);
        } else if (key == "AKTIV_IF_VERKN_LEER:") {
            ReadFlag(words, AKTIV_IF_VERKN_LEER);
        } else if (key == "AUTO_FILL_VERKN:") {
            ReadFlag(words, AUTO_FILL_VERKN);
        } else if (key == "KOVA:") {
            ReadWord(words, LookupKova, KOVA);
        } else if (key == "KOLA:") {
            ReadWord(words, LookupKola, KOLA);
        } else if (key == "ANZ_AUFDECKEN:") {
            ReadInt(words, ANZ_AUFDECKEN);
        } else if (key == "ZIELSTAPEL_START") {
            ReadIdList(words, "ZIELSTAPEL_ENDE", targetIds);
        } else if (key == "QUELLSTAPEL_START") {
            ReadIdList(words, "QUELLSTAPEL_ENDE", sourceIds);
        } else if (key == "LEER_VERDOPPELN_START") {
            ReadIdList(words, "LEER_VERDOPPELN_ENDE", doublingIds);
        } else if (key == "INIT_K\xD6NIGE_UNTEN:") {
            ReadFlag(words, INIT_KÖNIGE_UNTEN);
        } else if (key == "KOVA_NICHT_WENN_LEER:") {
            ReadFlag(words, KOVA_NICHT_WENN_LEER);
        } else if (key == "MAX_HOLEN:") {
            ReadInt(words, MAX_HOLEN);
        } else if (key == "VERSCH_NUR_OBERSTE:") {
            ReadInt(words, VERSCH_NUR_OBERSTE);
        } else if (key == "INIT_AF:") {
            ReadWord(words, LookupSuitA, INIT_AF);
        } else if (key == "INIT_AW:") {
            ReadWord(words, LookupRankA, INIT_AW);
        } else if (key == "INIT_ANZ_SICHTBAR:") {
            ReadInt(words, INIT_ANZ_SICHTBAR);
        } else if (key == "INIT_ANZ_VERDECKT:") {
            ReadInt(words, INIT_ANZ_VERDECKT);
        }
        // Any other word is skipped: comments and titles may stand between keys.
    }
}
