// Colours as the forms and the print records store them: 0x00BBGGRR.
#ifndef PLATFORM_BGR_COLOR_H
#define PLATFORM_BGR_COLOR_H

#include <QColor>

inline QColor bgr_color(unsigned value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

#endif
