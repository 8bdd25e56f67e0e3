#include <QList>

#include <platform/maker_pictures.h>

#include "artwork.h"

// The emblem the version dialogs show, as the 8-bit bitmap the sheets print:
// the emblem is drawn in the maker's blue on white, so each pixel's share of
// that blue picks one of 256 shades from white to the blue, and the colour
// table holds exactly those shades.
QImage emblem_bitmap()
{
    const QImage cover = emblem_picture().convertToFormat(QImage::Format_RGB32);
    const QColor blue = maker_blue();
    QImage emblem(cover.size(), QImage::Format_Indexed8);
    QList<QRgb> shades(256);
    for (int i = 0; i < 256; ++i) {
        auto mix = [i](int white, int full) { return white + (full - white) * i / 255; };
        shades[i] = qRgb(mix(255, blue.red()), mix(255, blue.green()), mix(255, blue.blue()));
    }
    emblem.setColorTable(shades);
    for (int y = 0; y < cover.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(cover.constScanLine(y));
        uchar* to = emblem.scanLine(y);
        // The red channel runs from 255 (white) to 0 (the blue) alone.
        for (int x = 0; x < cover.width(); ++x)
            to[x] = static_cast<uchar>(255 - qRed(from[x]));
    }
    return emblem;
}
