// Bad input: no crash, nothing drawn where nothing can be, the job goes on.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include <QImage>

#include "pdf_job.h"
#include "testsupport/pdf_probe.h"

namespace {

// Every call once, with a usable record.
int drawn_of_every_kind()
{
    static QImage dot = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.fill(Qt::black);
        return image;
    }();
    Prt_lin lin = line_record(30, 30, 60, 30, 0.3);
    Prt_rct rct = box_record(30, 40, 60, 50, grey);
    Prt_txt txt = text_record(30, 60, 60, 10, "文字", 10, 1, 3);
    Rct_inf box{30, 80, 10, 10};
    return prt_lin_(&lin) + prt_rct_(&rct) + prt_txt_(&txt) + prt_grf_(&box, 1, &dot);
}

TEST(BadInput, CallsOutsideAJobDrawNothing)
{
    Prt_ini ini = job_record("試験");
    EXPECT_EQ(drawn_of_every_kind(), 0);
    EXPECT_EQ(end_prt_(&ini), 0);
    EXPECT_EQ(ini_prt_(nullptr), 0);
    EXPECT_EQ(end_prt_(nullptr), 0);
    EXPECT_EQ(prt_lin_(nullptr) + prt_rct_(nullptr) + prt_txt_(nullptr), 0);
    EXPECT_EQ(prt_grf_(nullptr, 1, nullptr), 0);

    // After a job has ended, too.
    TempFolder dir;
    ASSERT_EQ(print_pdf(dir.file("one.pdf"), [] { EXPECT_EQ(drawn_of_every_kind(), 4); }), 1);
    EXPECT_EQ(drawn_of_every_kind(), 0);
}

TEST(BadInput, UnusableRecordsInsideAJobAreSkippedAndTheJobGoesOn)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    TempFolder dir;
    const std::string pdf = dir.file("bad.pdf");
    ASSERT_EQ(print_pdf(pdf,
                        [&] {
                            EXPECT_EQ(prt_lin_(nullptr) + prt_rct_(nullptr) + prt_txt_(nullptr), 0);
                            Prt_lin lin = line_record(nan, 30, 60, 30, 0.3);
                            EXPECT_EQ(prt_lin_(&lin), 0);
                            lin = line_record(30, 30, 60, 30, -1);
                            EXPECT_EQ(prt_lin_(&lin), 0);
                            Prt_rct rct = box_record(30, 40, inf, 50, grey);
                            EXPECT_EQ(prt_rct_(&rct), 0);
                            Prt_txt txt = text_record(30, 60, 60, 10, nullptr, 10, 1, 3);
                            EXPECT_EQ(prt_txt_(&txt), 0);
                            txt = text_record(30, 60, 60, 10, "大きさなし", 0, 1, 3);
                            EXPECT_EQ(prt_txt_(&txt), 0);
                            txt = text_record(30, 60, 1e9, 10, "遠すぎる", 10, 1, 3);
                            EXPECT_EQ(prt_txt_(&txt), 0);
                            Rct_inf box{30, 80, 10, 10};
                            QImage empty;
                            EXPECT_EQ(prt_grf_(&box, 1, nullptr) + prt_grf_(&box, 1, &empty), 0);
                            EXPECT_EQ(prt_grf_(nullptr, 1, &empty), 0);
                            box.wid = 0;
                            QImage dot(1, 1, QImage::Format_RGB32);
                            EXPECT_EQ(prt_grf_(&box, 1, &dot), 0);
                            // A null face is drawn in the fallback face.
                            txt = text_record(30, 100, 60, 10, "書体なし", 10, 1, 3);
                            txt.fnt_nam = nullptr;
                            EXPECT_EQ(prt_txt_(&txt), 1);
                            EXPECT_EQ(drawn_of_every_kind(), 4);
                        }),
              1);
    const std::string text = pdf_text(pdf);
    EXPECT_NE(text.find(u8"書体なし"), std::string::npos);
    EXPECT_NE(text.find(u8"文字"), std::string::npos);
    EXPECT_EQ(text.find(u8"大きさなし"), std::string::npos);
    EXPECT_EQ(text.find(u8"遠すぎる"), std::string::npos);
}

TEST(BadInput, AnOutputThatCannotBeOpenedAnswersZero)
{
    TempFolder dir;
    setenv("TOLVANE_PDF", dir.file("no/such/folder/sheet.pdf").c_str(), 1);
    Prt_ini ini = job_record("試験");
    EXPECT_EQ(ini_prt_(&ini), 0);
    EXPECT_EQ(drawn_of_every_kind(), 0);
    EXPECT_EQ(end_prt_(&ini), 0);
    // Nothing of the failed job stands in the way of the next one.
    const std::string pdf = dir.file("next.pdf");
    EXPECT_EQ(print_pdf(pdf, [] { EXPECT_EQ(drawn_of_every_kind(), 4); }), 1);
    EXPECT_TRUE(file_exists(pdf));
}

TEST(BadInput, ASecondJobWhileOneIsOpenIsDeclined)
{
    TempFolder dir;
    const std::string pdf = dir.file("first.pdf");
    setenv("TOLVANE_PDF", pdf.c_str(), 1);
    Prt_ini first = job_record("一枚目"), second = job_record("二枚目");
    ASSERT_EQ(ini_prt_(&first), 1);
    EXPECT_EQ(ini_prt_(&second), 3);
    EXPECT_EQ(end_prt_(&second), 0);  // the first job stays open
    EXPECT_EQ(drawn_of_every_kind(), 4);
    EXPECT_EQ(end_prt_(&first), 1);
    EXPECT_NE(pdf_text(pdf).find(u8"文字"), std::string::npos);
}

// A PDF that cannot be written whole (a full disk, a file-size limit) is a
// failed job: end_prt_ answers 0 and an older file stays as it was.
TEST(BadInput, AWriteThatFailsAnswersZeroAndLeavesTheOlderFile)
{
    TempFolder dir;
    const std::string pdf = dir.file("sheet.pdf");
    ASSERT_EQ(print_pdf(pdf, [] { drawn_of_every_kind(); }), 1);
    const std::string older = read_file(pdf);

    signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Prt_ini ini = job_record("試験");
    const int started = ini_prt_(&ini);
    drawn_of_every_kind();
    const int ended = end_prt_(&ini);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
    EXPECT_EQ(started, 1);
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(read_file(pdf) == older) << read_file(pdf).size() << " vs " << older.size();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(std::filesystem::path(pdf).parent_path()), {}),
              1);  // no leftovers

    // A device is written in place, never replaced.
    setenv("TOLVANE_PDF", "/dev/full", 1);
    ini = job_record("試験");
    EXPECT_EQ(ini_prt_(&ini), 1);
    drawn_of_every_kind();
    EXPECT_EQ(end_prt_(&ini), 0);
    struct stat device;
    ASSERT_EQ(stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode));
}

}  // namespace
