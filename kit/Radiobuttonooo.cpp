#include "Radiobuttonooo.h"

#include "KeyPressing.h"

TRadioButtonooo::TRadioButtonooo(QWidget* Owner) : QRadioButton(Owner) {}

TRadioButtonooo::~TRadioButtonooo() = default;

void TRadioButtonooo::KeyPress(char& Key)
{
    enter_as_tab(Key);
    emit OnKeyPress(Key);
}

void TRadioButtonooo::keyPressEvent(QKeyEvent* event)
{
    pass_key_event(
        event, [this](char& key) { KeyPress(key); },
        [this](QKeyEvent* e) { QRadioButton::keyPressEvent(e); });
}
