#include "elements.h"

#include <cmath>
#include <initializer_list>

#include <QFont>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <platform/bgr_color.h>
#include <platform/qt_text.h>

#include "fonts.h"

namespace {

const double mm_per_inch = 25.4;
const int largest_font_points = 1000;
// Far beyond any sheet, yet small enough for every device's own arithmetic.
const double farthest_mm = 100000;

bool usable(std::initializer_list<double> values)
{
    for (double v : values) {
        if (!std::isfinite(v) || std::fabs(v) > farthest_mm)
            return false;
    }
    return true;
}

Qt::PenStyle pen_style(uint8_t style)
{
    switch (style) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

// Width 0 is the device's thinnest line (a cosmetic pen of one dot).
QPen pen(PageScale scale, double width_mm, int32_t col, uint8_t style)
{
    return QPen(bgr_color((uint32_t)col), width_mm * (scale.x + scale.y) / 2, pen_style(style), Qt::RoundCap,
                Qt::RoundJoin);
}

QPointF point(PageScale scale, double x, double y)
{
    return QPointF(x * scale.x, y * scale.y);
}

QRectF box(PageScale scale, double x, double y, double wid, double hgt)
{
    return QRectF(point(scale, x, y), point(scale, x + wid, y + hgt)).normalized();
}

Qt::Alignment alignment(int32_t horizontal, int32_t vertical)
{
    Qt::Alignment h = horizontal == 2 ? Qt::AlignRight : horizontal == 5 ? Qt::AlignHCenter : Qt::AlignLeft;
    Qt::Alignment v = vertical == 4 ? Qt::AlignBottom : vertical == 5 ? Qt::AlignVCenter : Qt::AlignTop;
    return h | v;
}

}  // namespace

PageScale page_scale(const QPaintDevice& device)
{
    return PageScale{device.logicalDpiX() / mm_per_inch, device.logicalDpiY() / mm_per_inch};
}

bool draw_line(QPainter& painter, PageScale scale, const Prt_lin& lin)
{
    if (!usable({lin.lin_wid, lin.x1, lin.y1, lin.x2, lin.y2}) || lin.lin_wid < 0)
        return false;
    painter.setPen(pen(scale, lin.lin_wid, lin.lin_col, lin.lin_sty));
    painter.drawLine(point(scale, lin.x1, lin.y1), point(scale, lin.x2, lin.y2));
    return true;
}

bool draw_rect(QPainter& painter, PageScale scale, const Prt_rct& rct)
{
    if (!usable({rct.lin_wid, rct.x1, rct.y1, rct.x2, rct.y2}) || rct.lin_wid < 0)
        return false;
    painter.setPen(pen(scale, rct.lin_wid, rct.lin_col, rct.lin_sty));
    painter.setBrush(rct.fil_sty == 1 ? QBrush(Qt::NoBrush) : QBrush(bgr_color((uint32_t)rct.fil_col)));
    painter.drawRect(QRectF(point(scale, rct.x1, rct.y1), point(scale, rct.x2, rct.y2)).normalized());
    return true;
}

bool draw_text(QPainter& painter, PageScale scale, const Prt_txt& txt)
{
    if (!txt.str || !usable({txt.x, txt.y, txt.wid, txt.hgt}) || txt.fnt_siz <= 0 || txt.fnt_siz > largest_font_points)
        return false;
    QFont font(installed_face(txt.fnt_nam));
    font.setPointSizeF(txt.fnt_siz);
    font.setBold(txt.atr4 == 1);
    painter.setFont(font);
    painter.setPen(Qt::black);
    // One line, placed in the box and allowed to run over its edges rather
    // than lose characters.
    painter.drawText(box(scale, txt.x, txt.y, txt.wid, txt.hgt),
                     alignment(txt.aln_hrz, txt.aln_vrt) | Qt::TextSingleLine | Qt::TextDontClip,
                     qt_from_sjis(txt.str));
    return true;
}

bool draw_picture(QPainter& painter, PageScale scale, const Rct_inf& area, int mod, const QImage& picture)
{
    if (picture.isNull() || !usable({area.x, area.y, area.wid, area.hgt}) || area.wid <= 0 || area.hgt <= 0)
        return false;
    QRectF target = box(scale, area.x, area.y, area.wid, area.hgt);
    if (mod != 1) {
        QSizeF fitted = QSizeF(picture.size()).scaled(target.size(), Qt::KeepAspectRatio);
        QRectF centred(QPointF(), fitted);
        centred.moveCenter(target.center());
        target = centred;
    }
    // The PDF engine would store the picture as a lossy JPEG; the sheets'
    // pictures are to reach the page with their pixels as they are.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(target, picture);
    return true;
}
