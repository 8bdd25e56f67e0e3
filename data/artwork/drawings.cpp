// Product drawings as printed on the calculation sheet: a side view with the
// face-to-face length, the flange diameter and numbered parts.
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "artwork.h"
#include "platform/qt_text.h"

namespace {

constexpr int kWidth = 350, kHeight = 280;

void arrow_head(QPainter& p, QPointF tip, QPointF from)
{
    QLineF line(tip, from);
    line.setLength(7);
    QLineF left = line, right = line;
    left.setAngle(line.angle() + 20);
    right.setAngle(line.angle() - 20);
    p.drawLine(left);
    p.drawLine(right);
}

void dimension(QPainter& p, QPointF a, QPointF b, const QString& label, QPointF label_at)
{
    p.drawLine(a, b);
    arrow_head(p, a, b);
    arrow_head(p, b, a);
    p.drawText(QRectF(label_at.x() - 30, label_at.y() - 9, 60, 18), Qt::AlignCenter, label);
}

void balloon(QPainter& p, QPointF at, QPointF target, int number)
{
    static const char* const kNumbers[] = {"①", "②", "③", "④", "⑤", "⑥"};
    p.drawLine(at, target);
    p.setBrush(Qt::white);
    p.drawEllipse(at, 9, 9);
    p.drawText(QRectF(at.x() - 9, at.y() - 9, 18, 18), Qt::AlignCenter, qt_from_sjis(kNumbers[number - 1]));
}

}  // namespace

QImage joint_drawing(const JointLook& look, const QString& title, int image_width)
{
    QImage image(image_width, image_width * kHeight / kWidth, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(image_width) / kWidth, double(image_width) / kWidth);
    QFont font("IPAGothic");
    font.setPixelSize(12);
    p.setFont(font);
    const QPen outline(Qt::black, 1.6), thin(Qt::black, 0.8);

    const double left = 100, right = 250, centre = 140, half = 70;
    const double centre_right = look.eccentric ? 152 : centre;
    // Centre line (chain line) through the bore.
    QPen chain(Qt::black, 0.7, Qt::DashDotLine);
    p.setPen(chain);
    p.drawLine(QPointF(left - 30, centre), QPointF(right + 30, centre));

    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(left - 14, centre - half, 14, 2 * half));
    p.drawRect(
        QRectF(right, centre_right - half + (look.eccentric ? 10 : 0), 14, 2 * half - (look.eccentric ? 20 : 0)));
    const double width = (right - left) / look.bulges;
    if (look.bellows) {
        // Stainless bellows: a row of convolutions between the flanges.
        const int folds = 10;
        const double pitch = (right - left) / folds;
        for (double sign : {-1.0, 1.0}) {
            QPainterPath edge;
            edge.moveTo(left, centre + sign * 44);
            for (int i = 0; i < folds; ++i) {
                edge.lineTo(left + (i + 0.5) * pitch, centre + sign * 58);
                edge.lineTo(left + (i + 1) * pitch, centre + sign * 44);
            }
            p.drawPath(edge);
        }
    }
    for (int i = 0; i < (look.bellows ? 0 : look.bulges); ++i) {
        const double x0 = left + i * width, x1 = x0 + width;
        const double c = centre + (centre_right - centre) * (i + 0.5) / look.bulges;
        for (double sign : {-1.0, 1.0}) {
            QPainterPath arc;
            arc.moveTo(x0, c + sign * 40);
            arc.cubicTo(x0 + width * 0.25, c + sign * 62, x1 - width * 0.25, c + sign * 62, x1, c + sign * 40);
            p.drawPath(arc);
        }
        if (look.reinforced)
            p.drawRect(QRectF((x0 + x1) / 2 - 3, c - 56, 6, 112));
    }
    if (look.limit_rods) {
        p.setPen(thin);
        for (double y : {centre - half + 8, centre + half - 8})
            p.drawLine(QPointF(left - 26, y), QPointF(right + 26, y));
    }

    p.setPen(thin);
    p.drawLine(QPointF(left - 14, centre + half + 4), QPointF(left - 14, centre + half + 30));
    p.drawLine(QPointF(right + 14, centre_right + half + 4), QPointF(right + 14, centre + half + 30));
    dimension(p, QPointF(left - 14, centre + half + 24), QPointF(right + 14, centre + half + 24), "L",
              QPointF((left + right) / 2, centre + half + 14));
    p.drawLine(QPointF(left - 18, centre - half), QPointF(left - 60, centre - half));
    p.drawLine(QPointF(left - 18, centre + half), QPointF(left - 60, centre + half));
    dimension(p, QPointF(left - 52, centre - half), QPointF(left - 52, centre + half), qt_from_sjis("φD"),
              QPointF(left - 72, centre));

    balloon(p, QPointF(175, 28), QPointF(175, centre - 52), 1);
    balloon(p, QPointF(70, 28), QPointF(left - 7, centre - half + 6), 2);
    balloon(p, QPointF(290, 40), QPointF(right + 10, centre_right - half + 14), 3);
    if (look.reinforced || look.limit_rods)
        balloon(p, QPointF(300, 250), QPointF(right + 20, centre + half - 8), 4);

    QFont heading = font;
    heading.setPixelSize(14);
    heading.setBold(true);
    p.setFont(heading);
    p.drawText(QRectF(8, kHeight - 24, kWidth - 16, 20), Qt::AlignLeft | Qt::AlignVCenter, title);
    return image;
}
