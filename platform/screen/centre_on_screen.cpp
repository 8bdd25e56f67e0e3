#include "platform/centre_on_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

void centre_on_screen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame as the window system reports it, which the widget itself
    // learns only once the window is on screen.
    QSize outer = window->frameGeometry().size();
    if (const QWindow* handle = window->windowHandle()) {
        const QMargins frame = handle->frameMargins();
        outer = window->size().grownBy(frame);
    }
    // A window larger than the screen keeps its top left corner on it, where
    // its caption and the start of its controls are.
    const QRect desk = screen->geometry();
    window->move(qMax(desk.x(), desk.x() + (desk.width() - outer.width()) / 2),
                 qMax(desk.y(), desk.y() + (desk.height() - outer.height()) / 2));
}
