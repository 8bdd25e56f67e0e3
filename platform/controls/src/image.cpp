#include "platform/controls/image.h"

#include <cmath>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <platform/application.h>

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void TImage::Assign(const QImage* picture)
{
    picture_ = picture ? picture->copy() : QImage();
    update();
}

QSize TImage::DeviceSize() const
{
    const qreal ratio = qGuiApp->devicePixelRatio();
    return QSize((int)std::ceil(width() * ratio), (int)std::ceil(height() * ratio));
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
        run_handler([this] { OnClick(this); });
}

void TImage::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove) {
        QPoint p = event->position().toPoint();
        run_handler([&] { OnMouseMove(this, event->modifiers(), p.x(), p.y()); });
    }
}
