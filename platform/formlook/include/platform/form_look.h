// Colours, fonts, placement and the small pictures that the forms of both
// programs share.
#ifndef PLATFORM_FORM_LOOK_H
#define PLATFORM_FORM_LOOK_H

#include <QColor>
#include <QFont>
#include <QImage>

#include <platform/bgr_color.h>
#include <platform/fonts.h>
#include <platform/qt_text.h>

class QLabel;
class QWidget;

// The window colour of dialogs and buttons.
void set_button_face(QWidget* form);

// A label at left, top that sizes itself to its Shift-JIS text.
QLabel* form_label(QWidget* parent, const char* text, int left, int top);

// Shows the hint of the control under the mouse, at once.
void show_hint_at_cursor();

// The pictures of the forms: the arrow between Parvell's lists, and the
// glyphs of the big buttons (print, close, calculate).
const QImage& arrow_picture();
QImage printer_glyph();
QImage door_glyph();
QImage calculator_glyph();

#endif
