// The program's entry run inside the test, beside a stand-in for Parvell's
// main window: what Qt itself draws in Dunmere's window is Japanese.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include <platform/findwindow.h>
#include <platform/msgbox.h>
#include <platform/programs.h>
#include <testsupport/child_process.h>
#include <testsupport/context_menu.h>

#include "Dunmere.h"
#include "Frm_mans.h"
#include "Frm_vers.h"
#include "Frm_waits.h"

namespace {

bool probing = false;
QStringList starts_menu;  // the entries of the starts box's context menu

// Called as each application object is made: while probing, reads the
// starts box's menu once the main window shows, then closes the window,
// which ends the entry's message loop.
void probe_main_window()
{
    if (!probing)
        return;
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll] {
        if (!Frm_Man || !Frm_Man->isVisible())
            return;
        poll->stop();
        starts_menu = context_menu_entries(Frm_Man->Edt_Stt);
        Frm_Man->Close();
    });
    poll->start(10);
    // Never left waiting should the window not come.
    QTimer::singleShot(60000, qApp, &QCoreApplication::quit);
}

TEST(DunmereEntry, QtsOwnTextsAreJapanese)
{
    PrivateSession session;
    WindowRecord parvell("TFrm_Man", parvell_caption);
    MessageBoxRecorder boxes;
    Frm_Man = nullptr;
    probing = true;
    qAddPreRoutine(probe_main_window);

    char name[] = "Dunmere", diameter[] = "100";
    char* argv[] = {name, diameter, nullptr};
    EXPECT_EQ(dunmere_main(2, argv), 0);
    probing = false;
    // The application took the forms with it.
    Frm_Man = nullptr;
    Frm_Ver = nullptr;
    Frm_Wait = nullptr;

    EXPECT_TRUE(starts_menu.contains(QString::fromUtf8(u8"コピー(&C)"))) << starts_menu.join(u'|').toStdString();
    EXPECT_FALSE(starts_menu.contains(QStringLiteral("&Copy")));
    EXPECT_TRUE(boxes.boxes().empty());
}

}  // namespace
