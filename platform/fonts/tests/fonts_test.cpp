#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include <platform/fonts.h>
#include <platform/qt_text.h>
#include <testsupport/qt_test_app.h>

namespace {

bool is_family(const QFont& font, const char* latin, const char* japanese_utf8)
{
    QString family = QFontInfo(font).family();
    return family == QLatin1String(latin) || family == QString::fromUtf8(japanese_utf8);
}

TEST(Fonts, FormFacesResolveToTheIpaFaces)
{
    EXPECT_TRUE(is_family(make_font("ＭＳ Ｐゴシック", -12), "IPAPGothic", u8"IPA Pゴシック"));
    EXPECT_TRUE(is_family(make_font("ＭＳ ゴシック", -13), "IPAGothic", u8"IPAゴシック"));
    EXPECT_TRUE(is_family(make_font("MS Mincho", -13), "IPAMincho", u8"IPA明朝"));
    EXPECT_EQ(font_family("DejaVu Sans"), QStringLiteral("DejaVu Sans"));
}

TEST(Fonts, GothicIsFixedPitchAndPGothicProportional)
{
    QFontMetrics gothic(make_font("ＭＳ ゴシック", -13));
    QFontMetrics pgothic(make_font("ＭＳ Ｐゴシック", -13));
    EXPECT_EQ(gothic.horizontalAdvance(QLatin1Char('i')), gothic.horizontalAdvance(QLatin1Char('W')));
    EXPECT_LT(pgothic.horizontalAdvance(QLatin1Char('i')), pgothic.horizontalAdvance(QLatin1Char('W')));
}

TEST(Fonts, NegativeHeightIsPixelsPositiveIsTheCell)
{
    QFont character = make_font("ＭＳ ゴシック", -16, true);
    EXPECT_EQ(character.pixelSize(), 16);
    EXPECT_TRUE(character.bold());
    QFont cell = make_font("ＭＳ ゴシック", 16);
    EXPECT_LE(QFontMetrics(cell).height(), 16);
    EXPECT_GE(QFontMetrics(cell).height(), 13);
}

TEST(Fonts, QtFindsTheFormsFaceNamesOnceInstalled)
{
    install_font_faces();
    QFont by_name(qt_from_sjis("ＭＳ ゴシック"));
    by_name.setPixelSize(13);
    EXPECT_TRUE(is_family(by_name, "IPAGothic", u8"IPAゴシック"));
}

}  // namespace
