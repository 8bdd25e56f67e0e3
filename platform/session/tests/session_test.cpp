#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include <platform/session.h>

namespace {

class SessionFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/session_test.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        setenv("XDG_RUNTIME_DIR", root_.c_str(), 1);
    }
    void TearDown() override
    {
        std::string command = "rm -rf '" + root_ + "'";
        EXPECT_EQ(system(command.c_str()), 0);
        unsetenv("XDG_RUNTIME_DIR");
    }
    std::string root_;
};

TEST_F(SessionFolder, MadePrivateUnderTheRuntimeFolder)
{
    std::string folder = session_folder("mutex");
    EXPECT_EQ(folder, root_ + "/velmora/mutex");
    struct stat st;
    ASSERT_EQ(stat(folder.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(session_folder("mutex"), folder);  // an existing folder is taken again
}

TEST_F(SessionFolder, RefusesAFolderOthersCanReachOrASymbolicLink)
{
    ASSERT_EQ(mkdir((root_ + "/velmora").c_str(), 0755), 0);
    EXPECT_EQ(session_folder("mutex"), "");
    ASSERT_EQ(rmdir((root_ + "/velmora").c_str()), 0);
    ASSERT_EQ(mkdir((root_ + "/elsewhere").c_str(), 0700), 0);
    ASSERT_EQ(symlink((root_ + "/elsewhere").c_str(), (root_ + "/velmora").c_str()), 0);
    EXPECT_EQ(session_folder("mutex"), "");
}

TEST_F(SessionFolder, FallsBackToTmpWithoutARuntimeFolder)
{
    unsetenv("XDG_RUNTIME_DIR");
    std::string kind = "probe-" + std::to_string(getpid());  // parallel runs stay apart
    std::string folder = session_folder(kind.c_str());
    EXPECT_EQ(folder, "/tmp/velmora-" + std::to_string(geteuid()) + "/" + kind);
    rmdir(folder.c_str());
}

TEST(SessionFileName, KeepsPlainNamesAndEscapesEverythingElse)
{
    EXPECT_EQ(session_file_name("Parvell"), "Parvell");
    EXPECT_EQ(session_file_name("a/b c%"), "a%2Fb%20c%25");
    EXPECT_EQ(session_file_name("\x83\x5C"), "%83%5C");  // a Shift-JIS character
    EXPECT_NE(session_file_name("a b"), session_file_name("a_b"));
}

}  // namespace
