// The main window: the diameter it starts with, the fatigue life and its
// texts, the form's order of input, the system menu and the version dialog.
#include <stdlib.h>

#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "Frm_vers.h"
#include "dunmere_app.h"

namespace {

class DunmereWindow : public DunmereApp {};

TEST_F(DunmereWindow, StartsWithTheNumberOfItsCommandLineOr50)
{
    const struct {
        const char* line;
        const char* selected;
    } cases[] = {{"100", "100"}, {"abc", "50"}, {"0", "50"},   {"40", "50"},
                 {" 65", "65"},  {"65A", "65"}, {"300", "300"}};
    for (const auto& c : cases) {
        start(c.line);
        EXPECT_EQ(qt_to_sjis(Frm_Man->Cmb_Dia->currentText()).toStdString(), c.selected) << c.line;
        EXPECT_EQ(Frm_Man->Cmb_Dwn->currentText(), "3");
        EXPECT_EQ(Frm_Man->Edt_Stt->text(), "10");
        finish();
    }
    start("100");
    EXPECT_EQ(heading(), "推定耐用年数");
    EXPECT_EQ(result(), " 約 37年 7ヶ月");
    EXPECT_TRUE(boxes_->boxes().empty());
    // DUNMERE_SCREENSHOT=file.png keeps a picture of the window.
    if (const char* png = getenv("DUNMERE_SCREENSHOT")) {
        EXPECT_TRUE(Frm_Man->grab().save(QString::fromLocal8Bit(png), "PNG")) << png;
    }
}

// A changed input keeps the old result until the click; the click gives
// years and months, or the cycle count without starts.
TEST_F(DunmereWindow, LifeInYearsAndMonthsOrTheCycleCount)
{
    start("100");
    Frm_Man->Cmb_Dia->setCurrentText("300");
    Frm_Man->Cmb_Dwn->setCurrentText("1");
    Frm_Man->Edt_Stt->setText("0");
    EXPECT_EQ(heading(), "推定耐用年数");
    EXPECT_EQ(result(), " 約 37年 7ヶ月");

    const struct {
        const char *dia, *dwn, *starts, *heading, *result;
    } cases[] = {
        {"300", "1", "0", "推定耐用回数", " 約 1069169回"},    {"65", "5", "99", "推定耐用年数", " 約 1年 2ヶ月"},
        {"300", "1", "1", "推定耐用年数", " 約 2929年 2ヶ月"}, {"50", "3", "32", "推定耐用年数", " 約 11年"},
        {"50", "5", "500", "推定耐用年数", " 約  3ヶ月"},  // typed past the box's limit, e.g. pasted
        {"100", "3", "", "推定耐用回数", " 約 137339回"},      {"300", "3", "99999", "推定耐用回数", " 約 303210回"},
        {"50", "1", "65", "推定耐用年数", " 約 19年10ヶ月"},  // 472932 / 65: 7275.9 days
        {"50", "1", "216", "推定耐用年数", " 約 5年11ヶ月"},  // 472932 / 216: 2189.5 days
    };
    for (const auto& c : cases) {
        compute(c.dia, c.dwn, c.starts);
        EXPECT_EQ(heading(), c.heading) << c.dia << " " << c.dwn << " " << c.starts;
        EXPECT_EQ(result(), c.result) << c.dia << " " << c.dwn << " " << c.starts;
    }
}

TEST_F(DunmereWindow, FormAndEnterLeadsFromDiameterToCalculate)
{
    start("80");
    EXPECT_FALSE(Frm_Man->Img_drw->isVisible());
    const QPoint off_centre = Frm_Man->frameGeometry().center() - Frm_Man->screen()->geometry().center();
    EXPECT_LE(off_centre.manhattanLength(), 2);
    Frm_Man->Edt_Stt->setText("5");

    Frm_Man->activateWindow();
    Frm_Man->Cmb_Dia->setFocus();
    for (QWidget* next : {(QWidget*)Frm_Man->Cmb_Dwn, (QWidget*)Frm_Man->Edt_Stt, (QWidget*)Frm_Man->Btn_Clc}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        pump();
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    // On the calculate button Enter presses it.
    Frm_Man->Cmb_Dia->setCurrentText("50");
    QTest::keyClick(Frm_Man->Btn_Clc, Qt::Key_Return);
    EXPECT_EQ(result(), " 約 70年 9ヶ月");  // 129183 starts at 5 a day
}

TEST_F(DunmereWindow, TheSystemMenuOpensTheVersionDialogModallyWithTheSameTextEachTime)
{
    start("100");
    QList<QAction*> entries = Frm_Man->system_menu()->menu()->actions();
    ASSERT_GE(entries.size(), 2);
    EXPECT_TRUE(entries[entries.size() - 2]->isSeparator());
    EXPECT_EQ(qt_to_sjis(entries.last()->text()).toStdString(), "バージョン情報");

    // The test program carries no version resource.
    for (int showing = 0; showing < 2; ++showing) {
        bool modal = false, centred = false;
        std::string shown;
        QTimer::singleShot(0, [&] {
            modal = QApplication::activeModalWidget() == Frm_Ver;
            shown = qt_to_sjis(Frm_Ver->Lbl_Pver->text()).toStdString();
            centred =
                (Frm_Ver->frameGeometry().center() - Frm_Ver->screen()->geometry().center()).manhattanLength() <= 2;
            Frm_Ver->Btn_Ok->click();
        });
        Frm_Man->Perform(WM_SYSCOMMAND, 1, 0);
        EXPECT_TRUE(modal);
        EXPECT_TRUE(centred);
        EXPECT_EQ(shown, "???");
        EXPECT_FALSE(Frm_Ver->isVisible());
    }
    // Other system commands keep their meaning.
    Frm_Man->Perform(WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_FALSE(Frm_Man->isVisible());
}

}  // namespace
