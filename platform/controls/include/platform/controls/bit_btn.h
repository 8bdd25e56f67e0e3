// A push button that can carry a picture (glyph) above its caption.
#ifndef PLATFORM_CONTROLS_BIT_BTN_H
#define PLATFORM_CONTROLS_BIT_BTN_H

#include <QImage>
#include <QPushButton>

class TBitBtn : public QPushButton {
    Q_OBJECT
public:
    explicit TBitBtn(QWidget* parent);

    // With a glyph the caption stands below it, both centred; the caption may
    // hold line breaks.
    void setGlyph(const QImage& glyph);
    const QImage& Glyph() const { return glyph_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage glyph_;
};

#endif
