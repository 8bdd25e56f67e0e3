// Condition grids: which grids and rows a product gets, where they stand,
// the preselected rows, the service life, the order of the grid events and
// the condition texts as painted for the selected size.
#include <gtest/gtest.h>

#include <string.h>

#include <QScreen>
#include <QTest>

#include "parvell_on_db.h"

namespace {

// Product 1 (life 10) at place 10 is product-place row 1; product 2 at the
// same place is row 2, so that display rows of another product are about.
class Grids : public ParvellOnDb {
protected:
    void SetUp() override
    {
        db.add("Mst_Pipe", {{"ID", 1}, {"Name", "pipe"}});
        db.add("Mst_Place", {{"ID", 10}, {"Mst_PipeID", 1}, {"Name", "place"}});
        db.add("Mst_Product", {{"ID", 1}, {"Name", "one"}, {"Life", 10.0}});
        db.add("Mst_Product", {{"ID", 2}, {"Name", "two"}, {"Life", 10.0}});
        db.add("Mst_ProductDetail", {{"ID", 1},
                                     {"Mst_ProductID", 1},
                                     {"Diameter", "50A"},
                                     {"Length", "100"},
                                     {"MX", 30.0},
                                     {"PX", 20.0},
                                     {"Y", 4.0},
                                     {"Press", 1.5}});
        db.add("Mst_ProductDetail", {{"ID", 2},
                                     {"Mst_ProductID", 1},
                                     {"Diameter", "65A"},
                                     {"Length", "120"},
                                     {"MX", 10.0},
                                     {"PX", 25.0},
                                     {"Y", 8.0},
                                     {"Press", 2.5}});
        db.add("Mst_ProductDetail", {{"ID", 3}, {"Mst_ProductID", 2}, {"Diameter", "80A"}});
        db.add("Mst_ProductPlace", {{"ID", 1}, {"Mst_PlaceID", 10}, {"Mst_ProductID", 1}});
        db.add("Mst_ProductPlace", {{"ID", 2}, {"Mst_PlaceID", 10}, {"Mst_ProductID", 2}});
    }

    void group(int id, const char* detail) { db.add("Mst_ConditionGroup", {{"ID", id}, {"Detail", detail}}); }
    // A condition shown for product one.
    void shown(int id, int grp, const char* detail, double factor, int type = 0, double value = 0.0)
    {
        add_condition(db, id, grp, detail, factor, type, value);
        show(id);
    }
    void show(int cdt, int ppl = 1) { show_condition(db, ++display_, cdt, ppl); }

    void start_checked()
    {
        start_db();
        ASSERT_TRUE(boxes_->boxes().empty()) << ::testing::PrintToString(box_texts());
    }

    static int group_id(TStringGrid* grid, int row) { return ((Cgp_inf*)grid->Object(0, row))->ID; }
    static std::vector<int> condition_ids(TStringGrid* grid)
    {
        std::vector<int> ids;
        for (int r = 0; r < grid->RowCount(); ++r)
            ids.push_back(((Cdt_inf*)grid->Object(1, r))->ID);
        return ids;
    }
    static std::string result() { return sjis_of(Frm_Man->Edt_Ans->text()); }

    static void click_cell(TStringGrid* grid, int col, int row)
    {
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(col, row).center());
    }

    int display_ = 0;
};

using Ids = std::vector<int>;

TEST_F(Grids, OneGridPerShownGroupStackedWithoutGapsAndPreselected)
{
    group(1, "g-one");
    shown(11, 1, "c11", 1.0);
    shown(12, 1, "c12", 1.2);
    shown(13, 1, "c13", 1.2);
    group(2, "g-none");  // shown for product two only
    add_condition(db, 21, 2, "c21", 0.5);
    show(21, 2);
    group(3, "g-neg");
    shown(31, 3, "c31", -1.0);
    shown(32, 3, "c32", 0.0);
    group(4, "g-twice");
    shown(41, 4, "c41", 0.5);
    shown(42, 4, "c42", 0.9);
    show(42);  // a second display row: listed twice
    start_checked();

    std::vector<TStringGrid*> all = grids();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(group_id(all[0], 0), 1);
    EXPECT_EQ(group_id(all[1], 0), 3);
    EXPECT_EQ(group_id(all[2], 0), 4);
    EXPECT_EQ(condition_ids(all[0]), (Ids{11, 12, 13}));
    EXPECT_EQ(condition_ids(all[1]), (Ids{31, 32}));
    EXPECT_EQ(condition_ids(all[2]), (Ids{41, 42, 42}));
    EXPECT_EQ(all[0]->Row(), 1) << "the first of the largest factors";
    EXPECT_EQ(all[1]->Row(), 0) << "no factor above 0";
    EXPECT_EQ(all[2]->Row(), 1) << "the first of the twice-shown condition";

    const int heights[] = {48, 33, 48};
    int top = 8;
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i]->parentWidget(), Frm_Man->Pnl_Cdt2);
        EXPECT_TRUE(all[i]->isVisible());
        EXPECT_EQ(all[i]->geometry(), QRect(8, top, 325, heights[i])) << "grid " << i;
        top += heights[i] + 8;
        for (int r = 0; r < all[i]->RowCount(); ++r) {
            EXPECT_EQ(group_id(all[i], r), group_id(all[i], 0));
            EXPECT_EQ(all[i]->Cell(0, r), all[i]->Cell(0, 0));
            EXPECT_EQ(all[i]->Cell(1, r).toStdString(), ((Cdt_inf*)all[i]->Object(1, r))->Detail);
        }
    }
    EXPECT_EQ(all[2]->Cell(0, 2), "g-twice");
    EXPECT_EQ(result(), " -10年");  // 10 x 1.2 x -1.0 x 0.9: the preselected rows
}

TEST_F(Grids, TheLifeIsTheBaseLifeTimesTheSelectedFactors)
{
    group(1, "a");
    shown(11, 1, "c11", 1.0);
    group(2, "b");
    shown(21, 2, "c21", 0.85);
    start_checked();
    EXPECT_EQ(result(), " 約 8年 6ヶ月");
}

// Selecting a row first computes the life with that row, then the click
// handler refreshes the related products from the grids' current rows.
TEST_F(Grids, ASelectionComputesTheLifeBeforeTheClickHandlerRuns)
{
    group(1, "g");
    shown(11, 1, "full", 1.0);
    shown(12, 1, "half", 0.5);  // display row 2
    db.add("Mst_RelatedProduct", {{"ID", 1}, {"Name", "rp-half"}});
    db.add("Mst_RelatedProductDisplay", {{"ID", 1},
                                         {"Mst_ConditionDisplayID", "2"},
                                         {"Mst_ConditionDisplayIDCnt", 1},
                                         {"Mst_RelatedProductID", 1},
                                         {"Invalidate", 0}});
    start_checked();
    ASSERT_EQ(grids().size(), 1u);
    TStringGrid* grid = grids()[0];
    EXPECT_EQ(result(), " 約 10年");
    EXPECT_EQ(Frm_Man->Lbl_Rp1->text(), QString());

    struct Seen {
        int row;
        std::string result;
    };
    std::vector<Seen> seen;
    auto handler = grid->OnClick;
    grid->OnClick = [&](TStringGrid* g) {
        seen.push_back({g->Row(), result()});
        handler(g);
    };

    click_cell(grid, 1, 1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].row, 1);
    EXPECT_EQ(seen[0].result, " 約 5年");
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(Frm_Man->Lbl_Rp1->text(), sj("rp-half"));

    click_cell(grid, 0, 0);  // the merged group column selects the row as well
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].row, 0);
    EXPECT_EQ(seen[1].result, " 約 10年");
    EXPECT_EQ(Frm_Man->Lbl_Rp1->text(), QString());

    QTest::keyClick(grid, Qt::Key_Down);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].row, 1);
    EXPECT_EQ(seen[2].result, " 約 5年");
    EXPECT_EQ(Frm_Man->Lbl_Rp1->text(), sj("rp-half"));
}

class GridTexts : public Grids {
protected:
    static QImage painted(TStringGrid* grid) { return grid->grab().toImage(); }

    // The grid as it paints when its conditions are plain texts.
    static QImage painted_as(TStringGrid* grid, const std::vector<const char*>& texts)
    {
        std::vector<Cdt_inf> saved;
        for (int r = 0; r < grid->RowCount(); ++r) {
            Cdt_inf* cdt = (Cdt_inf*)grid->Object(1, r);
            saved.push_back(*cdt);
            snprintf(cdt->Detail, sizeof cdt->Detail, "%s", texts[r]);
            cdt->DisplayValueType = 0;
            grid->setCell(1, r, texts[r]);
        }
        QImage image = painted(grid);
        for (int r = 0; r < grid->RowCount(); ++r) {
            Cdt_inf* cdt = (Cdt_inf*)grid->Object(1, r);
            *cdt = saved[r];
            grid->setCell(1, r, cdt->Detail);
        }
        return image;
    }
};

TEST_F(GridTexts, FollowTheDisplayTypeAndTheSelectedSize)
{
    group(1, "g");
    shown(11, 1, "%.1fmm", 1.0, 1, 0.5);      // the smaller of MX and PX
    shown(12, 1, "Y %.2f", 1.0, 2, 2.0);      // Y
    shown(13, 1, "%g MPa", 1.0, 3, 1.0);      // Press
    shown(14, 1, "%.1f plain", 1.0, 0, 2.0);  // plain text
    shown(15, 1, "%n%s", 1.0, 1, 1.0);        // not a safe format: as it stands
    shown(16, 1, "%5.1f%%", 1.0, 2, 10.0);
    start_checked();
    ASSERT_EQ(grids().size(), 1u);
    TStringGrid* grid = grids()[0];
    std::string life = result();

    const std::vector<const char*> first = {"10.0mm", "Y 8.00", "1.5 MPa", "%.1f plain", "%n%s", " 40.0%"};
    const std::vector<const char*> second = {"5.0mm", "Y 16.00", "2.5 MPa", "%.1f plain", "%n%s", " 80.0%"};
    EXPECT_TRUE(painted(grid) == painted_as(grid, first));

    click_item(Frm_Man->Lbx_Pdt, 1);
    EXPECT_EQ(Frm_Man->Lbx_Pdt->ItemIndex(), 1);
    EXPECT_EQ(result(), life) << "the size does not change the life";
    EXPECT_TRUE(painted(grid) == painted_as(grid, second));
    EXPECT_FALSE(painted(grid) == painted_as(grid, first));
}

// The sizes of a product are expected, but a product without any must not
// make every repaint of its grids fail.
TEST_F(GridTexts, WithoutASizeTheTextsStandUnformatted)
{
    db.add("Mst_Product", {{"ID", 3}, {"Name", "bare"}, {"Life", 4.0}});
    db.add("Mst_ProductPlace", {{"ID", 3}, {"Mst_PlaceID", 10}, {"Mst_ProductID", 3}});
    group(1, "g");
    add_condition(db, 11, 1, "%.1fmm", 1.0, 1, 0.5);
    show(11, 3);
    add_condition(db, 12, 1, "plain", 0.5);
    show(12, 3);
    start_checked();
    click_item(Frm_Man->Lbx_Prd, 2);
    EXPECT_EQ(Frm_Man->Lbx_Pdt->Count(), 0);
    ASSERT_EQ(grids().size(), 1u);
    EXPECT_EQ(result(), " 約 4年");
    TStringGrid* grid = grids()[0];
    EXPECT_TRUE(painted(grid) == painted_as(grid, {"%.1fmm", "plain"}));
    EXPECT_TRUE(boxes_->boxes().empty()) << ::testing::PrintToString(box_texts());
}

// What the window shows where the grid stands: the window's own picture as
// the window system holds it, not a fresh painting of the grid.
QImage on_screen(TStringGrid* grid)
{
    const QImage window = Frm_Man->screen()->grabWindow(Frm_Man->winId()).toImage();
    return window.copy(QRect(grid->mapTo(Frm_Man, QPoint(0, 0)), grid->size())).convertToFormat(QImage::Format_RGB32);
}

// The grids of a product are built while the size list still holds the
// sizes of the product before; the texts on screen must follow the new one.
TEST_F(GridTexts, OnScreenFollowTheSizeOfTheProductSelectedNow)
{
    const char pressure[] = "最高使用圧力の50％以下（%.2fMPa以下）";
    const double first_press[] = {1.0, 4.0};
    for (int p = 3; p <= 5; ++p) {
        db.add("Mst_Product", {{"ID", p}, {"Name", "p" + std::to_string(p)}, {"Life", 10.0}});
        db.add("Mst_ProductPlace", {{"ID", p}, {"Mst_PlaceID", 10}, {"Mst_ProductID", p}});
        if (p < 5)  // product 5 has no size
            db.add("Mst_ProductDetail", {{"ID", p + 1}, {"Mst_ProductID", p}, {"Press", first_press[p - 3]}});
    }
    group(1, "g");
    add_condition(db, 11, 1, pressure, 1.0, 3, 0.5);
    add_condition(db, 12, 1, "plain", 0.5);
    for (int p = 3; p <= 5; ++p) {
        show(11, p);
        show(12, p);
    }
    start_checked();
    struct Step {
        int product;
        const char* shown;
    };
    for (const Step& step :
         {Step{3, "最高使用圧力の50％以下（0.50MPa以下）"}, Step{4, "最高使用圧力の50％以下（2.00MPa以下）"},
          Step{3, "最高使用圧力の50％以下（0.50MPa以下）"}, Step{5, pressure}}) {
        click_item(Frm_Man->Lbx_Prd, step.product - 1);
        pump();
        ASSERT_EQ(grids().size(), 1u);
        TStringGrid* grid = grids()[0];
        EXPECT_TRUE(on_screen(grid) == painted_as(grid, {step.shown, "plain"}).convertToFormat(QImage::Format_RGB32))
            << "product " << step.product;
    }
    EXPECT_TRUE(boxes_->boxes().empty()) << ::testing::PrintToString(box_texts());
}

}  // namespace
