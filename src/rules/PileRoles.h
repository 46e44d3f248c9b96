// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which piles of a table play the same role, so that a search may treat two
// tables that differ only by swapping the contents of such piles as one: the
// piles have equal rule values, and swapping their ids in every id list of the
// game leaves the game as it was. Piles whose order matters to another pile
// (the targets of a stock, of a fetch or of an automatic fill) are never
// swapped, nor piles that share an id with another.
#include <cstddef>
#include <vector>

class KartenTisch;

class PileRoles {
public:
    explicit PileRoles(const KartenTisch& table);

    // The role class of the pile at an index of the table's pile list; piles
    // that play a role of their own have a class of their own.
    int ClassOf(int pileIndex) const { return classOf[static_cast<size_t>(pileIndex)]; }
    int PileCount() const { return static_cast<int>(classOf.size()); }
    // The pile indices of every class with more than one pile, in pile order.
    const std::vector<std::vector<int>>& SharedClasses() const { return shared; }

private:
    std::vector<int> classOf;
    std::vector<std::vector<int>> shared;
};
