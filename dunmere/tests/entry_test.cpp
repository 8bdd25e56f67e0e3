// The program's entry run inside the test, beside a stand-in for Parvell's
// main window: what Qt itself draws in Dunmere's window is Japanese, and a
// command line cut inside a character names no diameter.
#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include <platform/findwindow.h>
#include <platform/msgbox.h>
#include <platform/programs.h>
#include <platform/qt_text.h>
#include <testsupport/child_process.h>
#include <testsupport/context_menu.h>
#include <testsupport/guarded_text.h>

#include "Dunmere.h"
#include "Frm_mans.h"

namespace {

bool probing = false;
QStringList starts_menu;  // the entries of the starts box's context menu
std::string diameter;     // the diameter the window opened with

// Called as each application object is made: while probing, reads the
// starts box's menu and the diameter once the main window shows, then
// closes the window, which ends the entry's message loop.
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
        diameter = qt_to_sjis(Frm_Man->Cmb_Dia->currentText()).toStdString();
        Frm_Man->Close();
    });
    poll->start(10);
    // Never left waiting should the window not come.
    QTimer::singleShot(60000, qApp, &QCoreApplication::quit);
}

const char child_failed[] = "the child's failures are above; 128 + n: signal n ended it";

// Runs the entry with one argument beside Parvell's window, in a child
// process: the single-instance mutex lives as long as its process. The
// child checks the exit code, what `check` looks at in the main window and
// that no message box showed; 0 when all held there.
int run_entry(char* argument, const std::function<void()>& check)
{
    PrivateSession session;
    WindowRecord parvell("TFrm_Man", parvell_caption);
    return run_in_child(
        [&] {
            MessageBoxRecorder boxes;
            probing = true;
            qAddPreRoutine(probe_main_window);
            char name[] = "Dunmere";
            char* argv[] = {name, argument, nullptr};
            EXPECT_EQ(dunmere_main(2, argv), 0);
            check();
            EXPECT_TRUE(boxes.boxes().empty());
            return ::testing::Test::HasFailure() ? 1 : 0;
        },
        120000);
}

TEST(DunmereEntry, QtsOwnTextsAreJapanese)
{
    char argument[] = "100";
    auto check = [] {
        EXPECT_EQ(diameter, "100");
        EXPECT_TRUE(starts_menu.contains(QString::fromUtf8(u8"コピー(&C)"))) << starts_menu.join(u'|').toStdString();
        EXPECT_FALSE(starts_menu.contains(QStringLiteral("&Copy")));
    };
    EXPECT_EQ(run_entry(argument, check), 0) << child_failed;
}

// The argument, the first byte of a three-byte character and its zero, ends
// at a guard page: the command line is read no further than that zero.
TEST(DunmereEntry, AnArgumentCutInsideACharacterNamesNoDiameter)
{
    GuardedText argument(std::string_view("\xE5", 2));
    auto check = [] {
        EXPECT_STREQ(get_cmd_(), "?");
        EXPECT_EQ(diameter, "50");
    };
    EXPECT_EQ(run_entry(argument.data(), check), 0) << child_failed;
}

}  // namespace
