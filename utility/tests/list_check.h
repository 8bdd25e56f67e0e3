// Walks a list and checks every link invariant; returns the payload ints in order.
#ifndef QUILLON_TEST_LIST_CHECK_H
#define QUILLON_TEST_LIST_CHECK_H

#include <gtest/gtest.h>

#include <vector>

#include "quillon.h"

inline std::vector<int> checked_ints(Lnk_inf* head)
{
    std::vector<int> values;
    Lnk_inf* prev = head;
    for (Lnk_inf* node = head->nxt; node; node = node->nxt) {
        EXPECT_EQ(node->prv, prev) << "node " << values.size() << " has a wrong back link";
        values.push_back(*(int*)LNK_DAT(node));
        prev = node;
    }
    EXPECT_EQ(_lst_lnk_(head), head->nxt ? prev : nullptr);
    EXPECT_EQ(_cnt_lnk_(head), (int)values.size());
    return values;
}

#endif
