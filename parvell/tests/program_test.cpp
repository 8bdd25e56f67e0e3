// The real program, started as child processes in a private session: one
// Parvell at a time, the lock going with its process however it ends, and
// the end of a start without a database.
#include <gtest/gtest.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#include <platform/findwindow.h>
#include <platform/msgbox.h>
#include <testsupport/child_process.h>

#include "Frm_mans.h"
#include "parvell_on_db.h"

namespace {

long long now_ms()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000LL + ts.tv_nsec / 1000000;
}

class ParvellProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("VELMORA_MESSAGE_BOX_LOG", box_log().c_str(), 1);
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        home_ = cwd;
    }
    void TearDown() override { unsetenv("VELMORA_MESSAGE_BOX_LOG"); }

    std::string box_log() const { return folder_.file("boxes.log"); }

    // Starts Parvell with the database's folder as the current one.
    std::unique_ptr<ChildProcess> start_parvell()
    {
        EXPECT_EQ(chdir(folder_.path().c_str()), 0);
        auto child = std::make_unique<ChildProcess>(std::vector<std::string>{PARVELL_EXE});
        EXPECT_EQ(chdir(home_.c_str()), 0);
        return child;
    }

    // Whether the main window of a Parvell of this session shows up in time.
    static bool main_window_appears(ChildProcess& child)
    {
        long long deadline = now_ms() + 20000;
        while (now_ms() < deadline) {
            if (FindWindowA(nullptr, parvell_caption))
                return true;
            if (child.wait(0) != -1)
                return false;  // it ended
            usleep(10000);
        }
        return false;
    }

    PrivateSession session_;
    TempFolder folder_;
    ProductDb db_;
    std::string home_;
};

TEST_F(ParvellProgram, ASecondParvellEndsAtOnceUntilTheFirstIsGone)
{
    add_minimal_rows(db_);
    db_.write(folder_.file("Parvell.mdb"));
    std::unique_ptr<ChildProcess> first = start_parvell();
    ASSERT_TRUE(main_window_appears(*first));

    EXPECT_EQ(chdir(folder_.path().c_str()), 0);
    int second = run_program({PARVELL_EXE}, 20000);
    EXPECT_EQ(chdir(home_.c_str()), 0);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(first->wait(0), -1) << "the first one is still running";

    // Killed without a chance to clean up, it still leaves the name free.
    first->kill(SIGKILL);
    EXPECT_EQ(first->wait(), 128 + SIGKILL);
    std::unique_ptr<ChildProcess> third = start_parvell();
    EXPECT_TRUE(main_window_appears(*third));
    EXPECT_EQ(third->wait(300), -1) << "it runs";
    third->kill(SIGKILL);
    third->wait();
    EXPECT_TRUE(read_message_box_log(box_log()).empty());
}

// The start sequence closes the window at once; the message loop ends and
// the program with it.
TEST_F(ParvellProgram, WithoutADatabaseItShowsTheBoxAndEnds)
{
    std::unique_ptr<ChildProcess> parvell = start_parvell();
    EXPECT_EQ(parvell->wait(20000), 0);
    std::vector<ShownMessageBox> boxes = read_message_box_log(box_log());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "データベースに接続できません。");
    EXPECT_EQ(boxes[0].caption, "DB接続エラー");
    EXPECT_EQ(boxes[0].type, (UINT)(MB_OK | MB_ICONERROR));
    EXPECT_EQ(FindWindowA(nullptr, parvell_caption), nullptr);
}

}  // namespace

namespace {

// The three libraries of the system are bound when the program loads, so a
// missing one stops it before its first window.
TEST(ParvellBinding, LoadsQuillonSarnetAndTolvaneByImport)
{
    std::string command = std::string("readelf -d '") + PARVELL_EXE + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string needed;
    char line[512];
    while (fgets(line, sizeof line, pipe))
        if (strstr(line, "(NEEDED)"))
            needed += line;
    ASSERT_EQ(pclose(pipe), 0);
    for (const char* library : {"[libquillon.so]", "[libsarnet.so]", "[libtolvane.so]"})
        EXPECT_NE(needed.find(library), std::string::npos) << library << " is not bound:\n" << needed;
}

}  // namespace
