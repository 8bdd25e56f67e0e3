// The library inside a program that has its own application object, on a
// platform where nobody could answer the print dialog.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <optional>

#include <QApplication>
#include <QPrintDialog>
#include <QTimer>

#include "pdf_job.h"
#include "testsupport/pdf_probe.h"

namespace {

QApplication* program_app;

TEST(ProgramApplication, NoDialogWhereNobodyCanAnswerItTheJobIsDeclined)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    unsetenv("TOLVANE_PDF");
    // A dialog that came all the same is turned down, so the test ends.
    bool dialog_seen = false;
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            dialog_seen = true;
            dialog->reject();
        }
    });
    canceller.start(20);
    Prt_ini ini = job_record("画面なし");
    EXPECT_EQ(ini_prt_(&ini), 3);
    canceller.stop();
    EXPECT_FALSE(dialog_seen);

    Prt_lin lin = line_record(20, 10, 200, 10, 0.3);
    EXPECT_EQ(prt_lin_(&lin), 0);
    EXPECT_EQ(end_prt_(&ini), 0);  // closed, with no page to complete

    // The library painted with the program's application and made none of its own.
    TempFolder dir;
    const std::string pdf = dir.file("after.pdf");
    EXPECT_EQ(print_pdf(pdf, [&] { EXPECT_EQ(prt_lin_(&lin), 1); }), 1);
    EXPECT_TRUE(file_exists(pdf));
    EXPECT_EQ(QCoreApplication::instance(), program_app);
}

}  // namespace

// The program's application lives in main, as in the calculators; listing
// the tests needs none (and may have no platform to make one on).
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    std::optional<QApplication> app;
    if (!GTEST_FLAG_GET(list_tests))
        program_app = &app.emplace(argc, argv);
    return RUN_ALL_TESTS();
}
