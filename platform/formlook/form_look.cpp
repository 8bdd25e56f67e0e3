#include "platform/form_look.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWidget>

#include <platform/application.h>
#include <platform/controls/bit_btn.h>
#include <platform/controls/panel.h>
#include <platform/screen.h>

void set_button_face(QWidget* form)
{
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    form->setPalette(palette);
    form->setAutoFillBackground(true);
}

void set_main_window_frame(QWidget* form, int width, int height)
{
    form->setFixedSize(width, height);
    form->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

TPanel* heading_panel(QWidget* parent, const char* text, int left, int top, int width, int height)
{
    auto* panel = new TPanel(parent, TPanel::bvLowered);
    panel->setGeometry(left, top, width, height);
    panel->setColor(Qt::black);
    panel->setFontColor(Qt::white);
    panel->setFont(make_font("ＭＳ ゴシック", -13));
    panel->setCaption(qt_from_sjis(text));
    return panel;
}

TPanel* section_panel(QWidget* parent, const char* text, int left, int top, int width, int height)
{
    TPanel* panel = heading_panel(parent, text, left, top, width, height);
    panel->setColor(bgr_color(11556864));  // red 0, green 88, blue 176
    return panel;
}

void set_answer_look(QWidget* box)
{
    box->setFont(make_font("ＭＳ ゴシック", -16));
    QPalette answer = box->palette();
    answer.setColor(QPalette::Base, bgr_color(8454143));  // red 255, green 255, blue 128
    answer.setColor(QPalette::Text, Qt::black);
    box->setPalette(answer);
}

TBitBtn* big_button(QWidget* parent, const char* text, const QImage& glyph, int left, int top)
{
    auto* button = new TBitBtn(parent);
    button->setGeometry(left, top, 69, 65);
    button->setFont(make_font("ＭＳ ゴシック", -13, true));
    button->setText(qt_from_sjis(text));
    button->setGlyph(glyph);
    return button;
}

QLabel* form_label(QWidget* parent, const char* text, int left, int top)
{
    auto* label = new QLabel(qt_from_sjis(text), parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void show_hint_at_cursor()
{
    POINT at;
    GetCursorPos(&at);
    Application->ActivateHint(at);
}

// A blue arrow pointing down, on a transparent ground.
const QImage& arrow_picture()
{
    static const QImage picture = [] {
        QImage image(33, 33, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.moveTo(11, 2);
        path.lineTo(22, 2);
        path.lineTo(22, 16);
        path.lineTo(30, 16);
        path.lineTo(16.5, 31);
        path.lineTo(3, 16);
        path.lineTo(11, 16);
        path.closeSubpath();
        painter.fillPath(path, bgr_color(11556864));
        painter.setPen(QPen(QColor(0, 40, 100), 1));
        painter.drawPath(path);
        return image;
    }();
    return picture;
}

QImage printer_glyph()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 3, 14, 10));  // paper in
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);  // body
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(8, 20, 16, 10));  // paper out
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(11, 24), QPointF(21, 24));
    painter.drawLine(QPointF(11, 27), QPointF(19, 27));
    painter.setBrush(QColor(0, 160, 0));
    painter.drawEllipse(QPointF(25, 16), 1.5, 1.5);
    return image;
}

QImage door_glyph()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(QColor(150, 100, 50));
    painter.drawRect(QRectF(7, 3, 18, 27));  // frame
    painter.setBrush(QColor(200, 150, 90));
    QPolygonF leaf;  // the door, half open
    leaf << QPointF(7, 3) << QPointF(17, 6) << QPointF(17, 30) << QPointF(7, 30);
    painter.drawPolygon(leaf);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(15, 18), 1.2, 1.2);
    return image;
}

// A pocket calculator: grey body, a display and three rows of keys.
QImage calculator_glyph()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(QColor(170, 170, 175));
    painter.drawRoundedRect(QRectF(6, 2, 20, 28), 2, 2);  // body
    painter.setBrush(QColor(190, 230, 190));
    painter.drawRect(QRectF(9, 5, 14, 6));  // display
    painter.setPen(QPen(Qt::black, 0.8));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            painter.setBrush(row == 2 && col == 2 ? bgr_color(11556864) : QColor(Qt::white));
            painter.drawRect(QRectF(9 + col * 5, 14 + row * 5, 3.5, 3.5));
        }
    return image;
}
