// The start sequence on small databases: what fills, what each failure shows,
// and how far the window gets.
#include <gtest/gtest.h>

#include <string.h>

#include "parvell_on_db.h"

namespace {

class StartUp : public ParvellOnDb {
protected:
    static const Ver_inf& versions() { return *(const Ver_inf*)get_pvr_(); }

    // The main window's table lists and grids hold nothing.
    static void expect_lists_empty()
    {
        for (Lnk_inf* head : {&pip_lst, &prd_lst, &cgp_lst, &ppl_lst, &cds_lst, &rpd_lst, &grd_lst})
            EXPECT_EQ(head->nxt, nullptr);
    }

    // The one box of a database that cannot be opened, then the window gone
    // with its teardown run.
    void expect_not_connected()
    {
        ASSERT_EQ(boxes_->boxes().size(), 1u) << ::testing::PrintToString(box_texts());
        const ShownMessageBox& box = boxes_->boxes()[0];
        EXPECT_EQ(box.text, "データベースに接続できません。");
        EXPECT_EQ(box.caption, "DB接続エラー");
        EXPECT_EQ(box.type, (UINT)(MB_OK | MB_ICONERROR));
        EXPECT_EQ(box.owner, Frm_Man);
        EXPECT_FALSE(Frm_Man->isVisible());
        EXPECT_EQ(cur_dbs, nullptr);
        EXPECT_EQ(jpg_img, nullptr);
        expect_lists_empty();
        EXPECT_EQ(Frm_Man->Lbx_Pip->Count(), 0);
        EXPECT_STREQ(versions().pvr, "");
        EXPECT_STREQ(versions().dvr, "");
    }
};

TEST_F(StartUp, FillsTheWindowFromASmallDatabase)
{
    add_minimal_rows(db);
    db.add("Version", {{"Version", "1.0"}});
    start_db();
    EXPECT_TRUE(boxes_->boxes().empty()) << ::testing::PrintToString(box_texts());
    EXPECT_TRUE(Frm_Man->isVisible());
    EXPECT_NE(cur_dbs, nullptr);
    ASSERT_EQ(Frm_Man->Lbx_Pip->Count(), 1);
    EXPECT_EQ(Frm_Man->Lbx_Pip->Text(0), "pipe");
    ASSERT_EQ(Frm_Man->Lbx_Plc->Count(), 1);
    EXPECT_EQ(Frm_Man->Lbx_Plc->Text(0), "place");
    ASSERT_EQ(Frm_Man->Lbx_Prd->Count(), 1);
    EXPECT_EQ(Frm_Man->Lbx_Prd->Text(0), "product");
    ASSERT_EQ(Frm_Man->Lbx_Pdt->Count(), 1);
    EXPECT_EQ(Frm_Man->Lbx_Pdt->ItemIndex(), 0);
    EXPECT_EQ(grids().size(), 1u);
    EXPECT_EQ(Frm_Man->Edt_Ans->text(), sj(" 約 10年"));
    EXPECT_EQ(Frm_Man->Lbl_Chk[4]->text(), sj("① フランジ部及び本体からの漏れがないか?"));
    EXPECT_EQ(Frm_Man->Lbl_Chk[7]->text(), sj("④ 許容変位をこえていないか?"));
    // The test program carries no version resource.
    EXPECT_STREQ(versions().pvr, "???");
    EXPECT_STREQ(versions().dvr, "1.0");
}

TEST_F(StartUp, AMissingDatabaseShowsOneBoxAndClosesTheWindow)
{
    start_here();
    expect_not_connected();
}

TEST_F(StartUp, AWrongPasswordShowsOneBoxAndClosesTheWindow)
{
    add_minimal_rows(db);
    start_db("not-the-password");
    expect_not_connected();
}

// A table that is missing makes its loader's statement fail: the error goes
// to the exception box, and the window stays with what was loaded before.
TEST_F(StartUp, AMissingTableStopsTheLoadingButKeepsTheWindow)
{
    add_minimal_rows(db);
    db.drop_table("Mst_Condition");
    start_db();
    ASSERT_EQ(boxes_->boxes().size(), 1u);
    const ShownMessageBox& box = boxes_->boxes()[0];
    EXPECT_EQ(box.caption, "ゴム製品耐用年数計算システム");
    EXPECT_EQ(box.type, (UINT)(MB_OK | MB_ICONERROR));
    EXPECT_NE(box.text.find("Mst_Condition"), std::string::npos) << box.text;
    EXPECT_TRUE(Frm_Man->isVisible());
    EXPECT_NE(cur_dbs, nullptr);
    EXPECT_NE(pip_lst.nxt, nullptr);
    EXPECT_NE(prd_lst.nxt, nullptr);
    EXPECT_EQ(ppl_lst.nxt, nullptr);
    EXPECT_EQ(cds_lst.nxt, nullptr);
    EXPECT_EQ(rpd_lst.nxt, nullptr);
    EXPECT_EQ(Frm_Man->Lbx_Pip->Count(), 0);
    EXPECT_TRUE(grids().empty());
    EXPECT_STREQ(versions().pvr, "");
    EXPECT_STREQ(versions().dvr, "");

    close_main();
    EXPECT_FALSE(Frm_Man->isVisible());
    EXPECT_EQ(cur_dbs, nullptr);
    expect_lists_empty();
}

// With no pipe kind the first list stays empty: its row is asked for at
// index -1, the list's error goes to the exception box and the start ends.
TEST_F(StartUp, AnEmptyDatabaseStopsAtTheFirstListAndKeepsTheWindow)
{
    db.add("Version", {{"Version", "1.0"}});
    start_db();
    ASSERT_EQ(boxes_->boxes().size(), 1u);
    EXPECT_EQ(boxes_->boxes()[0].caption, "ゴム製品耐用年数計算システム");
    EXPECT_TRUE(Frm_Man->isVisible());
    EXPECT_NE(cur_dbs, nullptr);
    EXPECT_EQ(Frm_Man->Lbx_Plc->Count(), 0);
    EXPECT_TRUE(grids().empty());
    EXPECT_STREQ(versions().pvr, "");
    EXPECT_STREQ(versions().dvr, "");
}

TEST_F(StartUp, AVersionTableWithoutARowGivesQuestionMarks)
{
    add_minimal_rows(db);
    start_db();
    EXPECT_TRUE(boxes_->boxes().empty());
    EXPECT_STREQ(versions().pvr, "???");
    EXPECT_STREQ(versions().dvr, "???");
}

TEST_F(StartUp, AVersionTableWithTwoRowsGivesQuestionMarks)
{
    add_minimal_rows(db);
    db.add("Version", {{"Version", "1.0"}});
    db.add("Version", {{"Version", "1.1"}});
    start_db();
    EXPECT_TRUE(boxes_->boxes().empty());
    EXPECT_STREQ(versions().dvr, "???");
}

}  // namespace
