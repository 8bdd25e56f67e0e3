#include "memo_text.h"

#include <platform/form_look.h>

QPlainTextEdit* memo(QWidget* parent, const char* const* lines, int count, const QRect& geometry,
                     const QColor& background, const QColor& text, int font_height)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setGeometry(geometry);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFrameShape(QFrame::NoFrame);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setFont(make_font("ＭＳ ゴシック", font_height));
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    edit->setPalette(palette);
    QStringList all;
    for (int i = 0; i < count; ++i)
        all << qt_from_sjis(lines[i]);
    edit->setPlainText(all.join('\n'));
    return edit;
}
