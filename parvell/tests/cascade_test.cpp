// The selection cascade: each level refills the ones below it, the product
// photo, the hints and the cursor.
#include <gtest/gtest.h>

#include <QTest>
#include <QToolTip>

#include <platform/screen.h>

#include "parvell_on_db.h"

namespace {

// Two pipe kinds with two places each. Product gamma is offered at "chiller"
// through two product-place rows (4 and 5) that show different conditions;
// the product list follows product IDs, not the product-place rows.
class Cascade : public ParvellOnDb {
protected:
    void SetUp() override
    {
        db.add("Mst_Pipe", {{"ID", 1}, {"Name", "water"}});
        db.add("Mst_Pipe", {{"ID", 2}, {"Name", "cold"}});
        place(10, 1, "pump");
        place(11, 1, "tank");
        place(20, 2, "chiller");
        place(21, 2, "fan");
        db.add("Mst_Product", {{"ID", 1},
                               {"Name", "alpha"},
                               {"Life", 10.0},
                               {"Dimension1", "a1"},
                               {"Dimension2", ""},
                               {"Photo", sample_picture("vr-s_photo.jpg")}});
        db.add("Mst_Product",
               {{"ID", 2}, {"Name", "beta"}, {"Life", 20.0}, {"Dimension1", "b1"}, {"Dimension2", "b2"}});
        db.add("Mst_Product", {{"ID", 3},
                               {"Name", "gamma"},
                               {"Life", 30.0},
                               {"Dimension1", "g1"},
                               {"Dimension2", "g2"},
                               {"Photo", sample_picture("vr-w_photo.jpg")}});
        size(11, 1, "50A", "100");
        size(12, 1, "65A", "120");
        size(21, 2, "80A", "150");
        size(31, 3, "100A", "200");
        size(32, 3, "125A", "210");
        const int ppl[][3] = {{1, 10, 2}, {2, 10, 1}, {3, 11, 3}, {4, 20, 3}, {5, 20, 3}, {6, 20, 2}, {7, 21, 1}};
        for (const auto& row : ppl)
            db.add("Mst_ProductPlace", {{"ID", row[0]}, {"Mst_PlaceID", row[1]}, {"Mst_ProductID", row[2]}});
        db.add("Mst_ConditionGroup", {{"ID", 1}, {"Detail", "use"}});
        add_condition(db, 100, 1, "plain", 1.0);
        add_condition(db, 101, 1, "half", 0.5);
        add_condition(db, 102, 1, "double", 2.0);
        const int shown[][2] = {{100, 1}, {100, 2}, {100, 3}, {101, 4}, {102, 5}, {100, 6}, {100, 7}};
        int id = 1;
        for (const auto& row : shown)
            show_condition(db, id++, row[0], row[1]);
        start_db();
        ASSERT_TRUE(boxes_->boxes().empty()) << ::testing::PrintToString(box_texts());
    }

    void place(int id, int pipe, const char* name)
    {
        db.add("Mst_Place", {{"ID", id}, {"Mst_PipeID", pipe}, {"Name", name}});
    }
    void size(int id, int product, const char* diameter, const char* length)
    {
        db.add("Mst_ProductDetail", {{"ID", id},
                                     {"Mst_ProductID", product},
                                     {"Diameter", diameter},
                                     {"Length", length},
                                     {"MX", 1.0},
                                     {"PX", 1.0},
                                     {"Y", 1.0},
                                     {"Press", 1.0}});
    }

    static std::vector<std::string> items(TListBox* list)
    {
        std::vector<std::string> out;
        for (int i = 0; i < list->Count(); ++i)
            out.push_back(list->Text(i).toStdString());
        return out;
    }

    // The conditions shown: the one grid's column-1 texts.
    static std::vector<std::string> conditions()
    {
        std::vector<std::string> out;
        std::vector<TStringGrid*> all = grids();
        if (all.size() != 1) {
            ADD_FAILURE() << all.size() << " grids";
            return out;
        }
        for (int r = 0; r < all[0]->RowCount(); ++r)
            out.push_back(all[0]->Cell(1, r).toStdString());
        return out;
    }

    static std::string result() { return sjis_of(Frm_Man->Edt_Ans->text()); }

    static void expect_first_items_current()
    {
        for (TListBox* list : {Frm_Man->Lbx_Plc, Frm_Man->Lbx_Prd, Frm_Man->Lbx_Pdt})
            EXPECT_EQ(list->ItemIndex(), 0);
    }
};

using Items = std::vector<std::string>;

TEST_F(Cascade, StartsWithTheFirstItemOfEveryLevel)
{
    EXPECT_EQ(items(Frm_Man->Lbx_Pip), (Items{"water", "cold"}));
    EXPECT_EQ(Frm_Man->Lbx_Pip->ItemIndex(), 0);
    EXPECT_EQ(items(Frm_Man->Lbx_Plc), (Items{"pump", "tank"}));
    EXPECT_EQ(items(Frm_Man->Lbx_Prd), (Items{"alpha", "beta"}));
    EXPECT_EQ(items(Frm_Man->Lbx_Pdt), (Items{"50A×100", "65A×120"}));
    expect_first_items_current();
    EXPECT_EQ(conditions(), (Items{"plain"}));
    EXPECT_EQ(result(), " 約 10年");
    EXPECT_FALSE(Frm_Man->Img_Pto->Empty());
}

TEST_F(Cascade, AnotherPipeKindRefillsEveryLevelBelow)
{
    click_item(Frm_Man->Lbx_Pdt, 1);
    ASSERT_EQ(Frm_Man->Lbx_Pdt->ItemIndex(), 1);
    click_item(Frm_Man->Lbx_Pip, 1);
    EXPECT_EQ(Frm_Man->Lbx_Pip->ItemIndex(), 1);
    EXPECT_EQ(items(Frm_Man->Lbx_Plc), (Items{"chiller", "fan"}));
    EXPECT_EQ(items(Frm_Man->Lbx_Prd), (Items{"beta", "gamma"}));  // gamma once
    EXPECT_EQ(items(Frm_Man->Lbx_Pdt), (Items{"80A×150"}));
    expect_first_items_current();
    EXPECT_EQ(conditions(), (Items{"plain"}));
    EXPECT_EQ(result(), " 約 20年");
    EXPECT_TRUE(Frm_Man->Img_Pto->Empty()) << "beta has no photo";

    click_item(Frm_Man->Lbx_Pip, 0);
    EXPECT_EQ(items(Frm_Man->Lbx_Prd), (Items{"alpha", "beta"}));
    expect_first_items_current();
    EXPECT_EQ(result(), " 約 10年");
    EXPECT_FALSE(Frm_Man->Img_Pto->Empty());
}

TEST_F(Cascade, AnotherPlaceRefillsProductsAndSizes)
{
    QImage alpha = Frm_Man->Img_Pto->Picture();
    click_item(Frm_Man->Lbx_Prd, 1);
    click_item(Frm_Man->Lbx_Plc, 1);
    EXPECT_EQ(Frm_Man->Lbx_Pip->ItemIndex(), 0);
    EXPECT_EQ(Frm_Man->Lbx_Plc->ItemIndex(), 1);
    EXPECT_EQ(items(Frm_Man->Lbx_Prd), (Items{"gamma"}));
    EXPECT_EQ(items(Frm_Man->Lbx_Pdt), (Items{"100A×200", "125A×210"}));
    EXPECT_EQ(Frm_Man->Lbx_Prd->ItemIndex(), 0);
    EXPECT_EQ(Frm_Man->Lbx_Pdt->ItemIndex(), 0);
    EXPECT_EQ(result(), " 約 30年");
    EXPECT_FALSE(Frm_Man->Img_Pto->Empty());
    EXPECT_NE(Frm_Man->Img_Pto->Picture(), alpha);
}

TEST_F(Cascade, AnotherProductRebuildsItsGridsPhotoAndSizes)
{
    click_item(Frm_Man->Lbx_Pdt, 1);
    click_item(Frm_Man->Lbx_Prd, 1);
    EXPECT_EQ(Frm_Man->Lbx_Prd->ItemIndex(), 1);
    EXPECT_EQ(items(Frm_Man->Lbx_Pdt), (Items{"80A×150"}));
    EXPECT_EQ(Frm_Man->Lbx_Pdt->ItemIndex(), 0);
    EXPECT_EQ(conditions(), (Items{"plain"}));
    EXPECT_EQ(result(), " 約 20年");
    EXPECT_TRUE(Frm_Man->Img_Pto->Empty()) << "the previous product's photo stays";
}

TEST_F(Cascade, AProductOfferedTwiceAtAPlaceUsesItsFirstProductPlaceRow)
{
    click_item(Frm_Man->Lbx_Pip, 1);
    click_item(Frm_Man->Lbx_Prd, 1);
    EXPECT_EQ(Frm_Man->Lbx_Prd->Text(1), "gamma");
    EXPECT_EQ(conditions(), (Items{"half"}));
    EXPECT_EQ(result(), " 約 15年");
    EXPECT_EQ(items(Frm_Man->Lbx_Pdt), (Items{"100A×200", "125A×210"}));
    // The photo of 240 pixels at half, the least that covers its box of 117.
    EXPECT_EQ(Frm_Man->Img_Pto->Picture().size(), QSize(120, 120));
}

TEST_F(Cascade, TheKeyboardWalksTheListsLikeTheMouse)
{
    Frm_Man->Lbx_Pip->setFocus();
    QTest::keyClick(Frm_Man->Lbx_Pip, Qt::Key_Down);
    EXPECT_EQ(items(Frm_Man->Lbx_Prd), (Items{"beta", "gamma"}));
    QTest::keyClick(Frm_Man->Lbx_Prd, Qt::Key_Down);
    EXPECT_EQ(Frm_Man->Lbx_Prd->ItemIndex(), 1);
    EXPECT_EQ(conditions(), (Items{"half"}));
    EXPECT_EQ(result(), " 約 15年");
}

// Pressed on one product and let go on another: the grids, sizes and result
// are those of the product that stays selected.
TEST_F(Cascade, ADragInTheProductListEndsWithTheItemLetGo)
{
    TListBox* list = Frm_Man->Lbx_Prd;
    QPoint alpha = list->visualItemRect(list->item(0)).center();
    QPoint beta = list->visualItemRect(list->item(1)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, alpha);
    QTest::mouseMove(list->viewport(), beta);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, beta);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(items(Frm_Man->Lbx_Pdt), (Items{"80A×150"}));
    EXPECT_EQ(result(), " 約 20年");
}

class Pointer : public Cascade {
protected:
    static QString shown_hint() { return QToolTip::isVisible() ? QToolTip::text() : QString(); }
};

TEST_F(Pointer, TheProductListHintNamesTheProductUnderTheMouse)
{
    TListBox* list = Frm_Man->Lbx_Prd;
    move_over(list->viewport(), QPoint(10, list->viewport()->height() - 2));
    EXPECT_EQ(shown_hint(), QString()) << "no hint below the last item";
    EXPECT_EQ((TCursor)Screen->Cursor, crDefault);
    move_over_item(Frm_Man->Lbx_Prd, 1);
    EXPECT_EQ(shown_hint(), sj("b1\n\rb2"));
    EXPECT_EQ(list->toolTip(), QString()) << "the list's own hint is emptied";
    move_over_item(Frm_Man->Lbx_Prd, 0);
    EXPECT_EQ(shown_hint(), sj("a1"));
    EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(Pointer, ThePhotoHintNamesTheSelectedProduct)
{
    move_over_item(Frm_Man->Lbx_Prd, 1);
    move_over(Frm_Man->Img_Pto);
    EXPECT_EQ(Frm_Man->Img_Pto->toolTip(), sj("a1"));
    EXPECT_EQ(shown_hint(), sj("a1"));
    click_item(Frm_Man->Lbx_Prd, 1);
    move_over_item(Frm_Man->Lbx_Prd, 0);
    move_over(Frm_Man->Img_Pto);
    EXPECT_EQ(Frm_Man->Img_Pto->toolTip(), sj("b1\n\rb2"));
}

TEST_F(Pointer, TheHandOverThePhotoStaysUntilTheMouseReachesAnotherSurface)
{
    QWidget* surfaces[] = {Frm_Man->Pnl_Bse, Frm_Man->Lbx_Prd->viewport(), Frm_Man->Pnl_Cdt2, Frm_Man, Frm_Man->Pnl_Rp1,
                           Frm_Man->Pnl_Rp2};
    for (QWidget* surface : surfaces) {
        move_over(Frm_Man->Img_Pto);
        EXPECT_EQ((TCursor)Screen->Cursor, crHandPoint);
        move_over(surface, QPoint(1, 1));
        EXPECT_EQ((TCursor)Screen->Cursor, crDefault) << surface->metaObject()->className();
    }
}

}  // namespace
