// The shape the kit's check box and radio button share: a button of the
// class library in which Enter moves on as Tab does. Each control derives
// from it with its own class (which declares the OnKeyPress signal, since a
// template cannot), e.g. class TCheckBoxooo : public EnterAsTabButton<TCheckBoxooo, QCheckBox>.
#ifndef KIT_ENTER_AS_TAB_BUTTON_H
#define KIT_ENTER_AS_TAB_BUTTON_H

#include <QKeyEvent>

#include "key_pressing.h"

template <class Control, class Button>
class EnterAsTabButton : public Button {
public:
    explicit EnterAsTabButton(QWidget* Owner) : Button(Owner) {}

protected:
    // Enter becomes a Tab; then the control's OnKeyPress sees the character.
    virtual void KeyPress(char& Key)
    {
        enter_as_tab(Key);
        emit static_cast<Control*>(this)->OnKeyPress(Key);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        pass_key_event(
            event, [this](char& key) { KeyPress(key); }, [this](QKeyEvent* e) { Button::keyPressEvent(e); });
    }
};

#endif
