#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

#include <platform/screen.h>
#include <testsupport/qt_test_app.h>

namespace {

Qt::CursorShape shown()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::BlankCursor;  // Blank: no override in place
}

TEST(ScreenCursor, OverridesUntilSetBackToDefault)
{
    Screen->Cursor = crHandPoint;
    EXPECT_EQ(Screen->Cursor, crHandPoint);
    EXPECT_EQ(shown(), Qt::PointingHandCursor);
    Screen->Cursor = crHandPoint;  // every mouse move over a photo sets it again
    Screen->Cursor = crHourGlass;
    EXPECT_EQ(shown(), Qt::WaitCursor);
    Screen->Cursor = crDefault;
    EXPECT_EQ(Screen->Cursor, crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // nothing left stacked
    Screen->Cursor = crDefault;
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(CursorPosition, IsTheMousesScreenPosition)
{
    QCursor::setPos(123, 45);
    POINT p = {0, 0};
    EXPECT_TRUE(GetCursorPos(&p));
    EXPECT_EQ(p.x, 123);
    EXPECT_EQ(p.y, 45);
    EXPECT_FALSE(GetCursorPos(nullptr));
}

}  // namespace
