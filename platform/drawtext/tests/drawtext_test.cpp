#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <platform/drawtext.h>
#include <platform/fonts.h>
#include <testsupport/qt_test_app.h>

namespace {

// Draws on a white canvas in black, as a grid cell is painted.
QImage draw(const char* text, int count, RECT rect, UINT format, int* result = nullptr, RECT* out = nullptr)
{
    QImage canvas(200, 60, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setFont(make_font("ＭＳ ゴシック", -13));
    painter.setPen(Qt::black);
    int r = DrawTextA(&painter, text, count, &rect, format);
    painter.end();
    if (result)
        *result = r;
    if (out)
        *out = rect;
    return canvas;
}

// The box around every dark pixel; empty when nothing was drawn.
QRect ink(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(DrawText, CentredOnOneLineInTheRectangle)
{
    QRect box = ink(draw("ABCD", -1, {10, 10, 110, 40}, DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    ASSERT_FALSE(box.isEmpty());
    EXPECT_NEAR(box.center().x(), 60, 2);
    EXPECT_NEAR(box.center().y(), 25, 3);
}

TEST(DrawText, LeftAlignedStartsAtTheLeftEdge)
{
    QRect box = ink(draw("約 8年 6ヶ月", -1, {13, 10, 190, 24}, DT_VCENTER | DT_SINGLELINE));
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GE(box.left(), 13);
    EXPECT_LE(box.left(), 16);
    EXPECT_GE(box.top(), 10);
    EXPECT_LE(box.bottom(), 24);
}

TEST(DrawText, ClippedToTheRectangleUnlessToldNot)
{
    const char* long_text = "ゴム製品は永久的なものではなく";
    QRect clipped = ink(draw(long_text, -1, {10, 10, 40, 30}, DT_SINGLELINE));
    EXPECT_LE(clipped.right(), 39);
    QRect free = ink(draw(long_text, -1, {10, 10, 40, 30}, DT_SINGLELINE | DT_NOCLIP));
    EXPECT_GT(free.right(), 100);
}

TEST(DrawText, CountLimitsTheBytesDrawn)
{
    RECT r = {0, 0, 200, 30};
    EXPECT_EQ(draw("ABCDEF", 2, r, DT_SINGLELINE), draw("AB", -1, r, DT_SINGLELINE));
    EXPECT_EQ(draw("AB", 10, r, DT_SINGLELINE), draw("AB", -1, r, DT_SINGLELINE));  // stops at the NUL
    EXPECT_NE(draw("ABCDEF", 3, r, DT_SINGLELINE), draw("AB", -1, r, DT_SINGLELINE));
}

TEST(DrawText, AmpersandsArePrefixesUnlessNoPrefix)
{
    RECT r = {0, 0, 200, 30};
    EXPECT_EQ(draw("a&&b", -1, r, DT_SINGLELINE), draw("a&b", -1, r, DT_SINGLELINE | DT_NOPREFIX));
    EXPECT_NE(draw("&ab", -1, r, DT_SINGLELINE), draw("&ab", -1, r, DT_SINGLELINE | DT_NOPREFIX));
    EXPECT_NE(draw("&ab", -1, r, DT_SINGLELINE), draw("ab", -1, r, DT_SINGLELINE));  // underlined a
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing)
{
    int height = 0;
    RECT out;
    QImage canvas = draw("ABCD", -1, {10, 10, 11, 11}, DT_SINGLELINE | DT_CALCRECT, &height, &out);
    EXPECT_TRUE(ink(canvas).isEmpty());
    QFontMetrics metrics(make_font("ＭＳ ゴシック", -13));
    EXPECT_EQ(out.left, 10);
    EXPECT_NEAR(out.right - out.left, metrics.horizontalAdvance(QStringLiteral("ABCD")), 1);
    EXPECT_EQ(out.bottom - out.top, metrics.height());
    EXPECT_EQ(height, metrics.height());

    EXPECT_EQ(DrawTextA(nullptr, "x", -1, &out, 0), 0);  // no painter: nothing happens
}

TEST(DrawText, WordBreakWrapsAndSingleLineDoesNot)
{
    RECT narrow = {0, 0, 40, 60};
    QRect wrapped = ink(draw("AAAA BBBB CCCC", -1, narrow, DT_WORDBREAK));
    QRect one_line = ink(draw("AAAA BBBB CCCC", -1, narrow, DT_SINGLELINE));
    EXPECT_GT(wrapped.height(), 2 * one_line.height());
    int bottom_height = 0;
    draw("AB", -1, {0, 10, 100, 50}, DT_BOTTOM | DT_SINGLELINE, &bottom_height);
    EXPECT_EQ(bottom_height, 40);  // the text ends at the rectangle's bottom
}

}  // namespace
