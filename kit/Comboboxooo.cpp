#include "Comboboxooo.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "key_pressing.h"

namespace {

// An editable box takes typed text in its line edit, without the completer
// that would complete it from the list. False for a drop-down list.
bool type_into_edit(QComboBox* box, QEvent* event)
{
    QLineEdit* edit = box->lineEdit();
    if (!edit)
        return false;
    edit->setCompleter(nullptr);
    edit->event(event);
    return true;
}

}  // namespace

TComboBoxooo::TComboBoxooo(QWidget* Owner) : QComboBox(Owner) {}

TComboBoxooo::~TComboBoxooo() = default;

void TComboBoxooo::KeyPress(char& Key)
{
    enter_as_tab(Key);
    emit OnKeyPress(Key);
}

void TComboBoxooo::keyPressEvent(QKeyEvent* event)
{
    pass_key_event(
        event, [this](char& key) { KeyPress(key); },
        [this](QKeyEvent* e) {
            if (!types_characters(e))
                QComboBox::keyPressEvent(e);  // arrows, paging, F4: the list's own keys
            else if (!type_into_edit(this, e))
                QWidget::keyPressEvent(e);  // a drop-down list ignores typed characters
        });
}

void TComboBoxooo::inputMethodEvent(QInputMethodEvent* event)
{
    pass_input_method_event(
        event, [this](char& key) { KeyPress(key); },
        [this](QInputMethodEvent* e) {
            if (!type_into_edit(this, e))
                e->ignore();
        });
}
