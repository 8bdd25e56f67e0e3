// Colours, fonts, placement and the small pictures that the forms of both
// programs share.
#ifndef PLATFORM_FORM_LOOK_H
#define PLATFORM_FORM_LOOK_H

#include <QColor>
#include <QFont>
#include <QImage>

#include <platform/fonts.h>
#include <platform/qt_text.h>

class QLabel;
class QWidget;

// A colour value as the form stores it: 0x00BBGGRR.
QColor vcl_color(unsigned value);

// The window colour of dialogs and buttons.
void set_button_face(QWidget* form);

// Puts a top-level window in the middle of the screen it is on (the primary
// screen before it is shown), as a form placed at the screen's centre
// stands. Call it when the window is shown, once its size is set.
void centre_on_screen(QWidget* window);

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
