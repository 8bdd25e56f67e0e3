#include "Editooo.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

#include <cmath>
#include <string>

#include <platform/qt_text.h>

#include "KeyPressing.h"
#include "NumberText.h"

namespace {

// The box's typing limit. Qt's own limit would also cut texts set by the
// program; a validator holds back only what the user types or pastes.
class TypingLimit : public QValidator {
public:
    explicit TypingLimit(TEditooo* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int&) const override
    {
        const int limit = box_->maxLength();
        return (limit == 0 || qt_to_sjis(input).size() <= limit) ? Acceptable : Invalid;
    }

private:
    TEditooo* box_;
};

}  // namespace

TEditooo::TEditooo(QWidget* Owner)
    : QLineEdit(Owner),
      FOnlyNumber(false),
      FOnlyInt(false),
      FOnlyPlus(false),
      FDisplayZero(false),
      FMaxLength(0),
      FEntered(false)
{
    FSaveText[0] = '\0';
    setValidator(new TypingLimit(this));
}

TEditooo::~TEditooo() = default;

void TEditooo::RefreshNumber()
{
    if (!FOnlyNumber)
        return;
    double value = number_of_text(qt_to_sjis(text()).constData());
    if (FOnlyInt)
        value = std::floor(value);
    if (value == 0)
        value = 0;  // never a signed zero
    const std::string number = (!FDisplayZero && value == 0) ? std::string() : general_number_text(value);

    if (hasFocus()) {
        setText(QString::fromLatin1(number.c_str()));
        selectAll();
        return;
    }
    // A box without a limit is normalised only while it holds the focus.
    if (FMaxLength == 0)
        return;
    const int length = static_cast<int>(number.size());
    if (length == 0 || length >= FMaxLength)
        setText(QString::fromLatin1(number.c_str()));
    else
        setText(QString(FMaxLength - length, QChar(' ')) + QString::fromLatin1(number.c_str()));
}

void TEditooo::LastText()
{
    setText(qt_from_sjis(FSaveText));
}

void TEditooo::DoEnter()
{
    RefreshNumber();
    copy_sjis(FSaveText, sizeof FSaveText, qt_to_sjis(text()).constData());
    emit OnEnter();
}

void TEditooo::DoExit()
{
    RefreshNumber();
    emit OnExit();
}

void TEditooo::KeyPress(char& Key)
{
    enter_as_tab(Key);
    if (Key != 0 && FOnlyNumber && !number_key_passes(Key, FOnlyInt, FOnlyPlus))
        Key = 0;
    emit OnKeyPress(Key);
}

void TEditooo::keyPressEvent(QKeyEvent* event)
{
    pass_key_event(
        event, [this](char& key) { KeyPress(key); },
        [this](QKeyEvent* e) { QLineEdit::keyPressEvent(e); });
}

void TEditooo::inputMethodEvent(QInputMethodEvent* event)
{
    pass_input_method_event(
        event, [this](char& key) { KeyPress(key); },
        [this](QInputMethodEvent* e) { QLineEdit::inputMethodEvent(e); });
}

void TEditooo::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!FEntered) {
        FEntered = true;
        DoEnter();
    }
}

void TEditooo::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (FEntered && event->reason() != Qt::ActiveWindowFocusReason &&
        event->reason() != Qt::PopupFocusReason) {
        FEntered = false;
        DoExit();
    }
}
