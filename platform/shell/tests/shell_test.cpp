#include <gtest/gtest.h>

#include <errno.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <platform/charset.h>
#include <platform/shell.h>
#include <testsupport/child_process.h>

namespace {

intptr_t code(HINSTANCE h)
{
    return reinterpret_cast<intptr_t>(h);
}

class ShellExecute : public ::testing::Test {
protected:
    void SetUp() override
    {
        log_ = folder_.file("args.log");
        setenv("VELMORA_ARGS_LOG", log_.c_str(), 1);
        setenv("VELMORA_OPENER", ARGS_RECORDER, 1);
        ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
        ASSERT_EQ(chdir(folder_.path().c_str()), 0);
    }
    void TearDown() override
    {
        EXPECT_EQ(chdir(previous_), 0);
        for (const char* name : {"VELMORA_ARGS_LOG", "VELMORA_OPENER", "VELMORA_ARGS_EXIT", "VELMORA_ARGS_HOLD"})
            unsetenv(name);
    }
    // The lines the started program recorded, once it has written them all.
    std::vector<std::string> recorded()
    {
        for (int i = 0; i < 3000; ++i) {  // up to 30 s on a busy machine
            std::string text = read_file(log_);
            if (text.size() >= 4 && text.compare(text.size() - 4, 4, "end\n") == 0) {
                std::vector<std::string> lines;
                size_t start = 0, end;
                while ((end = text.find('\n', start)) != std::string::npos) {
                    lines.push_back(text.substr(start, end - start));
                    start = end + 1;
                }
                return lines;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return {};
    }
    void install_program(const std::string& relative)
    {
        std::filesystem::path target = folder_.file(relative);
        std::filesystem::create_directories(target.parent_path());
        std::filesystem::copy_file(ARGS_RECORDER, target);
    }
    TempFolder folder_;
    std::string log_;
    char previous_[4096];
};

TEST_F(ShellExecute, ProgramStartsDirectlyWithItsParameters)
{
    EXPECT_GT(code(ShellExecuteA(nullptr, "open", ARGS_RECORDER, "100", nullptr, SW_SHOW)), 32);
    EXPECT_EQ(recorded(), (std::vector<std::string>{"cwd=" + folder_.path(), "arg=100", "end"}));
    unlink(log_.c_str());
    EXPECT_GT(code(ShellExecuteA(nullptr, nullptr, ARGS_RECORDER, "a \"b c\"", nullptr, SW_SHOW)), 32);
    EXPECT_EQ(recorded(), (std::vector<std::string>{"cwd=" + folder_.path(), "arg=a", "arg=b c", "end"}));
}

TEST_F(ShellExecute, RelativeBackslashedPathFromTheCurrentFolder)
{
    install_program("tools/Dunmere");
    EXPECT_GT(code(ShellExecuteA(nullptr, "open", "tools\\Dunmere", "65", nullptr, SW_SHOW)), 32);
    EXPECT_EQ(recorded(), (std::vector<std::string>{"cwd=" + folder_.path(), "arg=65", "end"}));
}

TEST_F(ShellExecute, ProgramNamedWithExeAndADirectoryToRunIn)
{
    install_program("tools/Dunmere");
    EXPECT_GT(code(ShellExecuteA(nullptr, "open", "Dunmere.exe", "150", "tools", SW_SHOW)), 32);
    EXPECT_EQ(recorded(), (std::vector<std::string>{"cwd=" + folder_.file("tools"), "arg=150", "end"}));
}

TEST_F(ShellExecute, DocumentOpensWithTheDesktopsApplication)
{
    write_file(folder_.file(u8"比較表.pdf"), "%PDF-1.4");  // the file system's UTF-8
    EXPECT_GT(code(ShellExecuteA(nullptr, "open", "比較表.pdf", "ignored", nullptr, SW_SHOW)), 32);
    EXPECT_EQ(recorded(),
              (std::vector<std::string>{"cwd=" + folder_.path(), "arg=" + folder_.file(u8"比較表.pdf"), "end"}));
}

TEST_F(ShellExecute, AddressesGoToTheOpenerAsTheyStand)
{
    EXPECT_GT(
        code(ShellExecuteA(nullptr, "open", "https://www.velmora.example/parvell?a=1", nullptr, nullptr, SW_SHOW)), 32);
    EXPECT_EQ(recorded(), (std::vector<std::string>{"cwd=" + folder_.path(),
                                                    "arg=https://www.velmora.example/parvell?a=1", "end"}));
    unlink(log_.c_str());
    EXPECT_GT(code(ShellExecuteA(nullptr, "open", "www.velmora.example", nullptr, nullptr, SW_SHOW)), 32);
    EXPECT_EQ(recorded(), (std::vector<std::string>{"cwd=" + folder_.path(), "arg=http://www.velmora.example", "end"}));
}

TEST_F(ShellExecute, OpenerFailuresFollowTheShellsCodes)
{
    write_file(folder_.file("doc.pdf"), "%PDF-1.4");
    setenv("VELMORA_ARGS_EXIT", "3", 1);  // no application for the type
    EXPECT_EQ(code(ShellExecuteA(nullptr, "open", "doc.pdf", nullptr, nullptr, SW_SHOW)), SE_ERR_NOASSOC);
    setenv("VELMORA_ARGS_EXIT", "2", 1);
    EXPECT_EQ(code(ShellExecuteA(nullptr, "open", "doc.pdf", nullptr, nullptr, SW_SHOW)), ERROR_FILE_NOT_FOUND);
    unsetenv("VELMORA_ARGS_EXIT");
    setenv("VELMORA_OPENER", "/nonexistent/opener", 1);
    EXPECT_EQ(code(ShellExecuteA(nullptr, "open", "doc.pdf", nullptr, nullptr, SW_SHOW)), SE_ERR_NOASSOC);
    setenv("VELMORA_OPENER", "velmora-no-such-opener", 1);  // looked for on PATH
    EXPECT_EQ(code(ShellExecuteA(nullptr, "open", "doc.pdf", nullptr, nullptr, SW_SHOW)), SE_ERR_NOASSOC);
}

TEST_F(ShellExecute, OpenerStillRunningCountsAsStarted)
{
    write_file(folder_.file("doc.pdf"), "%PDF-1.4");
    // The opener would fail, but is held until the answer has come.
    const std::string hold = folder_.file("hold");
    write_file(hold, "");
    setenv("VELMORA_ARGS_HOLD", hold.c_str(), 1);
    setenv("VELMORA_ARGS_EXIT", "3", 1);
    EXPECT_GT(code(ShellExecuteA(nullptr, "open", "doc.pdf", nullptr, nullptr, SW_SHOW)), 32);
    EXPECT_EQ(recorded().size(), 3u);  // it did run: cwd, the document, end
    unlink(hold.c_str());
}

TEST_F(ShellExecute, MissingFilesFoldersAndUnknownVerbs)
{
    EXPECT_EQ(code(ShellExecuteA(nullptr, "open", "nofile.pdf", nullptr, nullptr, SW_SHOW)), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(code(ShellExecuteA(nullptr, "open", "adobe\\ar505jpn.exe", nullptr, nullptr, SW_SHOW)),
              ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(code(ShellExecuteA(nullptr, "open", "", nullptr, nullptr, SW_SHOW)), ERROR_FILE_NOT_FOUND);
    write_file(folder_.file("doc.pdf"), "%PDF-1.4");
    EXPECT_EQ(code(ShellExecuteA(nullptr, "print", "doc.pdf", nullptr, nullptr, SW_SHOW)), SE_ERR_NOASSOC);
}

TEST_F(ShellExecute, ExecutableThatIsNoProgramIsABadFormat)
{
    write_file(folder_.file("broken"), "neither a program nor a script\n", 0755);
    EXPECT_EQ(code(ShellExecuteA(nullptr, "open", "broken", nullptr, nullptr, SW_SHOW)), ERROR_BAD_FORMAT);
}

TEST_F(ShellExecute, UnreadableDocumentIsAccessDenied)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may read every file";
    write_file(folder_.file("secret.pdf"), "%PDF-1.4", 0);
    EXPECT_EQ(code(ShellExecuteA(nullptr, "open", "secret.pdf", nullptr, nullptr, SW_SHOW)), ERROR_ACCESS_DENIED);
}

TEST_F(ShellExecute, NoChildIsLeftToReap)
{
    EXPECT_GT(code(ShellExecuteA(nullptr, "open", ARGS_RECORDER, "x", nullptr, SW_SHOW)), 32);
    EXPECT_FALSE(recorded().empty());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

}  // namespace
