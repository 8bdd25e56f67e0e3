#include "platform/screen.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

TScreen the_screen;

Qt::CursorShape shape_of(TCursor cursor)
{
    switch (cursor) {
    case crHourGlass: return Qt::WaitCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
    }
}

}  // namespace

TScreen* const Screen = &the_screen;

BOOL GetCursorPos(POINT* point)
{
    if (!point)
        return FALSE;
    QPoint p = QCursor::pos();
    point->x = p.x();
    point->y = p.y();
    return TRUE;
}

TScreen::CursorProperty& TScreen::CursorProperty::operator=(TCursor cursor)
{
    value_ = cursor;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return *this;
    // One override at most, so that crDefault always lifts it.
    if (cursor == crDefault) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    } else if (QGuiApplication::overrideCursor()) {
        QGuiApplication::changeOverrideCursor(QCursor(shape_of(cursor)));
    } else {
        QGuiApplication::setOverrideCursor(QCursor(shape_of(cursor)));
    }
    return *this;
}
