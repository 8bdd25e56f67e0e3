// The real program, started as a child process in a private session: it runs
// only beside Parvell's main window and with a command line, one at a time;
// and Parvell's Merrowflex button on the sample database starts it with the
// selected size's diameter.
#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <unistd.h>

#include <QTest>

#include <platform/findwindow.h>
#include <platform/msgbox.h>
#include <platform/programs.h>
#include <platform/qt_text.h>
#include <testsupport/child_process.h>
#include <testsupport/pdf_probe.h>

#include "Frm_mans.h"
#include "Frm_slcs.h"
#include "parvell_app.h"

namespace {

const char dunmere_caption[] = "ヴェルモラ株式会社 【 Merrowflex耐用年数計算システム 】";
const char refusal[] = "この実行ファイルは単体では起動しません。\n\rParvell.exeを実行して下さい。";

// Waits up to 20 s for check to hold, running Qt's events meanwhile.
template <class Check>
bool comes_true(Check check)
{
    return QTest::qWaitFor(check, 20000);
}

class DunmereProgram : public ::testing::Test {
protected:
    void SetUp() override { setenv("VELMORA_MESSAGE_BOX_LOG", box_log.c_str(), 1); }
    void TearDown() override { unsetenv("VELMORA_MESSAGE_BOX_LOG"); }

    // Parvell's main window, as another process of the session sees it.
    std::unique_ptr<WindowRecord> parvell_window()
    {
        return std::make_unique<WindowRecord>("TFrm_Man", parvell_caption);
    }

    PrivateSession session;
    TempFolder folder;
    std::string box_log = folder.file("boxes.log");
};

TEST_F(DunmereProgram, WithoutACommandLineOrWithoutParvellItSaysSoAndEnds)
{
    std::unique_ptr<WindowRecord> parvell = parvell_window();
    EXPECT_EQ(run_program({DUNMERE_EXE}), 1);
    parvell.reset();
    EXPECT_EQ(run_program({DUNMERE_EXE, "100"}), 1);

    std::vector<ShownMessageBox> boxes = read_message_box_log(box_log);
    ASSERT_EQ(boxes.size(), 2u);
    for (const ShownMessageBox& box : boxes) {
        EXPECT_EQ(box.text, refusal);
        EXPECT_EQ(box.caption, "");
        EXPECT_EQ(box.type, (UINT)MB_ICONINFORMATION);
    }
    EXPECT_EQ(FindWindowA(nullptr, dunmere_caption), nullptr);
}

TEST_F(DunmereProgram, ASecondDunmereEndsSilentlyAlsoAfterTheFirstWasKilled)
{
    std::unique_ptr<WindowRecord> parvell = parvell_window();
    ChildProcess first({DUNMERE_EXE, "100"});
    ASSERT_TRUE(comes_true([] { return FindWindowA("TFrm_Man", dunmere_caption) != nullptr; }));
    EXPECT_EQ(run_program({DUNMERE_EXE, "65"}), 1);
    EXPECT_EQ(first.wait(0), -1) << "the first one still runs";

    first.kill(SIGKILL);
    EXPECT_EQ(first.wait(), 128 + SIGKILL);
    ChildProcess third({DUNMERE_EXE, "65"});
    EXPECT_TRUE(comes_true([] { return FindWindowA("TFrm_Man", dunmere_caption) != nullptr; }));
    EXPECT_EQ(third.wait(300), -1) << "it runs";
    EXPECT_TRUE(read_message_box_log(box_log).empty());
}

// Quillon, Sarnet and Tolvane are bound when the program loads, so a missing
// one stops it before its first window.
TEST(DunmereBinding, LoadsQuillonSarnetAndTolvaneByImport)
{
    const std::string needed = command_output(std::string("readelf -d '") + DUNMERE_EXE + "'");
    for (const char* library : {"[libquillon.so]", "[libsarnet.so]", "[libtolvane.so]"})
        EXPECT_NE(needed.find(library), std::string::npos) << library << " is not bound:\n" << needed;
}

// Parvell runs here inside the test, in the run folder beside Dunmere.
class ParvellStartsDunmere : public ParvellApp {
protected:
    void TearDown() override
    {
        unsetenv("VELMORA_FORM_LOG");
        for (pid_t dunmere : dunmeres_of_this_session()) {
            kill(dunmere, SIGKILL);
            for (int i = 0; i < 500 && kill(dunmere, 0) == 0; ++i)
                usleep(10000);
        }
    }

    // The Dunmere processes started in this test's session: the shell leaves
    // them to run on their own, so they are known by program and session.
    std::vector<pid_t> dunmeres_of_this_session() const
    {
        std::vector<pid_t> found;
        char program[4096];
        if (!realpath(DUNMERE_EXE, program))
            return found;
        const std::string session = std::string("XDG_RUNTIME_DIR=") + session_.path();
        DIR* proc = opendir("/proc");
        while (dirent* entry = proc ? readdir(proc) : nullptr) {
            const std::string dir = std::string("/proc/") + entry->d_name;
            char exe[4096];
            ssize_t n = readlink((dir + "/exe").c_str(), exe, sizeof exe - 1);
            if (n <= 0)
                continue;
            exe[n] = '\0';
            std::string environment = read_file(dir + "/environ");
            std::replace(environment.begin(), environment.end(), '\0', '\n');
            if (strcmp(exe, program) == 0 && ("\n" + environment).find("\n" + session + "\n") != std::string::npos)
                found.push_back(atoi(entry->d_name));
        }
        if (proc)
            closedir(proc);
        return found;
    }

    TempFolder folder;
    std::string form_log = folder.file("form.log");
};

TEST_F(ParvellStartsDunmere, TheMerrowflexButtonStartsDunmereWithTheSelectedDiameter)
{
    setenv("VELMORA_FORM_LOG", form_log.c_str(), 1);
    start(RUN_DIR);
    ASSERT_TRUE(boxes_->boxes().empty());

    // Size 100A, and the pump started up to ten times a day: Merrowflex shows.
    int size = -1;
    for (int i = 0; i < Frm_Man->Lbx_Pdt->Count(); ++i)
        if (strcmp(((Pdt_inf*)Frm_Man->Lbx_Pdt->Object(i))->Diameter, "100A") == 0)
            size = i;
    ASSERT_GE(size, 0);
    click_item(Frm_Man->Lbx_Pdt, size);
    bool clicked = false;
    for (TStringGrid* grid : grids())
        for (int row = 0; row < grid->RowCount(); ++row)
            if (((Cdt_inf*)grid->Object(1, row))->ID == 23) {
                QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(1, row).center());
                clicked = true;
            }
    ASSERT_TRUE(clicked);
    ASSERT_NE(rps_tbl[0].rpd, nullptr);
    ASSERT_STREQ(rps_tbl[0].rpd->Name, "Merrowflex");
    ASSERT_EQ(qt_to_sjis(Frm_Man->Btn_St11->text()), "耐用年数計算");

    Frm_Man->Btn_St11->click();
    EXPECT_FALSE(Frm_Slc->isVisible()) << "no reader dialog";
    EXPECT_TRUE(comes_true([] { return FindWindowA("TFrm_Man", dunmere_caption) != nullptr; }));
    EXPECT_TRUE(comes_true([this] { return read_file(form_log).find("Edt_Ans=") != std::string::npos; }));
    EXPECT_EQ(read_file(form_log),
              "Cmb_Dia=100\nCmb_Dwn=3\nEdt_Stt=10\nEdt_Ans=" + sjis_to_utf8(" 約 37年 7ヶ月") + "\n");
    EXPECT_TRUE(boxes_->boxes().empty());
}

}  // namespace
