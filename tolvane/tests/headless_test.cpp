// The library in a process with no application object and no screen.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <QCoreApplication>

#include "pdf_job.h"
#include "testsupport/pdf_probe.h"

namespace {

TEST(Headless, NoDialogWithoutAScreenButPdfOutputWorks)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "TOLVANE_PDF"})
        unsetenv(name);

    Prt_ini ini = job_record("画面なし");
    EXPECT_EQ(ini_prt_(&ini), 3);
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
    Prt_txt txt = text_record(30, 40, 100, 10, "画面なしの印刷", 12, 1, 3);
    EXPECT_EQ(prt_txt_(&txt), 0);
    EXPECT_EQ(end_prt_(&ini), 0);

    TempFolder dir;
    const std::string pdf = dir.file("headless.pdf");
    EXPECT_EQ(print_pdf(pdf,
                        [&] {
                            EXPECT_NE(QCoreApplication::instance(), nullptr);
                            EXPECT_EQ(prt_txt_(&txt), 1);
                        }),
              1);
    // The library's own application lasts as long as the job.
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_NE(pdf_text(pdf).find(u8"画面なしの印刷"), std::string::npos);

    // A screen named, but a platform on which nobody could answer the dialog.
    unsetenv("TOLVANE_PDF");
    setenv("DISPLAY", ":0", 1);
    setenv("QT_QPA_PLATFORM", "minimal", 1);
    EXPECT_EQ(ini_prt_(&ini), 3);
    EXPECT_EQ(end_prt_(&ini), 0);
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
}

}  // namespace
