#include "platform/maker_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/form_look.h"

QColor maker_blue()
{
    return QColor(0, 88, 176);
}

namespace {

// The emblem mark: a blue ring around a white wave, as the maker signs.
void draw_mark(QPainter& painter, const QRectF& box)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(maker_blue());
    painter.drawEllipse(box);
    painter.setBrush(Qt::white);
    painter.drawEllipse(
        box.adjusted(box.width() * 0.18, box.height() * 0.18, -box.width() * 0.18, -box.height() * 0.18));
    QPainterPath wave;
    double y = box.center().y();
    wave.moveTo(box.left() + box.width() * 0.25, y);
    wave.cubicTo(box.left() + box.width() * 0.4, y - box.height() * 0.25, box.left() + box.width() * 0.6,
                 y + box.height() * 0.25, box.right() - box.width() * 0.25, y);
    painter.setPen(QPen(maker_blue(), box.height() * 0.1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
}
}  // namespace

const QImage& emblem_picture()
{
    static const QImage picture = [] {
        QImage image(165, 22, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        draw_mark(painter, QRectF(2, 1, 20, 20));
        painter.setPen(maker_blue());
        QFont font = make_font("ＭＳ ゴシック", -14, true);
        painter.setFont(font);
        painter.drawText(QRect(27, 0, 138, 22), Qt::AlignVCenter | Qt::AlignLeft, qt_from_sjis("ヴェルモラ株式会社"));
        return image;
    }();
    return picture;
}

const QImage& coupling_picture()
{
    static const QImage picture = [] {
        QImage image(101, 101, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        // Two flanges and the black rubber sphere between them.
        painter.setPen(QPen(Qt::black, 1));
        QLinearGradient steel(0, 20, 0, 80);
        steel.setColorAt(0, QColor(220, 220, 225));
        steel.setColorAt(0.5, QColor(150, 150, 160));
        steel.setColorAt(1, QColor(90, 90, 100));
        painter.setBrush(steel);
        painter.drawRect(QRectF(12, 18, 10, 64));
        painter.drawRect(QRectF(79, 18, 10, 64));
        QLinearGradient rubber(0, 25, 0, 75);
        rubber.setColorAt(0, QColor(90, 90, 90));
        rubber.setColorAt(0.4, QColor(30, 30, 30));
        rubber.setColorAt(1, QColor(10, 10, 10));
        painter.setBrush(rubber);
        painter.drawEllipse(QRectF(20, 26, 61, 48));
        draw_mark(painter, QRectF(40, 40, 20, 20));
        return image;
    }();
    return picture;
}

const QImage& bellows_coupling_picture()
{
    static const QImage picture = [] {
        QImage image(101, 101, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1));
        QLinearGradient steel(0, 16, 0, 84);
        steel.setColorAt(0, QColor(235, 235, 240));
        steel.setColorAt(0.5, QColor(160, 165, 175));
        steel.setColorAt(1, QColor(100, 100, 110));
        painter.setBrush(steel);
        painter.drawRect(QRectF(10, 16, 10, 68));  // flanges
        painter.drawRect(QRectF(81, 16, 10, 68));
        // The bellows: convolutions of polished stainless steel.
        for (int i = 0; i < 8; ++i)
            painter.drawRoundedRect(QRectF(21 + i * 7.5, 24, 7, 52), 3, 3);
        painter.setPen(QPen(QColor(60, 60, 60), 2));
        painter.drawLine(QPointF(12, 20), QPointF(89, 20));  // tie rods
        painter.drawLine(QPointF(12, 80), QPointF(89, 80));
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(38, 38, 24, 24));
        draw_mark(painter, QRectF(40, 40, 20, 20));
        return image;
    }();
    return picture;
}
