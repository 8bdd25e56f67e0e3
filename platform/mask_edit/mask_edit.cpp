#include "platform/mask_edit.h"

#include <platform/qt_text.h>

TMaskEdit::TMaskEdit(QWidget* parent) : QLineEdit(parent) {}

std::string TMaskEdit::Text() const
{
    QString mask = inputMask();
    if (mask.isEmpty())
        return qt_to_sjis(text()).toStdString();
    // The mask ends in ";c" when it names a blank character other than ' '.
    QChar blank = mask.size() >= 2 && mask[mask.size() - 2] == u';' ? mask.back() : QChar(u' ');
    QString shown = displayText();
    shown.replace(blank, u' ');
    return qt_to_sjis(shown).toStdString();
}
