#include "platform/controls/Image.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void TImage::Assign(const QImage* picture)
{
    picture_ = picture ? picture->copy() : QImage();
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (Stretch)
        painter.drawImage(rect(), picture_);
    else
        painter.drawImage(QPoint(0, 0), picture_);
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
        OnClick(this);
}

void TImage::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove) {
        QPoint p = event->position().toPoint();
        OnMouseMove(this, event->modifiers(), p.x(), p.y());
    }
}
