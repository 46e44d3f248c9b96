// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bookkeeping of choosing a catalog entry (LoadCardSet, SelectBackground):
// which entry is now the loaded one, and whether anything has to be loaded.
// The texture work is the caller's.
#include "data/PtrList.h"

class CatalogSelection {
public:
    // Resolves the requested index: an index outside a non-empty catalog (a
    // stale setting after an add-on catalog was removed) falls back to 0; with
    // an empty catalog the index is kept and the entry is null. Returns false
    // when the resolved index is already `currentIndex` (nothing to do);
    // otherwise stores the index and entry and returns true, and the caller
    // replaces the texture with the one named by `current` (when not null).
    template <typename List, typename EntryPointer>
    static bool Select(int requested, const List& catalog, int& currentIndex,
                       EntryPointer& current) {
        int index = Resolve(requested, catalog.Count());
        if (index == currentIndex) return false;
        currentIndex = index;
        current = catalog.Get(index);
        return true;
    }

    static int Resolve(int requested, int count) {
        if (count > 0 && (requested < 0 || requested >= count)) return 0;
        return requested;
    }
};
