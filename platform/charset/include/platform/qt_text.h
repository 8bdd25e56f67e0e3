// Shift-JIS texts at the widget boundary.
#ifndef PLATFORM_QT_TEXT_H
#define PLATFORM_QT_TEXT_H

#include <QByteArray>
#include <QString>

#include <platform/charset.h>

inline QString qt_from_sjis(const char* sjis)
{
    return QString::fromStdString(sjis_to_utf8(sjis ? sjis : ""));
}

inline QByteArray qt_to_sjis(const QString& text)
{
    return QByteArray::fromStdString(utf8_to_sjis(text.toStdString()));
}

#endif
