#include <gtest/gtest.h>

#include "alloc_hook.h"
#include "quillon.h"

namespace {

struct FailAfter {
    explicit FailAfter(int allocations) { quillon_allocs_before_failure = allocations; }
    ~FailAfter() { quillon_allocs_before_failure = -1; }
};

TEST(AllocationFailure, AppendLeavesTheListAsItWas)
{
    Lnk_inf head = {nullptr, nullptr};
    int one = 1;
    ASSERT_NE(_add_lnk_(&head, &one, sizeof one), nullptr);
    Lnk_inf* only = head.nxt;
    {
        FailAfter guard(0);
        EXPECT_EQ(_add_lnk_(&head, &one, sizeof one), nullptr);
    }
    EXPECT_EQ(head.nxt, only);
    EXPECT_EQ(only->nxt, nullptr);
    EXPECT_EQ(_cnt_lnk_(&head), 1);
    _del_all_(&head);
}

TEST(AllocationFailure, JoinFreesTheTextBuiltSoFar)
{
    char* joined = _add_str_(nullptr, "1,2");
    ASSERT_NE(joined, nullptr);
    FailAfter guard(0);
    // The sanitizer build would report the old block as leaked if it were kept.
    EXPECT_EQ(_add_str_(joined, ",3"), nullptr);
}

TEST(AllocationFailure, TokensMadeBeforeTheFailureAreFreed)
{
    for (int allowed = 0; allowed < 3; ++allowed) {
        Lnk_inf head = {nullptr, nullptr};
        int count = -1;
        FailAfter guard(allowed);
        EXPECT_EQ(_get_tkn_(&head, &count, "a,b,c,d", ","), 0) << allowed;
        EXPECT_EQ(count, 0);
        EXPECT_EQ(head.nxt, nullptr);
        EXPECT_EQ(head.prv, nullptr);
    }
    Lnk_inf head = {nullptr, nullptr};
    FailAfter guard(4);
    EXPECT_EQ(_get_tkn_(&head, nullptr, "a,b,c,d", ","), 1);
    _fre_tkn_(&head);
}

}  // namespace
