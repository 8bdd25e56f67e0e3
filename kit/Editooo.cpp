#include "Editooo.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

#include <cmath>
#include <string>

#include <platform/qt_text.h>

#include "key_pressing.h"
#include "number_text.h"

namespace {

int sjis_length(const QString& text)
{
    return static_cast<int>(qt_to_sjis(text).size());
}

// The longest head of text that takes at most room Shift-JIS bytes; whole
// characters only, so a double-byte character is never cut in two.
QString sjis_head(const QString& text, int room)
{
    int end = 0;
    while (end < text.size()) {
        const int width = text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
        if (sjis_length(text.left(end + width)) > room)
            break;
        end += width;
    }
    return text.left(end);
}

// The box's typing limit. Qt's own limit would also cut texts set by the
// program; a validator holds back only what the user types or pastes. As in
// a native edit box, an insertion longer than the room left is cut to fit.
class TypingLimit : public QValidator {
public:
    explicit TypingLimit(TEditooo* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int& cursor) const override
    {
        const int limit = box_->maxLength();
        // Setting the text clears the undo history, and every edit of the
        // user is undoable: a text without history is the program's own.
        const bool users_edit = box_->isUndoAvailable();
        if (limit == 0 || !users_edit || sjis_length(input) <= limit || sjis_length(input) <= sjis_length(shown_)) {
            shown_ = input;
            return Acceptable;
        }
        // The edit replaced shown_[start, end) by input[start, cursor).
        const int end = shown_.size() - (input.size() - cursor);
        if (end < 0 || cursor < 0 || cursor > input.size())
            return Invalid;
        int start = 0;
        while (start < end && start < cursor && shown_.at(start) == input.at(start))
            ++start;
        const QString kept_before = shown_.left(start);
        const QString kept_after = shown_.mid(end);
        const int room = limit - sjis_length(kept_before + kept_after);
        const QString inserted = sjis_head(input.mid(start, cursor - start), room);
        if (inserted.isEmpty())
            return Invalid;
        input = kept_before + inserted + kept_after;
        cursor = start + inserted.size();
        shown_ = input;
        return Acceptable;
    }

private:
    TEditooo* box_;
    mutable QString shown_;  // the text the box holds before the edit
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
        event, [this](char& key) { KeyPress(key); }, [this](QKeyEvent* e) { QLineEdit::keyPressEvent(e); });
}

void TEditooo::inputMethodEvent(QInputMethodEvent* event)
{
    pass_input_method_event(
        event, [this](char& key) { KeyPress(key); }, [this](QInputMethodEvent* e) { QLineEdit::inputMethodEvent(e); });
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
    if (FEntered && event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        FEntered = false;
        DoExit();
    }
}
