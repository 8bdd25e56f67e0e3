// Studio-like renderings of couplings and accessories, built from gradients.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "artwork.h"

namespace {

constexpr int kPhotoSize = 240;

void backdrop(QPainter& p)
{
    QLinearGradient g(0, 0, 0, kPhotoSize);
    g.setColorAt(0, QColor(236, 238, 241));
    g.setColorAt(0.7, QColor(214, 218, 224));
    g.setColorAt(1, QColor(190, 195, 203));
    p.fillRect(0, 0, kPhotoSize, kPhotoSize, g);
    // A soft shadow under the object.
    QRadialGradient shadow(kPhotoSize / 2.0, 196, 100);
    shadow.setColorAt(0, QColor(0, 0, 0, 90));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(shadow);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(kPhotoSize / 2.0, 196), 110, 16);
}

QLinearGradient metal(double x, double top, double bottom, QColor base)
{
    QLinearGradient g(x, top, x, bottom);
    g.setColorAt(0, base.lighter(160));
    g.setColorAt(0.35, base.lighter(115));
    g.setColorAt(0.6, base);
    g.setColorAt(1, base.darker(170));
    return g;
}

// A flange seen edge-on: a tall plate with a raised face and bolt heads.
void flange(QPainter& p, double x, double centre, double half_height, QColor colour)
{
    p.setPen(QPen(colour.darker(220), 1));
    p.setBrush(metal(x, centre - half_height, centre + half_height, colour));
    p.drawRoundedRect(QRectF(x, centre - half_height, 16, 2 * half_height), 3, 3);
    p.setBrush(metal(x, centre - half_height, centre + half_height, QColor(150, 152, 156)));
    for (double y : {centre - half_height + 9, centre + half_height - 15})
        p.drawRect(QRectF(x - 5, y, 26, 6));
}

void rubber(QPainter& p, double left, double right, double centre_left, double centre_right, double radius, int bulges,
            bool reinforced)
{
    const double width = (right - left) / bulges;
    for (int i = 0; i < bulges; ++i) {
        const double x0 = left + i * width, x1 = x0 + width;
        const double c = centre_left + (centre_right - centre_left) * (i + 0.5) / bulges;
        QPainterPath body;
        body.moveTo(x0, c - radius * 0.72);
        body.cubicTo(x0 + width * 0.25, c - radius * 1.08, x1 - width * 0.25, c - radius * 1.08, x1, c - radius * 0.72);
        body.lineTo(x1, c + radius * 0.72);
        body.cubicTo(x1 - width * 0.25, c + radius * 1.08, x0 + width * 0.25, c + radius * 1.08, x0, c + radius * 0.72);
        body.closeSubpath();
        QLinearGradient g(0, c - radius, 0, c + radius);
        g.setColorAt(0, QColor(92, 92, 96));
        g.setColorAt(0.28, QColor(48, 48, 52));
        g.setColorAt(0.7, QColor(20, 20, 22));
        g.setColorAt(1, QColor(8, 8, 10));
        p.setPen(QPen(QColor(5, 5, 5), 1));
        p.setBrush(g);
        p.drawPath(body);
        if (reinforced) {
            p.setBrush(metal(0, c - radius, c + radius, QColor(120, 124, 130)));
            p.drawRoundedRect(QRectF((x0 + x1) / 2 - 4, c - radius * 1.02, 8, 2 * radius * 1.02), 3, 3);
        }
    }
}

void draw_joint(QPainter& p, const JointLook& look)
{
    const QColor paint = QColor::fromHsv(static_cast<int>(look.flange_hue), 150, 150);
    const double left = 42, right = 182, half = 62;
    const double centre_left = 120, centre_right = look.eccentric ? 134 : 120;
    const double radius = look.eccentric ? 44 : 52;
    if (look.bellows) {
        QColor steel(178, 182, 188);
        for (int i = 0; i < 14; ++i) {
            double x = left + 16 + i * (right - left - 16) / 14.0;
            p.setPen(QPen(steel.darker(200), 1));
            p.setBrush(metal(x, 120 - 46, 120 + 46, steel));
            p.drawRoundedRect(QRectF(x, 120 - 46, (right - left - 16) / 14.0 + 1, 92), 4, 4);
        }
    } else {
        rubber(p, left + 16, right, centre_left, centre_right, radius, look.bulges, look.reinforced);
    }
    flange(p, left, centre_left, half, paint);
    flange(p, right, centre_right, half - (look.eccentric ? 10 : 0), paint);
    if (look.limit_rods) {
        p.setPen(QPen(QColor(40, 40, 44), 1));
        for (double y : {centre_left - half + 4, centre_left + half - 10}) {
            p.setBrush(metal(0, y, y + 6, QColor(170, 170, 160)));
            p.drawRect(QRectF(left - 12, y, right - left + 40, 6));
            p.setBrush(metal(0, y - 3, y + 9, QColor(140, 140, 130)));
            p.drawRect(QRectF(left - 16, y - 3, 7, 12));
            p.drawRect(QRectF(right + 25, y - 3, 7, 12));
        }
    }
}

void draw_stand(QPainter& p)
{
    const QColor frame(70, 110, 160);
    // Two springs under a steel base frame.
    for (double x : {62.0, 150.0}) {
        p.setPen(QPen(QColor(60, 60, 60), 3));
        for (int turn = 0; turn < 6; ++turn)
            p.drawLine(QPointF(x, 150 - turn * 9), QPointF(x + 28, 146 - turn * 9));
        p.setPen(QPen(frame.darker(200), 1));
        p.setBrush(metal(x, 150, 166, QColor(150, 150, 150)));
        p.drawRect(QRectF(x - 6, 150, 40, 16));
    }
    p.setBrush(metal(0, 84, 102, frame));
    p.drawRect(QRectF(36, 84, 168, 18));
    p.setBrush(metal(0, 60, 84, QColor(90, 140, 90)));
    p.drawRoundedRect(QRectF(70, 52, 100, 32), 6, 6);  // the pump on top
}

void draw_cover(QPainter& p)
{
    QPainterPath cover;
    cover.moveTo(48, 78);
    cover.cubicTo(90, 52, 150, 52, 192, 78);
    cover.lineTo(192, 162);
    cover.cubicTo(150, 188, 90, 188, 48, 162);
    cover.closeSubpath();
    QLinearGradient g(0, 60, 0, 180);
    g.setColorAt(0, QColor(214, 206, 170));
    g.setColorAt(0.5, QColor(176, 166, 126));
    g.setColorAt(1, QColor(116, 108, 80));
    p.setPen(QPen(QColor(90, 84, 60), 1.5));
    p.setBrush(g);
    p.drawPath(cover);
    p.setPen(QPen(QColor(40, 40, 40), 5));
    p.drawLine(QPointF(80, 68), QPointF(80, 178));
    p.drawLine(QPointF(160, 68), QPointF(160, 178));
}

// A photo: the studio backdrop with what draw paints on it.
template <class Draw>
QImage studio_photo(Draw draw)
{
    QImage image(kPhotoSize, kPhotoSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    backdrop(p);
    draw(p);
    p.end();
    return image;
}

}  // namespace

QImage joint_photo(const JointLook& look)
{
    return studio_photo([&](QPainter& p) { draw_joint(p, look); });
}

QImage stand_photo()
{
    return studio_photo(draw_stand);
}

QImage cover_photo()
{
    return studio_photo(draw_cover);
}
