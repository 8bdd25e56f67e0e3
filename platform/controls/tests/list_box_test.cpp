#include <gtest/gtest.h>

#include <QTest>

#include <stdexcept>
#include <string>

#include <platform/controls/list_box.h>

namespace {

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.resize(197, 125);
        list.setItemHeight(12);
        list.AddObject("配管", &rows[0]);
        list.AddObject("継手", &rows[1]);
        list.AddObject("ゴム", &rows[2]);
        list.OnClick = [this](QObject* sender) {
            EXPECT_EQ(sender, &list);
            clicks.push_back(list.ItemIndex());
        };
        list.show();
    }
    int rows[3] = {10, 20, 30};
    TListBox list{nullptr};
    std::vector<int> clicks;
};

TEST_F(ListBoxTest, ProgramSelectionFiresNoEvent)
{
    list.setItemIndex(2);
    EXPECT_EQ(list.ItemIndex(), 2);
    EXPECT_EQ(list.Object(list.ItemIndex()), &rows[2]);
    EXPECT_TRUE(clicks.empty());
    list.Clear();
    list.setItemIndex(0);
    EXPECT_EQ(list.ItemIndex(), -1);
    try {
        list.Object(list.ItemIndex());
        ADD_FAILURE() << "no item, yet an object";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "リストのインデックス (-1) が範囲外です。");
    }
}

TEST_F(ListBoxTest, IndexesPastEitherEndAreRefused)
{
    EXPECT_EQ(list.Object(2), &rows[2]);
    for (int index : {-1, 3}) {
        try {
            list.Object(index);
            ADD_FAILURE() << index;
        } catch (const std::out_of_range& e) {
            EXPECT_EQ(e.what(), "リストのインデックス (" + std::to_string(index) + ") が範囲外です。");
        }
        list.setItemIndex(2);
        list.setItemIndex(index);
        EXPECT_EQ(list.ItemIndex(), -1) << index;
        EXPECT_EQ(list.Text(index), QByteArray()) << index;
    }
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ListBoxTest, MouseAndKeyboardSelectionsAreClicks)
{
    list.setItemIndex(0);
    QRect second = list.visualItemRect(list.item(1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);  // already on the last item: no change
    EXPECT_EQ(clicks, (std::vector<int>{1, 2}));
    EXPECT_EQ(list.Text(2), QByteArray("ゴム"));
}

TEST_F(ListBoxTest, ADragWithTheButtonHeldReportsTheItemLetGo)
{
    QPoint first = list.visualItemRect(list.item(0)).center();
    QPoint third = list.visualItemRect(list.item(2)).center();
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, first);
    QTest::mouseMove(list.viewport(), third);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(list.ItemIndex(), 2);
    EXPECT_EQ(clicks, (std::vector<int>{0, 2}));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, third);  // no drag: one click
    EXPECT_EQ(clicks, (std::vector<int>{0, 2, 2}));
}

TEST_F(ListBoxTest, OnlyTheLeftButtonSelects)
{
    list.setItemIndex(0);
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, list.visualItemRect(list.item(2)).center());
    QTest::mouseClick(list.viewport(), Qt::MiddleButton, {}, list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ListBoxTest, TheCurrentItemStaysSelected)
{
    list.setItemIndex(1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, list.visualItemRect(list.item(1)).center());
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(list.ItemIndex(), 1);
    ASSERT_EQ(list.selectedItems().size(), 1);
    EXPECT_EQ(list.selectedItems()[0], list.item(1));
    EXPECT_EQ(clicks, (std::vector<int>{1}));
}

TEST_F(ListBoxTest, OnlyExistingItemsAreFoundAtAPoint)
{
    QRect first = list.visualItemRect(list.item(0));
    EXPECT_EQ(first.height(), 12);
    EXPECT_EQ(list.ItemAtPos(first.center()), 0);
    EXPECT_EQ(list.ItemAtPos(QPoint(5, 3 * 12 + 20)), -1);  // below the last item
}

}  // namespace
