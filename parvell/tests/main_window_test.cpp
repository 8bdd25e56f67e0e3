#include <gtest/gtest.h>

#include <QDir>

#include <platform/qt_text.h>

#include "parvell_app.h"

namespace {

class MainWindow : public ParvellApp {};

TEST_F(MainWindow, StartsOnTheSampleDatabaseWithTheFirstResult)
{
    // A relative path names a file of the folder the test was started in.
    const char* png = getenv("PARVELL_SCREENSHOT");
    QString screenshot = png ? QDir::current().absoluteFilePath(QString::fromLocal8Bit(png)) : QString();
    start(sample_folder());
    EXPECT_TRUE(boxes_->boxes().empty()) << (box_texts().empty() ? "" : box_texts()[0]);
    EXPECT_TRUE(Frm_Man->isVisible());
    EXPECT_EQ(qt_to_sjis(Frm_Man->windowTitle()), QByteArray(parvell_caption));
    EXPECT_GE(Frm_Man->Lbx_Pip->Count(), 3);
    EXPECT_EQ(Frm_Man->Lbx_Pip->ItemIndex(), 0);
    EXPECT_EQ(Frm_Man->Lbx_Plc->ItemIndex(), 0);
    EXPECT_EQ(Frm_Man->Lbx_Prd->ItemIndex(), 0);
    EXPECT_EQ(Frm_Man->Lbx_Pdt->ItemIndex(), 0);
    EXPECT_FALSE(grids().empty());
    EXPECT_TRUE(Frm_Man->Edt_Ans->text().startsWith(qt_from_sjis(" 約")));
    EXPECT_FALSE(Frm_Man->Img_Pto->Empty());
    EXPECT_NE(rps_tbl[0].rpd, nullptr);  // the related products show with the first result
    if (!screenshot.isEmpty()) {
        EXPECT_TRUE(Frm_Man->grab().save(screenshot, "PNG")) << screenshot.toStdString();
    }
}

}  // namespace
