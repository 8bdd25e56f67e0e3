// A panel: a bevelled frame with an optional centred caption, in a colour of
// its own, reporting mouse moves over its own surface.
#ifndef PLATFORM_CONTROLS_PANEL_H
#define PLATFORM_CONTROLS_PANEL_H

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>

class TPanel : public QWidget {
    Q_OBJECT
public:
    enum Bevel { bvNone, bvLowered, bvRaised };

    std::function<void(QObject* sender, Qt::KeyboardModifiers shift, int x, int y)> OnMouseMove;

    explicit TPanel(QWidget* parent, Bevel outer = bvRaised);

    void setCaption(const QString& caption)
    {
        caption_ = caption;
        update();
    }
    QString Caption() const { return caption_; }
    void setColor(const QColor& color)
    {
        color_ = color;
        update();
    }
    void setFontColor(const QColor& color)
    {
        font_color_ = color;
        update();
    }
    void setBevel(Bevel outer)
    {
        bevel_ = outer;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString caption_;
    QColor color_;
    QColor font_color_ = Qt::black;
    Bevel bevel_;
};

#endif
