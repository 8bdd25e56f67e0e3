#include "Checkboxooo.h"

#include "KeyPressing.h"

TCheckBoxooo::TCheckBoxooo(QWidget* Owner) : QCheckBox(Owner) {}

TCheckBoxooo::~TCheckBoxooo() = default;

void TCheckBoxooo::KeyPress(char& Key)
{
    enter_as_tab(Key);
    emit OnKeyPress(Key);
}

void TCheckBoxooo::keyPressEvent(QKeyEvent* event)
{
    pass_key_event(
        event, [this](char& key) { KeyPress(key); },
        [this](QKeyEvent* e) { QCheckBox::keyPressEvent(e); });
}
