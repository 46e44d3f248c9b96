// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/PileRoles.h"

#include <algorithm>
#include <numeric>

#include "rules/KartenTisch.h"

namespace {

bool SameRules(const KartenStapel& a, const KartenStapel& b) {
    return a.AF == b.AF && a.AFLS == b.AFLS && a.AF_MOVE == b.AF_MOVE && a.AW == b.AW &&
           a.AWLS == b.AWLS && a.AW_MOVE == b.AW_MOVE && a.ANZ_AUFDECKEN == b.ANZ_AUFDECKEN &&
           a.VERSCH_GRÖSSE == b.VERSCH_GRÖSSE && a.KOVA == b.KOVA && a.KOLA == b.KOLA &&
           a.MAX_GRÖSSE_SICHTBAR == b.MAX_GRÖSSE_SICHTBAR &&
           a.CHECK_MOVE_STAPEL == b.CHECK_MOVE_STAPEL &&
           a.LEER_ACCEPTS_KARTEN == b.LEER_ACCEPTS_KARTEN &&
           a.VERDECKT_ACCEPTS_KARTEN == b.VERDECKT_ACCEPTS_KARTEN &&
           a.LEER_ACCEPTS_ONLY_VERKN == b.LEER_ACCEPTS_ONLY_VERKN && a.WRAPING == b.WRAPING &&
           a.ANZ_VERKN_LEER == b.ANZ_VERKN_LEER && a.AUTO_FILL_VERKN == b.AUTO_FILL_VERKN &&
           a.AKTIV_IF_VERKN_LEER == b.AKTIV_IF_VERKN_LEER && a.isGoalPile == b.isGoalPile &&
           a.visibleOffset.x == b.visibleOffset.x && a.visibleOffset.y == b.visibleOffset.y;
}

// The ids of a list with a and b swapped, as a sorted set.
std::vector<int> SwappedSet(const std::vector<int>& ids, int a, int b) {
    std::vector<int> out;
    for (int id : ids)
        out.push_back(id == a ? b : id == b ? a : id);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::vector<int> SortedSet(const std::vector<int>& ids) {
    return SwappedSet(ids, 0, 0);
}

bool Lists(const std::vector<int>& ids, int a, int b) {
    return ContainsValue(ids, a) == ContainsValue(ids, b);
}

// Does the pile act on its linked piles in their order?
bool ActsInLinkOrder(const KartenStapel& pile) {
    bool kova = pile.KOVA >= Kova::AUFDECKEN_VERKN_MULT && pile.KOVA <= Kova::AUFDECKEN_VERKN_1_U;
    bool kola = pile.KOLA >= Kola::HOLEN_VERKN_VERDECKT && pile.KOLA <= Kola::HOLEN_VERKN_ALLE;
    return kova || kola || pile.AUTO_FILL_VERKN;
}

bool Swappable(const KartenTisch& table, int i, int j) {
    const KartenStapel& a = *table.piles[i];
    const KartenStapel& b = *table.piles[j];
    if (!SameRules(a, b) || ActsInLinkOrder(a)) return false;
    const int ida = a.pileId, idb = b.pileId;
    if (ida == idb) return false;
    if (SwappedSet(a.sourceIds, ida, idb) != SortedSet(b.sourceIds) ||
        SwappedSet(a.targetIds, ida, idb) != SortedSet(b.targetIds) ||
        SwappedSet(a.linkIds, ida, idb) != SortedSet(b.linkIds))
        return false;
    if (std::count(table.goalPileIds.begin(), table.goalPileIds.end(), ida) !=
        std::count(table.goalPileIds.begin(), table.goalPileIds.end(), idb))
        return false;
    for (const KartenStapel* other : table.piles) {
        if (other == &a || other == &b) continue;
        if (other->pileId == ida || other->pileId == idb) return false; // shared id
        if (!Lists(other->sourceIds, ida, idb) || !Lists(other->targetIds, ida, idb) ||
            !Lists(other->linkIds, ida, idb))
            return false;
        if (ActsInLinkOrder(*other) && (ContainsValue(other->linkIds, ida))) return false;
    }
    return true;
}

} // namespace

PileRoles::PileRoles(const KartenTisch& table) {
    const int n = table.piles.Count();
    classOf.resize(static_cast<size_t>(n));
    std::iota(classOf.begin(), classOf.end(), 0);
    for (int i = 0; i < n; ++i) {
        if (classOf[size_t(i)] != i) continue; // already joined an earlier pile's class
        for (int j = i + 1; j < n; ++j)
            if (classOf[size_t(j)] == j && Swappable(table, i, j)) classOf[size_t(j)] = i;
    }
    for (int i = 0; i < n; ++i) {
        std::vector<int> members;
        for (int j = 0; j < n; ++j)
            if (classOf[size_t(j)] == i) members.push_back(j);
        if (members.size() > 1) shared.push_back(std::move(members));
    }
}
