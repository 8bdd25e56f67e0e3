#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "list_check.h"
#include "quillon.h"

namespace {

using Ints = std::vector<int>;

Lnk_inf* append_int(Lnk_inf* head, int value)
{
    return _add_lnk_(head, &value, sizeof value);
}

TEST(MemoryBlocks, AreZeroFilledAndNegativeSizesFail)
{
    unsigned char* block = (unsigned char*)_get_mem_(64);
    ASSERT_NE(block, nullptr);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(block[i], 0);
    _fre_mem_(block);
    EXPECT_EQ(_get_mem_(-1), nullptr);
    void* empty = _get_mem_(0);
    EXPECT_NE(empty, nullptr);
    _fre_mem_(empty);
}

TEST(MemoryBlocks, ClearAndCopyTouchNothingForZeroOrNegativeLengths)
{
    char buf[4] = {'a', 'b', 'c', 'd'};
    _clr_mem_(buf, 0);
    _clr_mem_(buf, -5);
    _cpy_mem_(buf, "wxyz", 0);
    _cpy_mem_(buf, "wxyz", -1);
    EXPECT_EQ(std::memcmp(buf, "abcd", 4), 0);
    _clr_mem_(buf + 1, 2);
    EXPECT_EQ(std::memcmp(buf, "a\0\0d", 4), 0);
    _cpy_mem_(buf, "wx", 2);
    EXPECT_EQ(std::memcmp(buf, "wx\0d", 4), 0);
}

TEST(MemoryBlocks, CopyRunsForwardByteByByteEvenWhenOverlapping)
{
    char buf[] = "abcdef";
    _cpy_mem_(buf + 1, buf, 5);  // each byte copied is read again one step later
    EXPECT_STREQ(buf, "aaaaaa");
    char back[] = "abcdef";
    _cpy_mem_(back, back + 1, 5);
    EXPECT_STREQ(back, "bcdeff");
}

TEST(LinkedList, AppendKeepsOrderAndLinks)
{
    Lnk_inf head;
    _ini_lnk_(&head);
    EXPECT_EQ(head.prv, nullptr);
    EXPECT_EQ(head.nxt, nullptr);
    Lnk_inf* first = append_int(&head, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->prv, &head);
    EXPECT_EQ(head.nxt, first);
    EXPECT_EQ((char*)LNK_DAT(first) - (char*)first, 16);
    for (int i = 2; i <= 5; ++i)
        append_int(&head, i);
    EXPECT_EQ(checked_ints(&head), (Ints{1, 2, 3, 4, 5}));
    EXPECT_EQ(head.prv, nullptr) << "the head's back link is never written";
    _del_all_(&head);
}

TEST(LinkedList, NullDataGivesZeroPayloadAndSizeZeroGivesBareNode)
{
    Lnk_inf head = {nullptr, nullptr};
    Lnk_inf* node = _add_lnk_(&head, nullptr, 32);
    ASSERT_NE(node, nullptr);
    const unsigned char* payload = (const unsigned char*)LNK_DAT(node);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(payload[i], 0);
    Lnk_inf* bare = _add_lnk_(&head, nullptr, 0);
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->prv, node);
    EXPECT_EQ(_cnt_lnk_(&head), 2);
    EXPECT_EQ(_add_lnk_(&head, nullptr, -1), nullptr);
    EXPECT_EQ(_cnt_lnk_(&head), 2);
    _del_all_(&head);
}

TEST(LinkedList, EmptyListAnswersNullEvenForAStaleNode)
{
    Lnk_inf head = {nullptr, nullptr};
    Lnk_inf stale = {nullptr, &head};
    EXPECT_EQ(_nxt_lnk_(&head, nullptr), nullptr);
    EXPECT_EQ(_nxt_lnk_(&head, &stale), nullptr);
    EXPECT_EQ(_lst_lnk_(&head), nullptr);
    EXPECT_EQ(_cnt_lnk_(&head), 0);
}

TEST(LinkedList, DeletingFirstMiddleLastAndOnlyNodeKeepsInvariants)
{
    Lnk_inf head = {nullptr, nullptr};
    std::vector<Lnk_inf*> nodes;
    for (int i = 0; i < 5; ++i)
        nodes.push_back(append_int(&head, i));

    _del_lnk_(&head, nodes[2]);  // middle
    EXPECT_EQ(checked_ints(&head), (Ints{0, 1, 3, 4}));
    _del_lnk_(&head, nodes[0]);  // first: the head follows through the back link
    EXPECT_EQ(head.nxt, nodes[1]);
    EXPECT_EQ(checked_ints(&head), (Ints{1, 3, 4}));
    _del_lnk_(&head, nodes[4]);  // last
    EXPECT_EQ(nodes[3]->nxt, nullptr);
    EXPECT_EQ(checked_ints(&head), (Ints{1, 3}));
    append_int(&head, 9);  // appending after deleting the last node
    EXPECT_EQ(checked_ints(&head), (Ints{1, 3, 9}));
    _del_all_(&head);

    Lnk_inf* only = append_int(&head, 7);
    _del_lnk_(nullptr, only);  // the head argument is not needed
    EXPECT_EQ(head.nxt, nullptr);
    EXPECT_EQ(checked_ints(&head), Ints{});
}

TEST(LinkedList, DeleteDuringWalkTakingSuccessorFirst)
{
    Lnk_inf head = {nullptr, nullptr};
    for (int i = 0; i < 10; ++i)
        append_int(&head, i);
    Lnk_inf* node = _nxt_lnk_(&head, nullptr);
    while (node) {
        Lnk_inf* next = _nxt_lnk_(&head, node);
        if (*(int*)LNK_DAT(node) % 2 == 0)
            _del_lnk_(&head, node);
        node = next;
    }
    EXPECT_EQ(checked_ints(&head), (Ints{1, 3, 5, 7, 9}));
    _del_all_(&head);
}

TEST(LinkedList, DeleteAllClearsBothLinksAndTheListCanBeReused)
{
    Lnk_inf head;
    head.prv = &head;  // garbage that _del_all_ must clear even on an empty list
    head.nxt = nullptr;
    _del_all_(&head);
    EXPECT_EQ(head.prv, nullptr);
    EXPECT_EQ(head.nxt, nullptr);

    for (int i = 0; i < 3; ++i)
        append_int(&head, i);
    _del_all_(&head);
    EXPECT_EQ(head.nxt, nullptr);
    Lnk_inf* fresh = append_int(&head, 42);
    EXPECT_EQ(fresh->prv, &head);
    EXPECT_EQ(checked_ints(&head), Ints{42});
    _del_all_(&head);
}

TEST(LinkedList, PayloadIsACopyOfTheCallersRecord)
{
    struct Row {
        int id;
        char name[12];
        double value;
    };
    Row row = {7, "bellows", 2.5};
    Lnk_inf head = {nullptr, nullptr};
    Lnk_inf* node = _add_lnk_(&head, &row, sizeof row);
    row.id = 8;
    std::strcpy(row.name, "changed");
    const Row* stored = (const Row*)LNK_DAT(node);
    EXPECT_EQ(stored->id, 7);
    EXPECT_STREQ(stored->name, "bellows");
    EXPECT_EQ(stored->value, 2.5);
    _del_all_(&head);
}

TEST(EntryPoint, AlwaysReportsSuccess)
{
    for (unsigned long reason = 0; reason < 4; ++reason)
        EXPECT_EQ(DllEntryPoint(nullptr, reason, nullptr), 1);
}

}  // namespace
