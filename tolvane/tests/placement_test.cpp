// Where texts and pictures land in their boxes, and how elements paint.
#include <gtest/gtest.h>

#include <QImage>

#include "pdf_job.h"
#include "testsupport/pdf_probe.h"

namespace {

void text(double x, double y, double wid, double hgt, const char* str, int h, int v, const char* face = "ＭＳ ゴシック",
          int emphasis = 0)
{
    Prt_txt txt = text_record(x, y, wid, hgt, str, 12, h, v);
    txt.fnt_nam = face;
    txt.atr4 = emphasis;
    EXPECT_EQ(prt_txt_(&txt), 1) << str;
}

TEST(TextPlacement, CodesPlaceTheLineInItsBox)
{
    TempFolder dir;
    const std::string pdf = dir.file("align.pdf");
    ASSERT_EQ(print_pdf(pdf,
                        [] {
                            text(30, 40, 60, 10, "左上", 1, 3);
                            text(30, 60, 60, 10, "中央", 5, 5);
                            text(30, 80, 60, 10, "右下", 2, 4);
                            text(30, 100, 60, 10, "既定", 0, 0);
                        }),
              1);
    const std::vector<Word> words = pdf_words(pdf);
    const Word left_top = find_word(words, u8"左上"), centre = find_word(words, u8"中央"),
               right_bottom = find_word(words, u8"右下"), fallback = find_word(words, u8"既定");
    // A 12 pt line is 4.2 mm high; two full-width characters 8.5 mm wide.
    EXPECT_NEAR(left_top.x1, 30, 0.2);
    EXPECT_NEAR(left_top.y1, 40, 0.6);
    EXPECT_NEAR((centre.x1 + centre.x2) / 2, 60, 0.2);
    EXPECT_NEAR((centre.y1 + centre.y2) / 2, 65, 0.6);
    EXPECT_NEAR(right_bottom.x2, 90, 0.2);
    EXPECT_NEAR(right_bottom.y2, 90, 0.6);
    EXPECT_NEAR(fallback.x1, 30, 0.2);
    EXPECT_NEAR(fallback.y1, 100, 0.6);
    for (const Word* w : {&left_top, &centre, &right_bottom})
        EXPECT_NEAR(w->x2 - w->x1, 8.47, 0.3) << w->text;
}

TEST(TextPlacement, EmphasisSetsTheLineBold)
{
    TempFolder dir;
    const std::string pdf = dir.file("bold.pdf");
    ASSERT_EQ(print_pdf(pdf,
                        [] {
                            text(30, 40, 150, 10, "耐用年数の目安", 1, 5);
                            text(30, 60, 150, 10, "耐用年数の目安", 1, 5, "ＭＳ ゴシック", 1);
                        }),
              1);
    const GreyPage page = render_page(pdf);
    const int plain = page.dark_count(29, 40, 120, 50), bold = page.dark_count(29, 60, 120, 70);
    EXPECT_GT(plain, 500);
    EXPECT_GT(bold, plain * 6 / 5);
}

TEST(TextPlacement, FacesMapToInstalledJapaneseFonts)
{
    TempFolder dir;
    const std::string gothic = dir.file("gothic.pdf"), proportional = dir.file("p.pdf"),
                      unknown = dir.file("unknown.pdf");
    ASSERT_EQ(print_pdf(gothic, [] { text(30, 40, 60, 10, "ゴシック", 1, 3); }), 1);
    ASSERT_EQ(print_pdf(proportional, [] { text(30, 40, 60, 10, "プロポーショナル", 1, 3, "ＭＳ Ｐゴシック"); }), 1);
    ASSERT_EQ(print_pdf(unknown, [] { text(30, 40, 60, 10, "代わりの書体", 1, 3, "存在しない書体"); }), 1);
    EXPECT_NE(pdf_fonts(gothic).find("IPAGothic"), std::string::npos);
    const std::string p_fonts = pdf_fonts(proportional);
    EXPECT_NE(p_fonts.find("IPAPGothic"), std::string::npos);
    EXPECT_EQ(p_fonts.find("IPAGothic"), std::string::npos);
    EXPECT_NE(pdf_fonts(unknown).find("IPAGothic"), std::string::npos);
    EXPECT_NE(pdf_text(unknown).find(u8"代わりの書体"), std::string::npos);
}

TEST(PicturePlacement, StretchedOverItsBoxOrKeptInProportion)
{
    QImage halves(2, 1, QImage::Format_RGB32);
    halves.setPixel(0, 0, qRgb(0, 0, 0));
    halves.setPixel(1, 0, qRgb(255, 255, 255));
    QImage square(1, 1, QImage::Format_RGB32);
    square.fill(Qt::black);
    TempFolder dir;
    const std::string pdf = dir.file("picture.pdf");
    ASSERT_EQ(print_pdf(pdf,
                        [&] {
                            Rct_inf stretched{40, 40, 40, 20};
                            EXPECT_EQ(prt_grf_(&stretched, 1, &halves), 1);
                            Rct_inf proportional{40, 100, 40, 20};
                            EXPECT_EQ(prt_grf_(&proportional, 0, &square), 1);
                        }),
              1);
    const GreyPage page = render_page(pdf);
    EXPECT_LT(page.at(41, 41), 64);
    EXPECT_LT(page.at(55, 59), 64);
    EXPECT_GT(page.at(65, 50), 192);
    EXPECT_GT(page.at(79, 59), 192);
    EXPECT_GT(page.at(39, 50), 240);
    EXPECT_GT(page.at(55, 61), 240);
    // A square in a 40 x 20 box: 20 x 20, centred from x 50 to 70.
    EXPECT_GT(page.at(45, 110), 240);
    EXPECT_LT(page.at(51, 101), 64);
    EXPECT_LT(page.at(69, 119), 64);
    EXPECT_GT(page.at(75, 110), 240);
}

TEST(Painting, LaterElementsCoverEarlierOnesInTheirColours)
{
    TempFolder dir;
    const std::string pdf = dir.file("order.pdf");
    ASSERT_EQ(print_pdf(pdf,
                        [] {
                            Prt_rct rct = box_record(30, 30, 90, 60, grey);
                            EXPECT_EQ(prt_rct_(&rct), 1);
                            rct = box_record(60, 30, 120, 60, white);
                            EXPECT_EQ(prt_rct_(&rct), 1);
                            rct = box_record(30, 80, 60, 90, 0x0000FF);  // 0x00BBGGRR: red
                            EXPECT_EQ(prt_rct_(&rct), 1);
                            rct = box_record(70, 80, 100, 90, 0xFF0000);  // blue
                            EXPECT_EQ(prt_rct_(&rct), 1);
                            rct = box_record(30, 100, 60, 110, grey);
                            EXPECT_EQ(prt_rct_(&rct), 1);
                            rct = box_record(30, 100, 60, 110, 0);
                            rct.fil_sty = 1;  // frame only
                            EXPECT_EQ(prt_rct_(&rct), 1);
                        }),
              1);
    const GreyPage page = render_page(pdf);
    EXPECT_NEAR(page.at(45, 45), 0xC0, 6);
    EXPECT_GT(page.at(75, 45), 250);
    EXPECT_LT(page.at(60.0, 45), 64);      // the later frame lies on the grey
    EXPECT_NEAR(page.at(45, 85), 76, 12);  // red's luminance
    EXPECT_NEAR(page.at(85, 85), 29, 12);  // blue's
    EXPECT_NEAR(page.at(45, 105), 0xC0, 6);
    EXPECT_LT(page.at(30, 105), 64);
}

}  // namespace
