// The test page written to PDF and looked at with poppler-utils.
#include <gtest/gtest.h>

#include <vector>

#include <QImage>

#include "pdf_job.h"
#include "testsupport/pdf_probe.h"
#include "test_page.h"

namespace {

class TestPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        pdf_ = dir_.file("page.pdf");
        int drawn = 0;
        ASSERT_EQ(print_pdf(pdf_, [&] { drawn = emit_test_page(); }), 1);
        EXPECT_EQ(drawn, test_page_elements);
    }

    TempFolder dir_;
    std::string pdf_;
};

TEST_F(TestPage, IsOneA4PageNamedAfterTheJob)
{
    const std::string info = command_output("pdfinfo -enc UTF-8 '" + pdf_ + "'");
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;
    EXPECT_NE(info.find(u8"Title:           試験印刷\n"), std::string::npos) << info;
}

TEST_F(TestPage, JapaneseTextsAreFound)
{
    const std::string text = pdf_text(pdf_);
    for (const char* expected : {u8"ゴム製品耐用年数計算書", u8"試験用継手 ( 100A×150 )", u8"部品名称", u8"①",
                                 u8"補強リング", u8"SUS304", u8"許容変位の50%以下", u8"推定耐用年数 :",
                                 u8"約 12年 6ヶ月", u8"上記の耐用年数はあくまで大方の目安であることをご理解ください。",
                                 u8"④ 許容変位をこえていないか?", u8"2024/03/05 09:07", u8"PV[1.0.0.12] DBV[1.0]"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_NE(pdf_fonts(pdf_).find("IPAGothic"), std::string::npos);
}

TEST_F(TestPage, FrameBoxesAndPictureShowWhereTheyBelong)
{
    const GreyPage page = render_page(pdf_);
    // A4 in whole points is 297.04 mm high.
    ASSERT_EQ(page.width, 2100);
    ASSERT_NEAR(page.height, 2970, 1);

    // The 0.3 mm outer frame line at x = 20 covers 19.85 to 20.15 mm; the
    // inner one at 20.7 leaves paper between them.
    EXPECT_LT(page.at(19.95, 150), 64);
    EXPECT_LT(page.at(20.05, 150), 64);
    EXPECT_GT(page.at(19.6, 150), 240);
    EXPECT_GT(page.at(20.35, 150), 240);
    EXPECT_LT(page.at(20.7, 150), 64);
    EXPECT_LT(page.at(110, 10.0), 64);   // top edge
    EXPECT_LT(page.at(110, 286.9), 64);  // bottom edge

    // The grey group column (0xC0C0C0) and the white conditions box beside it.
    EXPECT_NEAR(page.at(48.5, 116.3), 0xC0, 6);
    EXPECT_NEAR(page.at(93, 150.5), 0xC0, 6);
    EXPECT_GT(page.at(100, 116.3), 250);
    // The parts table's grey header row and the white rows below.
    EXPECT_NEAR(page.at(117.2, 50.8), 0xC0, 6);
    EXPECT_GT(page.at(117.2, 56), 250);

    // The emblem's bars, 15 of 165 pixels each, stretched over 46 mm.
    const double bar = 46.0 * 15 / 165;
    EXPECT_LT(page.at(149 + bar * 0.5, 30), 64);
    EXPECT_GT(page.at(149 + bar * 1.5, 30), 192);
    EXPECT_LT(page.at(149 + bar * 10.5, 30), 64);
    EXPECT_GT(page.at(149 + bar * 5, 26), 240);  // nothing above its box
}

}  // namespace

// A picture reaches the PDF without loss: its pure colours come out exact
// (a lossy store gives a red stripe as 209, 19, 19).
TEST(PagePictures, KeepTheirPixels)
{
    TempFolder dir;
    const std::string pdf = dir.file("stripes.pdf");
    QImage stripes(40, 10, QImage::Format_RGB32);
    stripes.fill(qRgb(255, 0, 0));
    for (int y = 0; y < 10; ++y)
        for (int x = 20; x < 40; ++x)
            stripes.setPixel(x, y, qRgb(0, 88, 176));
    ASSERT_EQ(print_pdf(pdf,
                        [&] {
                            Rct_inf box{20, 20, 40, 10};
                            prt_grf_(&box, 1, &stripes);
                        }),
              1);
    const Rgb red = pdf_colour_at(pdf, 30, 25);
    EXPECT_EQ((std::vector<int>{red.r, red.g, red.b}), (std::vector<int>{255, 0, 0}));
    const Rgb blue = pdf_colour_at(pdf, 50, 25);
    EXPECT_EQ((std::vector<int>{blue.r, blue.g, blue.b}), (std::vector<int>{0, 88, 176}));
}
