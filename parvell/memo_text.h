// A read-only, borderless text block of fixed lines.
#ifndef PARVELL_MEMO_TEXT_H
#define PARVELL_MEMO_TEXT_H

#include <QColor>
#include <QPlainTextEdit>
#include <QRect>

QPlainTextEdit* memo(QWidget* parent, const char* const* lines, int count, const QRect& geometry,
                     const QColor& background, const QColor& text, int font_height);

#endif
