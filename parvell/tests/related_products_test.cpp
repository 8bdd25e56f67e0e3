// The related-product slots: which display rules the selected conditions
// satisfy, and how the slots show their products.
#include <gtest/gtest.h>

#include <QTest>

#include <platform/qt_text.h>

#include "catalogue_app.h"

namespace {

using Slots = std::vector<std::string>;

class RelatedProducts : public CatalogueApp {};

TEST_F(RelatedProducts, NoRuleSatisfiedLeavesBothSlotsEmpty)
{
    rule(2, "101,202", 1);  // 202 is not selected
    rule(1, "102", 2);
    start_db();
    EXPECT_EQ(both_slots(), (Slots{"-", "-"}));
}

TEST_F(RelatedProducts, OneRuleFillsTheFirstSlotOnly)
{
    rule(2, "999,101", 2);
    rule(1, "201", 3);
    rule(1, "202", 4);
    start_db();
    EXPECT_EQ(both_slots(), (Slots{"R3", "-"}));
}

TEST_F(RelatedProducts, OfEqualCountsTheFirstTwoInQueryOrderAreShown)
{
    rule(2, "101,201", 3);
    rule(2, "201,101", 1);
    rule(2, "101,201", 2);
    start_db();
    EXPECT_EQ(both_slots(), (Slots{"R3", "R1"}));
}

// The count is taken as stored; after the first acceptance a smaller count
// ends the walk even for a rule whose every row is selected.
TEST_F(RelatedProducts, OnlyRulesOfTheFirstAcceptedCountAreShown)
{
    rule(3, "101", 1);
    rule(3, "102", 2);
    rule(2, "101,201", 3);
    start_db();
    EXPECT_EQ(both_slots(), (Slots{"R1", "-"}));
}

TEST_F(RelatedProducts, WhenNoRuleOfTheHighestCountIsSatisfiedALowerOneIs)
{
    rule(3, "999", 1);
    rule(3, "101,998", 2);
    rule(2, "201", 3);
    rule(1, "101", 4);  // below the count of the first accepted rule
    start_db();
    EXPECT_EQ(both_slots(), (Slots{"R3", "-"}));
}

TEST_F(RelatedProducts, ListsWithoutAnIdAreNeverSatisfiedAndBlanksAreSkipped)
{
    rule(5, "", 1);
    rule(5, ",,", 2);
    db.add(
        "Mst_RelatedProductDisplay",
        {{"ID", 90}, {"Mst_ConditionDisplayIDCnt", 5}, {"Mst_RelatedProductID", 1}, {"Invalidate", 0}});  // null list
    rule(2, " 101, 201", 3);
    rule(2, "201 ,,101,", 4);
    start_db();
    EXPECT_EQ(both_slots(), (Slots{"R3", "R4"}));
}

TEST_F(RelatedProducts, ARuleForAMissingProductLeavesItsSlotEmpty)
{
    rule(2, "101,201", 77);
    rule(2, "201", 2);
    start_db();
    EXPECT_EQ(both_slots(), (Slots{"-", "R2"}));
}

TEST_F(RelatedProducts, InvalidatedRowsAreIgnored)
{
    rule(4, "101", 1, 1);
    rule(1, "201", 2);
    rule(1, "103", 3);
    // An invalidated display row of condition 11 is neither shown nor selected.
    db.add("Mst_ConditionDisplay",
           {{"ID", 103}, {"Mst_ConditionID", 11}, {"Mst_ProductPlaceID", 1}, {"Invalidate", -1}});
    start_db();
    EXPECT_EQ(both_slots(), (Slots{"R2", "-"}));
    EXPECT_EQ(grids().at(0)->RowCount(), 2);
}

// The display rows are those of the product at the selected place.
TEST_F(RelatedProducts, DisplayRowsAreThoseOfTheProductAtTheSelectedPlace)
{
    db.add("Mst_Place", {{"ID", 3}, {"Mst_PipeID", 1}, {"Name", "C"}});  // no product there
    rule(2, "111,211", 1);
    rule(1, "101", 2);
    start_db();
    EXPECT_EQ(both_slots(), (Slots{"R2", "-"}));
    click_item(Frm_Man->Lbx_Plc, 1);
    EXPECT_EQ(both_slots(), (Slots{"R1", "-"}));
    // With a place selected where the product has no row, nothing is selected.
    Frm_Man->Lbx_Plc->setItemIndex(2);
    Frm_Man->Grd_CdtClick(grids().at(0));
    EXPECT_EQ(both_slots(), (Slots{"-", "-"}));
}

TEST_F(RelatedProducts, EveryConditionClickRefreshesTheSlots)
{
    rule(2, "101,201", 1);
    rule(2, "102,202", 2);
    rule(1, "202", 3);
    start_db();
    EXPECT_EQ(both_slots(), (Slots{"R1", "-"}));
    click_row(1, 1);
    EXPECT_EQ(both_slots(), (Slots{"R3", "-"}));
    click_row(0, 1);
    EXPECT_EQ(both_slots(), (Slots{"R2", "-"}));
    click_row(0, 1);  // the same row again
    EXPECT_EQ(both_slots(), (Slots{"R2", "-"}));
    click_row(1, 0);
    EXPECT_EQ(both_slots(), (Slots{"-", "-"}));
}

// The hidden diagnostic field, once shown, lists the selected display rows:
// every display row of a selected condition, in grid order.
TEST_F(RelatedProducts, TheDiagnosticFieldListsTheSelectedDisplayRows)
{
    db.add("Mst_ConditionDisplay", {{"ID", 15}, {"Mst_ConditionID", 21}, {"Mst_ProductPlaceID", 1}, {"Invalidate", 0}});
    rule(3, "15,101,201", 1);
    start_db();
    EXPECT_TRUE(Frm_Man->Edt_Slc->text().isEmpty());
    Frm_Man->Edt_Slc->setVisible(true);
    click_row(1, 0);  // condition 21, shown in two rows
    EXPECT_EQ(Frm_Man->Edt_Slc->text(), "101,201,15");
    EXPECT_EQ(both_slots(), (Slots{"R1", "-"}));
    click_row(0, 1);
    EXPECT_EQ(Frm_Man->Edt_Slc->text(), "102,201,15");
    click_item(Frm_Man->Lbx_Plc, 1);
    EXPECT_EQ(Frm_Man->Edt_Slc->text(), "111,211");
}

TEST_F(RelatedProducts, ASlotShowsNamePhotoAndTheButtonsWithCaptions)
{
    db.add("Mst_RelatedProduct", {{"ID", 5},
                                  {"Name", "Flex"},
                                  {"Dimension", "100 x 200"},
                                  {"Photo", jpeg_picture(255, 0, 0)},
                                  {"StartCaption1", "Calc"},
                                  {"StartPath1", "calc"},
                                  {"StartCaption2", ""},
                                  {"StartPath2", "doc.pdf"}});
    db.add("Mst_RelatedProduct",
           {{"ID", 6}, {"Name", "Stand"}, {"StartCaption2", "Sheet"}, {"StartPath2", "sheet.pdf"}});
    rule(1, "101", 5);
    rule(1, "201", 6);
    rule(1, "999", 1);
    start_db();
    ASSERT_EQ(both_slots(), (Slots{"Flex", "Stand"}));
    const Rps_inf& flex = rps_tbl[0];
    const Rps_inf& stand = rps_tbl[1];
    EXPECT_TRUE(flex.bt1->isVisible());
    EXPECT_EQ(flex.bt1->text(), "Calc");
    EXPECT_FALSE(flex.bt2->isVisible());
    EXPECT_FALSE(stand.bt1->isVisible());
    EXPECT_TRUE(stand.bt2->isVisible());
    EXPECT_EQ(stand.bt2->text(), "Sheet");
    ASSERT_FALSE(flex.img->Empty());
    QColor red = flex.img->Picture().pixelColor(8, 8);
    EXPECT_GT(red.red(), 200);
    EXPECT_LT(red.green(), 60);
    EXPECT_TRUE(stand.img->Empty());
    EXPECT_TRUE(stand.pnl->isVisible());

    // The hint over the picture is the product's dimension.
    move_over(flex.img);
    EXPECT_EQ(flex.img->toolTip(), "100 x 200");

    // A refresh fills the slots anew: no photo is left from before.
    click_row(0, 1);
    EXPECT_EQ(both_slots(), (Slots{"Stand", "-"}));
    EXPECT_TRUE(rps_tbl[0].img->Empty());
    EXPECT_FALSE(rps_tbl[0].bt1->isVisible());
}

// Each slot keeps its own picture when the shared decoder is loaded again,
// for the other slot and for the product's photo; each is decoded at the
// least size that covers its box of 93 pixels, never beyond the picture.
TEST_F(RelatedProducts, EachSlotKeepsItsOwnPhoto)
{
    db.add("Mst_RelatedProduct", {{"ID", 5}, {"Name", "Red"}, {"Photo", jpeg_picture(255, 0, 0, 800, 800)}});
    db.add("Mst_RelatedProduct", {{"ID", 6}, {"Name", "Blue"}, {"Photo", jpeg_picture(0, 0, 255)}});
    rule(1, "101", 5);
    rule(1, "201", 6);
    start_db();
    ASSERT_EQ(both_slots(), (Slots{"Red", "Blue"}));
    EXPECT_GT(rps_tbl[0].img->Picture().pixelColor(8, 8).red(), 200);
    EXPECT_GT(rps_tbl[1].img->Picture().pixelColor(8, 8).blue(), 200);
    EXPECT_LT(rps_tbl[1].img->Picture().pixelColor(8, 8).red(), 60);
    EXPECT_GT(Frm_Man->Img_Pto->Picture().pixelColor(8, 8).green(), 200);  // decoded last
    EXPECT_EQ(rps_tbl[0].img->Picture().size(), QSize(100, 100));          // an eighth
    EXPECT_EQ(rps_tbl[1].img->Picture().size(), QSize(16, 16));
}

// A photo that cannot be decoded ends the refresh, by mouse or keyboard, in
// the application's exception box; the slot keeps what was filled before it,
// and the program goes on with the next selection.
TEST_F(RelatedProducts, ABrokenPhotoEndsTheRefreshInTheExceptionBox)
{
    db.add("Mst_RelatedProduct",
           {{"ID", 5}, {"Name", "Broken"}, {"Photo", jetwriter::Bytes{'n', 'o'}}, {"StartCaption1", "Go"}});
    rule(1, "202", 5);
    rule(1, "201", 2);
    start_db();
    ASSERT_EQ(both_slots(), (Slots{"R2", "-"}));
    click_row(1, 1);
    ASSERT_EQ(boxes_->boxes().size(), 1u);
    EXPECT_EQ(boxes_->boxes()[0].type, (UINT)(MB_OK | MB_ICONERROR));
    boxes_->clear();
    EXPECT_EQ(qt_to_sjis(Frm_Man->Lbl_Rp1->text()), "Broken");
    EXPECT_EQ(rps_tbl[0].rpd, nullptr);
    EXPECT_FALSE(Frm_Man->Btn_St11->isVisible());
    EXPECT_EQ(qt_to_sjis(Frm_Man->Edt_Ans->text()), " 約 5年");
    click_row(1, 0);
    EXPECT_EQ(both_slots(), (Slots{"R2", "-"}));
    QTest::keyClick(grids().at(1), Qt::Key_Down);
    EXPECT_EQ(boxes_->boxes().size(), 1u);
    EXPECT_EQ(grids().at(1)->Row(), 1);
    boxes_->clear();
}

}  // namespace
