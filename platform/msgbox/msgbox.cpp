#include "platform/msgbox.h"

#include <stdio.h>
#include <stdlib.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <platform/qt_text.h>

namespace {

MessageBoxRecorder* innermost = nullptr;

struct ButtonSpec {
    int id;
    const char* label;  // UTF-8
    QMessageBox::ButtonRole role;
};

// The buttons of a box, left to right.
std::vector<ButtonSpec> buttons_of(UINT type)
{
    const ButtonSpec ok = {IDOK, u8"OK", QMessageBox::AcceptRole};
    const ButtonSpec cancel = {IDCANCEL, u8"キャンセル", QMessageBox::RejectRole};
    const ButtonSpec abort = {IDABORT, u8"中止(&A)", QMessageBox::RejectRole};
    const ButtonSpec retry = {IDRETRY, u8"再試行(&R)", QMessageBox::AcceptRole};
    const ButtonSpec ignore = {IDIGNORE, u8"無視(&I)", QMessageBox::AcceptRole};
    const ButtonSpec yes = {IDYES, u8"はい(&Y)", QMessageBox::YesRole};
    const ButtonSpec no = {IDNO, u8"いいえ(&N)", QMessageBox::NoRole};
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {ok, cancel};
    case MB_ABORTRETRYIGNORE: return {abort, retry, ignore};
    case MB_YESNOCANCEL: return {yes, no, cancel};
    case MB_YESNO: return {yes, no};
    case MB_RETRYCANCEL: return {retry, cancel};
    default: return {ok};
    }
}

QMessageBox::Icon icon_of(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

size_t default_index(UINT type, size_t count)
{
    size_t index = (type & MB_DEFMASK) >> 8;
    return index < count ? index : 0;
}

// The box's lines: each of "\r\n", "\n\r", "\n" and "\r" is one line break.
QString box_text(const char* text)
{
    QString t = qt_from_sjis(text);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

int show_box(QWidget* owner, const char* text, const char* caption, UINT type)
{
    QMessageBox box(icon_of(type), caption ? qt_from_sjis(caption) : QString::fromUtf8(u8"エラー"), box_text(text),
                    QMessageBox::NoButton, owner ? owner->window() : nullptr);
    box.setTextFormat(Qt::PlainText);
    std::vector<ButtonSpec> specs = buttons_of(type);
    std::vector<QPushButton*> buttons;
    for (const ButtonSpec& spec : specs)
        buttons.push_back(box.addButton(QString::fromUtf8(spec.label), spec.role));
    box.setDefaultButton(buttons[default_index(type, specs.size())]);
    for (size_t i = 0; i < specs.size(); ++i)
        if (specs[i].id == IDCANCEL || specs.size() == 1)
            box.setEscapeButton(buttons[i]);
    box.exec();
    for (size_t i = 0; i < specs.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return specs[i].id;
    return default_answer(type);
}

}  // namespace

int default_answer(UINT type)
{
    std::vector<ButtonSpec> specs = buttons_of(type);
    return specs[default_index(type, specs.size())].id;
}

MessageBoxRecorder::MessageBoxRecorder() : previous_(innermost)
{
    innermost = this;
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    innermost = previous_;
}

MessageBoxRecorder* MessageBoxRecorder::active()
{
    return innermost;
}

int MessageBoxRecorder::record(QWidget* owner, const char* text, const char* caption, UINT type)
{
    int answer = default_answer(type);
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.erase(answers_.begin());
    }
    ShownMessageBox box = {owner, text ? text : "", caption ? caption : "", type, answer};
    boxes_.push_back(box);
    if (on_box)
        on_box(box);
    return answer;
}

int MessageBoxA(QWidget* owner, const char* text, const char* caption, UINT type)
{
    if (MessageBoxRecorder* recorder = MessageBoxRecorder::active())
        return recorder->record(owner, text, caption, type);
    const char* log = getenv("VELMORA_MESSAGE_BOX_LOG");
    if (log && log[0]) {
        ShownMessageBox box = {owner, text ? text : "", caption ? caption : "", type, default_answer(type)};
        append_message_box_log(log, box);
        return box.answer;
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        fprintf(stderr, "%s: %s\n", sjis_to_utf8(caption ? caption : "").c_str(),
                sjis_to_utf8(text ? text : "").c_str());
        return default_answer(type);
    }
    return show_box(owner, text ? text : "", caption, type);
}
