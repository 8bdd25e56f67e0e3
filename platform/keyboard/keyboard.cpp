#include "platform/keyboard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace {

struct KeyOfCode {
    Qt::Key key;
    QString text;  // what the key types, empty for none
};

bool key_of_code(uint8_t vk, KeyOfCode* out)
{
    if (vk >= '0' && vk <= '9') {
        *out = {Qt::Key(Qt::Key_0 + (vk - '0')), QString(QChar(vk))};
        return true;
    }
    if (vk >= 'A' && vk <= 'Z') {
        // No shift state comes with the event: letters type in lower case.
        *out = {Qt::Key(Qt::Key_A + (vk - 'A')), QString(QChar(vk - 'A' + 'a'))};
        return true;
    }
    switch (vk) {
    case VK_BACK: *out = {Qt::Key_Backspace, QStringLiteral("\b")}; return true;
    case VK_TAB: *out = {Qt::Key_Tab, QStringLiteral("\t")}; return true;
    case VK_RETURN: *out = {Qt::Key_Return, QStringLiteral("\r")}; return true;
    case VK_ESCAPE: *out = {Qt::Key_Escape, QStringLiteral("\x1b")}; return true;
    case VK_SPACE: *out = {Qt::Key_Space, QStringLiteral(" ")}; return true;
    case VK_PRIOR: *out = {Qt::Key_PageUp, QString()}; return true;
    case VK_NEXT: *out = {Qt::Key_PageDown, QString()}; return true;
    case VK_END: *out = {Qt::Key_End, QString()}; return true;
    case VK_HOME: *out = {Qt::Key_Home, QString()}; return true;
    case VK_LEFT: *out = {Qt::Key_Left, QString()}; return true;
    case VK_UP: *out = {Qt::Key_Up, QString()}; return true;
    case VK_RIGHT: *out = {Qt::Key_Right, QString()}; return true;
    case VK_DOWN: *out = {Qt::Key_Down, QString()}; return true;
    case VK_DELETE: *out = {Qt::Key_Delete, QString()}; return true;
    default: return false;
    }
}

}  // namespace

void keybd_event(uint8_t vk, uint8_t /*scan*/, uint32_t flags, uintptr_t /*extra*/)
{
    KeyOfCode code;
    if (!key_of_code(vk, &code) || !QCoreApplication::instance())
        return;
    const QEvent::Type type = (flags & KEYEVENTF_KEYUP) ? QEvent::KeyRelease : QEvent::KeyPress;
    // Queued behind the events already waiting, so the key handler running now
    // finishes first; the target is whatever holds the focus at delivery.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [type, code] {
            QObject* target = QGuiApplication::focusObject();
            if (!target)
                return;
            QKeyEvent event(type, code.key, Qt::NoModifier, code.text);
            QCoreApplication::sendEvent(target, &event);
        },
        Qt::QueuedConnection);
}
