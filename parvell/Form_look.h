// Colours, fonts and the small pictures that Parvell's forms share.
#ifndef PARVELL_FORM_LOOK_H
#define PARVELL_FORM_LOOK_H

#include <QColor>
#include <QFont>
#include <QImage>

#include <platform/fonts.h>
#include <platform/qt_text.h>

class QWidget;

// A colour value as the form stores it: 0x00BBGGRR.
QColor vcl_color(unsigned value);

// The window colour of dialogs and buttons.
void set_button_face(QWidget* form);

// Shows the hint of the control under the mouse, at once.
void show_hint_at_cursor();

// The pictures of the main window: the arrow between the lists and the two
// glyphs of the big buttons.
const QImage& arrow_picture();
QImage printer_glyph();
QImage door_glyph();

#endif
