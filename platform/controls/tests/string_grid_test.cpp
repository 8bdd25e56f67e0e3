#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <platform/controls/string_grid.h>

namespace {

// Records the grid's events as text, with the current row seen at each.
struct GridLog {
    std::vector<std::string> events;
    void attach(TStringGrid& grid)
    {
        grid.OnSelectCell = [this](TStringGrid* g, int col, int row, bool& can) {
            events.push_back("select " + std::to_string(col) + "," + std::to_string(row) + " from row " +
                             std::to_string(g->Row()));
            EXPECT_TRUE(can);
        };
        grid.OnClick = [this](TStringGrid* g) { events.push_back("click at row " + std::to_string(g->Row())); };
    }
};

class GridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.setColCount(2);
        grid.setRowCount(3);
        grid.setDefaultRowHeight(14);
        grid.setColWidth(0, 80);
        grid.setColWidth(1, 240);
        grid.setRowSelect(true);
        grid.resize(325, 15 * 3 + 3);
        log.attach(grid);
    }
    QWidget parent;
    TStringGrid grid{&parent};
    GridLog log;
};

TEST_F(GridTest, MovingTheCurrentCellAsksBeforeAndClicksAfter)
{
    grid.setCol(1);  // from (0,0): a move within row 0
    grid.setRow(2);
    grid.setRow(2);  // no move, no events
    EXPECT_EQ(log.events, (std::vector<std::string>{"select 1,0 from row 0", "click at row 0", "select 1,2 from row 0",
                                                    "click at row 2"}));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 1);
}

TEST_F(GridTest, RefusedSelectionKeepsTheCurrentCell)
{
    grid.OnSelectCell = [](TStringGrid*, int, int row, bool& can) { can = row != 1; };
    grid.setRow(1);
    EXPECT_EQ(grid.Row(), 0);
    grid.setRow(2);
    EXPECT_EQ(grid.Row(), 2);
}

TEST_F(GridTest, ClickInTheFirstColumnSelectsTheRowKeepingTheColumn)
{
    grid.setCol(1);
    log.events.clear();
    QRect cell = grid.CellRect(0, 1);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(1, 1).center());
    EXPECT_EQ(log.events, (std::vector<std::string>{"select 1,1 from row 0", "click at row 1", "click at row 1"}));
}

TEST_F(GridTest, KeyboardMovesWithinTheRows)
{
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down);  // already on the last row
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(log.events.size(), 6u);
}

TEST_F(GridTest, CellsAndObjectsStayPutWhenTheGridGrows)
{
    int a = 1, b = 2;
    grid.setCell(1, 2, "条件");
    grid.setObject(0, 2, &a);
    grid.setObject(1, 1, &b);
    grid.setRowCount(5);
    grid.setColCount(3);
    EXPECT_EQ(grid.Cell(1, 2), QByteArray("条件"));
    EXPECT_EQ(grid.Object(0, 2), &a);
    EXPECT_EQ(grid.Object(1, 1), &b);
    EXPECT_EQ(grid.Object(2, 4), nullptr);
    try {
        grid.Object(0, 5);
        ADD_FAILURE() << "a row beyond the grid";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "グリッドのインデックス (0, 5) が範囲外です。");
    }
    EXPECT_THROW(grid.setCell(-1, 0, "x"), std::out_of_range);
}

// The grid has 2 columns and 3 rows: every accessor takes column 1 and row 2
// and refuses -1 and the count at either.
TEST_F(GridTest, CellsPastEitherEndAreRefusedByEveryAccessor)
{
    int a = 1;
    grid.setCell(1, 2, "x");
    grid.setObject(1, 2, &a);
    EXPECT_EQ(grid.Cell(1, 2), QByteArray("x"));
    EXPECT_EQ(grid.Object(1, 2), &a);
    log.events.clear();
    for (const std::pair<int, int>& cell : std::vector<std::pair<int, int>>{{-1, 0}, {2, 0}, {0, -1}, {0, 3}}) {
        const int col = cell.first, row = cell.second;
        const std::function<void()> uses[] = {
            [&] { grid.Cell(col, row); },
            [&] { grid.setCell(col, row, "y"); },
            [&] { grid.Object(col, row); },
            [&] { grid.setObject(col, row, &a); },
            [&] { row == 0 ? grid.setCol(col) : grid.setRow(row); },
        };
        for (const auto& use : uses) {
            try {
                use();
                ADD_FAILURE() << col << ", " << row;
            } catch (const std::out_of_range& e) {
                EXPECT_EQ(e.what(), "グリッドのインデックス (" + std::to_string(col) + ", " + std::to_string(row) +
                                        ") が範囲外です。");
            }
        }
    }
    EXPECT_TRUE(log.events.empty());
}

TEST_F(GridTest, EveryCellIsDrawnOnTheCanvasWithItsState)
{
    grid.setCol(1);
    std::vector<std::string> drawn;
    grid.OnDrawCell = [&](TStringGrid* g, int col, int row, const QRect& rect, int state) {
        ASSERT_NE(g->Canvas(), nullptr);
        EXPECT_EQ(rect, g->CellRect(col, row));
        drawn.push_back(std::to_string(col) + "," + std::to_string(row) +
                        ((state & TStringGrid::gdSelected) ? "*" : ""));
        g->Canvas()->fillRect(rect, Qt::red);
    };
    QImage image(grid.size(), QImage::Format_RGB32);
    grid.render(&image);
    EXPECT_EQ(drawn, (std::vector<std::string>{"0,0*", "1,0*", "0,1", "1,1", "0,2", "1,2"}));
    EXPECT_EQ(image.pixelColor(grid.CellRect(1, 2).center()), QColor(Qt::red));
    EXPECT_EQ(grid.Canvas(), nullptr);
}

}  // namespace
