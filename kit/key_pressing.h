// How the kit's controls hand the characters a key event types to their
// KeyPress, and what is left of them to the control's own key handling.
#ifndef KIT_KEY_PRESSING_H
#define KIT_KEY_PRESSING_H

#include <functional>

#include <QString>

class QInputMethodEvent;
class QKeyEvent;

using KeyPressFn = std::function<void(char& key)>;
using BaseKeyFn = std::function<void(QKeyEvent* event)>;
using BaseInputFn = std::function<void(QInputMethodEvent* event)>;

// Enter (13) becomes one Tab key-down for the control that holds the focus,
// delivered after the current key; the key is cleared so nothing else sees it.
void enter_as_tab(char& key);

// Whether the event types characters: Enter (without Ctrl or Alt) as 13, and
// any key that brings text, except Delete and keys held with Alt.
bool types_characters(const QKeyEvent* event);

// Runs each character of text through key_press (as Shift-JIS: ASCII as it
// is, any other character as its lead byte) and gives the characters left:
// a character cleared to 0 is dropped, one replaced is replaced. changed
// tells whether anything was dropped or replaced.
QString pass_typed_text(const QString& text, const KeyPressFn& key_press, bool* changed);

// Key handling of the kit's controls: the characters the event types go
// through key_press; what is left goes to base, in the event itself or in a
// copy carrying the replaced text. An event whose characters were all
// cleared is swallowed. An event that types nothing goes to base untouched.
void pass_key_event(QKeyEvent* event, const KeyPressFn& key_press, const BaseKeyFn& base);

// The same for the text an input method commits, which is typed text too;
// the text being composed is left alone.
void pass_input_method_event(QInputMethodEvent* event, const KeyPressFn& key_press, const BaseInputFn& base);

#endif
