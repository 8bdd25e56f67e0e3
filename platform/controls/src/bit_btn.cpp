#include "platform/controls/bit_btn.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

TBitBtn::TBitBtn(QWidget* parent) : QPushButton(parent) {}

void TBitBtn::setGlyph(const QImage& glyph)
{
    glyph_ = glyph;
    update();
}

void TBitBtn::paintEvent(QPaintEvent* event)
{
    if (glyph_.isNull())
        return QPushButton::paintEvent(event);
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    // Glyph and caption as one centred block, one pixel apart.
    QFontMetrics metrics(font());
    QRect text_box = metrics.boundingRect(rect(), Qt::AlignHCenter | Qt::TextWordWrap, text());
    int block = glyph_.height() + 1 + text_box.height();
    int top = (height() - block) / 2;
    if (isDown())
        top += 1;
    painter.drawImage(QPoint((width() - glyph_.width()) / 2, top), glyph_);
    painter.setPen(isEnabled() ? palette().buttonText().color()
                               : palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(QRect(0, top + glyph_.height() + 1, width(), text_box.height()), Qt::AlignHCenter | Qt::AlignTop,
                     text());
}
