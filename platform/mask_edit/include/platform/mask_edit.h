// The masked edit control: a line edit whose input mask (QLineEdit's mask
// syntax, e.g. "9999/99/99;_") fixes what goes at each character position.
#ifndef PLATFORM_MASK_EDIT_H
#define PLATFORM_MASK_EDIT_H

#include <QLineEdit>
#include <string>

class TMaskEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TMaskEdit(QWidget* parent = nullptr);

    // The text as Shift-JIS bytes with the mask's literal characters in
    // place and every unfilled position as a blank, so that each character
    // keeps the position the mask gives it. QLineEdit::text() instead drops
    // unfilled positions and shifts what follows.
    std::string Text() const;
};

#endif
