#include <gtest/gtest.h>

#include <QDir>

#include <platform/qt_text.h>

#include "parvell_app.h"

namespace {

class MainWindow : public ParvellApp {};

TEST_F(MainWindow, StartsOnTheSampleDatabaseWithTheFirstResult)
{
    start(sample_folder());
    EXPECT_TRUE(boxes_->boxes().empty()) << (box_texts().empty() ? "" : box_texts()[0]);
    EXPECT_TRUE(Frm_Man->isVisible());
    EXPECT_EQ(qt_to_sjis(Frm_Man->windowTitle()), QByteArray(TFrm_Man::caption));
    EXPECT_GE(Frm_Man->Lbx_Pip->Count(), 3);
    EXPECT_EQ(Frm_Man->Lbx_Pip->ItemIndex(), 0);
    EXPECT_EQ(Frm_Man->Lbx_Plc->ItemIndex(), 0);
    EXPECT_EQ(Frm_Man->Lbx_Prd->ItemIndex(), 0);
    EXPECT_EQ(Frm_Man->Lbx_Pdt->ItemIndex(), 0);
    EXPECT_FALSE(grids().empty());
    EXPECT_TRUE(Frm_Man->Edt_Ans->text().startsWith(qt_from_sjis(" 約")));
    EXPECT_FALSE(Frm_Man->Img_Pto->Empty());
    const char* png = getenv("PARVELL_SCREENSHOT");
    if (png)
        Frm_Man->grab().save(QString::fromLocal8Bit(png));
}

}  // namespace
