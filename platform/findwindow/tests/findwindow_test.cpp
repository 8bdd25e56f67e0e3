#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>

#include <QWidget>

#include <platform/findwindow.h>
#include <platform/qt_text.h>
#include <testsupport/child_process.h>
#include <testsupport/qt_test_app.h>

namespace {

const char caption[] = "ヴェルモラ株式会社 【 ゴム製品耐用年数計算システム 】";

class FindWindow : public ::testing::Test {
protected:
    // Record files in the session's window folder, live or dead.
    int record_files()
    {
        int count = 0;
        if (DIR* dir = opendir((session_.path() + "/velmora/windows").c_str())) {
            while (struct dirent* e = readdir(dir))
                count += e->d_name[0] != '.';
            closedir(dir);
        }
        return count;
    }
    PrivateSession session_;
};

TEST_F(FindWindow, AnotherProcessWindowIsFoundByItsExactCaption)
{
    ChildProcess parvell({WINDOW_PROBE, caption});
    ASSERT_EQ(parvell.read_line(), "published");
    EXPECT_NE(FindWindowA(nullptr, caption), nullptr);
    EXPECT_NE(FindWindowA("tfrm_probe", caption), nullptr);  // class names ignore case
    EXPECT_EQ(FindWindowA("TFrm_Man", caption), nullptr);
    std::string shorter(caption, sizeof caption - 2);  // without the last byte
    EXPECT_EQ(FindWindowA(nullptr, shorter.c_str()), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, (std::string(caption) + " ").c_str()), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, "ヴェルモラ株式会社 【 Merrowflex耐用年数計算システム 】"), nullptr);
}

TEST_F(FindWindow, FollowsTheCaptionAndGoesWithTheWindow)
{
    ChildProcess probe({WINDOW_PROBE, "old"});
    ASSERT_EQ(probe.read_line(), "published");
    probe.write_line(std::string("title ") + caption);
    ASSERT_EQ(probe.read_line(), "done");
    EXPECT_EQ(FindWindowA(nullptr, "old"), nullptr);
    EXPECT_NE(FindWindowA(nullptr, caption), nullptr);
    EXPECT_EQ(record_files(), 1);
    probe.write_line("destroy");
    ASSERT_EQ(probe.read_line(), "done");
    EXPECT_EQ(FindWindowA(nullptr, caption), nullptr);
    EXPECT_EQ(record_files(), 0);
}

TEST_F(FindWindow, NothingStaleAfterTheProcessDies)
{
    ChildProcess probe({WINDOW_PROBE, caption});
    ASSERT_EQ(probe.read_line(), "published");
    probe.kill(SIGKILL);
    probe.wait();
    EXPECT_EQ(record_files(), 1);  // left behind by the crash ...
    EXPECT_EQ(FindWindowA(nullptr, caption), nullptr);
    EXPECT_EQ(record_files(), 0);  // ... and swept by the search
}

TEST_F(FindWindow, OneOfTwoSameCaptionsGoneTheOtherIsStillFound)
{
    ChildProcess first({WINDOW_PROBE, caption});
    ChildProcess second({WINDOW_PROBE, caption});
    ASSERT_EQ(first.read_line(), "published");
    ASSERT_EQ(second.read_line(), "published");
    first.kill(SIGKILL);
    first.wait();
    EXPECT_NE(FindWindowA(nullptr, caption), nullptr);
}

TEST_F(FindWindow, WidgetsOfThisProcessArePublishedForTheirLife)
{
    QWidget* window = new QWidget;
    window->setWindowTitle(qt_from_sjis(caption));
    publish_window(window);
    publish_window(window);
    EXPECT_NE(FindWindowA("QWidget", caption), nullptr);
    EXPECT_EQ(record_files(), 1);
    window->setWindowTitle(QStringLiteral("renamed"));
    EXPECT_NE(FindWindowA(nullptr, "renamed"), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, caption), nullptr);
    delete window;
    EXPECT_EQ(FindWindowA(nullptr, "renamed"), nullptr);
    EXPECT_EQ(record_files(), 0);
}

TEST_F(FindWindow, RecordsWithoutAWidget)
{
    WindowRecord record("Plain", "caption one");
    EXPECT_TRUE(record.published());
    EXPECT_NE(FindWindowA(nullptr, nullptr), nullptr);
    EXPECT_NE(FindWindowA("PLAIN", nullptr), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, "caption"), nullptr);
}

TEST(FindWindowWithoutSession, UnusableFolderFindsNothingAndPublishesNothing)
{
    setenv("XDG_RUNTIME_DIR", "/proc/velmora-no-such-folder", 1);
    setenv("TMPDIR", "/proc/velmora-no-such-folder", 1);
    WindowRecord record("Plain", "x");
    EXPECT_FALSE(record.published());
    EXPECT_EQ(FindWindowA(nullptr, "x"), nullptr);
    unsetenv("XDG_RUNTIME_DIR");
    unsetenv("TMPDIR");
}

}  // namespace
