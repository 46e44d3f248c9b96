// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's ordered list of element pointers. Owning lists delete their
// elements on removal and on clear; non-owning lists only forget them.
// Single-threaded by design, so it carries no lock.
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

template <typename T, bool Owning = false> class PtrList {
public:
    PtrList() = default;
    PtrList(const PtrList&) = delete;
    PtrList& operator=(const PtrList&) = delete;
    PtrList(PtrList&& other) noexcept : items(std::move(other.items)) { other.items.clear(); }
    PtrList& operator=(PtrList&& other) noexcept {
        if (this != &other) {
            Clear();
            items = std::move(other.items);
            other.items.clear();
        }
        return *this;
    }
    ~PtrList() { Clear(); }

    int Count() const { return static_cast<int>(items.size()); }
    bool Empty() const { return items.empty(); }

    // The element at an index outside 0 … Count()-1 is null.
    T* Get(int index) const {
        if (index < 0 || index >= Count()) return nullptr;
        return items[static_cast<size_t>(index)];
    }
    T* operator[](int index) const { return Get(index); }
    T* Last() const { return items.empty() ? nullptr : items.back(); }

    // A negative position or one at/after the count appends; otherwise the
    // element goes before the element at that position. With refuseDuplicate
    // a pointer already in the list is not inserted again (returns false).
    bool Insert(T* item, int position = -1, bool refuseDuplicate = false) {
        if (refuseDuplicate && Contains(item)) return false;
        if (position < 0 || position >= Count())
            items.push_back(item);
        else
            items.insert(items.begin() + position, item);
        return true;
    }
    void Append(T* item) { items.push_back(item); }

    // Removes the element at a position; deletes it only when the list owns it
    // and deleteElement is set. Returns the pointer when it was only unlinked.
    T* RemoveAt(int position, bool deleteElement = Owning) {
        if (position < 0 || position >= Count()) return nullptr;
        T* item = items[static_cast<size_t>(position)];
        items.erase(items.begin() + position);
        if (deleteElement && Owning) {
            delete item;
            return nullptr;
        }
        return item;
    }
    bool Remove(T* item, bool deleteElement = Owning) {
        int index = IndexOf(item);
        if (index < 0) return false;
        RemoveAt(index, deleteElement);
        return true;
    }

    int IndexOf(const T* item) const {
        auto it = std::find(items.begin(), items.end(), item);
        return it == items.end() ? -1 : static_cast<int>(it - items.begin());
    }
    bool Contains(const T* item) const { return IndexOf(item) >= 0; }

    void Clear() {
        if constexpr (Owning)
            for (T* item : items)
                delete item;
        items.clear();
    }

    // Hands every element to the caller and leaves the list empty (nothing is deleted).
    std::vector<T*> ReleaseAll() { return std::exchange(items, {}); }

    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }
    const std::vector<T*>& Items() const { return items; }

private:
    std::vector<T*> items;
};

// Lists of plain integers (goal ids, source and target ids) are std::vector<int>;
// ContainsValue is their contains-value operation.
inline bool ContainsValue(const std::vector<int>& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}
