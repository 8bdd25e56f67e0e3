#include "key_pressing.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <platform/keyboard.h>
#include <platform/qt_text.h>

namespace {

QString typed_text(const QKeyEvent* event)
{
    if (event->modifiers() & Qt::AltModifier)
        return QString();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return (event->modifiers() & Qt::ControlModifier) ? QString() : QStringLiteral("\r");
    if (event->key() == Qt::Key_Delete)
        return QString();
    return event->text();
}

char key_of(QChar ch)
{
    if (ch.unicode() < 128)
        return static_cast<char>(ch.unicode());
    const QByteArray sjis = qt_to_sjis(QString(ch));
    // A character without a Shift-JIS code still counts as one beyond ASCII.
    if (!sjis.isEmpty() && static_cast<unsigned char>(sjis[0]) >= 128)
        return sjis[0];
    return static_cast<char>(0x80);
}

QString text_of_key(char key)
{
    const char sjis[2] = {key, '\0'};
    return qt_from_sjis(sjis);
}

// The key code that goes with a replaced text, for handlers that look at it.
int qt_key_of(const QString& text)
{
    if (text.size() != 1)
        return Qt::Key_unknown;
    const char16_t c = text[0].unicode();
    if (c >= 'a' && c <= 'z')
        return c - 'a' + Qt::Key_A;
    if (c >= 0x20 && c < 0x7F)
        return c;
    return Qt::Key_unknown;
}

}  // namespace

void enter_as_tab(char& key)
{
    if (key == 13) {
        keybd_event(VK_TAB, 0, 0, 0);
        key = 0;
    }
}

bool types_characters(const QKeyEvent* event)
{
    return !typed_text(event).isEmpty();
}

QString pass_typed_text(const QString& text, const KeyPressFn& key_press, bool* changed)
{
    QString left;
    *changed = false;
    for (const QChar ch : text) {
        const char typed = key_of(ch);
        char key = typed;
        key_press(key);
        if (key == typed) {
            left += ch;
        } else {
            *changed = true;
            if (key != 0)
                left += text_of_key(key);
        }
    }
    return left;
}

void pass_key_event(QKeyEvent* event, const KeyPressFn& key_press, const BaseKeyFn& base)
{
    const QString typed = typed_text(event);
    if (typed.isEmpty()) {
        base(event);
        return;
    }
    bool changed = false;
    const QString left = pass_typed_text(typed, key_press, &changed);
    if (left.isEmpty()) {
        event->accept();
        return;
    }
    if (!changed) {
        base(event);
        return;
    }
    QKeyEvent replaced(event->type(), qt_key_of(left), event->modifiers(), left, event->isAutoRepeat(), event->count());
    base(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void pass_input_method_event(QInputMethodEvent* event, const KeyPressFn& key_press, const BaseInputFn& base)
{
    bool changed = false;
    const QString left =
        event->commitString().isEmpty() ? QString() : pass_typed_text(event->commitString(), key_press, &changed);
    if (!changed) {
        base(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(left, event->replacementStart(), event->replacementLength());
    base(&filtered);
    event->setAccepted(filtered.isAccepted());
}
