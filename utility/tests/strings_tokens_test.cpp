#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quillon.h"

namespace {

using Texts = std::vector<std::string>;

Texts tokens_of(Lnk_inf* head)
{
    Texts texts;
    for (Lnk_inf* node = _nxt_lnk_(head, nullptr); node; node = _nxt_lnk_(head, node))
        texts.push_back((const char*)LNK_DAT(node));
    return texts;
}

struct Split {
    const char* text;
    const char* sep;
    Texts expected;
};

class TokenSplit : public ::testing::TestWithParam<Split> {};

TEST_P(TokenSplit, GivesTheNonEmptyPieces)
{
    const Split& c = GetParam();
    Lnk_inf head = {nullptr, nullptr};
    int count = -1;
    ASSERT_EQ(_get_tkn_(&head, &count, c.text, c.sep), 1);
    EXPECT_EQ(tokens_of(&head), c.expected);
    EXPECT_EQ(count, (int)c.expected.size());
    _fre_tkn_(&head);
    EXPECT_EQ(head.nxt, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Quillon, TokenSplit,
                         ::testing::Values(Split{"1,2,3", ",", {"1", "2", "3"}}, Split{",1,,2,", ",", {"1", "2"}},
                                           Split{"", ",", {}}, Split{",,,", ",", {}}, Split{"whole", ",", {"whole"}},
                                           Split{"a;b,c;d", ";,", {"a", "b,c", "d"}},
                                           Split{"no split", "", {"no split"}},
                                           Split{"部品,ゴム", ",", {"部品", "ゴム"}}));

TEST(Tokens, NullCountIsAllowedAndEachPayloadIsExactlyTheTokenAndItsZero)
{
    Lnk_inf head = {nullptr, nullptr};
    ASSERT_EQ(_get_tkn_(&head, nullptr, "ab,cde", ","), 1);
    Lnk_inf* first = _nxt_lnk_(&head, nullptr);
    Lnk_inf* second = _nxt_lnk_(&head, first);
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ((const char*)LNK_DAT(first), "ab");
    EXPECT_STREQ((const char*)LNK_DAT(second), "cde");
    EXPECT_EQ(_nxt_lnk_(&head, second), nullptr);
    _fre_tkn_(&head);
}

TEST(Tokens, TheSplitTextIsNotChanged)
{
    char text[] = ",x,y,";
    Lnk_inf head = {nullptr, nullptr};
    ASSERT_EQ(_get_tkn_(&head, nullptr, text, ","), 1);
    EXPECT_STREQ(text, ",x,y,");
    _fre_tkn_(&head);
}

TEST(JoinedStrings, AccumulateIntoFreshBlocks)
{
    char* joined = _add_str_(nullptr, "12");
    ASSERT_NE(joined, nullptr);
    EXPECT_STREQ(joined, "12");
    joined = _add_str_(joined, ",");
    joined = _add_str_(joined, "7");
    ASSERT_NE(joined, nullptr);
    EXPECT_STREQ(joined, "12,7");
    char* same = _add_str_(joined, "");  // joined is freed, a copy comes back
    ASSERT_NE(same, nullptr);
    EXPECT_STREQ(same, "12,7");
    _fre_mem_(same);

    char* empty = _add_str_(nullptr, "");
    ASSERT_NE(empty, nullptr);
    EXPECT_STREQ(empty, "");
    _fre_mem_(empty);
}

}  // namespace
