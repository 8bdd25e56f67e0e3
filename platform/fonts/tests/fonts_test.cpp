#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>

#include <platform/desktop_font.h>
#include <platform/qt_test_app.h>

namespace {

TEST(DesktopFont, GothicFacesResolveToTheIpaFaces)
{
    // The installed faces are found through the desktop names.
    EXPECT_EQ(QFontInfo(desktop_font("ＭＳ Ｐゴシック", -12)).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(desktop_font("ＭＳ ゴシック", -16)).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(QFontInfo(desktop_font("ＭＳ 明朝", -12)).family(), QStringLiteral("IPAMincho"));
}

TEST(DesktopFont, NegativeHeightIsThePixelSize)
{
    QFont font = desktop_font("ＭＳ ゴシック", -16);
    EXPECT_EQ(font.pixelSize(), 16);
    // The Japanese characters come from the face itself: a full-width glyph
    // of a fixed face is twice as wide as a half-width one.
    QFontMetrics metrics(font);
    EXPECT_TRUE(metrics.inFont(QChar(0x5E74)));  // 年
    EXPECT_EQ(metrics.horizontalAdvance(QChar(0x5E74)), 2 * metrics.horizontalAdvance(QChar('1')));
}

TEST(DesktopFont, MappingTwiceAddsNothing)
{
    map_desktop_faces();
    const QStringList once = QFont::substitutes(QString::fromUtf8(u8"ＭＳ Ｐゴシック"));
    map_desktop_faces();
    EXPECT_EQ(QFont::substitutes(QString::fromUtf8(u8"ＭＳ Ｐゴシック")), once);
    ASSERT_EQ(once.size(), 1);
    EXPECT_EQ(once[0].compare(QStringLiteral("IPAPGothic"), Qt::CaseInsensitive), 0);
}

}  // namespace
