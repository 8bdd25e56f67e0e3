// Closing the main window by every road, and the version entry of its
// system menu.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <platform/jpeg.h>
#include <platform/screen.h>

#include "Frm_vers.h"
#include "parvell_on_db.h"

namespace {

class Closing : public ParvellOnDb {
protected:
    void SetUp() override
    {
        add_minimal_rows(db);
        start_db();
        ASSERT_TRUE(Frm_Man->isVisible());
        ASSERT_NE(cur_dbs, nullptr);
        ASSERT_NE(jpg_img, nullptr);
    }

    static void expect_torn_down()
    {
        EXPECT_EQ(cur_dbs, nullptr);
        EXPECT_EQ(jpg_img, nullptr);
        for (Lnk_inf* head : {&pip_lst, &prd_lst, &cgp_lst, &ppl_lst, &cds_lst, &rpd_lst, &grd_lst})
            EXPECT_EQ(head->nxt, nullptr);
    }

    // Once the teardown has run, a decoder put back in its place would be
    // deleted by a second teardown: it must still be there at the end.
    void plant_decoder()
    {
        planted_ = new TJPEGImage();
        jpg_img = planted_;
    }
    void expect_decoder_untouched()
    {
        EXPECT_EQ(jpg_img, planted_) << "the teardown ran a second time";
        if (jpg_img == planted_) {
            delete planted_;
            jpg_img = nullptr;
        }
    }

    // Closing again, as the application does at its end, changes nothing.
    void close_again_and_check()
    {
        plant_decoder();
        pump();
        Frm_Man->close();
        pump();
        EXPECT_FALSE(Frm_Man->isVisible());
        expect_decoder_untouched();
    }

    TJPEGImage* planted_ = nullptr;
};

TEST_F(Closing, TheCloseButtonRunsTheTeardownOnce)
{
    Frm_Man->Btn_Cls->click();
    expect_torn_down();  // at once, before the window goes
    close_again_and_check();
}

TEST_F(Closing, ClosingTheWindowRunsTheTeardownOnce)
{
    Frm_Man->close();
    EXPECT_FALSE(Frm_Man->isVisible());
    expect_torn_down();
    close_again_and_check();
}

TEST_F(Closing, TheSystemMenusCloseEntryRunsTheTeardownOnce)
{
    Frm_Man->Perform(WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_FALSE(Frm_Man->isVisible());
    expect_torn_down();
    close_again_and_check();
}

// Input already on its way when the close button tore everything down
// finds the controls shut: the list items still name the freed rows.
TEST_F(Closing, InputAfterTheTeardownReachesNoHandler)
{
    Frm_Man->Btn_Cls->click();
    move_over_item(Frm_Man->Lbx_Prd, 0);
    move_over(Frm_Man->Img_Pto);
    EXPECT_EQ((TCursor)Screen->Cursor, crDefault);
    EXPECT_EQ(Frm_Man->Img_Pto->toolTip(), QString());
    click_item(Frm_Man->Lbx_Prd, 0);
    click_item(Frm_Man->Lbx_Pip, 0);
    EXPECT_TRUE(grids().empty());
    pump();
    EXPECT_TRUE(boxes_->boxes().empty()) << ::testing::PrintToString(box_texts());
    EXPECT_FALSE(Frm_Man->isVisible());
    expect_torn_down();
}

class VersionEntry : public ParvellOnDb {
protected:
    void SetUp() override
    {
        add_minimal_rows(db);
        db.add("Version", {{"Version", "2.3"}});
        start_db();
    }

    // Sends one message to the main window; whatever dialog is modal while
    // it is handled is noted and closed.
    void perform(UINT msg, WPARAM wparam)
    {
        modal_ = nullptr;
        QTimer::singleShot(0, [this] {
            modal_ = QApplication::activeModalWidget();
            if (modal_ == Frm_Ver) {
                program_ = Frm_Ver->Lbl_Pver->text();
                database_ = Frm_Ver->Lbl_Dver->text();
                Frm_Ver->Btn_Ok->click();
            } else if (modal_) {
                modal_->close();
            }
        });
        Frm_Man->Perform(msg, wparam, 0);
        pump();  // the check runs here when nothing was modal
    }

    QWidget* modal_ = nullptr;
    QString program_, database_;
};

TEST_F(VersionEntry, CommandOneOpensTheVersionDialogModally)
{
    perform(WM_SYSCOMMAND, 1);
    EXPECT_EQ(modal_, Frm_Ver);
    EXPECT_EQ(program_, sj("???"));
    EXPECT_EQ(database_, sj("2.3"));
    EXPECT_FALSE(Frm_Ver->isVisible());
    EXPECT_TRUE(Frm_Man->isVisible());
    EXPECT_TRUE(boxes_->boxes().empty());
}

TEST_F(VersionEntry, OtherCommandsAndMessagesLeaveItClosed)
{
    perform(WM_SYSCOMMAND, 0x0011);
    EXPECT_EQ(modal_, nullptr);
    perform(WM_SYSCOMMAND - 1, 1);
    EXPECT_EQ(modal_, nullptr);
    EXPECT_TRUE(Frm_Man->isVisible());
}

}  // namespace
