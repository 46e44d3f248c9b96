// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/PtrList.h"

#include <gtest/gtest.h>

namespace {
struct Counted {
    static inline int alive = 0;
    Counted() { ++alive; }
    ~Counted() { --alive; }
};
} // namespace

TEST(PtrList, IndexPastTheEndIsNullAndInsertPositions) {
    int a = 1, b = 2, c = 3;
    PtrList<int> list;
    EXPECT_EQ(list.Get(0), nullptr);
    list.Insert(&a);
    list.Insert(&c, 5); // at/after the count appends
    list.Insert(&b, 1); // before the element at position 1
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0], &a);
    EXPECT_EQ(list[1], &b);
    EXPECT_EQ(list[2], &c);
    EXPECT_EQ(list[3], nullptr);
    EXPECT_EQ(list[-1], nullptr);
    EXPECT_FALSE(list.Insert(&b, -1, true));
    EXPECT_EQ(list.Count(), 3);
}

TEST(PtrList, OwningListDeletesOnRemoveAndClearButNotOnUnlink) {
    {
        PtrList<Counted, true> list;
        auto* kept = new Counted;
        list.Insert(new Counted);
        list.Insert(kept);
        list.Insert(new Counted);
        EXPECT_EQ(Counted::alive, 3);
        list.RemoveAt(0);
        EXPECT_EQ(Counted::alive, 2);
        EXPECT_EQ(list.RemoveAt(0, false), kept); // only unlinked
        EXPECT_EQ(Counted::alive, 2);
        EXPECT_FALSE(list.Contains(kept));
        delete kept;
    }
    EXPECT_EQ(Counted::alive, 0);
}
