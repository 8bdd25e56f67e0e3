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
class TBitBtn;
class TPanel;

// The window colour of dialogs and buttons.
void set_button_face(QWidget* form);

// The frame of a main window of fixed size `width` x `height`: caption,
// system menu, minimise and close buttons, no maximise.
void set_main_window_frame(QWidget* form, int width, int height);

// The main windows' headings: white "ＭＳ ゴシック" text on black in a lowered
// panel; a section heading is the same on the blue of the forms.
TPanel* heading_panel(QWidget* parent, const char* text, int left, int top, int width, int height);
TPanel* section_panel(QWidget* parent, const char* text, int left, int top, int width, int height);

// The result box of a main window: large black text on yellow.
void set_answer_look(QWidget* box);

// A 69 x 65 button with its glyph over its bold caption (print, close, calculate).
TBitBtn* big_button(QWidget* parent, const char* text, const QImage& glyph, int left, int top);

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
