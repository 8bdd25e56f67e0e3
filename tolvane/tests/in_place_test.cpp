// A PDF in a folder that takes no new file is written in place. Root may
// create files anywhere, so as root the job runs in a child that has become
// an unprivileged user; this program forks before Qt has started anything.
#include <gtest/gtest.h>

#include <grp.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "records.h"
#include "testsupport/pdf_probe.h"

namespace {

const uid_t nobody = 65534;

// Runs a job of one text into TOLVANE_PDF; answers ini_prt_'s answer times
// ten plus end_prt_'s, so 11 when both answered 1.
int print_one_text()
{
    Prt_ini ini = job_record("上書き");
    const int started = ini_prt_(&ini);
    Prt_txt txt = text_record(30, 40, 100, 10, "その場で上書き", 12, 1, 3);
    prt_txt_(&txt);
    return started * 10 + end_prt_(&ini);
}

// As root: in a child process as the user nobody.
int print_as_unprivileged_user()
{
    if (geteuid() != 0)
        return print_one_text();
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
            _exit(99);
        _exit(print_one_text());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

TEST(InPlace, AFileInAFolderThatTakesNoNewFileIsRewrittenInPlace)
{
    namespace fs = std::filesystem;
    TempFolder dir;
    const std::string pdf = dir.file("sheet.pdf");
    write_file(pdf, "older contents", 0666);
    struct stat before;
    ASSERT_EQ(stat(pdf.c_str(), &before), 0);
    // Open to look into, closed to new files (root's folder, to the user nobody).
    ASSERT_EQ(chmod(dir.path().c_str(), geteuid() == 0 ? 0755 : 0555), 0);
    setenv("TOLVANE_PDF", pdf.c_str(), 1);

    const int answers = print_as_unprivileged_user();
    chmod(dir.path().c_str(), 0700);

    EXPECT_EQ(answers, 11);
    struct stat after;
    ASSERT_EQ(stat(pdf.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(read_file(pdf).compare(0, 5, "%PDF-"), 0);
    EXPECT_NE(pdf_text(pdf).find(u8"その場で上書き"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);  // nothing beside it
}

}  // namespace
