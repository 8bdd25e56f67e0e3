#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include <platform/session.h>

namespace {

void write_text(const std::string& path)
{
    FILE* file = fopen(path.c_str(), "w");
    if (file)
        fclose(file);
}

class SessionFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = make_folder("/tmp/session_test.XXXXXX");
        temp_ = make_folder("/tmp/session_temp.XXXXXX");
        setenv("XDG_RUNTIME_DIR", root_.c_str(), 1);
        setenv("TMPDIR", temp_.c_str(), 1);
    }
    void TearDown() override
    {
        std::string command = "rm -rf '" + root_ + "' '" + temp_ + "'";
        EXPECT_EQ(system(command.c_str()), 0);
        unsetenv("XDG_RUNTIME_DIR");
        unsetenv("TMPDIR");
    }
    static std::string make_folder(std::string pattern) { return mkdtemp(&pattern[0]) ? pattern : std::string(); }
    static unsigned mode_of(const std::string& path)
    {
        struct stat st;
        return lstat(path.c_str(), &st) == 0 ? st.st_mode & 0777 : 01000;
    }
    std::string fallback() const { return temp_ + "/velmora-" + std::to_string(geteuid()); }

    std::string root_;
    std::string temp_;
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

// A runtime folder that is missing, a file, or holds a velmora that is not a
// real folder of ours leaves the per-user folder under the temporary one.
TEST_F(SessionFolder, UnusableRuntimeFolderFallsBackToThePerUserTemporaryFolder)
{
    for (const std::string& runtime : {std::string(), root_ + "/missing", root_ + "/file"}) {
        write_text(root_ + "/file");
        if (runtime.empty())
            unsetenv("XDG_RUNTIME_DIR");
        else
            setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        EXPECT_EQ(session_folder("mutex"), fallback() + "/mutex") << runtime;
    }
    setenv("XDG_RUNTIME_DIR", root_.c_str(), 1);
    ASSERT_EQ(mkdir((root_ + "/elsewhere").c_str(), 0700), 0);
    ASSERT_EQ(symlink((root_ + "/elsewhere").c_str(), (root_ + "/velmora").c_str()), 0);
    EXPECT_EQ(session_folder("windows"), fallback() + "/windows");
    EXPECT_EQ(mode_of(fallback()), 0700u);
}

TEST_F(SessionFolder, OwnFolderOthersCanReachIsClosedBeforeUse)
{
    unsetenv("XDG_RUNTIME_DIR");
    ASSERT_EQ(mkdir(fallback().c_str(), 0777), 0);
    ASSERT_EQ(chmod(fallback().c_str(), 0777), 0);  // past the umask
    EXPECT_EQ(session_folder("mutex"), fallback() + "/mutex");
    EXPECT_EQ(mode_of(fallback()), 0700u);
}

TEST_F(SessionFolder, NothingWhenNoCandidateIsARealFolderOfOurs)
{
    setenv("XDG_RUNTIME_DIR", (root_ + "/missing").c_str(), 1);
    ASSERT_EQ(symlink(root_.c_str(), fallback().c_str()), 0);
    EXPECT_EQ(session_folder("mutex"), "");
    ASSERT_EQ(unlink(fallback().c_str()), 0);
    write_text(fallback());
    EXPECT_EQ(session_folder("mutex"), "");
}

TEST(SessionFileName, KeepsPlainNamesAndEscapesEverythingElse)
{
    EXPECT_EQ(session_file_name("Parvell"), "Parvell");
    EXPECT_EQ(session_file_name("a/b c%"), "a%2Fb%20c%25");
    EXPECT_EQ(session_file_name("\x83\x5C"), "%83%5C");  // a Shift-JIS character
    EXPECT_NE(session_file_name("a b"), session_file_name("a_b"));
}

}  // namespace
