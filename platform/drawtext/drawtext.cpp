#include "platform/drawtext.h"

#include <string.h>

#include <string>

#include <QFontMetrics>
#include <QPainter>

#include <platform/qt_text.h>

namespace {

int qt_flags(UINT format)
{
    int flags = 0;
    flags |= (format & DT_CENTER) ? Qt::AlignHCenter : (format & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    if (format & DT_SINGLELINE) {
        flags |= Qt::TextSingleLine;
        flags |= (format & DT_VCENTER) ? Qt::AlignVCenter : (format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
        if (format & DT_WORDBREAK)
            flags |= Qt::TextWordWrap;
    }
    if (format & DT_EXPANDTABS)
        flags |= Qt::TextExpandTabs;
    flags |= (format & DT_NOPREFIX) ? 0 : Qt::TextShowMnemonic;
    flags |= Qt::TextDontClip;  // clipping, when wanted, is the painter's
    return flags;
}

QString text_of(const char* text, int count, UINT format)
{
    std::string bytes = count < 0 ? std::string(text) : std::string(text, strnlen(text, (size_t)count));
    QString t = qt_from_sjis(bytes.c_str());
    if (format & DT_SINGLELINE) {
        t.remove(QLatin1Char('\r'));
        t.remove(QLatin1Char('\n'));
    } else {
        t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    return t;
}

}  // namespace

int DrawTextA(QPainter* dc, const char* text, int count, RECT* rect, UINT format)
{
    if (!dc || !text || !rect)
        return 0;
    QString t = text_of(text, count, format);
    QRect box(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1));
    int flags = qt_flags(format);
    QFontMetrics metrics(dc->font());
    if (format & DT_END_ELLIPSIS && format & DT_SINGLELINE)
        t = metrics.elidedText(t, Qt::ElideRight, box.width(), flags & Qt::TextShowMnemonic);
    if (format & DT_CALCRECT) {
        int width = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE) ? qMax(box.width(), 1) : 0x7FFF;
        QRect needed =
            metrics.boundingRect(QRect(box.left(), box.top(), width, 0x7FFF),
                                 flags & ~(Qt::AlignHCenter | Qt::AlignRight | Qt::AlignVCenter | Qt::AlignBottom), t);
        rect->right = rect->left + needed.width();
        rect->bottom = rect->top + needed.height();
        return needed.height();
    }
    QRect drawn;
    dc->save();
    if (!(format & DT_NOCLIP))
        dc->setClipRect(box, Qt::IntersectClip);
    dc->drawText(box, flags, t, &drawn);
    dc->restore();
    if (format & DT_SINGLELINE && format & (DT_VCENTER | DT_BOTTOM))
        return drawn.bottom() + 1 - rect->top;
    return drawn.height();
}
