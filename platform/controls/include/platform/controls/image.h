// A picture control: shows an image, stretched to the control or at its
// natural size, with click and mouse-move events and a Shift-JIS hint.
#ifndef PLATFORM_CONTROLS_IMAGE_H
#define PLATFORM_CONTROLS_IMAGE_H

#include <QByteArray>
#include <QImage>
#include <QWidget>

#include <functional>

class TImage : public QWidget {
    Q_OBJECT
public:
    std::function<void(QObject* sender)> OnClick;
    std::function<void(QObject* sender, Qt::KeyboardModifiers shift, int x, int y)> OnMouseMove;

    explicit TImage(QWidget* parent);

    // The picture is a copy: later changes to the source do not reach it.
    void Assign(const QImage* picture);
    const QImage& Picture() const { return picture_; }
    bool Empty() const { return picture_.isNull(); }
    // The control's size in device pixels on the sharpest of the desktop's
    // screens: what a stretched picture fills, wherever the window goes.
    QSize DeviceSize() const;

    bool Stretch = false;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

#endif
