#include "platform/controls/panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <platform/application.h>

TPanel::TPanel(QWidget* parent, Bevel outer) : QWidget(parent), bevel_(outer)
{
    setMouseTracking(true);
    color_ = palette().window().color();
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), color_);
    if (bevel_ != bvNone) {
        QColor light(255, 255, 255), dark(128, 128, 128);
        QColor top_left = bevel_ == bvRaised ? light : dark;
        QColor bottom_right = bevel_ == bvRaised ? dark : light;
        QRect r = rect().adjusted(0, 0, -1, -1);
        painter.setPen(top_left);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottom_right);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
    if (!caption_.isEmpty()) {
        painter.setPen(font_color_);
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, caption_);
    }
}

void TPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove) {
        QPoint p = event->position().toPoint();
        run_handler([&] { OnMouseMove(this, event->modifiers(), p.x(), p.y()); });
    }
}
