#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "artwork.h"
#include "platform/qt_text.h"

namespace {
const QColor maker_blue(0, 88, 176);
}

// Drawn in black on white, then each pixel's darkness picks one of 256
// shades from white to the maker's blue: the 8-bit colour table of the
// emblem holds exactly those shades.
QImage emblem_bitmap()
{
    QImage cover(165, 22, QImage::Format_RGB32);
    cover.fill(Qt::white);
    {
        QPainter p(&cover);
        p.setRenderHint(QPainter::Antialiasing);
        // The mark: a ring around a wave.
        const QRectF ring(2, 1, 20, 20);
        QPainterPath mark;
        mark.addEllipse(ring);
        mark.addEllipse(ring.adjusted(3.6, 3.6, -3.6, -3.6));
        p.fillPath(mark, Qt::black);
        QPainterPath wave;
        const double y = ring.center().y();
        wave.moveTo(ring.left() + 5, y);
        wave.cubicTo(ring.left() + 8, y - 5, ring.left() + 12, y + 5, ring.right() - 5, y);
        p.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wave);
        // The maker's name beside it.
        QFont font("IPAGothic");
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(27, 0, 138, 22), Qt::AlignVCenter | Qt::AlignLeft,
                   qt_from_sjis("ヴェルモラ株式会社"));
    }
    QImage emblem(cover.size(), QImage::Format_Indexed8);
    QList<QRgb> shades(256);
    for (int i = 0; i < 256; ++i) {
        auto mix = [i](int white, int blue) { return white + (blue - white) * i / 255; };
        shades[i] = qRgb(mix(255, maker_blue.red()), mix(255, maker_blue.green()), mix(255, maker_blue.blue()));
    }
    emblem.setColorTable(shades);
    for (int y = 0; y < cover.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(cover.constScanLine(y));
        uchar* to = emblem.scanLine(y);
        for (int x = 0; x < cover.width(); ++x)
            to[x] = static_cast<uchar>(255 - qGray(from[x]));
    }
    return emblem;
}
