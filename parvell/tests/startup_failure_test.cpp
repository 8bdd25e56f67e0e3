// The start sequence when memory runs out: the picture decoder cannot be
// made, or a loader cannot store a row. The forms run over the database unit,
// Quillon and the decoder whose failures the test brings about.
#include <gtest/gtest.h>

#include "parvell_on_db.h"

extern "C" int quillon_allocs_before_failure;
extern "C" int jpeg_decoders_before_failure;

namespace {

class StartUpFailure : public ParvellOnDb {
protected:
    void SetUp() override { add_minimal_rows(db); }
    void TearDown() override
    {
        quillon_allocs_before_failure = -1;
        jpeg_decoders_before_failure = -1;
    }

    // The boxes shown, each an error box of the main window; then the window
    // closed with its teardown run, and the start gone no further.
    void expect_boxes_then_closed(const std::vector<std::string>& shown)
    {
        EXPECT_EQ(box_texts(), shown);
        for (const ShownMessageBox& box : boxes_->boxes()) {
            EXPECT_EQ(box.type, (UINT)(MB_OK | MB_ICONERROR));
            EXPECT_EQ(box.owner, Frm_Man);
        }
        EXPECT_FALSE(Frm_Man->isVisible());
        EXPECT_EQ(cur_dbs, nullptr);
        EXPECT_EQ(jpg_img, nullptr);
        for (Lnk_inf* head : {&pip_lst, &prd_lst, &cgp_lst, &ppl_lst, &cds_lst, &rpd_lst, &grd_lst})
            EXPECT_EQ(head->nxt, nullptr);
        EXPECT_EQ(Frm_Man->Lbx_Pip->Count(), 0);
        EXPECT_STREQ(((const Ver_inf*)get_pvr_())->pvr, "");
    }
};

TEST_F(StartUpFailure, ADecoderThatCannotBeMadeShowsItsBoxThenTheConnectionBox)
{
    jpeg_decoders_before_failure = 0;
    start_db();
    expect_boxes_then_closed(
        {"メモリ不足: イメージ生成に失敗しました。", "DB接続エラー: データベースに接続できません。"});
}

// Opening takes two blocks (the connection text and its node); the third,
// the first pipe's node, is had, and the place's node is not.
TEST_F(StartUpFailure, ALoaderThatCannotStoreARowShowsTheLoadBoxAndFreesWhatWasLoaded)
{
    quillon_allocs_before_failure = 3;
    start_db();
    expect_boxes_then_closed({"DB接続エラー: データベースの情報取得に失敗しました。"});
}

}  // namespace
